// RibbonCatSimpleAction and RibbonCatSimpleButton: sizes, frames per state,
// icon and text placement, and how the button follows its action.
#include <oruRibbonApplication.h>
#include <oruRibbonCatSimpleAction.h>
#include <oruRibbonCatSimpleButton.h>
#include <oruRibbonStyle.h>

#include "oruPaintRecorder.h"
#include "oruTestApp.h"
#include "oruTestInput.h"

#include <QToolBar>

using namespace oru;
using oru::test::PaintOp;
using oru::test::PaintRecorder;

namespace {

QIcon solidIcon(int side)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::darkGreen);
    return QIcon(pixmap);
}

const RibbonStyle& skin()
{
    return *RibbonApplication::theApp()->ribbonStyle();
}

struct Slice
{
    QRect target;
    QRect source;
};

// The nine pieces of frame f of a stacked image of cells cw x ch, stretched
// over w x h, in drawing order: corners, edges, centre.
QVector<Slice> nineSlices(int cw, int ch, int f, int w, int h)
{
    const int y = ch * f;
    return {
        {QRect(0, 0, 2, 2), QRect(0, y, 2, 2)},
        {QRect(w - 2, 0, 2, 2), QRect(cw - 2, y, 2, 2)},
        {QRect(0, h - 2, 2, 2), QRect(0, y + ch - 2, 2, 2)},
        {QRect(w - 2, h - 2, 2, 2), QRect(cw - 2, y + ch - 2, 2, 2)},
        {QRect(2, 0, w - 4, 2), QRect(2, y, cw - 4, 2)},
        {QRect(2, h - 2, w - 4, 2), QRect(2, y + ch - 2, cw - 4, 2)},
        {QRect(0, 2, 2, h - 4), QRect(0, y + 2, 2, ch - 4)},
        {QRect(w - 2, 2, 2, h - 4), QRect(cw - 2, y + 2, 2, ch - 4)},
        {QRect(2, 2, w - 4, h - 4), QRect(2, y + 2, cw - 4, ch - 4)},
    };
}

} // namespace

class TestSimpleButton : public QObject
{
    Q_OBJECT

private slots:
    void init() { test::parkCursor(); }
    void sizeHints_data();
    void sizeHints();
    void largeCaptionWrapsIntoTwoLines_data();
    void largeCaptionWrapsIntoTwoLines();
    void framesPerState_data();
    void framesPerState();
    void iconAndTextPlacement_data();
    void iconAndTextPlacement();
    void followsTheAction();
    void clickTogglesOnce();
    void createWidgetOnlyForToolBars();
    void actionDestroyedFirst();
};

void TestSimpleButton::sizeHints_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("withIcon");
    QTest::addColumn<int>("extra"); // -1: fixed width, else width = text width + extra
    QTest::addColumn<QSize>("fixed");

    QTest::newRow("large short") << 0 << QStringLiteral("Cut") << true << -1 << QSize(42, 66);
    QTest::newRow("large empty") << 0 << QString() << false << -1 << QSize(42, 66);
    QTest::newRow("medium text icon") << 1 << QStringLiteral("Copy") << true << 26 << QSize();
    QTest::newRow("medium text no icon") << 1 << QStringLiteral("Copy") << false << 8 << QSize();
    QTest::newRow("medium no text icon") << 1 << QString() << true << -1 << QSize(22, 22);
    QTest::newRow("medium no text no icon") << 1 << QString() << false << -1 << QSize(4, 22);
    QTest::newRow("small icon") << 2 << QStringLiteral("Ignored") << true << -1 << QSize(22, 22);
    QTest::newRow("small no icon") << 2 << QStringLiteral("Ignored") << false << -1 << QSize(4, 22);
    QTest::newRow("invalid class") << 7 << QStringLiteral("X") << true << -1 << QSize(-1, -1);
}

