#pragma once

#include <QColor>

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace oru::contrast {

/// The relative luminance of @p c (0 black .. 1 white), as readability
/// guidelines measure it.
inline qreal luminance(const QColor& c)
{
    const auto channel = [](qreal v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

/// The contrast ratio of two colours, 1 (none) .. 21 (black on white).
inline qreal ratio(const QColor& a, const QColor& b)
{
    const qreal la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

/// The opaque colour a fraction @p t of the way from @p a to @p b.
inline QColor mixed(const QColor& a, const QColor& b, qreal t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

/// @p preferred when text of that colour reads (4.5:1) on each of
/// @p backgrounds, else black or white, whichever reads better on them.
inline QColor readableOn(const QColor& preferred, std::initializer_list<QColor> backgrounds)
{
    const auto worst = [&](const QColor& text) {
        qreal least = 21;
        for (const QColor& back : backgrounds)
            least = std::min(least, ratio(text, back));
        return least;
    };
    if (worst(preferred) >= 4.5)
        return preferred;
    return worst(Qt::black) >= worst(Qt::white) ? QColor(Qt::black) : QColor(Qt::white);
}

} // namespace oru::contrast
