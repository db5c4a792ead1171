#include "oruSkinImages_p.h"

#include "oruSkinDraw_p.h"

#include <QtMath>

namespace oru::skinpaint {

namespace {

// Builds the table entries; the optional calls describe the slicing so that the
// contact sheet can mark it.
struct Def
{
    ImageDef d;

    Def(const char* file, int w, int h, PaintFunction paint)
    {
        d.file = QString::fromLatin1(file);
        d.size = QSize(w, h);
        d.paint = paint;
    }
    // State frames of `height` rows stacked from the top.
    Def& frames(int height)
    {
        for (int y = height; y < d.size.height(); y += height)
            d.frameRows.push_back(y);
        return *this;
    }
    // Active look in the left half, inactive in the right half.
    Def& halves()
    {
        d.frameCols.push_back(d.size.width() / 2);
        return *this;
    }
    Def& rows(std::initializer_list<int> ys)
    {
        d.frameRows.insert(d.frameRows.end(), ys);
        return *this;
    }
    Def& cols(std::initializer_list<int> xs)
    {
        d.frameCols.insert(d.frameCols.end(), xs);
        return *this;
    }
    // Slice lines, repeated in every frame of `period` pixels (0: once).
    Def& sliceX(std::initializer_list<int> xs, int period = 0)
    {
        repeat(d.sliceCols, xs, period, d.size.width());
        return *this;
    }
    Def& sliceY(std::initializer_list<int> ys, int period = 0)
    {
        repeat(d.sliceRows, ys, period, d.size.height());
        return *this;
    }
    // A nine-slice with `border` pixels kept at every edge of each frame.
    Def& nine(int border, int frameHeight)
    {
        sliceX({border, d.size.width() - border});
        sliceY({border, frameHeight - border}, frameHeight);
        return *this;
    }

private:
    static void repeat(std::vector<int>& out, std::initializer_list<int> values, int period,
                       int extent)
    {
        const int step = period > 0 ? period : extent;
        for (int base = 0; base < extent; base += step)
            for (int v : values)
                if (base + v > 0 && base + v < extent)
                    out.push_back(base + v);
    }
};

std::vector<ImageDef> buildTable()
{
    std::vector<Def> t;
    // Window frame images: active half in columns 0-34, inactive in 35-69.
    t.push_back(
        Def("MainBorder.png", 70, 23, paintMainBorder).halves().rows({15, 16}).sliceX({7, 28}, 35));
    t.push_back(
        Def("MainBorderCaption.png", 70, 31, paintMainBorderCaption).halves().sliceX({7, 28}, 35));
    t.push_back(Def("ButtonMain.png", 38, 114, paintButtonMain).frames(38));
    t.push_back(Def("QuickAccessBar.png", 64, 26, paintQuickAccessBar).cols({32}).sliceX({15, 20}));
    t.push_back(
        Def("StatusBar.png", 70, 23, paintStatusBar).halves().rows({16}).sliceX({7, 28}, 35));
    t.push_back(
        Def("StatusBarExt.png", 70, 23, paintStatusBarExt).halves().rows({16}).sliceX({3, 28}, 35));
    t.push_back(Def("SysBtnBack.png", 17, 32, paintSysBtnBack).frames(16));
    t.push_back(Def("ToolBoxBack.png", 9, 113, paintToolBoxBack).rows({23, 46, 68, 91}));
    t.push_back(Def("SysBtnClose.png", 17, 80, paintSysBtnClose).frames(16));
    t.push_back(Def("SysBtnCloseSmall.png", 13, 60, paintSysBtnCloseSmall).frames(12));
    t.push_back(Def("SysBtnMaximize.png", 17, 80, paintSysBtnMaximize).frames(16));
    t.push_back(Def("SysBtnMaximizeSmall.png", 13, 60, paintSysBtnMaximizeSmall).frames(12));
    t.push_back(Def("SysBtnMinimize.png", 17, 80, paintSysBtnMinimize).frames(16));
    t.push_back(Def("SysBtnMinimizeSmall.png", 13, 60, paintSysBtnMinimizeSmall).frames(12));
    t.push_back(Def("SysBtnRestore.png", 17, 80, paintSysBtnRestore).frames(16));
    t.push_back(Def("SysBtnRestoreSmall.png", 13, 60, paintSysBtnRestoreSmall).frames(12));
    t.push_back(
        Def("NormalButtonSmall.png", 22, 110, paintNormalButtonSmall).frames(22).nine(2, 22));
    t.push_back(Def("MenuBarButton.png", 57, 120, paintMenuBarButton).frames(24).sliceX({5, 52}));
    t.push_back(Def("Categories.png", 80, 92, paintCategories).sliceX({5, 75}));
    t.push_back(Def("CategoryTop.png", 100, 136, paintCategoryTop)
                    .frames(68)
                    .sliceX({3, 97})
                    .sliceY({3}, 68));
    t.push_back(Def("CategoryBottom.png", 100, 34, paintCategoryBottom)
                    .frames(17)
                    .sliceX({3, 97})
                    .sliceY({14}, 17));
    t.push_back(Def("CategoryWrapperBack.png", 52, 255, paintCategoryWrapperBack)
                    .frames(85)
                    .sliceX({3, 49}));
    t.push_back(Def("CategoryWrapperIcon.png", 38, 38, paintCategoryWrapperIcon));
    t.push_back(
        Def("MainPanelBack.png", 9, 38, paintMainPanelBack).sliceX({4, 5}).sliceY({10, 11}));
    t.push_back(Def("HMenuButtonCaption.png", 22, 132, paintHMenuButtonCaption)
                    .frames(22)
                    .sliceX({2, 21})
                    .sliceY({2, 20}, 22));
    t.push_back(Def("HMenuButtonMenu.png", 11, 110, paintHMenuButtonMenu)
                    .frames(22)
                    .sliceX({9})
                    .sliceY({2, 20}, 22));
    t.push_back(
        Def("VMenuButtonCaption.png", 43, 234, paintVMenuButtonCaption).frames(39).sliceX({2, 41}));
    t.push_back(Def("VMenuButtonMenu.png", 43, 135, paintVMenuButtonMenu)
                    .frames(27)
                    .sliceX({2, 41})
                    .sliceY({25}, 27));
    t.push_back(
        Def("MainPanelBorder.png", 5, 5, paintMainPanelBorder).sliceX({2, 3}).sliceY({2, 3}));
    t.push_back(Def("MainPanelSeparator.png", 2, 55, paintMainPanelSeparator).sliceY({2}));
    t.push_back(Def("MainPanelButton.png", 54, 69, paintMainPanelButton).frames(23).nine(2, 23));
    t.push_back(Def("PaletteButtonTop.png", 15, 84, paintPaletteButtonTop).frames(21));
    t.push_back(Def("PaletteButtonMiddle.png", 15, 76, paintPaletteButtonMiddle).frames(19));
    t.push_back(Def("PaletteButtonBottom.png", 15, 80, paintPaletteButtonBottom).frames(20));
    t.push_back(Def("PaletteItemLarge.png", 43, 330, paintPaletteItemLarge).frames(66).nine(2, 66));
    t.push_back(Def("PaletteItemSmall.png", 22, 110, paintPaletteItemSmall).frames(22).nine(2, 22));
    t.push_back(Def("PopupBorder.png", 7, 7, paintPopupBorder).sliceX({3, 4}).sliceY({3, 4}));
    t.push_back(Def("PopupResizeBarBack.png", 3, 11, paintPopupResizeBarBack).sliceX({1, 2}));
    t.push_back(Def("PopupResizeBarIconB.png", 15, 3, paintPopupResizeBarIconB));
    t.push_back(Def("PopupResizeBarIconBR.png", 9, 8, paintPopupResizeBarIconBR));
    t.push_back(Def("PopupResizeBarIconTR.png", 9, 8, paintPopupResizeBarIconTR));
    t.push_back(Def("CheckableMenuItemBack.png", 20, 40, paintCheckableMenuItemBack)
                    .frames(20)
                    .nine(2, 20));
    t.push_back(Def("CheckableMenuItemCheck.png", 10, 28, paintCheckableMenuItemCheck).frames(14));
    t.push_back(Def("CheckableMenuItemRadio.png", 10, 28, paintCheckableMenuItemRadio).frames(14));
    t.push_back(Def("TabBarTabs.png", 21, 32, paintTabBarTabs).frames(16).sliceX({4, 5}));
    t.push_back(Def("SliderPlus.png", 18, 54, paintSliderPlus).frames(18));
    t.push_back(Def("SliderMinus.png", 18, 54, paintSliderMinus).frames(18));
    t.push_back(Def("SliderThumb.png", 11, 45, paintSliderThumb).frames(15));
    t.push_back(Def("BtnGroupFirst.png", 22, 110, paintBtnGroupFirst).frames(22));
    t.push_back(Def("BtnGroupMidle.png", 22, 110, paintBtnGroupMiddle).frames(22));
    t.push_back(Def("BtnGroupLast.png", 22, 110, paintBtnGroupLast).frames(22));
    t.push_back(
        Def("ComboBox.png", 72, 22, paintComboBox).cols({11, 12, 24, 36, 48, 60}).sliceY({2, 20}));
    t.push_back(Def("TooltipBack.png", 15, 15, paintTooltipBack).sliceX({2, 13}).sliceY({2, 13}));
    t.push_back(Def("TerminateButton.png", 18, 54, paintTerminateButton).frames(18));

    std::vector<ImageDef> out;
    out.reserve(t.size());
    for (Def& d : t)
        out.push_back(std::move(d.d));
    return out;
}

} // namespace

const std::vector<ImageDef>& skinImages()
{
    static const std::vector<ImageDef> table = buildTable();
    return table;
}

const std::vector<qreal>& paintScales()
{
    static const std::vector<qreal> scales = {1.0, 1.5, 2.0};
    return scales;
}

QString scaledFileName(const QString& file, qreal scale)
{
    if (scale == 1.0)
        return file;
    const int dot = file.lastIndexOf(QLatin1Char('.'));
    return file.left(dot) + QLatin1Char('@') + QString::number(scale) + QLatin1Char('x') +
           file.mid(dot);
}

QSize scaledSize(const QSize& size, qreal scale)
{
    return QSize(qCeil(size.width() * scale), qCeil(size.height() * scale));
}

QImage renderImage(const ImageDef& def, const SkinPalette& palette, qreal scale)
{
    const qreal previous = paintScale();
    setPaintScale(scale);
    QImage image = blankImage(def.size);
    {
        // The image's device pixel ratio scales the painter: the paint
        // functions draw in 1x units at every density.
        QPainter p(&image);
        def.paint(p, palette);
    }
    setPaintScale(previous);
    image = image.convertToFormat(QImage::Format_ARGB32);
    image.setDevicePixelRatio(1.0);
    return image;
}

} // namespace oru::skinpaint