void TestSimpleButton::sizeHints()
{
    QFETCH(int, size);
    QFETCH(QString, text);
    QFETCH(bool, withIcon);
    QFETCH(int, extra);
    QFETCH(QSize, fixed);

    RibbonCatSimpleAction action(withIcon ? solidIcon(16) : QIcon(), text,
                                 RibbonCatSimpleAction::eSize(size), nullptr);
    RibbonCatSimpleButton button(action, nullptr);
    if (extra < 0)
        QCOMPARE(button.sizeHint(), fixed);
    else
        QCOMPARE(button.sizeHint(),
                 QSize(button.fontMetrics().horizontalAdvance(text) + extra, 22));
    QCOMPARE(button.sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
    QCOMPARE(button.focusPolicy(), Qt::NoFocus);
    QVERIFY(button.hasMouseTracking());
}

void TestSimpleButton::largeCaptionWrapsIntoTwoLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("pixelSize");
    // At 12 px two DejaVu lines fit in twice the font height; at 13 px they
    // are one pixel too tall, so no wrapping width is ever accepted.
    QTest::newRow("two words 12px") << QStringLiteral("Format Painter") << 12;
    QTest::newRow("three words 12px") << QStringLiteral("Insert Page Break") << 12;
    QTest::newRow("five words 12px") << QStringLiteral("A Remarkably Long Caption Here") << 12;
    QTest::newRow("one long word 12px") << QStringLiteral("Hyperventilation") << 12;
    QTest::newRow("two words 13px") << QStringLiteral("Format Painter") << 13;
    QTest::newRow("three words 13px") << QStringLiteral("Insert Page Break") << 13;
}

void TestSimpleButton::largeCaptionWrapsIntoTwoLines()
{
    QFETCH(QString, text);
    QFETCH(int, pixelSize);
    RibbonCatSimpleAction action(text, RibbonCatSimpleAction::Large, nullptr);
    RibbonCatSimpleButton button(action, nullptr);
    QFont font = button.font();
    font.setPixelSize(pixelSize);
    button.setFont(font);
    const QFontMetrics fm = button.fontMetrics();
    const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
    const auto laid = [&](int width) {
        return fm.boundingRect(QRect(0, 0, width, 0), flags, text);
    };
    const int full = fm.horizontalAdvance(text);
    QVERIFY(full > 30);

    // The narrowest width at which the caption takes at most two lines,
    // found by a plain scan; the button's search must land on it.
    int narrowest = -1;
    for (int width = 1; width <= 2 * full && narrowest < 0; ++width) {
        if (laid(width).height() <= 2 * fm.height())
            narrowest = width;
    }
    QVERIFY(narrowest > 0);
    const int expected = qMax(laid(narrowest).width() + 10, 42);
    const QSize hint = button.sizeHint();
    QCOMPARE(hint.height(), 66);
    QVERIFY2(qAbs(hint.width() - expected) <= 1,
             qPrintable(QStringLiteral("%1 vs %2").arg(hint.width()).arg(expected)));
    if (pixelSize == 12 && text.contains(QLatin1Char(' '))) {
        QVERIFY(hint.width() < full + 10); // it did wrap
        QVERIFY(laid(hint.width() - 10).height() <= 2 * fm.height());
    } else {
        QVERIFY(hint.width() >= full + 10); // one line
    }
}

void TestSimpleButton::framesPerState_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<bool>("down");
    QTest::addColumn<bool>("hovered");
    QTest::addColumn<int>("frame"); // -1: no frame

    for (int size : {1, 0, 2}) {
        const QByteArray n = size == 0 ? "large " : size == 1 ? "medium " : "small ";
        QTest::newRow(n + "normal") << size << true << false << false << false << -1;
        QTest::newRow(n + "hover") << size << true << false << false << true << 0;
        QTest::newRow(n + "down") << size << true << false << true << false << 1;
        QTest::newRow(n + "down checked hovered") << size << true << true << true << true << 1;
        QTest::newRow(n + "checked") << size << true << true << false << false << 2;
        QTest::newRow(n + "checked hovered") << size << true << true << false << true << 3;
        QTest::newRow(n + "disabled hovered") << size << false << false << false << true << -1;
        QTest::newRow(n + "disabled checked") << size << false << true << false << false << -1;
    }
}

