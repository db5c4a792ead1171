#pragma once

#include <QVector>

#include <functional>

// The automatic row split of a run of small controls, searched plainly and
// exhaustively in the defined order, without any pruning: the reference the
// library's fast search must agree with.
namespace oru::test {

// Calls fn for every subset of `list` of size k that holds list[0], in
// lexicographic order of index lists.
inline void forEachSubsetWithFirst(const QVector<int>& list, int k,
                                   const std::function<void(const QVector<int>&)>& fn)
{
    const int m = int(list.size());
    if (k < 1 || k > m)
        return;
    QVector<int> pick(k); // positions into list; pick[0] == 0
    for (int i = 0; i < k; ++i)
        pick[i] = i;
    while (true) {
        QVector<int> subset(k);
        for (int i = 0; i < k; ++i)
            subset[i] = list[pick[i]];
        fn(subset);
        int i = k - 1;
        while (i >= 1 && pick[i] == m - k + i)
            --i;
        if (i < 1)
            return;
        ++pick[i];
        for (int j = i + 1; j < k; ++j)
            pick[j] = pick[j - 1] + 1;
    }
}

inline QVector<int> referenceRows(const QVector<int>& widths)
{
    const int n = int(widths.size());
    QVector<int> best(n, 0);
    if (n < 2)
        return best;
    int total = 0;
    for (int w : widths)
        total += w;
    int bestScore = total;
    QVector<int> all(n);
    for (int i = 0; i < n; ++i)
        all[i] = i;
    const auto offer = [&](const QVector<int>& rows) {
        int r[3] = {0, 0, 0};
        for (int i = 0; i < n; ++i)
            r[rows[i]] += widths[i];
        const int score = qMax(r[0], qMax(r[1], r[2]));
        if (score < bestScore) {
            bestScore = score;
            best = rows;
        }
    };
    for (int k1 = n - 1; k1 >= 1; --k1) {
        forEachSubsetWithFirst(all, k1, [&](const QVector<int>& one) {
            QVector<int> rows(n, 1);
            for (int i : one)
                rows[i] = 0;
            offer(rows);
        });
        for (int k2 = n - k1 - 1; k2 >= 1; --k2) {
            forEachSubsetWithFirst(all, k1, [&](const QVector<int>& one) {
                QVector<int> rest;
                for (int i = 0; i < n; ++i)
                    if (!one.contains(i))
                        rest << i;
                forEachSubsetWithFirst(rest, k2, [&](const QVector<int>& two) {
                    QVector<int> rows(n, 2);
                    for (int i : one)
                        rows[i] = 0;
                    for (int i : two)
                        rows[i] = 1;
                    offer(rows);
                });
            });
        }
    }
    return best;
}

} // namespace oru::test
