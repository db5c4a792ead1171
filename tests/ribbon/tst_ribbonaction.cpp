#include <oruRibbonAction.h>
#include <oruRibbonSimpleAction.h>
#include <oruRibbonStringAction.h>

#include "oruTestApp.h"

#include <QActionEvent>
#include <QPixmap>
#include <QWidget>

using namespace oru;

namespace {

QIcon colourIcon(Qt::GlobalColor colour)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(colour);
    return QIcon(pixmap);
}

// QIcon has no operator==; the cache key tells copies of one icon from others.
qint64 iconKey(const QIcon& icon)
{
    return icon.isNull() ? 0 : icon.cacheKey();
}

// Logs every ActionChanged that reaches the watched object under its name;
// deletes the victim on the first one, when set.
class Logger : public QObject
{
public:
    Logger(QObject* watched, const QString& name, QStringList& log)
        : m_name(name)
        , m_log(log)
    {
        watched->installEventFilter(this);
    }
    QPointer<QWidget> victim;
    QAction* lastAction = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ActionChanged)
            return false;
        m_log << m_name;
        if (watched->isWidgetType()) {
            auto* actionEvent = static_cast<QActionEvent*>(event);
            if (actionEvent->before() != nullptr)
                m_log << QStringLiteral("bad before");
            lastAction = actionEvent->action();
        }
        delete victim.data();
        return false;
    }

private:
    QString m_name;
    QStringList& m_log;
};

} // namespace

class TestRibbonAction : public QObject
{
    Q_OBJECT

private slots:
    void constructorsCopyRules()
    {
        QObject owner;
        const QIcon aliasIcon = colourIcon(Qt::red);
        const QIcon ownIcon = colourIcon(Qt::blue);
        auto* alias = new QAction(aliasIcon, QStringLiteral("Alias"), &owner);
        alias->setToolTip(QStringLiteral("Alias tip"));

        RibbonAction plain(&owner);
        QVERIFY(plain.text().isEmpty() && plain.alias() == nullptr);
        QCOMPARE(plain.parent(), &owner);
        RibbonAction withText(QStringLiteral("T"), &owner);
        QCOMPARE(withText.text(), QStringLiteral("T"));
        QVERIFY(withText.icon().isNull());
        RibbonAction withIcon(ownIcon, QStringLiteral("I"), &owner);
        QCOMPARE(withIcon.text(), QStringLiteral("I"));
        QCOMPARE(iconKey(withIcon.icon()), iconKey(ownIcon));

        RibbonAction copying(QPointer<QAction>(alias), &owner);
        QCOMPARE(copying.alias(), alias);
        QCOMPARE(copying.text(), QStringLiteral("Alias"));
        QCOMPARE(iconKey(copying.icon()), iconKey(aliasIcon));
        QCOMPARE(copying.toolTip(), QStringLiteral("Alias tip"));
        QVERIFY(!copying.isSeparator());
        auto* separator = new QAction(&owner);
        separator->setSeparator(true);
        QVERIFY(RibbonAction(QPointer<QAction>(separator), &owner).isSeparator());

        RibbonAction own(QPointer<QAction>(alias), ownIcon, QStringLiteral("Own"), &owner);
        QCOMPARE(own.text(), QStringLiteral("Own"));
        QCOMPARE(iconKey(own.icon()), iconKey(ownIcon));
        // Not copied by this form: QAction derives the tool tip from the text.
        QCOMPARE(own.toolTip(), QStringLiteral("Own"));

        alias->setEnabled(false); // no constructor copies enabled or checked state
        QVERIFY(RibbonAction(QPointer<QAction>(alias), &owner).isEnabled());

        // A null alias is accepted by every alias form and wires nothing.
        RibbonAction nullAlias(QPointer<QAction>(), &owner);
        QVERIFY(nullAlias.alias() == nullptr && nullAlias.text().isEmpty());
        RibbonAction nullRibbonAlias(QPointer<RibbonAction>(), QStringLiteral("N"), &owner);
        QCOMPARE(nullRibbonAlias.text(), QStringLiteral("N"));
        nullRibbonAlias.enableAction(false);
        QVERIFY(!nullRibbonAlias.isEnabled());
    }

