// Single-instance application without an X server: rendezvous names, and the
// local-socket owner on platforms other than X11 (offscreen here).

#include <oruRibbonSingletonApplication.h>
#include <oruRibbonSingletonApplication_p.h>
#include <oruTestApp.h>

#include <QProcess>
#include <QtTest>

using namespace oru;

namespace {

class SingletonTestApp : public RibbonSingletonApplication
{
public:
    SingletonTestApp(int& argc, char** argv)
        : RibbonSingletonApplication(QStringLiteral("tst singleton offscreen"), argc, argv)
    {
        setFont(test::TestApplication::testFont());
    }
};

} // namespace

class TestSingleton : public QObject
{
    Q_OBJECT

private slots:
    void characterTableIsThePortableSet();
    void toXPCS_data();
    void toXPCS();
    void rendezvousNameAppendsTheLogin();
    void takeMessages_data();
    void takeMessages();
    void offscreenOwnsALocalSocket();
    void activationWindowIsGuarded();
};

void TestSingleton::characterTableIsThePortableSet()
{
    const RibbonSingletonApplication::Priv priv;
    QCOMPARE(priv.m_characterTable,
             QByteArray("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"
                        "!\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~"));
}

void TestSingleton::toXPCS_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("two words and a login")
        << QStringLiteral("my appbob") << QByteArray("_my_appbob");
    QTest::newRow("leading underscore kept") << QStringLiteral("_tool") << QByteArray("_tool");
    QTest::newRow("two underscores kept") << QStringLiteral("__x") << QByteArray("__x");
    QTest::newRow("empty") << QString() << QByteArray("_");
    // Every byte of a multi-byte character becomes one "_".
    QTest::newRow("non-ASCII") << QStringLiteral("tärnwïck") << QByteArray("_t__rnw__ck");
    QTest::newRow("CJK") << QStringLiteral("日本") << QByteArray("_______");
    QTest::newRow("controls and DEL") << QStringLiteral("a\tb\x7F~") << QByteArray("_a_b_~");
    QTest::newRow("punctuation kept") << QStringLiteral("x!\"#{|}~") << QByteArray("_x!\"#{|}~");
}

void TestSingleton::toXPCS()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, name);
    const RibbonSingletonApplication::Priv priv;
    QCOMPARE(priv.toXPCS(text), name);
}

void TestSingleton::rendezvousNameAppendsTheLogin()
{
    QProcess whoami;
    whoami.start(QStringLiteral("id"), {QStringLiteral("-un")});
    QVERIFY(whoami.waitForFinished(10000));
    const QByteArray login = whoami.readAllStandardOutput().trimmed();
    QVERIFY(!login.isEmpty());
    QCOMPARE(RibbonSingletonApplication::Priv::login(), QString::fromLocal8Bit(login));

    const RibbonSingletonApplication::Priv priv;
    if (priv.toXPCS(QString::fromLocal8Bit(login)) != "_" + login)
        QSKIP("the login name is not in the portable character set");
    QCOMPARE(priv.rendezvousName(QStringLiteral("my app")), "_my_app" + login);
    QCOMPARE(priv.rendezvousName(QStringLiteral("_my app")), "_my_app" + login);
}

void TestSingleton::takeMessages_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("left"); // bytes kept for the next read
    QTest::addColumn<bool>("bounded");
    const QByteArray limit("\x00\x10\x00\x00", 4); // exactly MaxMessageSize
    QTest::newRow("two and a half")
        << QByteArray("\0\0\0\2ab\0\0\0\0\0\0\0\3x", 15) << QStringList{"ab", ""} << 5 << true;
    QTest::newRow("half a length") << QByteArray("\0\0", 2) << QStringList() << 2 << true;
    QTest::newRow("invalid UTF-8")
        << QByteArray("\0\0\0\2\xff\xfe", 6) << QStringList{"\ufffd\ufffd"} << 0 << true;
    QTest::newRow("longest allowed, waiting") << limit + "abc" << QStringList() << 7 << true;
    QTest::newRow("one byte too long")
        << QByteArray("\x00\x10\x00\x01", 4) << QStringList() << 4 << false;
    QTest::newRow("4 GB after a message")
        << QByteArray("\0\0\0\1a\xff\xff\xff\xff", 9) << QStringList{"a"} << 4 << false;
}

void TestSingleton::takeMessages()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, texts);
    QFETCH(int, left);
    QFETCH(bool, bounded);
    QStringList taken;
    QCOMPARE(RibbonSingletonApplication::Priv::takeMessages(bytes, taken), bounded);
    QCOMPARE(taken, texts);
    QCOMPARE(bytes.size(), left);
}

void TestSingleton::offscreenOwnsALocalSocket()
{
    if (test::onX11())
        QSKIP("checks the platforms without X11");
    auto* app = static_cast<SingletonTestApp*>(qApp);
    QCOMPARE(app->id(), QStringLiteral("tst singleton offscreen"));
    QSignalSpy spy(app, &RibbonSingletonApplication::messageReceived);
    QVERIFY(!app->isRunning());
    QVERIFY(!app->sendMessage(QStringLiteral("x"), 100)); // nobody to take it
    QVERIFY(app->initInstance());
    QVERIFY(app->isRunning());
    // The running instance does not write to itself.
    QVERIFY(!app->sendMessage(QString(), 10));
    QVERIFY(app->endInit());
    QVERIFY(QApplication::topLevelWidgets().isEmpty()); // no listener window
    QVERIFY(app->initInstance()); // still the first; the lock can be taken again
    QVERIFY(app->endInit());
    QCOMPARE(spy.size(), 0);
}

void TestSingleton::activationWindowIsGuarded()
{
    auto* app = static_cast<SingletonTestApp*>(qApp);
    QCOMPARE(app->activationWindow(), nullptr);
    app->activateWindow(); // nothing set: nothing happens
    auto* window = new QWidget;
    app->setActivationWindow(window);
    QCOMPARE(app->activationWindow(), window);
    app->activateWindow();
    QVERIFY(window->isVisible());
    delete window;
    QCOMPARE(app->activationWindow(), nullptr);
    app->activateWindow();
}

int main(int argc, char** argv)
{
    SingletonTestApp app(argc, argv);
    TestSingleton tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_singleton.moc"
