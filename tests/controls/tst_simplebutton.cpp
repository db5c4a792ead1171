#include <oruRibbonApplication.h>
#include <oruRibbonCatSimpleAction.h>
#include <oruRibbonCatSimpleButton.h>
#include <oruRibbonStyle.h>

#include "oruPaintRecorder.h"
#include "oruTestApp.h"
#include "oruTestInput.h"
#include "oruTextLines_p.h"

#include <QToolBar>

using namespace oru;
using oru::test::PaintOp;
using oru::test::PaintRecorder;
using oru::test::solidIcon;
using Rects = QList<QPair<QRect, QRect>>; // target, source

namespace {

const RibbonStyle& skin()
{
    return *RibbonApplication::theApp()->ribbonStyle();
}

// The nine pieces of frame f of a stacked image of cells cw x ch, stretched
// over w x h, in drawing order: corners, edges, centre.
Rects nineSlices(int cw, int ch, int f, int w, int h)
{
    const int y = ch * f;
    return {{{0, 0, 2, 2}, {0, y, 2, 2}},
            {{w - 2, 0, 2, 2}, {cw - 2, y, 2, 2}},
            {{0, h - 2, 2, 2}, {0, y + ch - 2, 2, 2}},
            {{w - 2, h - 2, 2, 2}, {cw - 2, y + ch - 2, 2, 2}},
            {{2, 0, w - 4, 2}, {2, y, cw - 4, 2}},
            {{2, h - 2, w - 4, 2}, {2, y + ch - 2, cw - 4, 2}},
            {{0, 2, 2, h - 4}, {0, y + 2, 2, ch - 4}},
            {{w - 2, 2, 2, h - 4}, {cw - 2, y + 2, 2, ch - 4}},
            {{2, 2, w - 4, h - 4}, {2, y + 2, cw - 4, ch - 4}}};
}

} // namespace

class TestSimpleButton : public QObject
{
    Q_OBJECT

private slots:
    void init() { test::parkCursor(); }