    void firstChangeCopiesFromRibbonAlias()
    {
        const QIcon aliasIcon = colourIcon(Qt::green);
        RibbonAction alias(aliasIcon, QStringLiteral("Source"), nullptr);
        RibbonAction action(QPointer<RibbonAction>(&alias), nullptr);
        QVERIFY(action.text().isEmpty() && action.icon().isNull());
        alias.setToolTip(QStringLiteral("tip")); // any change of the alias
        QCOMPARE(action.text(), QStringLiteral("Source"));
        QCOMPARE(iconKey(action.icon()), iconKey(aliasIcon));
        // The tool tip travels only with the copying constructor.
        QVERIFY(action.toolTip() != QStringLiteral("tip"));

        RibbonAction named(QPointer<RibbonAction>(&alias), QStringLiteral("Named"), nullptr);
        QVERIFY(named.icon().isNull());
        alias.setText(QStringLiteral("Renamed"));
        QCOMPARE(named.text(), QStringLiteral("Named"));
        QCOMPARE(iconKey(named.icon()), iconKey(aliasIcon));
        QCOMPARE(action.text(), QStringLiteral("Renamed"));

        // A change of the action itself travels through the alias back to it
        // and makes it copy as well.
        RibbonAction lazy(QPointer<RibbonAction>(&alias), nullptr);
        lazy.setToolTip(QStringLiteral("own"));
        QCOMPARE(lazy.text(), QStringLiteral("Renamed"));
    }

    void ownTextAndIconAreKept()
    {
        QAction alias(colourIcon(Qt::red), QStringLiteral("Alias"), nullptr);
        alias.setCheckable(true);
        const QIcon ownIcon = colourIcon(Qt::yellow);
        RibbonAction action(QPointer<QAction>(&alias), ownIcon, QStringLiteral("Own"), nullptr);
        action.setCheckable(true);
        alias.setText(QStringLiteral("Other"));
        alias.setIcon(colourIcon(Qt::cyan));
        QCOMPARE(action.text(), QStringLiteral("Own"));
        QCOMPARE(iconKey(action.icon()), iconKey(ownIcon));
        alias.setEnabled(false);
        QVERIFY(!action.isEnabled());
        alias.setEnabled(true);
        QVERIFY(action.isEnabled());
        alias.setChecked(true);
        QVERIFY(action.isChecked());
        // Changing the action's text does not pull the alias's text back in.
        action.setText(QStringLiteral("Changed"));
        QCOMPARE(action.text(), QStringLiteral("Changed"));
        QCOMPARE(alias.text(), QStringLiteral("Other"));

        // The copying form follows text and icon on every change.
        const QIcon followIcon = colourIcon(Qt::magenta);
        RibbonAction follower(QPointer<QAction>(&alias), nullptr);
        alias.setIcon(followIcon);
        QCOMPARE(follower.text(), QStringLiteral("Other"));
        QCOMPARE(iconKey(follower.icon()), iconKey(followIcon));
    }

