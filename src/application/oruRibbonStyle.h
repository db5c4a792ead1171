#pragma once

#include "oruGlobal.h"

#include <QColor>
#include <QObject>
#include <QPixmap>

#include <memory>

class QPainter;
class QPoint;
class QRect;

namespace oru {

/// The small vector symbols drawn by RibbonStyle::drawSymbol.
enum eSymbolType : int
{
    SymbolNone = 0,
    ArrowUp = 1,
    ArrowDown = 2,
    ArrowLeft = 3,
    ArrowRight = 4,
    MoreDown = 5, ///< bar above a down-pointing triangle
    NavFirst = 6, ///< bar followed by a left-pointing triangle
    NavPrev = 7,  ///< narrow left-pointing triangle
    NavNext = 8,  ///< narrow right-pointing triangle
    NavLast = 9   ///< right-pointing triangle followed by a bar
};

/// A skin: every colour and image the ribbon widgets paint with.
///
/// A plain RibbonStyle has invalid colours and null pixmaps; the built-in
/// skins handed out by RibbonApplication::ribbonStyle() fill them once and
/// never change them afterwards.
class VAZAVE_EXPORT RibbonStyle : public QObject
{
    Q_OBJECT

public:
    RibbonStyle();
    ~RibbonStyle() override;

    const QColor& mainClientColor() const { return m_mainClientColor; }
    const QColor& mainMenuBgColor() const { return m_mainMenuBgColor; }
    const QColor& activeTextColor() const { return m_activeTextColor; }
    const QColor& inactiveTextColor() const { return m_inactiveTextColor; }
    const QColor& activeTitleTextColor() const { return m_activeTitleTextColor; }
    const QColor& inactiveTitleTextColor() const { return m_inactiveTitleTextColor; }
    const QColor& normalCategoryTextColor() const { return m_normalCategoryTextColor; }
    const QColor& highlightedCategoryTextColor() const { return m_highlightedCategoryTextColor; }
    const QColor& disabledCategoryTextColor() const { return m_disabledCategoryTextColor; }
    const QColor& categoryCaptionTextColor() const { return m_categoryCaptionTextColor; }
    const QColor& categoryWrapperCaptionTextColor() const
    {
        return m_categoryWrapperCaptionTextColor;
    }
    const QColor& frameOutlineColor() const { return m_frameOutlineColor; }
    const QColor& frameNormalFillColor() const { return m_frameNormalFillColor; }
    const QColor& frameHighlightedFillColor() const { return m_frameHighlightedFillColor; }
    const QColor& frameSunkenColor() const { return m_frameSunkenColor; }
    const QColor& frameRaiseColor() const { return m_frameRaiseColor; }