    void sizeHints_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("withIcon");
        QTest::addColumn<QSize>("expected"); // width -1: text width + height
        QTest::newRow("large short") << 0 << QStringLiteral("Cut") << true << QSize(42, 66);
        QTest::newRow("large empty") << 0 << QString() << false << QSize(42, 66);
        QTest::newRow("medium text icon") << 1 << QStringLiteral("Copy") << true << QSize(-1, 26);
        QTest::newRow("medium text no icon")
            << 1 << QStringLiteral("Copy") << false << QSize(-1, 8);
        QTest::newRow("medium no text icon") << 1 << QString() << true << QSize(22, 22);
        QTest::newRow("medium no text no icon") << 1 << QString() << false << QSize(4, 22);
        QTest::newRow("small icon") << 2 << QStringLiteral("Ignored") << true << QSize(22, 22);
        QTest::newRow("small no icon") << 2 << QStringLiteral("Ignored") << false << QSize(4, 22);
        QTest::newRow("invalid class") << 7 << QStringLiteral("X") << true << QSize(-1, -1);
    }
    void sizeHints()
    {
        QFETCH(int, size);
        QFETCH(QString, text);
        QFETCH(bool, withIcon);
        QFETCH(QSize, expected);
        RibbonCatSimpleAction action(withIcon ? solidIcon(16) : QIcon(), text,
                                     RibbonCatSimpleAction::eSize(size), nullptr);
        RibbonCatSimpleButton button(action, nullptr);
        if (expected.width() < 0 && expected.height() > 0)
            expected = QSize(button.fontMetrics().horizontalAdvance(text) + expected.height(), 22);
        QCOMPARE(button.sizeHint(), expected);
        QCOMPARE(button.sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
        QCOMPARE(button.focusPolicy(), Qt::NoFocus);
        QVERIFY(button.hasMouseTracking());
    }

    void largeCaptionWrapsIntoTwoLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("two words")
            << QStringLiteral("Format Painter") << QStringList{"Format", "Painter"};
        QTest::newRow("three words")
            << QStringLiteral("Format Painter Tool") << QStringList{"Format", "Painter Tool"};
    }
    void largeCaptionWrapsIntoTwoLines()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        RibbonCatSimpleAction action(text, RibbonCatSimpleAction::Large, nullptr);
        RibbonCatSimpleButton button(action, nullptr);
        const QFontMetrics fm = button.fontMetrics();
        const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
        const auto laid = [&](int width) {
            return fm.boundingRect(QRect(0, 0, width, 0), flags, text);
        };
        const int oneLine = laid(1000).height();
        // The narrowest wrapping width that keeps the caption on two lines,
        // found by a plain scan; the button is that wide plus 10.
        int narrowest = 1;
        while (laid(narrowest).height() > 2 * oneLine)
            ++narrowest;
        QCOMPARE(laid(narrowest).height(), 2 * oneLine);
        // Centring rounds a fractional line width per wrapping width, so the
        // search may land one pixel off the scan.
        const QSize hint = button.sizeHint();
        QCOMPARE(hint.height(), 66);
        QVERIFY2(qAbs(hint.width() - (laid(narrowest).width() + 10)) <= 1,
                 qPrintable(QString::number(hint.width())));
        QVERIFY(hint.width() < fm.horizontalAdvance(text) + 10);

        // Painted at that size, the caption shows as the two lines.
        button.resize(hint);
        PaintRecorder recorder;
        button.render(&recorder);
        const QVector<PaintOp> texts = recorder.ops(PaintOp::Text);
        QCOMPARE(texts.size(), 2);
        QCOMPARE(texts.at(0).text.trimmed(), lines.at(0));
        QCOMPARE(texts.at(1).text.trimmed(), lines.at(1));
        QCOMPARE(texts.at(1).position.y() - texts.at(0).position.y(), qreal(oneLine));
        QVERIFY(texts.at(1).position.y() < hint.height());
    }

    void framesPerState_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("state"); // letters: d(isabled) c(hecked) p(ressed) h(overed)
        QTest::addColumn<int>("frame");     // -1: no frame
        const std::pair<const char*, int> states[] = {{"", -1}, {"h", 0},  {"p", 1},   {"cph", 1},
                                                      {"c", 2}, {"ch", 3}, {"dh", -1}, {"dc", -1}};
        for (int size : {1, 0, 2}) {
            for (const auto& [state, frame] : states)
                QTest::addRow("size %d, '%s'", size, state) << size << QString(state) << frame;
        }
    }
    void framesPerState()
    {
        QFETCH(int, size);
        QFETCH(QString, state);
        QFETCH(int, frame);
        const bool enabled = !state.contains('d');
        QWidget host;
        host.resize(300, 200);
        RibbonCatSimpleAction action(solidIcon(16), QStringLiteral("Paste"),
                                     RibbonCatSimpleAction::eSize(size), nullptr);
        action.setCheckable(true);
        action.setChecked(state.contains('c'));
        action.setEnabled(enabled);
        RibbonCatSimpleButton button(action, &host);
        const bool large = size == RibbonCatSimpleAction::Large;
        const int w = large ? 57 : 61;
        const int h = large ? 66 : 22;
        button.setGeometry(10, 20, w, h);
        host.show();
        button.setDown(state.contains('p'));
        test::placeCursor(&button, QPoint(state.contains('h') ? w / 2 : w + 5, h / 2));

        PaintRecorder recorder;
        button.render(&recorder);
        const QPixmap& used = large ? skin().paletteItemLarge() : skin().paletteItemSmall();
        const QPixmap& unused = large ? skin().paletteItemSmall() : skin().paletteItemLarge();
        QVERIFY(recorder.pixmapDraws(unused).isEmpty());
        QCOMPARE(recorder.pixmapRects(used),
                 frame < 0 ? Rects() : nineSlices(large ? 43 : 22, h, frame, w, h));
        // Text colour follows the enabled state (small buttons draw no text).
        const QVector<PaintOp> texts = recorder.ops(PaintOp::Text);
        QCOMPARE(texts.isEmpty(), size == RibbonCatSimpleAction::Small);
        for (const PaintOp& op : texts) {
            QCOMPARE(op.pen.color(), enabled ? skin().highlightedCategoryTextColor()
                                             : skin().disabledCategoryTextColor());
        }
    }

    void iconAndTextPlacement_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("iconSide");     // 0: no icon
        QTest::addColumn<QRect>("iconTarget"); // with w = 64, h = button height
        QTest::addColumn<QRect>("textRect");
        const QRect mediumText(QPoint(22, 2), QPoint(61, 19));
        const QRect largeText(QPoint(2, 36), QPoint(61, 63));
        QTest::newRow("medium") << 1 << 16 << QRect(3, 3, 16, 16) << mediumText;
        QTest::newRow("medium small icon") << 1 << 12 << QRect(5, 5, 12, 12) << mediumText;
        QTest::newRow("medium no icon") << 1 << 0 << QRect() << QRect(QPoint(4, 2), QPoint(61, 19));
        QTest::newRow("large") << 0 << 32 << QRect(16, 2, 32, 32) << largeText;
        QTest::newRow("large small icon") << 0 << 16 << QRect(24, 10, 16, 16) << largeText;
        QTest::newRow("small") << 2 << 16 << QRect(3, 3, 16, 16) << QRect();
    }
    void iconAndTextPlacement()
    {
        QFETCH(int, size);
        QFETCH(int, iconSide);
        QFETCH(QRect, iconTarget);
        QFETCH(QRect, textRect);
        const QString caption = QStringLiteral("Go");
        RibbonCatSimpleAction action(iconSide ? solidIcon(iconSide) : QIcon(), caption,
                                     RibbonCatSimpleAction::eSize(size), nullptr);
        RibbonCatSimpleButton button(action, nullptr);
        const bool large = size == RibbonCatSimpleAction::Large;
        button.resize(64, large ? 66 : 22);
        PaintRecorder recorder;
        button.render(&recorder);
        QList<QRect> iconTargets;
        for (const PaintOp& op : recorder.ops(PaintOp::Pixmap))
            iconTargets << op.target.toRect();
        QCOMPARE(iconTargets, iconSide ? QList<QRect>{iconTarget} : QList<QRect>());

        const QVector<PaintOp> texts = recorder.ops(PaintOp::Text);
        if (textRect.isNull()) {
            QVERIFY(texts.isEmpty());
            return;
        }
        QCOMPARE(recorder.texts(), QStringList{caption});
        const int flags = large ? int(Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap)
                                : int(Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine);
        const QRect expected = button.fontMetrics().boundingRect(textRect, flags, caption);
        const QPointF origin = texts.at(0).position;
        // Text layout rounds half pixels differently from boundingRect.
        QVERIFY2(qAbs(origin.x() - expected.left()) <= 1.0,
                 qPrintable(QString::number(origin.x())));
        QVERIFY2(qAbs(origin.y() - (expected.top() + button.fontMetrics().ascent())) <= 1.0,
                 qPrintable(QString::number(origin.y())));
    }

    void followsTheAction()
    {
        QToolBar bar;
        RibbonCatSimpleAction action(QStringLiteral("Short"), RibbonCatSimpleAction::Medium,
                                     nullptr);
        RibbonCatSimpleButton first(action, nullptr);
        bar.addAction(&action);
        auto* second = qobject_cast<RibbonCatSimpleButton*>(bar.widgetForAction(&action));
        QVERIFY(second && second->parent() == &bar);
        const int before = first.sizeHint().width();
        action.setText(QStringLiteral("A much longer caption"));
        action.setToolTip(QStringLiteral("Tip"));
        action.setCheckable(true);
        action.setChecked(true);
        action.setIcon(solidIcon(16));
        for (RibbonCatSimpleButton* button : {&first, second}) {
            QCOMPARE(button->text(), QStringLiteral("A much longer caption"));
            QCOMPARE(button->toolTip(), QStringLiteral("Tip"));
            QVERIFY(button->isCheckable() && button->isChecked());
            QVERIFY(!button->icon().isNull());
            QCOMPARE(button->sizeHint().width(),
                     button->fontMetrics().horizontalAdvance(button->text()) + 26);
        }
        QVERIFY(first.sizeHint().width() > before);
        action.setEnabled(false);
        QVERIFY(!first.isEnabled() && !second->isEnabled());
    }

    void clickTogglesOnce()
    {
        QWidget host;
        RibbonCatSimpleAction action(QStringLiteral("Bold"), RibbonCatSimpleAction::Medium,
                                     nullptr);
        action.setCheckable(true);
        RibbonCatSimpleButton button(action, &host);
        button.resize(button.sizeHint());
        QSignalSpy toggled(&action, &QAction::toggled);
        QSignalSpy activated(&action, &RibbonAction::activated);
        for (bool checked : {true, false}) {
            test::mouseClick(&button, QPoint(5, 5));
            QCOMPARE(toggled.count(), checked ? 1 : 2);
            QCOMPARE(activated.count(), checked ? 1 : 2);
            QCOMPARE(action.isChecked(), checked);
            QCOMPARE(button.isChecked(), checked);
        }
        action.setChecked(true); // the action's state is the one that counts
        QVERIFY(button.isChecked());
        // A press alone shows the pressed look, no trigger yet.
        test::mousePress(&button, QPoint(5, 5));
        QVERIFY(button.isDown());
        QCOMPARE(activated.count(), 2);
        test::mouseRelease(&button, QPoint(5, 5));
        QCOMPARE(activated.count(), 3);
    }

    void createWidgetOnlyForToolBars()
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

    // The two-line search is remembered by font, text and alignment: a font
    // or caption change must measure anew, and a remembered answer must be
    // the one the search gives.
    void largeCaptionMeasuredPerFontAndText()
    {
        RibbonCatSimpleAction action(QStringLiteral("Format Painter"), RibbonCatSimpleAction::Large,
                                     nullptr);
        RibbonCatSimpleButton button(action, nullptr);
        const auto searched = [&] {
            return qMax(textlines::twoLineWidth(button.fontMetrics(), action.text()) + 10, 42);
        };
        const QSize first = button.sizeHint();
        QCOMPARE(first.width(), searched());
        QCOMPARE(button.sizeHint(), first);

        const QFont original = button.font();
        QFont larger = original;
        larger.setPixelSize(QFontInfo(original).pixelSize() * 2);
        button.setFont(larger);
        QCOMPARE(button.sizeHint().width(), searched());
        QVERIFY(button.sizeHint().width() > first.width());

        action.setText(QStringLiteral("Format Painter Tool Box"));
        QCOMPARE(button.sizeHint().width(), searched());
        button.setFont(original);
        QCOMPARE(button.sizeHint().width(), searched());
        action.setText(QStringLiteral("Format Painter"));
        QCOMPARE(button.sizeHint(), first);

        // Line counts and alignments are kept apart; a caller's line count
        // is written as the search writes it.
        for (const Qt::Alignment align : {Qt::AlignHCenter, Qt::AlignLeft}) {
            for (const QString& text :
                 {QStringLiteral("One"), QStringLiteral("Two words here"), QString()}) {
                int plainLines = -7;
                int keptLines = -7;
                const int plain =
                    textlines::twoLineWidth(QFontMetrics(larger), text, &plainLines, align);
                for (int pass = 0; pass < 2; ++pass) {
                    keptLines = -7;
                    QCOMPARE(textlines::twoLineWidth(larger, text, &keptLines, align), plain);
                    QCOMPARE(keptLines, plainLines);
                }
            }
        }
    }

    void actionDestroyedFirst()
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
};

ORU_TEST_MAIN(TestSimpleButton)
#include "tst_simplebutton.moc"
