#pragma once

// Measuring captions that wrap into two lines, shared by the ribbon's large
// buttons and the application menu's items.

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QRect>
#include <QString>

#include <algorithm>

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

namespace detail {

// What the remembered two-line search is looked up by, and what it keeps.
// The font is kept by its key: a QFont held in a static would outlive the
// application's font engines.
struct TwoLineKey
{
    QString font;
    QString text;
    int align;
    bool operator==(const TwoLineKey& other) const
    {
        return align == other.align && text == other.text && font == other.font;
    }
};

inline size_t qHash(const TwoLineKey& key, size_t seed = 0)
{
    return qHashMulti(seed, key.font, key.text, key.align);
}

struct TwoLineFound
{
    int width = 0;
    int lines = 0;
    bool hasLines = false;
};

} // namespace detail

/// twoLineWidth() for text in @p font, remembered: every large button of a
/// ribbon measures its caption at least once when it is built, and again
/// whenever a collapsed group's popup builds its copy, and the search lays the
/// text out about a dozen times. The result depends only on the font, the text
/// and the alignment, so it is kept by them (the GUI thread's widgets only).
inline int twoLineWidth(const QFont& font, const QString& text, int* lines = nullptr,
                        Qt::Alignment align = Qt::AlignHCenter)
{
    static QHash<detail::TwoLineKey, detail::TwoLineFound> known;
    const detail::TwoLineKey key{font.key(), text, int(align)};
    auto it = known.constFind(key);
    if (it == known.constEnd()) {
        // A bound on what a long-running program with changing captions keeps.
        if (known.size() >= 4096)
            known.clear();
        detail::TwoLineFound found;
        int measured = -1;
        found.width = twoLineWidth(QFontMetrics(font), text, &measured, align);
        found.hasLines = measured >= 0;
        found.lines = measured;
        it = known.insert(key, found);
    }
    if (lines && it->hasLines)
        *lines = it->lines;
    return it->width;
}

/// A caption is measured and drawn up to this many characters: no screen
/// shows more on one line, and a host's text of any length costs no more.
constexpr int kCaptionChars = 1024;
/// The widest single-line caption of a tab.
constexpr int kCaptionWidth = 480;

/// The width a tab caption asks for: its text's, at most kCaptionWidth.
inline int captionWidth(const QFontMetrics& fm, const QString& text)
{
    return std::min(fm.horizontalAdvance(text.left(kCaptionChars)), kCaptionWidth);
}

/// @p text as drawn in @p width pixels: unchanged when it fits, else cut with
/// an ellipsis.
inline QString fittedCaption(const QFontMetrics& fm, const QString& text, int width)
{
    const QString head = text.left(kCaptionChars);
    if (head.size() == text.size() && fm.horizontalAdvance(head) <= width)
        return text;
    return fm.elidedText(head, Qt::ElideRight, width);
}

} // namespace oru::textlines