    const QPixmap& mainBorder() const { return m_mainBorder; }
    const QPixmap& mainBorderCaption() const { return m_mainBorderCaption; }
    const QPixmap& mainButton() const { return m_mainButton; }
    const QPixmap& quickAccessBar() const { return m_quickAccessBar; }
    const QPixmap& statusBar() const { return m_statusBar; }
    const QPixmap& statusBarExt() const { return m_statusBarExt; }
    const QPixmap& sysBtnBack() const { return m_sysBtnBack; }
    const QPixmap& toolBoxTabBack() const { return m_toolBoxTabBack; }
    const QPixmap& sysBtnClose() const { return m_sysBtnClose; }
    const QPixmap& sysBtnCloseSmall() const { return m_sysBtnCloseSmall; }
    const QPixmap& sysBtnMaximize() const { return m_sysBtnMaximize; }
    const QPixmap& sysBtnMaximizeSmall() const { return m_sysBtnMaximizeSmall; }
    const QPixmap& sysBtnMinimize() const { return m_sysBtnMinimize; }
    const QPixmap& sysBtnMinimizeSmall() const { return m_sysBtnMinimizeSmall; }
    const QPixmap& sysBtnRestore() const { return m_sysBtnRestore; }
    const QPixmap& sysBtnRestoreSmall() const { return m_sysBtnRestoreSmall; }
    const QPixmap& normalButtonSmall() const { return m_normalButtonSmall; }
    const QPixmap& menuBarButton() const { return m_menuBarButton; }
    const QPixmap& categories() const { return m_categories; }
    const QPixmap& categoryTop() const { return m_categoryTop; }
    const QPixmap& categoryBottom() const { return m_categoryBottom; }
    const QPixmap& categoryWrapperBack() const { return m_categoryWrapperBack; }
    const QPixmap& categoryWrapperIcon() const { return m_categoryWrapperIcon; }
    const QPixmap& mainPanelBack() const { return m_mainPanelBack; }
    const QPixmap& horizontalMenuButtonCaption() const { return m_horizontalMenuButtonCaption; }
    const QPixmap& horizontalMenuButtonMenu() const { return m_horizontalMenuButtonMenu; }
    const QPixmap& verticalMenuButtonCaption() const { return m_verticalMenuButtonCaption; }
    const QPixmap& verticalMenuButtonMenu() const { return m_verticalMenuButtonMenu; }
    const QPixmap& mainPanelBorder() const { return m_mainPanelBorder; }
    const QPixmap& mainPanelSeparator() const { return m_mainPanelSeparator; }
    const QPixmap& mainPanelButton() const { return m_mainPanelButton; }
    const QPixmap& paletteBtnTop() const { return m_paletteBtnTop; }
    const QPixmap& paletteBtnMiddle() const { return m_paletteBtnMiddle; }
    const QPixmap& paletteBtnBottom() const { return m_paletteBtnBottom; }
    const QPixmap& paletteItemLarge() const { return m_paletteItemLarge; }
    const QPixmap& paletteItemSmall() const { return m_paletteItemSmall; }
    const QPixmap& popupBorder() const { return m_popupBorder; }
    const QPixmap& popupResizeBarBack() const { return m_popupResizeBarBack; }
    const QPixmap& popupResizeBarIconB() const { return m_popupResizeBarIconB; }
    const QPixmap& popupResizeBarIconBR() const { return m_popupResizeBarIconBR; }
    const QPixmap& popupResizeBarIconTR() const { return m_popupResizeBarIconTR; }
    const QPixmap& checkableMenuItemBack() const { return m_checkableMenuItemBack; }
    const QPixmap& checkableMenuItemCheck() const { return m_checkableMenuItemCheck; }
    const QPixmap& checkableMenuItemRadio() const { return m_checkableMenuItemRadio; }
    const QPixmap& tabBarTabs() const { return m_tabBarTabs; }
    const QPixmap& sliderPlus() const { return m_sliderPlus; }
    const QPixmap& sliderMinus() const { return m_sliderMinus; }
    const QPixmap& sliderThumb() const { return m_sliderThumb; }
    const QPixmap& btnGroupFirst() const { return m_btnGroupFirst; }
    const QPixmap& btnGroupMidle() const { return m_btnGroupMidle; }
    const QPixmap& btnGroupLast() const { return m_btnGroupLast; }
    const QPixmap& comboBox() const { return m_comboBox; }
    const QPixmap& tooltipBack() const { return m_tooltipBack; }
    const QPixmap& terminateProgressButton() const { return m_terminateProgressButton; }

    /// The skin image @p pixmap (a reference returned by one of the accessors
    /// above) as painted for a device pixel ratio: the 1.5x or 2x image, loaded
    /// the first time a ratio asks for it and kept while the skin lives. Ratios
    /// up to 1, images without a finer variant and pixmaps that are not this
    /// skin's images give @p pixmap itself.
    const QPixmap& pixmapForRatio(const QPixmap& pixmap, qreal devicePixelRatio) const;

    /// Draws the part @p source of the skin image @p pixmap into @p target.
    /// @p source is given in pixels of the 1x image; the pixels are taken from
    /// the image that matches the device pixel ratio of what @p painter paints
    /// on, with the source scaled to it, so every slice stays sharp.
    void drawPixmap(QPainter& painter, const QRect& target, const QPixmap& pixmap,
                    const QRect& source) const;
    /// Draws the whole skin image @p pixmap into @p target.
    void drawPixmap(QPainter& painter, const QRect& target, const QPixmap& pixmap) const;

