#pragma once

#include <QVector>

#include <functional>
#include <numeric>

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
    std::iota(pick.begin(), pick.end(), 0);
    while (true) {
        QVector<int> subset;
        for (int p : pick)
            subset << list[p];
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

// Two-row splits for each size k1 of row 0 (largest first), then the
// three-row splits with k1 in row 0 and k2 in row 1; the first strictly best
// score wins.
inline QVector<int> referenceRows(const QVector<int>& widths)
{
    const int n = int(widths.size());
    QVector<int> best(n, 0);
    if (n < 2)
        return best;
    int bestScore = std::accumulate(widths.begin(), widths.end(), 0);
    QVector<int> all(n);
    std::iota(all.begin(), all.end(), 0);
    const auto offer = [&](QVector<int> rows, const QVector<int>& one, const QVector<int>& two) {
        for (int i : one)
            rows[i] = 0;
        for (int i : two)
            rows[i] = 1;
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
        forEachSubsetWithFirst(
            all, k1, [&](const QVector<int>& one) { offer(QVector<int>(n, 1), one, {}); });
        for (int k2 = n - k1 - 1; k2 >= 1; --k2) {
            forEachSubsetWithFirst(all, k1, [&](const QVector<int>& one) {
                QVector<int> rest;
                for (int i : all)
                    if (!one.contains(i))
                        rest << i;
                forEachSubsetWithFirst(rest, k2, [&](const QVector<int>& two) {
                    offer(QVector<int>(n, 2), one, two);
                });
            });
        }
    }
    return best;
}

} // namespace oru::test
