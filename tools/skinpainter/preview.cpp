#include "preview.h"

#include "oruSkinDraw_p.h"
#include "oruSkinImages_p.h"

#include <QFont>
#include <QHash>

namespace oru::skinpaint {

namespace {

// The skin's images by file name, rendered once.
class SkinImages
{
public:
    explicit SkinImages(const SkinPalette& palette)
    {
        for (const ImageDef& def : skinImages())
            m_images.insert(def.file, renderImage(def, palette));
    }
    const QImage& operator()(const char* file) const
    {
        return m_images.find(QString::fromLatin1(file)).value();
    }

private:
    QHash<QString, QImage> m_images;
};

// Source -> target copies, stretched without smoothing like a plain
// QPainter::drawPixmap(target, pixmap, source).
void piece(QPainter& p, const QRect& target, const QImage& image, const QRect& source)
{
    if (target.width() > 0 && target.height() > 0)
        p.drawImage(target, image, source);
}

// Nine pieces: `b` pixels of source border on every side kept unscaled.
void nine(QPainter& p, const QRect& t, const QImage& img, const QRect& s, int b)
{
    const int tw = t.width() - 2 * b, th = t.height() - 2 * b;
    const int sw = s.width() - 2 * b, sh = s.height() - 2 * b;
    const int tx[3] = {t.left(), t.left() + b, t.right() - b + 1};
    const int ty[3] = {t.top(), t.top() + b, t.bottom() - b + 1};
    const int sx[3] = {s.left(), s.left() + b, s.right() - b + 1};
    const int sy[3] = {s.top(), s.top() + b, s.bottom() - b + 1};
    const int twid[3] = {b, tw, b}, thei[3] = {b, th, b};
    const int swid[3] = {b, sw, b}, shei[3] = {b, sh, b};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            piece(p, QRect(tx[c], ty[r], twid[c], thei[r]), img,
                  QRect(sx[c], sy[r], swid[c], shei[r]));
}

// Three pieces across: `l` and `r` source columns kept, the middle stretched.
void threeH(QPainter& p, const QRect& t, const QImage& img, const QRect& s, int l, int r)
{
    piece(p, QRect(t.left(), t.top(), l, t.height()), img, QRect(s.left(), s.top(), l, s.height()));
    piece(p, QRect(t.left() + l, t.top(), t.width() - l - r, t.height()), img,
          QRect(s.left() + l, s.top(), s.width() - l - r, s.height()));
    piece(p, QRect(t.right() - r + 1, t.top(), r, t.height()), img,
          QRect(s.right() - r + 1, s.top(), r, s.height()));
}

// The highlight of a main-menu item: the left edge from the caption image, the
// rest from the menu-part image (its 9 columns stretched, 2 kept on the right).
void menuItemHighlight(QPainter& p, const QRect& r, const SkinImages& img)
{
    const QImage& hc = img("HMenuButtonCaption.png");
    const QImage& hm = img("HMenuButtonMenu.png");
    const int w = r.width(), h = r.height(), x = r.left(), y = r.top();
    piece(p, QRect(x, y, 2, 2), hc, QRect(0, 0, 2, 2));
    piece(p, QRect(x, y + 2, 2, h - 4), hc, QRect(0, 2, 2, 18));
    piece(p, QRect(x, y + h - 2, 2, 2), hc, QRect(0, 20, 2, 2));
    piece(p, QRect(x + 2, y, w - 4, 2), hm, QRect(0, 0, 9, 2));
    piece(p, QRect(x + 2, y + 2, w - 4, h - 4), hm, QRect(0, 2, 9, 18));
    piece(p, QRect(x + 2, y + h - 2, w - 4, 2), hm, QRect(0, 20, 9, 2));
    piece(p, QRect(x + w - 2, y, 2, 2), hm, QRect(9, 0, 2, 2));
    piece(p, QRect(x + w - 2, y + 2, 2, h - 4), hm, QRect(9, 2, 2, 18));
    piece(p, QRect(x + w - 2, y + h - 2, 2, 2), hm, QRect(9, 20, 2, 2));
}

QFont uiFont(int pixelSize, bool bold = false)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

void text(QPainter& p, const QRect& r, const QString& s, const QColor& c,
          int flags = Qt::AlignCenter, int size = 11, bool bold = false)
{
    p.setFont(uiFont(size, bold));
    p.setPen(c);
    p.drawText(r, flags, s);
}

void arrowDown(QPainter& p, int x, int y, const QColor& c)
{
    for (int i = 0; i < 3; ++i)
        hline(p, x + i, x + 4 - i, y + i, c);
}

void caption(QPainter& p, int x, int y, const QString& s)
{
    text(p, QRect(x, y, 900, 16), s, Qt::black, Qt::AlignLeft | Qt::AlignVCenter, 12, true);
}

// --- Scenes --------------------------------------------------------------------

// A main window: caption, tabs, page with groups, status bar, frame.
void windowScene(QPainter& p, const QPoint& at, const SkinPalette& s, const SkinImages& img,
                 bool active)
{
    const int W = 760, H = 260, K = 40, a = active ? 0 : 35;
    p.save();
    p.translate(at);
    p.fillRect(QRect(0, 0, W, H), s.mainClientColor);
    const QImage& cap = img("MainBorderCaption.png");
    const QImage& border = img("MainBorder.png");
    piece(p, QRect(0, 0, 7, K), cap, QRect(a, 0, 7, 31));
    piece(p, QRect(7, 0, W - 7, K), cap, QRect(a + 7, 0, 21, 31));
    piece(p, QRect(W - 7, 0, 7, K), cap, QRect(a + 28, 0, 7, 31));
    piece(p, QRect(0, K, 7, H - 7 - K), border, QRect(a, 15, 7, 1));
    piece(p, QRect(W - 7, K, 7, H - 7 - K), border, QRect(a + 28, 15, 7, 1));
    piece(p, QRect(0, H - 7, 7, 7), border, QRect(a, 16, 7, 7));
    piece(p, QRect(7, H - 7, W - 14, 7), border, QRect(a + 7, 16, 21, 7));
    piece(p, QRect(W - 7, H - 7, 7, 7), border, QRect(a + 28, 16, 7, 7));

    // Quick access bar with two buttons, then the title.
    const QImage& qab = img("QuickAccessBar.png");
    const int qx = 62, qw = 44, qy = 7;
    piece(p, QRect(qx - 15, qy, 15, 26), qab, QRect(0, 0, 15, 26));
    piece(p, QRect(qx, qy, qw, 26), qab, QRect(15, 0, 5, 26));
    piece(p, QRect(qx + qw, qy, 12, 26), qab, QRect(20, 0, 12, 26));
    nine(p, QRect(qx + 22, qy + 3, 20, 20), img("NormalButtonSmall.png"), QRect(0, 22, 22, 22), 2);
    box(p, QRect(qx + 4, qy + 5, 16, 16), QColor(90, 140, 210));
    box(p, QRect(qx + 24, qy + 5, 16, 16), QColor(200, 90, 60));
    text(p, QRect(180, 7, 400, 26), QStringLiteral("Document1 - "),
         active ? s.activeTitleTextColor : s.inactiveTitleTextColor,
         Qt::AlignRight | Qt::AlignVCenter, 13);
    text(p, QRect(580, 7, 120, 26), QStringLiteral("Tarnwick\u2122"),
         active ? s.activeTextColor : s.inactiveTextColor, Qt::AlignLeft | Qt::AlignVCenter, 13);

    // System buttons (20x20, minimize idle, maximize hovered, close pressed).
    const char* glyphs[3] = {"SysBtnMinimize.png", "SysBtnMaximize.png", "SysBtnClose.png"};
    for (int i = 0; i < 3; ++i) {
        const QRect r(W - 7 - 3 * 20 - 6 + i * 23, 9, 20, 20);
        const int idle = active ? 32 : 64;
        if (i == 1)
            piece(p, r, img("SysBtnBack.png"), QRect(0, 0, 17, 16));
        if (i == 2)
            piece(p, r, img("SysBtnBack.png"), QRect(0, 16, 17, 16));
        piece(p, r, img(glyphs[i]), QRect(0, i == 0 ? idle : (i == 1 ? 16 : 0), 17, 16));
    }

    // Application button over caption and tab row.
    piece(p, QRect(10, 9, 38, 38), img("ButtonMain.png"), QRect(0, 0, 38, 38));

    // Tabs: selected, hovered, plain.
    const QImage& tabs = img("MenuBarButton.png");
    const char* names[3] = {"Home", "Insert", "View"};
    int tx = 56;
    for (int i = 0; i < 3; ++i) {
        const int w = 62;
        const QRect r(tx, K, w, 24);
        if (i < 2)
            threeH(p, r, tabs, QRect(0, i == 0 ? 72 : 48, 57, 24), 5, 5);
        text(p, r, QString::fromLatin1(names[i]),
             i == 0 ? s.highlightedCategoryTextColor : s.normalCategoryTextColor);
        tx += w;
    }

    // Page with two groups and a collapsed one.
    const int py = K + 24;
    threeH(p, QRect(7, py, W - 14, 92), img("Categories.png"), QRect(0, 0, 80, 92), 5, 5);
    const QImage& top = img("CategoryTop.png");
    const QImage& bottom = img("CategoryBottom.png");
    const auto group = [&](int gx, int gw, bool hovered, const QString& title) {
        const int rowTop = hovered ? 68 : 0, rowBottom = hovered ? 17 : 0;
        const int gy = py + 3;
        threeH(p, QRect(gx, gy, gw, 3), top, QRect(0, rowTop, 100, 3), 3, 3);
        threeH(p, QRect(gx, gy + 3, gw, 66), top, QRect(0, rowTop + 3, 100, 65), 3, 3);
        threeH(p, QRect(gx, gy + 69, gw, 13), bottom, QRect(0, rowBottom, 100, 14), 3, 3);
        threeH(p, QRect(gx, gy + 82, gw, 3), bottom, QRect(0, rowBottom + 14, 100, 3), 3, 3);
        text(p, QRect(gx + 3, gy + 69, gw - 6, 13), title, s.categoryCaptionTextColor,
             Qt::AlignCenter, 10);
    };
    group(10, 230, false, QStringLiteral("Clipboard"));
    group(242, 180, true, QStringLiteral("Font"));
    // Group 1 content: a hovered large button, a checked one, small buttons.
    const QImage& large = img("PaletteItemLarge.png");
    const QImage& small = img("PaletteItemSmall.png");
    nine(p, QRect(14, py + 5, 44, 66), large, QRect(0, 0, 43, 66), 2);
    nine(p, QRect(60, py + 5, 44, 66), large, QRect(0, 132, 43, 66), 2);
    for (int i = 0; i < 2; ++i) {
        box(p, QRect(20 + i * 46, py + 7, 32, 32), QColor(120, 160, 210));
        text(p, QRect(16 + i * 46, py + 41, 40, 28),
             i == 0 ? QStringLiteral("Paste") : QStringLiteral("Bold"),
             s.highlightedCategoryTextColor, Qt::AlignHCenter | Qt::AlignTop, 11);
    }
    const char* labels[3] = {"Cut", "Copy", "Format"};
    for (int i = 0; i < 3; ++i) {
        const QRect r(108, py + 5 + i * 22, 80, 22);
        if (i == 1)
            nine(p, r, small, QRect(0, 22, 22, 22), 2);
        box(p, QRect(r.left() + 3, r.top() + 3, 16, 16), QColor(150, 170, 200));
        text(p, r.adjusted(22, 0, 0, 0), QString::fromLatin1(labels[i]),
             s.highlightedCategoryTextColor, Qt::AlignLeft | Qt::AlignVCenter);
    }
    // Group 2: a button group and a combo box.
    const char* segs[4] = {"BtnGroupFirst.png", "BtnGroupMidle.png", "BtnGroupMidle.png",
                           "BtnGroupLast.png"};
    const int segFrames[4] = {0, 1, 3, 0};
    for (int i = 0; i < 4; ++i)
        piece(p, QRect(248 + i * 22, py + 32, 22, 22), img(segs[i]),
              QRect(0, segFrames[i] * 22, 22, 22));
    const QImage& combo = img("ComboBox.png");
    const QRect cr(248, py + 7, 150, 22);
    piece(p, QRect(cr.left(), cr.top(), cr.width() - 1, 1), combo, QRect(0, 0, 11, 1));
    piece(p, QRect(cr.left(), cr.top() + 1, cr.width() - 1, 20), combo, QRect(0, 1, 11, 20));
    piece(p, QRect(cr.left(), cr.bottom(), cr.width() - 1, 1), combo, QRect(0, 21, 11, 1));
    piece(p, QRect(cr.left(), cr.top(), 1, 22), combo, QRect(11, 0, 1, 22));
    piece(p, QRect(cr.right(), cr.top(), 1, 22), combo, QRect(11, 0, 1, 22));
    nine(p, QRect(cr.right() - 15, cr.top(), 16, 22), combo, QRect(12, 0, 12, 22), 2);
    text(p, cr.adjusted(4, 0, -18, 0), QStringLiteral("Calibri"), Qt::black,
         Qt::AlignLeft | Qt::AlignVCenter);
    arrowDown(p, cr.right() - 9, cr.top() + 9, s.highlightedCategoryTextColor);

    // Collapsed groups: idle, hovered, open.
    for (int i = 0; i < 3; ++i) {
        const int wx = 428 + i * 62, w = 58;
        threeH(p, QRect(wx, py + 3, w, 85), img("CategoryWrapperBack.png"),
               QRect(0, i * 85, 52, 85), 3, 3);
        piece(p, QRect(wx + w / 2 - 19, py + 3 + 6, 38, 38), img("CategoryWrapperIcon.png"),
              QRect(0, 0, 38, 38));
        text(p, QRect(wx + 6, py + 3 + 44, w - 12, 38), QStringLiteral("Para-\ngraph"),
             s.categoryWrapperCaptionTextColor, Qt::AlignHCenter | Qt::AlignTop, 11);
    }

    // Status bar: 22 high, extensions 200 wide at the right.
    const int S = 22, Y = H - 7 - S, E = 200, B = W - 14;
    const QImage& sb = img("StatusBar.png");
    const QImage& ext = img("StatusBarExt.png");
    piece(p, QRect(0, Y, 7, S), sb, QRect(a, 0, 7, 16));
    piece(p, QRect(0, Y + S, 7, 7), sb, QRect(a, 16, 7, 7));
    piece(p, QRect(7, Y, B - E, S), sb, QRect(a + 7, 0, 21, 16));
    piece(p, QRect(7, Y + S, B - E, 7), sb, QRect(a + 7, 16, 21, 7));
    piece(p, QRect(W - 7 - E, Y, 3, S), ext, QRect(a, 0, 3, 16));
    piece(p, QRect(W - 7 - E, Y + S, 3, 7), ext, QRect(a, 16, 3, 7));
    piece(p, QRect(W - 4 - E, Y, E - 3, S), ext, QRect(a + 3, 0, 25, 16));
    piece(p, QRect(W - 4 - E, Y + S, E - 3, 7), ext, QRect(a + 3, 16, 25, 7));
    piece(p, QRect(W - 7, Y, 7, S), ext, QRect(a + 28, 0, 7, 16));
    piece(p, QRect(W - 7, Y + S, 7, 7), ext, QRect(a + 28, 16, 7, 7));
    text(p, QRect(12, Y, 200, S), QStringLiteral("Page 1 of 1"), s.normalCategoryTextColor,
         Qt::AlignLeft | Qt::AlignVCenter);
    // Status toggles (idle, hovered, checked) and the zoom control.
    for (int i = 0; i < 3; ++i)
        piece(p, QRect(140 + i * 22, Y + 3, 18, 16), img("NormalButtonSmall.png"),
              QRect(0, i * 22, 22, 23));
    const int zx = W - 7 - E + 6;
    text(p, QRect(zx, Y, 40, S), QStringLiteral("100 %"), s.normalCategoryTextColor,
         Qt::AlignCenter, 10);
    piece(p, QRect(zx + 50, Y + 2, 18, 18), img("SliderMinus.png"), QRect(0, 0, 18, 18));
    hline(p, zx + 70, zx + 160, Y + 11, s.frameSunkenColor);
    hline(p, zx + 70, zx + 160, Y + 12, s.frameRaiseColor);
    piece(p, QRect(zx + 110, Y + 4, 11, 15), img("SliderThumb.png"), QRect(0, 15, 11, 15));
    piece(p, QRect(zx + 164, Y + 2, 18, 18), img("SliderPlus.png"), QRect(0, 18, 18, 18));
    p.restore();
}

// Every state of the main state strips, stretched to typical sizes.
int stateRows(QPainter& p, const QPoint& at, const SkinPalette& s, const SkinImages& img)
{
    p.save();
    p.translate(at);
    int y = 0;
    caption(p, 0, y,
            QStringLiteral(
                "PaletteItemLarge 80x66 / PaletteItemSmall 80x22 / NormalButtonSmall 60x22 / "
                "MainPanelButton 110x23 - frames 0..n"));
    y += 20;
    for (int f = 0; f < 5; ++f) {
        nine(p, QRect(f * 90, y, 80, 66), img("PaletteItemLarge.png"), QRect(0, f * 66, 43, 66), 2);
        text(p, QRect(f * 90, y + 36, 80, 30), QStringLiteral("Large %1").arg(f),
             s.highlightedCategoryTextColor);
        nine(p, QRect(f * 90, y + 72, 80, 22), img("PaletteItemSmall.png"),
             QRect(0, f * 22, 22, 22), 2);
        nine(p, QRect(470 + f * 66, y, 60, 22), img("NormalButtonSmall.png"),
             QRect(0, f * 22, 22, 22), 2);
        if (f < 3)
            nine(p, QRect(470 + f * 116, y + 36, 110, 23), img("MainPanelButton.png"),
                 QRect(0, f * 23, 54, 23), 2);
        if (f < 2)
            nine(p, QRect(470 + f * 40, y + 70, 24, 22), img("CheckableMenuItemBack.png"),
                 QRect(0, f * 20, 20, 20), 2);
    }
    y += 104;

    // Split buttons: large (caption frame, menu frame) pairs and the unsplit form.
    caption(
        p, 0, y,
        QStringLiteral("Split buttons: large 52 wide (caption/menu frames), unsplit, small 96x22, "
                       "main-menu item highlight"));
    y += 20;
    const QImage& vc = img("VMenuButtonCaption.png");
    const QImage& vm = img("VMenuButtonMenu.png");
    const int pairs[6][2] = {{0, 4}, {5, 0}, {1, -1}, {3, 4}, {5, 2}, {4, 4}};
    for (int i = 0; i < 6; ++i) {
        const int x = i * 60, w = 52;
        if (pairs[i][0] >= 0)
            threeH(p, QRect(x, y, w, 39), vc, QRect(0, pairs[i][0] * 39, 43, 39), 2, 2);
        if (pairs[i][1] >= 0)
            threeH(p, QRect(x, y + 39, w, 27), vm, QRect(0, pairs[i][1] * 27, 43, 27), 2, 2);
        text(p, QRect(x, y + 38, w, 16), QStringLiteral("Paste"), s.highlightedCategoryTextColor);
        arrowDown(p, x + (w - 5) / 2, y + 56, s.highlightedCategoryTextColor);
    }
    for (int i = 0; i < 2; ++i) { // unsplit, hovered and open
        const int x = 370 + i * 60, w = 52, f = i == 0 ? 0 : 2;
        threeH(p, QRect(x, y, w, 39), vc, QRect(0, f * 39, 43, 39), 2, 2);
        threeH(p, QRect(x, y + 37, w, 27), vm, QRect(0, f * 27, 43, 25), 2, 2);
        threeH(p, QRect(x, y + 64, w, 2), vm, QRect(0, f * 27 + 25, 43, 2), 2, 2);
        arrowDown(p, x + (w - 5) / 2, y + 56, s.highlightedCategoryTextColor);
    }
    const QImage& hc = img("HMenuButtonCaption.png");
    const QImage& hm = img("HMenuButtonMenu.png");
    const int hpairs[5][2] = {{0, 4}, {5, 0}, {1, -1}, {3, 4}, {5, 2}};
    for (int i = 0; i < 5; ++i) {
        const int x = 500 + (i % 3) * 104, yy = y + (i / 3) * 26, w = 96;
        const int cf = hpairs[i][0], mf = hpairs[i][1];
        piece(p, QRect(x, yy, 2, 22), hc, QRect(0, cf * 22, 2, 22));
        piece(p, QRect(x + 2, yy, w - 14, 22), hc, QRect(2, cf * 22, 19, 22));
        piece(p, QRect(x + w - 12, yy, 1, 22), hc, QRect(21, cf * 22, 1, 22));
        if (mf >= 0)
            piece(p, QRect(x + w - 11, yy, 11, 22), hm, QRect(0, mf * 22, 11, 22));
        text(p, QRect(x + 20, yy, w - 34, 22), QStringLiteral("Styles"),
             s.highlightedCategoryTextColor, Qt::AlignLeft | Qt::AlignVCenter);
        arrowDown(p, x + w - 9, yy + 11, s.highlightedCategoryTextColor);
    }
    // Main-menu item highlight (caption's left edge + menu part stretched).
    {
        const QRect r(500 + 2 * 104, y + 26, 200, 40);
        p.fillRect(r.adjusted(-2, -2, 2, 2), s.mainMenuBgColor);
        menuItemHighlight(p, r, img);
        text(p, r.adjusted(48, 0, 0, 0), QStringLiteral("Save As"), s.highlightedCategoryTextColor,
             Qt::AlignLeft | Qt::AlignVCenter);
    }
    y += 76;

    // Button groups: idle, hovered, pressed, checked, checked+hovered; a wide group.
    caption(p, 0, y,
            QStringLiteral("Button group (frames 0-4 per member), wide group cells, combo box "
                           "(idle, arrow hovered, box hovered, open)"));
    y += 20;
    const char* segs[5] = {"BtnGroupFirst.png", "BtnGroupMidle.png", "BtnGroupMidle.png",
                           "BtnGroupMidle.png", "BtnGroupLast.png"};
    for (int f = 0; f < 5; ++f) {
        piece(p, QRect(f * 22, y, 22, 22), img(segs[f]), QRect(0, f * 22, 22, 22));
        box(p, QRect(f * 22 + 3, y + 3, 16, 16), withAlpha(QColor(60, 90, 140), 60));
    }
    for (int f = 0; f < 5; ++f)
        piece(p, QRect(130 + f * 22, y, 22, 22),
              img(f == 0 ? "BtnGroupFirst.png" : "BtnGroupLast.png"), QRect(0, 0, 22, 22));
    for (int c = 0; c < 3; ++c) { // wide group: repeat the first cell's parts at each cell
        const int x = 250 + c * 30, f = c == 1 ? 1 : 0;
        piece(p, QRect(x, y, 20, 22), img("BtnGroupFirst.png"), QRect(0, f * 22, 20, 22));
        piece(p, QRect(x + 20, y, 8, 22), img("BtnGroupMidle.png"), QRect(2, f * 22, 10, 22));
        piece(p, QRect(x + 28, y, 2, 22), img("BtnGroupLast.png"), QRect(20, f * 22, 2, 22));
        arrowDown(p, x + 20, y + 11, s.highlightedCategoryTextColor);
    }
    const QImage& combo = img("ComboBox.png");
    const int columns[4] = {-1, 12, 48, 24};
    for (int i = 0; i < 4; ++i) {
        const QRect cr(360 + i * 140, y, 130, 22);
        piece(p, QRect(cr.left(), cr.top(), cr.width() - 1, 1), combo, QRect(0, 0, 11, 1));
        piece(p, QRect(cr.left(), cr.top() + 1, cr.width() - 1, 20), combo, QRect(0, 1, 11, 20));
        piece(p, QRect(cr.left(), cr.bottom(), cr.width() - 1, 1), combo, QRect(0, 21, 11, 1));
        piece(p, QRect(cr.left(), cr.top(), 1, 22), combo, QRect(11, 0, 1, 22));
        piece(p, QRect(cr.right(), cr.top(), 1, 22), combo, QRect(11, 0, 1, 22));
        if (columns[i] >= 0)
            nine(p, QRect(cr.right() - 15, cr.top(), 16, 22), combo, QRect(columns[i], 0, 12, 22),
                 2);
        text(p, cr.adjusted(4, 0, -18, 0), QStringLiteral("Arial"), Qt::black,
             Qt::AlignLeft | Qt::AlignVCenter);
        arrowDown(p, cr.right() - 9, cr.top() + 9, s.highlightedCategoryTextColor);
    }
    y += 34;

    // In-ribbon gallery with its scroll column, tool box tabs, tab bar.
    caption(p, 0, y,
            QStringLiteral("Gallery scroll column (idle/hover/pressed/unavailable), tool box tabs, "
                           "tab bar, grips, slider, cancel"));
    y += 20;
    for (int f = 0; f < 4; ++f) {
        const int gx = f * 120, w = 110;
        p.setPen(s.frameOutlineColor);
        p.setBrush(s.frameNormalFillColor);
        p.drawRect(QRect(gx, y, w - 16, 58));
        p.setBrush(Qt::NoBrush);
        piece(p, QRect(gx + w - 15, y, 15, 21), img("PaletteButtonTop.png"),
              QRect(0, f * 21, 15, 21));
        piece(p, QRect(gx + w - 15, y + 21, 15, 19), img("PaletteButtonMiddle.png"),
              QRect(0, f * 19, 15, 19));
        piece(p, QRect(gx + w - 15, y + 40, 15, 20), img("PaletteButtonBottom.png"),
              QRect(0, f * 20, 15, 20));
        nine(p, QRect(gx + 2, y + 2, 40, 40), img("PaletteItemLarge.png"), QRect(0, 0, 43, 66), 2);
    }
    const int tabRows[4] = {0, 23, 46, 68};
    for (int i = 0; i < 4; ++i) {
        const QRect r(490, y + i * 26, 220, 25);
        piece(p, r, img("ToolBoxBack.png"), QRect(0, tabRows[i], 9, 23));
        text(p, r.adjusted(10, 0, 0, 0), QStringLiteral("Tool box page %1").arg(i),
             s.highlightedCategoryTextColor, Qt::AlignLeft | Qt::AlignVCenter);
    }
    // Tab bar: arrow area then three tabs, drawn right to left, the second selected.
    {
        const QImage& tb = img("TabBarTabs.png");
        const int ty = y + 110;
        piece(p, QRect(0, ty, 74, 16), tb, QRect(4, 0, 1, 16));
        const int widths[3] = {60, 70, 60};
        int xs[3], x = 74;
        for (int i = 0; i < 3; ++i) {
            xs[i] = x;
            x += widths[i];
        }
        const auto tab = [&](int i, int y0) {
            piece(p, QRect(xs[i], ty, 4, 16), tb, QRect(0, y0, 4, 16));
            piece(p, QRect(xs[i] + 4, ty, widths[i] - 9, 16), tb, QRect(4, y0, 1, 16));
            piece(p, QRect(xs[i] + widths[i] - 5, ty, 16, 16), tb, QRect(5, y0, 16, 16));
            text(p, QRect(xs[i] + 8, ty, widths[i] - 16, 16), QStringLiteral("Sheet%1").arg(i + 1),
                 s.highlightedCategoryTextColor, Qt::AlignLeft | Qt::AlignVCenter, 10, y0 != 0);
        };
        for (int i = 2; i >= 0; --i)
            tab(i, 0);
        tab(1, 16);
    }
    // Slider buttons, thumbs, cancel buttons, grips, tool tip.
    for (int f = 0; f < 3; ++f) {
        piece(p, QRect(300 + f * 24, y + 108, 18, 18), img("SliderMinus.png"),
              QRect(0, f * 18, 18, 18));
        piece(p, QRect(300 + f * 24, y + 130, 18, 18), img("SliderPlus.png"),
              QRect(0, f * 18, 18, 18));
        piece(p, QRect(380 + f * 16, y + 110, 11, 15), img("SliderThumb.png"),
              QRect(0, f * 15, 11, 15));
        piece(p, QRect(380 + f * 24, y + 130, 18, 18), img("TerminateButton.png"),
              QRect(0, f * 18, 18, 18));
    }
    nine(p, QRect(740, y, 190, 44), img("TooltipBack.png"), QRect(0, 0, 15, 15), 2);
    text(p, QRect(748, y, 180, 44), QStringLiteral("Paste (Ctrl+V)"), Qt::black,
         Qt::AlignLeft | Qt::AlignVCenter);
    y += 160;
    p.restore();
    return y;
}

// The application menu panel, a sub-menu popup and a palette popup.
void popupScene(QPainter& p, const QPoint& at, const SkinPalette& s, const SkinImages& img)
{
    p.save();
    p.translate(at);
    const int w = 380, h = 250;
    const QImage& back = img("MainPanelBack.png");
    piece(p, QRect(0, 0, 4, 10), back, QRect(0, 0, 4, 10));
    piece(p, QRect(4, 0, w - 8, 10), back, QRect(4, 0, 1, 10));
    piece(p, QRect(w - 4, 0, 4, 10), back, QRect(5, 0, 4, 10));
    piece(p, QRect(0, 10, 4, h - 37), back, QRect(0, 10, 4, 1));
    piece(p, QRect(4, 10, w - 8, h - 37), back, QRect(4, 10, 1, 1));
    piece(p, QRect(w - 4, 10, 4, h - 37), back, QRect(5, 10, 4, 1));
    piece(p, QRect(0, h - 27, 4, 27), back, QRect(0, 11, 4, 27));
    piece(p, QRect(4, h - 27, w - 8, 27), back, QRect(4, 11, 1, 27));
    piece(p, QRect(w - 4, h - 27, 4, 27), back, QRect(5, 11, 4, 27));
    piece(p, QRect(0, 0, 38, 38), img("ButtonMain.png"), QRect(0, 76, 38, 38));
    const QRect r(7, 24, w - 14, h - 24 - 33);
    p.fillRect(r, s.mainMenuBgColor);
    // Recent files column: popupBorder nine pieces, 3-pixel corners.
    const QRect rec(r.left() + 182, r.top() + 2, r.width() - 184, r.height() - 4);
    piece(p, QRect(rec.left() - 2, r.top(), 2, r.height()), img("MainPanelSeparator.png"),
          QRect(0, 0, 2, 2));
    nine(p, rec, img("PopupBorder.png"), QRect(0, 0, 7, 7), 3);
    hline(p, rec.left() + 1, rec.right() - 1, rec.top() + 23, s.mainMenuBgColor.darker(120));
    text(p, rec.adjusted(5, 5, 0, 0), QStringLiteral("Recent Files"), Qt::black,
         Qt::AlignLeft | Qt::AlignTop, 11, true);
    const QImage& border = img("MainPanelBorder.png");
    piece(p, QRect(r.left(), r.top(), 2, 2), border, QRect(0, 0, 2, 2));
    piece(p, QRect(r.left() + 2, r.top(), r.width() - 4, 2), border, QRect(2, 0, 1, 2));
    piece(p, QRect(r.right() - 1, r.top(), 2, 2), border, QRect(3, 0, 2, 2));
    piece(p, QRect(r.left(), r.top() + 2, 2, r.height() - 4), border, QRect(0, 2, 2, 1));
    piece(p, QRect(r.right() - 1, r.top() + 2, 2, r.height() - 4), border, QRect(3, 2, 2, 1));
    piece(p, QRect(r.left(), r.bottom() - 1, 2, 2), border, QRect(0, 3, 2, 2));
    piece(p, QRect(r.left() + 2, r.bottom() - 1, r.width() - 4, 2), border, QRect(2, 3, 1, 2));
    piece(p, QRect(r.right() - 1, r.bottom() - 1, 2, 2), border, QRect(3, 3, 2, 2));
    const char* items[4] = {"New", "Open", "Save", "Print"};
    for (int i = 0; i < 4; ++i) {
        const QRect ir(r.left() + 4, r.top() + 4 + i * 42, 174, 40);
        if (i == 1) {
            menuItemHighlight(p, ir, img);
        }
        box(p, QRect(ir.left() + 5, ir.top() + 4, 32, 32), QColor(130, 160, 200));
        text(p, ir.adjusted(48, 0, 0, 0), QString::fromLatin1(items[i]),
             s.highlightedCategoryTextColor, Qt::AlignLeft | Qt::AlignVCenter);
    }
    for (int i = 0; i < 2; ++i) {
        const QRect br(w - 190 + i * 96, h - 28, 90, 23);
        nine(p, br, img("MainPanelButton.png"), QRect(0, i * 23, 54, 23), 2);
        text(p, br, i == 0 ? QStringLiteral("Options") : QStringLiteral("Exit"),
             s.highlightedCategoryTextColor);
    }

    // Palette popup with the resize bar at the bottom.
    const QRect pp(w + 20, 0, 220, 150);
    p.translate(pp.topLeft());
    nine(p, QRect(0, 0, pp.width(), pp.height()), img("PopupBorder.png"), QRect(0, 0, 7, 7), 3);
    const QImage& bar = img("PopupResizeBarBack.png");
    const int by = pp.height() - 12;
    piece(p, QRect(1, by, 1, 11), bar, QRect(0, 0, 1, 11));
    piece(p, QRect(2, by, pp.width() - 4, 11), bar, QRect(1, 0, 1, 11));
    piece(p, QRect(pp.width() - 2, by, 1, 11), bar, QRect(2, 0, 1, 11));
    piece(p, QRect(pp.width() - 10, pp.height() - 9, 9, 8), img("PopupResizeBarIconBR.png"),
          QRect(0, 0, 9, 8));
    for (int i = 0; i < 8; ++i) {
        const QRect cell(3 + (i % 4) * 52, 3 + (i / 4) * 56, 52, 56);
        if (i == 1 || i == 2 || i == 5)
            nine(p, cell, img("PaletteItemLarge.png"),
                 QRect(0,
                       (i == 1   ? 0
                        : i == 2 ? 2
                                 : 3) *
                           66,
                       43, 66),
                 2);
        box(p, cell.adjusted(8, 8, -8, -8), QColor(150, 170, 205));
    }
    // Sub-menu popup.
    p.translate(0, pp.height() + 14);
    const QRect sm(0, 0, 220, 90);
    nine(p, sm, img("PopupBorder.png"), QRect(0, 0, 7, 7), 3);
    p.fillRect(QRect(2, 24, sm.width() - 4, sm.height() - 26), s.mainMenuBgColor);
    hline(p, 1, sm.width() - 2, 23, s.mainMenuBgColor.darker(120));
    text(p, QRect(6, 6, 200, 12), QStringLiteral("Save a copy of the document"),
         s.highlightedCategoryTextColor, Qt::AlignLeft | Qt::AlignVCenter, 11, true);
    p.restore();
}

} // namespace

QImage slicingPreview(const SkinPalette& palette)
{
    const SkinImages images(palette);
    QImage out(1020, 1500, QImage::Format_ARGB32);
    out.fill(QColor(235, 235, 235));
    QPainter p(&out);
    caption(p, 10, 4, QStringLiteral("Skin \"%1\" - active window").arg(palette.name));
    windowScene(p, QPoint(10, 22), palette, images, true);
    caption(p, 10, 288, QStringLiteral("Inactive window"));
    windowScene(p, QPoint(10, 306), palette, images, false);
    const int y = 306 + 270;
    const int used = stateRows(p, QPoint(10, y), palette, images);
    caption(p, 10, y + used, QStringLiteral("Application menu, palette popup, sub-menu popup"));
    popupScene(p, QPoint(10, y + used + 20), palette, images);
    return out;
}

} // namespace oru::skinpaint
