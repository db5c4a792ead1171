#pragma once

#include <oruSysGlyph_p.h>

#include <QImage>
#include <QList>
#include <QPair>
#include <QRect>
#include <QWidget>

namespace frametest {

using oru::sysglyph::Glyph;
using oru::sysglyph::Size;
using GlyphDraws = QList<QPair<QRect, int>>; // target, state frame

/// Records the caption glyphs drawn while it lives: which glyph, where and in
/// which state frame.
class GlyphSpy
{
public:
    GlyphSpy() : m_previous(oru::sysglyph::setDrawHook(&record)) { drawn().clear(); }
    ~GlyphSpy() { oru::sysglyph::setDrawHook(m_previous); }
    GlyphSpy(const GlyphSpy&) = delete;
    GlyphSpy& operator=(const GlyphSpy&) = delete;

    /// The draws of @p glyph in @p size, in painting order.
    GlyphDraws of(Glyph glyph, Size size) const
    {
        GlyphDraws draws;
        for (const Draw& d : drawn()) {
            if (d.glyph == glyph && d.size == size)
                draws.append({d.target, d.frame});
        }
        return draws;
    }
    int count() const { return int(drawn().size()); }

private:
    struct Draw
    {
        Glyph glyph;
        Size size;
        int frame;
        QRect target;
    };
    static QList<Draw>& drawn()
    {
        static QList<Draw> draws;
        return draws;
    }
    static void record(Glyph glyph, Size size, int frame, const QRect& target)
    {
        drawn().append({glyph, size, frame, target});
    }

    oru::sysglyph::DrawHook m_previous;
};

/// The draws of @p glyph in @p size when @p widget paints (with its children).
inline GlyphDraws glyphDraws(QWidget* widget, Glyph glyph, Size size)
{
    const GlyphSpy spy;
    QImage image(widget->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    widget->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return spy.of(glyph, size);
}

} // namespace frametest
