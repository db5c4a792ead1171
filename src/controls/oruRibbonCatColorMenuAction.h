#pragma once

#include "oruRibbonSimpleAction.h"

#include <QColor>
#include <QIcon>

namespace oru {

/// A colour choice for a ribbon panel: the current colour, optionally an
/// "automatic" and a "none" choice. Renders its own icon with a bar of the
/// current colour under the base icon (small and medium sizes).
class VAZAVE_EXPORT RibbonCatColorMenuAction : public RibbonSimpleAction
{
    Q_OBJECT

public:
    /// The button size, which also decides the icon: a colour bar under the icon for Small and
    /// Medium, the plain 32-pixel icon for Large.
    enum eSize : int
    {
        /// 22 high: 16x16 icon with its colour bar and the arrow.
        Small = 0,
        /// 22 high: 16x16 icon with its colour bar, the text and the arrow.
        Medium = 1,
        /// 66 high: 32x32 icon above the text and the arrow.
        Large = 2
    };

    /// A colour choice shown with @p icon (black at first, no automatic or none choice), owned by
    /// @p parent.
    RibbonCatColorMenuAction(const QIcon& icon, const QString& text, eSize size, QObject* parent);
    ~RibbonCatColorMenuAction() override;

    /// A colour button when @p parent is a QToolBar (owned by it); null for every other container,
    /// which builds its own button.
    QWidget* createWidget(QWidget* parent) override;

    /// The size given to the constructor.
    eSize size() const { return m_size; }
    /// The current colour; white after setNone().
    const QColor& color() const { return m_color; }
    /// The colour the "automatic" choice stands for (white at first).
    const QColor& automaticColor() const { return m_automaticColor; }
    /// Whether the colour picker offers "Automatic".
    bool hasAutomaticColor() const { return m_hasAutomaticColor; }
    /// Whether the colour picker offers "None".
    bool hasNoneColor() const { return m_hasNoneColor; }
    /// True while "automatic" is the current choice (and offered).
    bool isAutomatic() const { return m_hasAutomaticColor && m_automatic; }
    /// True while "none" is the current choice (and offered).
    bool isNone() const { return m_hasNoneColor && m_none; }
    /// Whether the picker marks the current table colour and setColor() ignores repeats (on by
    /// default).
    bool keepsSelection() const { return m_keepSelection; }

    /// Offers "Automatic" in the colour picker, or not; refreshes icon and buttons.
    void setHasAutomaticColor(bool has);
    /// Offers "None" in the colour picker, or not; refreshes icon and buttons.
    void setHasNoneColor(bool has);
    /// The colour shown for "automatic" (in the icon's bar and the picker's swatch).
    void setAutomaticColor(const QColor& color);
    /// See keepsSelection(); takes effect in colour buttons created afterwards.
    void setKeepSelection(bool keep);

public slots:
    /// Makes @p color the current colour, refreshes the icon and emits colorSet(). With
    /// keepsSelection() and a plain colour current, a repeat of it changes nothing and an invalid
    /// colour chooses "none" (when offered) instead. The colour picker calls it for a picked
    /// colour.
    void setColor(const QColor& color);
    /// Chooses "automatic" (when offered and not current yet) and emits automaticSet().
    void setAutomatic();
    /// Chooses "none" (when offered and not current yet): the colour becomes white; emits
    /// noneSet().
    void setNone();

signals:
    /// Emitted by setColor() after the icon and the buttons were refreshed, with the new colour.
    void colorSet(QColor color);
    /// Emitted by setAutomatic() after the icon and the buttons were refreshed.
    void automaticSet();
    /// Emitted by setNone() after the icon and the buttons were refreshed.
    void noneSet();
    /// Emitted only when the user chose in the colour picker, after colorSet(), automaticSet() or
    /// noneSet(): with the picked colour, the automatic colour, or an invalid QColor for "none".
    /// Never by setColor(), setAutomatic() or setNone().
    void colorActivated(const QColor& color);

private:
    void updateIcon();

    QIcon m_baseIcon;
    QColor m_color = Qt::black;
    QColor m_automaticColor = Qt::white;
    bool m_hasAutomaticColor = false;
    bool m_automatic = false;
    bool m_hasNoneColor = false;
    bool m_none = false;
    eSize m_size;
    bool m_keepSelection = true;
};

} // namespace oru