void TestSimpleButton::framesPerState()
{
    QFETCH(int, size);
    QFETCH(bool, enabled);
    QFETCH(bool, checked);
    QFETCH(bool, down);
    QFETCH(bool, hovered);
    QFETCH(int, frame);

    QWidget host;
    host.resize(300, 200);
    RibbonCatSimpleAction action(solidIcon(16), QStringLiteral("Paste"),
                                 RibbonCatSimpleAction::eSize(size), nullptr);
    action.setCheckable(true);
    action.setChecked(checked);
    action.setEnabled(enabled);
    RibbonCatSimpleButton button(action, &host);
    const bool large = size == RibbonCatSimpleAction::Large;
    const int w = large ? 57 : 61;
    const int h = large ? 66 : 22;
    button.setGeometry(10, 20, w, h);
    host.show();
    button.setDown(down);
    if (hovered)
        test::placeCursor(&button, QPoint(w / 2, h / 2));
    else
        test::placeCursor(&button, QPoint(w + 5, h / 2)); // just outside

    PaintRecorder recorder;
    button.render(&recorder);
    const QPixmap& small = skin().paletteItemSmall();
    const QPixmap& largeFrame = skin().paletteItemLarge();
    const QVector<PaintOp> smallDraws = recorder.pixmapDraws(small);
    const QVector<PaintOp> largeDraws = recorder.pixmapDraws(largeFrame);
    const QVector<PaintOp>& draws = large ? largeDraws : smallDraws;
    QCOMPARE((large ? smallDraws : largeDraws).size(), 0);
    if (frame < 0) {
        QCOMPARE(draws.size(), 0);
    } else {
        const QVector<Slice> expected =
            large ? nineSlices(43, 66, frame, w, h) : nineSlices(22, 22, frame, w, h);
        QCOMPARE(draws.size(), expected.size());
        for (int i = 0; i < expected.size(); ++i) {
            QCOMPARE(draws.at(i).target.toRect(), expected.at(i).target);
            QCOMPARE(draws.at(i).source.toRect(), expected.at(i).source);
        }
    }
    // Text colour follows the enabled state (small buttons draw no text).
    const QVector<PaintOp> texts = recorder.ops(PaintOp::Text);
    if (size == RibbonCatSimpleAction::Small) {
        QVERIFY(texts.isEmpty());
    } else {
        QVERIFY(!texts.isEmpty());
        const QColor expected = enabled ? skin().highlightedCategoryTextColor()
                                        : skin().disabledCategoryTextColor();
        for (const PaintOp& op : texts)
            QCOMPARE(op.pen.color(), expected);
    }
}

void TestSimpleButton::iconAndTextPlacement_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("iconSide");
    QTest::addColumn<bool>("withIcon");
    QTest::addColumn<QRect>("iconTarget"); // with w = 64, h = button height
    QTest::addColumn<QRect>("textRect");

    QTest::newRow("medium") << 1 << 16 << true << QRect(3, 3, 16, 16)
                            << QRect(QPoint(22, 2), QPoint(61, 19));
    QTest::newRow("medium small icon") << 1 << 12 << true << QRect(5, 5, 12, 12)
                                       << QRect(QPoint(22, 2), QPoint(61, 19));
    QTest::newRow("medium no icon") << 1 << 16 << false << QRect()
                                    << QRect(QPoint(4, 2), QPoint(61, 19));
    QTest::newRow("large") << 0 << 32 << true << QRect(16, 2, 32, 32)
                           << QRect(QPoint(2, 36), QPoint(61, 63));
    QTest::newRow("large small icon") << 0 << 16 << true << QRect(24, 10, 16, 16)
                                      << QRect(QPoint(2, 36), QPoint(61, 63));
    QTest::newRow("small") << 2 << 16 << true << QRect(3, 3, 16, 16) << QRect();
}

void TestSimpleButton::iconAndTextPlacement()
{
    QFETCH(int, size);
    QFETCH(int, iconSide);
    QFETCH(bool, withIcon);
    QFETCH(QRect, iconTarget);
    QFETCH(QRect, textRect);

    const QString caption = QStringLiteral("Go");
    RibbonCatSimpleAction action(withIcon ? solidIcon(iconSide) : QIcon(), caption,
                                 RibbonCatSimpleAction::eSize(size), nullptr);
    RibbonCatSimpleButton button(action, nullptr);
    const int h = size == RibbonCatSimpleAction::Large ? 66 : 22;
    button.resize(64, h);

    PaintRecorder recorder;
    button.render(&recorder);
    QVector<PaintOp> iconDraws;
    for (const PaintOp& op : recorder.ops(PaintOp::Pixmap))
        iconDraws << op;
    if (withIcon) {
        QCOMPARE(iconDraws.size(), 1);
        QCOMPARE(iconDraws.at(0).target.toRect(), iconTarget);
    } else {
        QCOMPARE(iconDraws.size(), 0);
    }

    const QVector<PaintOp> texts = recorder.ops(PaintOp::Text);
    if (textRect.isNull()) {
        QVERIFY(texts.isEmpty());
        return;
    }
    QCOMPARE(recorder.texts(), QStringList{caption});
    // Where the text lands: the flags place it inside the given rectangle.
    const int flags = size == RibbonCatSimpleAction::Large
                          ? int(Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap)
                          : int(Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine);
    const QRect expected = button.fontMetrics().boundingRect(textRect, flags, caption);
    const QPointF origin = texts.at(0).position;
    // Text layout rounds half pixels differently from boundingRect.
    QVERIFY2(qAbs(origin.x() - expected.left()) <= 1.0, qPrintable(QString::number(origin.x())));
    QVERIFY2(qAbs(origin.y() - (expected.top() + button.fontMetrics().ascent())) <= 1.0,
             qPrintable(QString::number(origin.y())));
}