    void enableAction_data()
    {
        QTest::addColumn<bool>("hasAlias");
        QTest::addColumn<bool>("aliasEnabled");
        QTest::addColumn<bool>("request");
        QTest::addColumn<bool>("expected");
        QTest::newRow("no alias, disable") << false << false << false << false;
        QTest::newRow("no alias, enable") << false << false << true << true;
        QTest::newRow("enabled alias, enable") << true << true << true << true;
        QTest::newRow("enabled alias, disable") << true << true << false << true;
        QTest::newRow("disabled alias, enable") << true << false << true << false;
        QTest::newRow("disabled alias, disable") << true << false << false << false;
    }
    void enableAction()
    {
        QFETCH(bool, hasAlias);
        QFETCH(bool, aliasEnabled);
        QFETCH(bool, request);
        QFETCH(bool, expected);
        QAction alias(QStringLiteral("Alias"), nullptr);
        RibbonAction action(hasAlias ? QPointer<QAction>(&alias) : QPointer<QAction>(), QIcon(),
                            QStringLiteral("Act"), nullptr);
        // Start from the opposite of the request so that the call has to act.
        if (hasAlias) {
            alias.setEnabled(!request);
            QCOMPARE(action.isEnabled(), !request);
            alias.setEnabled(aliasEnabled);
        } else {
            action.setEnabled(!request);
        }
        // enableAction never re-copies text: make the alias's text differ.
        alias.blockSignals(true);
        alias.setText(QStringLiteral("Changed"));
        alias.blockSignals(false);
        QSignalSpy changed(&action, &QAction::changed);
        action.enableAction(request);
        QCOMPARE(action.isEnabled(), expected);
        QCOMPARE(alias.isEnabled(), hasAlias ? aliasEnabled : true);
        QCOMPARE(action.text(), QStringLiteral("Act"));
        if (!hasAlias)
            QCOMPARE(changed.count(), 1);
    }

    void checkedStateFollowsOnlySameCheckability()
    {
        QAction plainAlias(QStringLiteral("Plain"), nullptr);
        RibbonAction checkable(QPointer<QAction>(&plainAlias), nullptr);
        checkable.setCheckable(true);
        checkable.setChecked(true);
        plainAlias.setText(QStringLiteral("Changed"));
        QCOMPARE(checkable.text(), QStringLiteral("Changed"));
        QVERIFY(checkable.isChecked());
        QVERIFY(!plainAlias.isCheckable()); // checkability is never copied

        QAction checkAlias(QStringLiteral("Check"), nullptr);
        checkAlias.setCheckable(true);
        RibbonAction uncheckable(QPointer<QAction>(&checkAlias), nullptr);
        RibbonAction both(QPointer<QAction>(&checkAlias), nullptr);
        both.setCheckable(true);
        for (bool checked : {true, false, true}) {
            checkAlias.setChecked(checked);
            QVERIFY(!uncheckable.isCheckable() && !uncheckable.isChecked());
            QCOMPARE(both.isChecked(), checked);
        }
    }

    void signalsReachTheAlias()
    {
        QAction alias(QStringLiteral("Alias"), nullptr);
        RibbonSimpleAction action(QPointer<QAction>(&alias), nullptr);
        QStringList order;
        connect(&action, &QAction::triggered, this, [&] { order << QStringLiteral("triggered"); });
        connect(&action, &RibbonAction::activated, this, [&] { order << QStringLiteral("activated"); });
        connect(&alias, &QAction::triggered, this, [&] { order << QStringLiteral("alias"); });
        QSignalSpy hovered(&alias, &QAction::hovered);
        QSignalSpy aliasChanged(&alias, &QAction::changed);
        action.trigger();
        // Both inner connections are made by the constructors, the alias one
        // first, so observers connected later see the alias, then activated().
        QCOMPARE(order, QStringList({"alias", "activated", "triggered"}));
        action.hover();
        QCOMPARE(hovered.count(), 1);
        action.setToolTip(QStringLiteral("x"));
        QVERIFY(aliasChanged.count() >= 1);

        RibbonAction ribbonAlias(QStringLiteral("R"), nullptr); // activated() travels to it
        RibbonSimpleAction second(QPointer<RibbonAction>(&ribbonAlias), nullptr);
        QSignalSpy aliasActivated(&ribbonAlias, &RibbonAction::activated);
        second.trigger();
        QCOMPARE(aliasActivated.count(), 1);

        // A checkable simple action forwards toggled() as well.
        QAction toggleAlias(nullptr);
        RibbonSimpleAction toggle(QPointer<QAction>(&toggleAlias), nullptr);
        toggle.setCheckable(true);
        QSignalSpy toggled(&toggleAlias, &QAction::toggled);
        QSignalSpy activated(&toggle, &RibbonAction::activated);
        toggle.trigger();
        QCOMPARE(toggled.count(), 1);
        QCOMPARE(toggled.at(0).at(0).toBool(), true);
        QCOMPARE(activated.count(), 1);

        // A bare RibbonAction never emits activated() on its own.
        RibbonAction bare(QStringLiteral("B"), nullptr);
        QSignalSpy bareActivated(&bare, &RibbonAction::activated);
        bare.trigger();
        QCOMPARE(bareActivated.count(), 0);
    }

