// The table of skin images: file name, exact size, how the library slices it,
// and the function that paints it.
#pragma once

#include "oruSkinPalette_p.h"

#include <QImage>
#include <QPainter>
#include <QString>
#include <vector>

namespace oru::skinpaint {

using PaintFunction = void (*)(QPainter& p, const SkinPalette& s);

struct ImageDef
{
    QString file;
    QSize size;
    PaintFunction paint = nullptr;
    // Where one state picture (or the inactive half) ends and the next begins.
    std::vector<int> frameRows, frameCols;
    // Where the library cuts a picture into unscaled borders and stretched middles.
    std::vector<int> sliceRows, sliceCols;
};

// All 54 images of a skin, in the library's declaration order.
const std::vector<ImageDef>& skinImages();

// The densities every skin image is painted at; 1 is the base image.
const std::vector<qreal>& paintScales();

// The file of an image at a density: Name.png, Name@1.5x.png, Name@2x.png.
QString scaledFileName(const QString& file, qreal scale);

// The pixel size of an image of `size` 1x units at a density (odd sizes at
// 1.5x round up).
QSize scaledSize(const QSize& size, qreal scale);

// Paints one image for a skin at a density.
QImage renderImage(const ImageDef& def, const SkinPalette& palette, qreal scale = 1.0);

// --- Image families (one file each) -------------------------------------------

// frame_images.cpp: window frame, caption, status bar, quick access bar, orb.
void paintMainBorder(QPainter& p, const SkinPalette& s);
void paintMainBorderCaption(QPainter& p, const SkinPalette& s);
void paintStatusBar(QPainter& p, const SkinPalette& s);
void paintStatusBarExt(QPainter& p, const SkinPalette& s);
void paintQuickAccessBar(QPainter& p, const SkinPalette& s);
void paintButtonMain(QPainter& p, const SkinPalette& s);

// sysbutton_images.cpp: caption button backgrounds and glyphs.
void paintSysBtnBack(QPainter& p, const SkinPalette& s);
void paintSysBtnClose(QPainter& p, const SkinPalette& s);
void paintSysBtnCloseSmall(QPainter& p, const SkinPalette& s);
void paintSysBtnMaximize(QPainter& p, const SkinPalette& s);
void paintSysBtnMaximizeSmall(QPainter& p, const SkinPalette& s);
void paintSysBtnMinimize(QPainter& p, const SkinPalette& s);
void paintSysBtnMinimizeSmall(QPainter& p, const SkinPalette& s);
void paintSysBtnRestore(QPainter& p, const SkinPalette& s);
void paintSysBtnRestoreSmall(QPainter& p, const SkinPalette& s);

// control_images.cpp: state strips of buttons and items.
void paintNormalButtonSmall(QPainter& p, const SkinPalette& s);
void paintMenuBarButton(QPainter& p, const SkinPalette& s);
void paintHMenuButtonCaption(QPainter& p, const SkinPalette& s);
void paintHMenuButtonMenu(QPainter& p, const SkinPalette& s);
void paintVMenuButtonCaption(QPainter& p, const SkinPalette& s);
void paintVMenuButtonMenu(QPainter& p, const SkinPalette& s);
void paintMainPanelButton(QPainter& p, const SkinPalette& s);
void paintPaletteButtonTop(QPainter& p, const SkinPalette& s);
void paintPaletteButtonMiddle(QPainter& p, const SkinPalette& s);
void paintPaletteButtonBottom(QPainter& p, const SkinPalette& s);
void paintPaletteItemLarge(QPainter& p, const SkinPalette& s);
void paintPaletteItemSmall(QPainter& p, const SkinPalette& s);
void paintBtnGroupFirst(QPainter& p, const SkinPalette& s);
void paintBtnGroupMiddle(QPainter& p, const SkinPalette& s);
void paintBtnGroupLast(QPainter& p, const SkinPalette& s);
void paintComboBox(QPainter& p, const SkinPalette& s);
void paintToolBoxBack(QPainter& p, const SkinPalette& s);

// ribbon_images.cpp: ribbon page, groups, collapsed groups, application menu panel.
void paintCategories(QPainter& p, const SkinPalette& s);
void paintCategoryTop(QPainter& p, const SkinPalette& s);
void paintCategoryBottom(QPainter& p, const SkinPalette& s);
void paintCategoryWrapperBack(QPainter& p, const SkinPalette& s);
void paintCategoryWrapperIcon(QPainter& p, const SkinPalette& s);
void paintMainPanelBack(QPainter& p, const SkinPalette& s);
void paintMainPanelBorder(QPainter& p, const SkinPalette& s);
void paintMainPanelSeparator(QPainter& p, const SkinPalette& s);
void paintTabBarTabs(QPainter& p, const SkinPalette& s);

// misc_images.cpp: popups, grips, marks, slider, tool tip, terminate button.
void paintPopupBorder(QPainter& p, const SkinPalette& s);
void paintPopupResizeBarBack(QPainter& p, const SkinPalette& s);
void paintPopupResizeBarIconB(QPainter& p, const SkinPalette& s);
void paintPopupResizeBarIconBR(QPainter& p, const SkinPalette& s);
void paintPopupResizeBarIconTR(QPainter& p, const SkinPalette& s);
void paintCheckableMenuItemBack(QPainter& p, const SkinPalette& s);
void paintCheckableMenuItemCheck(QPainter& p, const SkinPalette& s);
void paintCheckableMenuItemRadio(QPainter& p, const SkinPalette& s);
void paintSliderPlus(QPainter& p, const SkinPalette& s);
void paintSliderMinus(QPainter& p, const SkinPalette& s);
void paintSliderThumb(QPainter& p, const SkinPalette& s);
void paintTooltipBack(QPainter& p, const SkinPalette& s);
void paintTerminateButton(QPainter& p, const SkinPalette& s);

} // namespace oru::skinpaint