    /// The device pixel ratio of the device @p painter paints on (1 when it
    /// is not active).
    static qreal devicePixelRatio(const QPainter& painter);

    /// Draws @p type into @p rect with the painter's current pen and brush.
    /// Types outside 1..9 draw nothing and leave the painter untouched.
    static void drawSymbol(QPainter& painter, const QRect& rect, eSymbolType type);

protected:
    /// Fills the sixteen colours, in declaration order.
    void setColors(const QRgb (&colors)[16]);
    /// Loads the 54 images from the resource folder :/oru/ribbon/<folder>/.
    void loadPixmaps(const QString& folder);

    QColor m_mainClientColor;
    QColor m_mainMenuBgColor;
    QColor m_activeTextColor;
    QColor m_inactiveTextColor;
    QColor m_activeTitleTextColor;
    QColor m_inactiveTitleTextColor;
    QColor m_normalCategoryTextColor;
    QColor m_highlightedCategoryTextColor;
    QColor m_disabledCategoryTextColor;
    QColor m_categoryCaptionTextColor;
    QColor m_categoryWrapperCaptionTextColor;
    QColor m_frameOutlineColor;
    QColor m_frameNormalFillColor;
    QColor m_frameHighlightedFillColor;
    QColor m_frameSunkenColor;
    QColor m_frameRaiseColor;

    QPixmap m_mainBorder;
    QPixmap m_mainBorderCaption;
    QPixmap m_mainButton;
    QPixmap m_quickAccessBar;
    QPixmap m_statusBar;
    QPixmap m_statusBarExt;
    QPixmap m_sysBtnBack;
    QPixmap m_toolBoxTabBack;
    QPixmap m_sysBtnClose;
    QPixmap m_sysBtnCloseSmall;
    QPixmap m_sysBtnMaximize;
    QPixmap m_sysBtnMaximizeSmall;
    QPixmap m_sysBtnMinimize;
    QPixmap m_sysBtnMinimizeSmall;
    QPixmap m_sysBtnRestore;
    QPixmap m_sysBtnRestoreSmall;
    QPixmap m_normalButtonSmall;
    QPixmap m_menuBarButton;
    QPixmap m_categories;
    QPixmap m_categoryTop;
    QPixmap m_categoryBottom;
    QPixmap m_categoryWrapperBack;
    QPixmap m_categoryWrapperIcon;
    QPixmap m_mainPanelBack;
    QPixmap m_horizontalMenuButtonCaption;
    QPixmap m_horizontalMenuButtonMenu;
    QPixmap m_verticalMenuButtonCaption;
    QPixmap m_verticalMenuButtonMenu;
    QPixmap m_mainPanelBorder;
    QPixmap m_mainPanelSeparator;
    QPixmap m_mainPanelButton;
    QPixmap m_paletteBtnTop;
    QPixmap m_paletteBtnMiddle;
    QPixmap m_paletteBtnBottom;
    QPixmap m_paletteItemLarge;
    QPixmap m_paletteItemSmall;
    QPixmap m_popupBorder;
    QPixmap m_popupResizeBarBack;
    QPixmap m_popupResizeBarIconB;
    QPixmap m_popupResizeBarIconBR;
    QPixmap m_popupResizeBarIconTR;
    QPixmap m_checkableMenuItemBack;
    QPixmap m_checkableMenuItemCheck;
    QPixmap m_checkableMenuItemRadio;
    QPixmap m_tabBarTabs;
    QPixmap m_sliderPlus;
    QPixmap m_sliderMinus;
    QPixmap m_sliderThumb;
    QPixmap m_btnGroupFirst;
    QPixmap m_btnGroupMidle;
    QPixmap m_btnGroupLast;
    QPixmap m_comboBox;
    QPixmap m_tooltipBack;
    QPixmap m_terminateProgressButton;

private:
    struct Variants;
    // Finer images by ratio, filled on demand; mutable because loading them
    // does not change what the skin looks like.
    std::unique_ptr<Variants> m_variants;

    Q_DISABLE_COPY(RibbonStyle)
};

} // namespace oru