    void destroyedAlias()
    {
        auto* alias = new QAction(QStringLiteral("Alias"), nullptr);
        alias->setCheckable(true);
        RibbonSimpleAction action(QPointer<QAction>(alias), nullptr);
        action.setCheckable(true);
        alias->setChecked(true);
        alias->setEnabled(false);
        QVERIFY(action.isChecked() && !action.isEnabled());
        delete alias;
        QVERIFY(action.alias() == nullptr);
        // It keeps its last state and works on without the alias.
        QCOMPARE(action.text(), QStringLiteral("Alias"));
        QVERIFY(action.isChecked());
        action.enableAction(true);
        QVERIFY(action.isEnabled());
        QSignalSpy activated(&action, &RibbonAction::activated);
        action.trigger();
        QCOMPARE(activated.count(), 1);
        action.setText(QStringLiteral("Still"));
        QCOMPARE(action.text(), QStringLiteral("Still"));

        // Destroying the ribbon action leaves the alias alone.
        QAction survivor(QStringLiteral("S"), nullptr);
        delete new RibbonAction(QPointer<QAction>(&survivor), nullptr);
        survivor.setText(QStringLiteral("after"));
        QSignalSpy triggered(&survivor, &QAction::triggered);
        survivor.trigger();
        QCOMPARE(triggered.count(), 1);
    }

    void sendActionChangedEvtOrder()
    {
        QStringList log;
        RibbonAction action(QStringLiteral("A"), nullptr);
        Logger actionLog(&action, QStringLiteral("action"), log);
        action.sendActionChangedEvt(); // in no container: only the action hears it
        QCOMPARE(log, QStringList{"action"});

        QWidget first, second, third;
        Logger firstLog(&first, QStringLiteral("first"), log);
        Logger secondLog(&second, QStringLiteral("second"), log);
        Logger thirdLog(&third, QStringLiteral("third"), log);
        for (QWidget* w : {&first, &third, &second})
            w->addAction(&action);
        // A widget that deletes a later one while handling the event.
        auto* doomed = new QWidget;
        Logger doomedLog(doomed, QStringLiteral("doomed"), log);
        doomed->addAction(&action);
        for (bool withVictim : {false, true}) {
            firstLog.victim = withVictim ? doomed : nullptr;
            log.clear();
            action.sendActionChangedEvt();
            QCOMPARE(log.join(' '), withVictim ? QStringLiteral("first third second action")
                                               : QStringLiteral("first third second doomed action"));
            QCOMPARE(firstLog.lastAction, &action);
        }
    }

    void stringAction()
    {
        QObject owner;
        RibbonStringAction text(QStringLiteral("Hello"), &owner);
        QCOMPARE(text.text(), QStringLiteral("Hello"));
        QVERIFY(RibbonStringAction(&owner).text().isEmpty());
        QVERIFY(text.alias() == nullptr);
        QCOMPARE(RibbonAction::staticMetaObject.className(), "oru::RibbonAction");
        QWidget container;
        QVERIFY(text.requestWidget(&container) == nullptr);
    }
};

ORU_TEST_MAIN(TestRibbonAction)
#include "tst_ribbonaction.moc"
