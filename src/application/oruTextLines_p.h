#pragma once

// Measuring captions that wrap into two lines, shared by the ribbon's large
// buttons and the application menu's items.

#include <QFontMetrics>
#include <QRect>
#include <QString>

namespace oru::textlines {

/// The height of two lines of @p fm's font as the text layout stacks them.
/// The layout rounds each line up, so this can exceed twice the font height.
inline int twoLineHeight(const QFontMetrics& fm)
{
    return fm
        .boundingRect(QRect(0, 0, 1 << 16, 0), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                      QStringLiteral("X\nX"))
        .height();
}

/// The narrowest width at which @p text, word-wrapped with the horizontal
/// alignment @p align, takes at most two lines (a halving search from the
/// text's full width). @p lines receives the line count of the last fitting
/// measurement.
inline int twoLineWidth(const QFontMetrics& fm, const QString& text, int* lines = nullptr,
                        Qt::Alignment align = Qt::AlignHCenter)
{
    const int full = fm.horizontalAdvance(text);
    int candidate = full;
    int best = full;
    int step = full;
    const int h = fm.height();
    const int limit = twoLineHeight(fm);
    const int flags = int(align) | Qt::AlignTop | Qt::TextWordWrap;
    do {
        step /= 2;
        const QRect r = fm.boundingRect(QRect(0, 0, candidate, 0), flags, text);
        if (r.height() <= limit) {
            best = r.width();
            if (lines)
                *lines = qRound(double(r.height()) / h);
            candidate -= step;
        } else {
            candidate += step;
        }
    } while (step != 0);
    return best;
}

} // namespace oru::textlines
