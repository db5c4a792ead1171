#pragma once

#include "oruGlobal.h"

#include <QColor>
#include <QObject>
#include <QPixmap>

#include <functional>
#include <memory>

class QImage;
class QPainter;
class QPoint;
class QRect;

namespace oru {

/// The small vector symbols drawn by RibbonStyle::drawSymbol.
enum eSymbolType : int
{
    /// Nothing is drawn.
    SymbolNone = 0,
    /// Up-pointing triangle.
    ArrowUp = 1,
    /// Down-pointing triangle.
    ArrowDown = 2,
    /// Left-pointing triangle.
    ArrowLeft = 3,
    /// Right-pointing triangle.
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
    /// An empty skin: invalid colours, null pixmaps. Subclasses fill it with setColors() and
    /// loadPixmaps() in their constructors.
    RibbonStyle();
    /// Destroys the skin. The built-in skins live until the process ends; widgets never keep a skin
    /// pointer beyond a paint.
    ~RibbonStyle() override;

    /// Background of the main window's client area and of RibbonWindow's inside.
    const QColor& mainClientColor() const { return m_mainClientColor; }
    /// Background of the application menu's columns.
    const QColor& mainMenuBgColor() const { return m_mainMenuBgColor; }
    /// Caption text (product name) of the active main window.
    const QColor& activeTextColor() const { return m_activeTextColor; }
    /// Caption text (product name) of an inactive main window.
    const QColor& inactiveTextColor() const { return m_inactiveTextColor; }
    /// Title text of an active window caption.
    const QColor& activeTitleTextColor() const { return m_activeTitleTextColor; }
    /// Title text of an inactive window caption.
    const QColor& inactiveTitleTextColor() const { return m_inactiveTitleTextColor; }
    /// Text of tab buttons, child-window titles and the zoom percentage.
    const QColor& normalCategoryTextColor() const { return m_normalCategoryTextColor; }
    /// Text of enabled controls: buttons, menu entries, tabs of a tab bar.
    const QColor& highlightedCategoryTextColor() const { return m_highlightedCategoryTextColor; }
    /// Text of disabled controls.
    const QColor& disabledCategoryTextColor() const { return m_disabledCategoryTextColor; }
    /// Caption along the bottom of a group (RibbonCategory).
    const QColor& categoryCaptionTextColor() const { return m_categoryCaptionTextColor; }
    /// Caption of a collapsed group's button (RibbonCategoryWrapper).
    const QColor& categoryWrapperCaptionTextColor() const
    {
        return m_categoryWrapperCaptionTextColor;
    }
    /// Outline of child windows and of in-ribbon palettes.
    const QColor& frameOutlineColor() const { return m_frameOutlineColor; }
    /// Fill of child windows, palettes and tool-box pages.
    const QColor& frameNormalFillColor() const { return m_frameNormalFillColor; }
    /// Fill of a hovered palette or symbol button.
    const QColor& frameHighlightedFillColor() const { return m_frameHighlightedFillColor; }
    /// Dark edge of sunken frames (symbol buttons, the zoom slider).
    const QColor& frameSunkenColor() const { return m_frameSunkenColor; }
    /// Light edge of raised frames (the zoom slider).
    const QColor& frameRaiseColor() const { return m_frameRaiseColor; }

