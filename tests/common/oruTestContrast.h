#pragma once

#include <QRgb>

#include <algorithm>
#include <cmath>

namespace oru::test {

// Relative luminance and contrast ratio as the accessibility guidelines
// define them, written out here rather than taken from the library, so that
// the tests measure its colours with a formula of their own.
inline double luminance(QRgb rgb)
{
    const auto channel = [](int v) {
        const double c = v / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) +
           0.0722 * channel(qBlue(rgb));
}

inline double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace oru::test