void TestSimpleButton::followsTheAction()
{
    QToolBar bar;
    RibbonCatSimpleAction action(QStringLiteral("Short"), RibbonCatSimpleAction::Medium,
                                 nullptr);
    RibbonCatSimpleButton first(action, nullptr);
    bar.addAction(&action);
    auto* second = qobject_cast<RibbonCatSimpleButton*>(bar.widgetForAction(&action));
    QVERIFY(second);
    QVERIFY(second->parent() == &bar);

    const int before = first.sizeHint().width();
    action.setText(QStringLiteral("A much longer caption"));
    action.setToolTip(QStringLiteral("Tip"));
    action.setCheckable(true);
    action.setChecked(true);
    action.setIcon(solidIcon(16));
    for (RibbonCatSimpleButton* button : {&first, second}) {
        QCOMPARE(button->text(), QStringLiteral("A much longer caption"));
        QCOMPARE(button->toolTip(), QStringLiteral("Tip"));
        QVERIFY(button->isCheckable());
        QVERIFY(button->isChecked());
        QVERIFY(!button->icon().isNull());
        QCOMPARE(button->sizeHint().width(),
                 button->fontMetrics().horizontalAdvance(button->text()) + 26);
    }
    QVERIFY(first.sizeHint().width() > before);
    action.setEnabled(false);
    QVERIFY(!first.isEnabled());
    QVERIFY(!second->isEnabled());
}

void TestSimpleButton::clickTogglesOnce()
{
    QWidget host;
    RibbonCatSimpleAction action(QStringLiteral("Bold"), RibbonCatSimpleAction::Medium, nullptr);
    action.setCheckable(true);
    RibbonCatSimpleButton button(action, &host);
    button.resize(button.sizeHint());
    QSignalSpy toggled(&action, &QAction::toggled);
    QSignalSpy activated(&action, &RibbonAction::activated);

    test::mouseClick(&button, QPoint(5, 5));
    QCOMPARE(toggled.count(), 1);
    QCOMPARE(activated.count(), 1);
    QVERIFY(action.isChecked());
    QVERIFY(button.isChecked());

    test::mouseClick(&button, QPoint(5, 5));
    QCOMPARE(toggled.count(), 2);
    QVERIFY(!action.isChecked());
    QVERIFY(!button.isChecked());

    // The action's state is the one that counts.
    action.setChecked(true);
    QVERIFY(button.isChecked());

    // A press alone shows the pressed look, no trigger yet.
    test::mousePress(&button, QPoint(5, 5));
    QVERIFY(button.isDown());
    QCOMPARE(activated.count(), 2);
    test::mouseRelease(&button, QPoint(5, 5));
    QCOMPARE(activated.count(), 3);
}

void TestSimpleButton::createWidgetOnlyForToolBars()
{
    RibbonCatSimpleAction action(QStringLiteral("Cut"), RibbonCatSimpleAction::Small, nullptr);
    QCOMPARE(action.size(), RibbonCatSimpleAction::Small);
    QWidget plain;
    QVERIFY(action.requestWidget(&plain) == nullptr);
    QToolBar bar;
    QWidget* made = action.requestWidget(&bar);
    QVERIFY(qobject_cast<RibbonCatSimpleButton*>(made));
    QCOMPARE(made->parentWidget(), &bar);
    action.releaseWidget(made);
}

void TestSimpleButton::actionDestroyedFirst()
{
    auto* action = new RibbonCatSimpleAction(solidIcon(16), QStringLiteral("Gone"),
                                             RibbonCatSimpleAction::Medium, nullptr);
    RibbonCatSimpleButton button(*action, nullptr);
    const QSize hint = button.sizeHint();
    delete action;
    QVERIFY(button.action() == nullptr);
    QCOMPARE(button.sizeHint(), hint);
    test::mouseClick(&button, QPoint(3, 3)); // drives nothing, crashes nothing
    PaintRecorder recorder;
    button.render(&recorder);
    QCOMPARE(recorder.texts(), QStringList{QStringLiteral("Gone")});
}

ORU_TEST_MAIN(TestSimpleButton)
#include "tst_simplebutton.moc"