    /// Border pieces of the main window frame.
    const QPixmap& mainBorder() const { return m_mainBorder; }
    /// Caption band of the main window frame.
    const QPixmap& mainBorderCaption() const { return m_mainBorderCaption; }
    /// The round application button, in its states.
    const QPixmap& mainButton() const { return m_mainButton; }
    /// Background of the quick access bar in the caption.
    const QPixmap& quickAccessBar() const { return m_quickAccessBar; }
    /// Background of the status bar.
    const QPixmap& statusBar() const { return m_statusBar; }
    /// Background of the right-hand part of the status bar.
    const QPixmap& statusBarExt() const { return m_statusBarExt; }
    /// Hover and press background of the system (caption) buttons.
    const QPixmap& sysBtnBack() const { return m_sysBtnBack; }
    /// Background of a tool box's tab, painted by RibbonQStyle.
    const QPixmap& toolBoxTabBack() const { return m_toolBoxTabBack; }
    /// Close glyph of the main window's caption buttons. The caption buttons
    /// draw their glyphs as vectors in the shape of these 1x images stretched
    /// into the button and in the colours read off each state frame (ink,
    /// emboss, and for close the hover and pressed box), so a skin restyles
    /// them through these images; the finer variants are not used for them.
    const QPixmap& sysBtnClose() const { return m_sysBtnClose; }
    /// Close glyph of RibbonWindow's caption and of a child window's close button.
    const QPixmap& sysBtnCloseSmall() const { return m_sysBtnCloseSmall; }
    /// Maximize glyph of the main window's caption buttons.
    const QPixmap& sysBtnMaximize() const { return m_sysBtnMaximize; }
    /// Maximize glyph of RibbonWindow's caption.
    const QPixmap& sysBtnMaximizeSmall() const { return m_sysBtnMaximizeSmall; }
    /// Minimize glyph of the main window's caption buttons.
    const QPixmap& sysBtnMinimize() const { return m_sysBtnMinimize; }
    /// Minimize glyph of RibbonWindow's caption.
    const QPixmap& sysBtnMinimizeSmall() const { return m_sysBtnMinimizeSmall; }
    /// Restore glyph of the main window's caption buttons.
    const QPixmap& sysBtnRestore() const { return m_sysBtnRestore; }
    /// Restore glyph of RibbonWindow's caption.
    const QPixmap& sysBtnRestoreSmall() const { return m_sysBtnRestoreSmall; }
    /// Background of small push buttons (button groups, status bar, application menu buttons).
    const QPixmap& normalButtonSmall() const { return m_normalButtonSmall; }
    /// Background of a tab button in the tab row.
    const QPixmap& menuBarButton() const { return m_menuBarButton; }
    /// Background of a ribbon page.
    const QPixmap& categories() const { return m_categories; }
    /// Upper part of a group's frame.
    const QPixmap& categoryTop() const { return m_categoryTop; }
    /// Caption band at the bottom of a group's frame.
    const QPixmap& categoryBottom() const { return m_categoryBottom; }
    /// Background of a collapsed group's button.
    const QPixmap& categoryWrapperBack() const { return m_categoryWrapperBack; }
    /// Frame behind the icon of a collapsed group's button.
    const QPixmap& categoryWrapperIcon() const { return m_categoryWrapperIcon; }
    /// Background of the application menu.
    const QPixmap& mainPanelBack() const { return m_mainPanelBack; }
    /// Caption part of a split button whose parts are side by side.
    const QPixmap& horizontalMenuButtonCaption() const { return m_horizontalMenuButtonCaption; }
    /// Arrow part of a split button whose parts are side by side.
    const QPixmap& horizontalMenuButtonMenu() const { return m_horizontalMenuButtonMenu; }
    /// Upper (caption) part of a large split button.
    const QPixmap& verticalMenuButtonCaption() const { return m_verticalMenuButtonCaption; }
    /// Lower (arrow) part of a large split button.
    const QPixmap& verticalMenuButtonMenu() const { return m_verticalMenuButtonMenu; }
    /// Border of the application menu.
    const QPixmap& mainPanelBorder() const { return m_mainPanelBorder; }
    /// Separator line of the application menu.
    const QPixmap& mainPanelSeparator() const { return m_mainPanelSeparator; }
    /// Background of the push buttons at the bottom of the application menu and of page buttons.
    const QPixmap& mainPanelButton() const { return m_mainPanelButton; }
    /// Scroll-up button at the right edge of an in-ribbon palette.
    const QPixmap& paletteBtnTop() const { return m_paletteBtnTop; }
    /// Scroll-down button at the right edge of an in-ribbon palette.
    const QPixmap& paletteBtnMiddle() const { return m_paletteBtnMiddle; }
    /// Bottom button (opens the palette popup) at the right edge of an in-ribbon palette.
    const QPixmap& paletteBtnBottom() const { return m_paletteBtnBottom; }
    /// Hover and press background of large buttons and palette cells.
    const QPixmap& paletteItemLarge() const { return m_paletteItemLarge; }
    /// Hover and press background of small buttons, menu items and colour cells.
    const QPixmap& paletteItemSmall() const { return m_paletteItemSmall; }
    /// Border of popups: palette popups, application menu sub-menus.
    const QPixmap& popupBorder() const { return m_popupBorder; }
    /// Background of a popup's resize bar.
    const QPixmap& popupResizeBarBack() const { return m_popupResizeBarBack; }
    /// Grip for the middle of a popup's bottom resize bar; the library's own popups use the
    /// corner grips.
    const QPixmap& popupResizeBarIconB() const { return m_popupResizeBarIconB; }
    /// Grip at a popup's bottom-right corner.
    const QPixmap& popupResizeBarIconBR() const { return m_popupResizeBarIconBR; }
    /// Grip at a popup's top-right corner (popups opened upwards).
    const QPixmap& popupResizeBarIconTR() const { return m_popupResizeBarIconTR; }
    /// Box behind the mark of a checked menu item.
    const QPixmap& checkableMenuItemBack() const { return m_checkableMenuItemBack; }
    /// Check mark of a checked menu item.
    const QPixmap& checkableMenuItemCheck() const { return m_checkableMenuItemCheck; }
    /// Radio mark of a checked exclusive menu item.
    const QPixmap& checkableMenuItemRadio() const { return m_checkableMenuItemRadio; }
    /// The tabs of a RibbonTabBar, in their states.
    const QPixmap& tabBarTabs() const { return m_tabBarTabs; }
    /// Plus button of the zoom slider.
    const QPixmap& sliderPlus() const { return m_sliderPlus; }
    /// Minus button of the zoom slider.
    const QPixmap& sliderMinus() const { return m_sliderMinus; }
    /// Thumb of the zoom slider.
    const QPixmap& sliderThumb() const { return m_sliderThumb; }
    /// First cell of a strip of joined buttons (RibbonCatActionGroup).
    const QPixmap& btnGroupFirst() const { return m_btnGroupFirst; }
    /// Middle cells of a strip of joined buttons.
    const QPixmap& btnGroupMidle() const { return m_btnGroupMidle; }
    /// Last cell of a strip of joined buttons.
    const QPixmap& btnGroupLast() const { return m_btnGroupLast; }
    /// Frame of the ribbon's combo boxes, painted by RibbonQStyle.
    const QPixmap& comboBox() const { return m_comboBox; }
    /// Background of tool tips, painted by RibbonQStyle.
    const QPixmap& tooltipBack() const { return m_tooltipBack; }
    /// The stop button of a progress indicator in the status bar.
    const QPixmap& terminateProgressButton() const { return m_terminateProgressButton; }

