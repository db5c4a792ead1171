#pragma once

#include "oruGlobal.h"

#include <QColor>
#include <QMetaType>
#include <QString>

class QByteArray;

namespace oru {

/// The few colours a skin is made from at run time (see RibbonApplication::registerRibbonStyle()).
///
/// A palette skin is flat, in the style of current office suites: plain fills, thin borders, the
/// accent colour on the selected tab, the application button and the controls under the pointer.
/// Everything else derives from these colours; colours left invalid derive as well, and text
/// colours that would not read on their backgrounds (4.5:1) are corrected, so any accent gives a
/// readable skin.
///
/// A designer keeps a palette in a JSON file:
/// \code{.json}
/// { "base": "#f3f3f3", "accent": "#2b579a", "text": "#262626",
///   "highlight": "#dce6f4", "dark": false }
/// \endcode
/// "base" and "accent" are required; "text" and "highlight" are optional; "dark" defaults to
/// whether the base is dark. Colours are anything QColor reads by name ("#rgb", "#rrggbb",
/// "#aarrggbb", SVG names).
class VAZAVE_EXPORT RibbonPalette
{
public:
    /// The modern light palette.
    RibbonPalette();
    /// A palette of @p base (window and ribbon background) and @p accent; text and highlight are
    /// derived, the palette is dark when @p dark is.
    RibbonPalette(const QColor& base, const QColor& accent, bool dark);

    /// The light palette of the "Modern Light" skin: light grey base, office blue accent.
    static RibbonPalette modernLight();
    /// The dark palette of the "Modern Dark" skin: charcoal base, light blue accent.
    static RibbonPalette modernDark();

    /// Background of the window frame, the tab row and the ribbon.
    QColor base() const { return m_base; }
    /// Sets the base colour.
    void setBase(const QColor& color) { m_base = color; }
    /// Colour of the selected tab's mark, the application button and the controls' hover,
    /// pressed and checked looks.
    QColor accent() const { return m_accent; }
    /// Sets the accent colour.
    void setAccent(const QColor& color) { m_accent = color; }
    /// Text colour; invalid (the default) derives it from the base.
    QColor text() const { return m_text; }
    /// Sets the text colour; an invalid colour derives it.
    void setText(const QColor& color) { m_text = color; }
    /// Fill of a control under the pointer; invalid (the default) derives it from base and accent.
    QColor highlight() const { return m_highlight; }
    /// Sets the highlight colour; an invalid colour derives it.
    void setHighlight(const QColor& color) { m_highlight = color; }
    /// Whether the skin is dark (light text on dark grounds).
    bool isDark() const { return m_dark; }
    /// Sets whether the skin is dark.
    void setDark(bool dark) { m_dark = dark; }

    /// Whether base and accent are valid colours: only then can a skin be made.
    bool isValid() const { return m_base.isValid() && m_accent.isValid(); }

    /// Reads a palette from JSON (see the class description). On an error returns an invalid
    /// palette and, when @p errorString is given, says which key was wrong and how.
    static RibbonPalette fromJson(const QByteArray& json, QString* errorString = nullptr);
    /// The palette as JSON that fromJson() reads back; derived colours are left out.
    QByteArray toJson() const;

    /// Same colours and darkness.
    bool operator==(const RibbonPalette& other) const;
    /// Different colours or darkness.
    bool operator!=(const RibbonPalette& other) const { return !(*this == other); }

private:
    QColor m_base;
    QColor m_accent;
    QColor m_text;
    QColor m_highlight;
    bool m_dark = false;
};

} // namespace oru

Q_DECLARE_METATYPE(oru::RibbonPalette)