    /// The skin image @p pixmap (a reference returned by one of the accessors
    /// above) as painted for a device pixel ratio: the 1.5x or 2x image, loaded
    /// the first time a ratio asks for it and kept while the skin lives. Ratios
    /// up to 1, images without a finer variant and pixmaps that are not this
    /// skin's images give @p pixmap itself.
    const QPixmap& pixmapForRatio(const QPixmap& pixmap, qreal devicePixelRatio) const;
    /// Loads every image of the ratio @p devicePixelRatio now instead of at
    /// its first paint, as the 1x images are loaded with the skin. The
    /// application does it for the ratios of its screens, so that the first
    /// paint on a high-density screen costs what it costs on any other. A skin
    /// made at run time (paintPixmaps()) paints its finer images at their
    /// first paint instead; this does nothing for it.
    void preloadRatio(qreal devicePixelRatio) const;

    /// Draws the part @p source of the skin image @p pixmap into @p target.
    /// @p source is given in pixels of the 1x image; the pixels are taken from
    /// the image that matches the device pixel ratio of what @p painter paints
    /// on, with the source scaled to it, so every slice stays sharp.
    void drawPixmap(QPainter& painter, const QRect& target, const QPixmap& pixmap,
                    const QRect& source) const;
    /// Draws the whole skin image @p pixmap into @p target.
    void drawPixmap(QPainter& painter, const QRect& target, const QPixmap& pixmap) const;
    /// Draws the part @p source of the skin image @p pixmap into @p target as
    /// nine pieces: corners of @p border pixels as they are, edges stretched
    /// along, the middle stretched both ways.
    void drawNinePiece(QPainter& painter, const QRect& target, const QPixmap& pixmap,
                       const QRect& source, int border) const;
    /// The tool-tip background (tooltipBack(), 2-pixel borders) into @p target,
    /// as tool tips, screen tips and key tip badges are drawn.
    void drawTooltipBack(QPainter& painter, const QRect& target) const;

    /// The device pixel ratio of the device @p painter paints on (1 when it
    /// is not active).
    static qreal devicePixelRatio(const QPainter& painter);

    /// Draws @p type into @p rect with the painter's current pen and brush.
    /// Types outside 1..9 draw nothing and leave the painter untouched.
    static void drawSymbol(QPainter& painter, const QRect& rect, eSymbolType type);

protected:
    /// Fills the sixteen colours, in declaration order.
    void setColors(const QRgb (&colors)[16]);
    /// Loads the 54 images from the resource folder :/oru/ribbon/\<folder\>/.
    void loadPixmaps(const QString& folder);
    /// Paints the 54 images instead of loading them: @p paint returns the image of the given
    /// resource file name (for example "MainBorder.png") at the given device pixel ratio, in
    /// device pixels. The 1x images are painted now, the finer ones when a screen first needs
    /// them.
    void paintPixmaps(const std::function<QImage(const QString& file, qreal ratio)>& paint);

    /// \name Skin values
    /// The values behind the accessors of the same names, for subclasses that build a skin of their
    /// own. setColors() and loadPixmaps() fill them; they should not change once widgets paint with
    /// the skin.
    //@{
    /// The value the accessor of the same name (without "m_") returns.
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
    //@}

private:
    // Calls @p visit with every image member and its resource file name.
    void forEachImage(const std::function<void(QPixmap& member, const QString& file)>& visit);

    struct Variants;
    // Finer images by ratio, filled on demand; mutable because loading them
    // does not change what the skin looks like.
    std::unique_ptr<Variants> m_variants;

    Q_DISABLE_COPY(RibbonStyle)
};

} // namespace oru
