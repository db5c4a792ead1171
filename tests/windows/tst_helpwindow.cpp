#include "oruTestApp.h"

#include <oruRibbonHelpWindow.h>
#include <oruRibbonToolBar.h>

#include <QBuffer>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QScopeGuard>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QThread>

#include <algorithm>

using namespace oru;

namespace {

const QString helpHost = QStringLiteral("org.vazave.helptest");

QUrl page(const QString& file)
{
    return QUrl(QStringLiteral("qthelp://%1/tarnwick.doc/Help_Files/%2").arg(helpHost, file));
}

// A one-thread HTTP server for the browser's outside resources: answers each
// path of `pages` with its text, other paths with 404, and paths starting
// with "/hang" with nothing at all.
class TinyHttpServer : public QObject
{
    Q_OBJECT

public:
    QMap<QString, QByteArray> pages;
    QStringList requested;

    bool start()
    {
        connect(&m_server, &QTcpServer::newConnection, this, &TinyHttpServer::accept);
        return m_server.listen(QHostAddress::LocalHost);
    }
    QUrl url(const QString& path) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path));
    }

private slots:
    void accept()
    {
        while (QTcpSocket* socket = m_server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(*socket); });
        }
    }

private:
    void answer(QTcpSocket& socket)
    {
        // Kept on the socket: a later socket may get the same address.
        const QByteArray request = socket.property("request").toByteArray() + socket.readAll();
        socket.setProperty("request", request);
        if (!request.contains("\r\n\r\n"))
            return;
        const QString path = QString::fromLatin1(request.split(' ').value(1));
        requested << path;
        if (path.startsWith(QLatin1String("/hang")))
            return;
        const bool found = pages.contains(path);
        const QByteArray body = found ? pages[path] : QByteArray("missing");
        socket.write((found ? "HTTP/1.0 200 OK\r\n" : "HTTP/1.0 404 Not Found\r\n") +
                     QByteArray("Content-Type: text/html\r\nContent-Length: ") +
                     QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
        socket.disconnectFromHost();
    }

    QTcpServer m_server;
};

// Stands in for the desktop's URL handlers; the help window must never call it.
class DesktopSpy : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened << url; }
};

} // namespace

class TestHelpWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void contentReplies_data();
    void contentReplies();
    void showHelpByKeyword();
    void navigation();
    void sideBar();
    void outsideResources_data();
    void outsideResources();
    void closedWhileLoading();

private:
    QTemporaryDir m_dir;
    QString m_collection;
    std::unique_ptr<RibbonHelpWindow> m_window;
    QTextBrowser* m_browser = nullptr;
};

void TestHelpWindow::initTestCase()
{
    // A private copy: the help engine writes its search index next to the
    // collection.
    QVERIFY(m_dir.isValid());
    const QString source = QStringLiteral(HELP_COLLECTION);
    m_collection = m_dir.filePath(QStringLiteral("test.qhc"));
    QVERIFY(QFile::copy(source, m_collection));
    QVERIFY(QFile::copy(QFileInfo(source).dir().filePath(QStringLiteral("test.qch")),
                        m_dir.filePath(QStringLiteral("test.qch"))));
}

void TestHelpWindow::init()
{
    m_window = std::make_unique<RibbonHelpWindow>(m_collection);
    m_browser = m_window->findChild<QTextBrowser*>();
    QVERIFY(m_browser);
}

void TestHelpWindow::cleanup()
{
    m_window.reset();
}

void TestHelpWindow::contentReplies_data()
{
    QTest::addColumn<QUrl>("url");
    QTest::addColumn<bool>("post");
    QTest::addColumn<QByteArray>("contains"); // null: not answered by the proxy
    QTest::newRow("existing") << page(QStringLiteral("Second.htm")) << false
                              << QByteArray("Saving documents.");
    QTest::newRow("scheme case") << QUrl(page(QStringLiteral("MainPage.htm"))
                                             .toString()
                                             .replace(QStringLiteral("qthelp"),
                                                      QStringLiteral("QtHelp")))
                                 << false << QByteArray("Welcome.");
    QTest::newRow("missing") << page(QStringLiteral("Nowhere.htm")) << false << QByteArray("");
    QTest::newRow("post") << page(QStringLiteral("Second.htm")) << true << QByteArray();
    QTest::newRow("file scheme") << QUrl(QStringLiteral("file:///nonexistent/vazave.htm")) << false
                                 << QByteArray();
}

void TestHelpWindow::contentReplies()
{
    QFETCH(QUrl, url);
    QFETCH(bool, post);
    QFETCH(QByteArray, contains);
    auto* proxy = m_window->findChild<QNetworkAccessManager*>();
    QVERIFY(proxy);
    std::unique_ptr<QNetworkReply> reply(post ? proxy->post(QNetworkRequest(url), QByteArray("x"))
                                              : proxy->get(QNetworkRequest(url)));
    const bool ours = QByteArray(reply->metaObject()->className()).endsWith("HelpContentData");
    QCOMPARE(ours, !contains.isNull());
    if (!ours)
        return;
    QSignalSpy progress(reply.get(), &QNetworkReply::downloadProgress);
    QSignalSpy ready(reply.get(), &QNetworkReply::readyRead);
    QSignalSpy finished(reply.get(), &QNetworkReply::finished);
    QVERIFY(!reply->isFinished());
    QVERIFY(finished.wait(2000));
    const qint64 n = m_window->helpEngine().fileData(url).size();
    QCOMPARE(contains.isEmpty(), n == 0);
    QCOMPARE(progress.count(), 2);
    QCOMPARE(progress[0], (QVariantList{qint64(0), n}));
    QCOMPARE(progress[1], (QVariantList{n, n}));
    QCOMPARE(ready.count(), 1);
    QVERIFY(reply->isFinished());
    QCOMPARE(reply->error(), QNetworkReply::NoError);
    const QByteArray data = reply->readAll();
    QCOMPARE(data.size(), n);
    QVERIFY(data.contains(contains));
}

void TestHelpWindow::showHelpByKeyword()
{
    QCOMPARE(m_window->homeUrl(), page(QStringLiteral("MainPage.htm")));
    QVERIFY(!m_window->isVisible());
    m_window->showHelp(QStringLiteral("saving"));
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_browser->source(), page(QStringLiteral("Second.htm")));
    QVERIFY(m_browser->toPlainText().contains(QStringLiteral("Saving documents.")));

    m_window->hide();
    m_window->showHelp(QStringLiteral("no such keyword"));
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_browser->source(), page(QStringLiteral("Second.htm")));
}

void TestHelpWindow::navigation()
{
    auto* toolBar = m_window->findChild<RibbonToolBar*>();
    QVERIFY(toolBar);
    const QList<QAction*> actions = toolBar->actions();
    QCOMPARE(actions.size(), 3);
    QAction* back = actions[0];
    QAction* forward = actions[1];
    QAction* home = actions[2];
    QCOMPARE(home->text(), QStringLiteral("Home"));

    const auto check = [&](const QString& file, bool canBack, bool canForward) {
        QCOMPARE(m_browser->source(), page(file));
        QCOMPARE(back->isEnabled(), canBack);
        QCOMPARE(forward->isEnabled(), canForward);
    };
    home->trigger();
    check(QStringLiteral("MainPage.htm"), false, false);
    QVERIFY(m_browser->toPlainText().contains(QStringLiteral("Welcome.")));
    // A relative link of the page resolves inside the collection.
    m_browser->setSource(QUrl(QStringLiteral("Second.htm")));
    check(QStringLiteral("Second.htm"), true, false);
    back->trigger();
    check(QStringLiteral("MainPage.htm"), false, true);
    forward->trigger();
    check(QStringLiteral("Second.htm"), true, false);

    // Right to left Back points right: the two swap pictures, and swap back.
    const qint64 backPicture = back->icon().cacheKey();
    const qint64 forwardPicture = forward->icon().cacheKey();
    m_window->setLayoutDirection(Qt::RightToLeft);
    QCOMPARE(back->icon().cacheKey(), forwardPicture);
    QCOMPARE(forward->icon().cacheKey(), backPicture);
    m_window->setLayoutDirection(Qt::LeftToRight);
    QCOMPARE(back->icon().cacheKey(), backPicture);
}

void TestHelpWindow::sideBar()
{
    // The index, the contents and the search index are built in the
    // background.
    QHelpSearchEngine* search = m_window->helpEngine().searchEngine();
    QSignalSpy indexed(search, &QHelpSearchEngine::indexingFinished);
    QHelpIndexWidget* index = m_window->helpEngine().indexWidget();
    QTRY_VERIFY(index->model()->rowCount() >= 2);
    index->filterIndices(QStringLiteral("saving"));
    index->activateCurrentItem();
    QCOMPARE(m_browser->source(), page(QStringLiteral("Second.htm")));

    // A keyword of several pages opens none of them.
    QCOMPARE(m_window->helpEngine().documentsForKeyword(QStringLiteral("pages")).size(), 2);
    QSignalSpy sources(m_browser, &QTextBrowser::sourceChanged);
    index->filterIndices(QStringLiteral("pages"));
    QVERIFY(index->currentIndex().isValid());
    QCOMPARE(index->currentIndex().data().toString(), QStringLiteral("pages"));
    index->activateCurrentItem();
    QCOMPARE(m_browser->source(), page(QStringLiteral("Second.htm")));
    QCOMPARE(sources.count(), 0);

    // A single click on a contents entry opens its page.
    QHelpContentWidget* contents = m_window->helpEngine().contentWidget();
    QTRY_VERIFY(contents->model()->rowCount() == 1);
    emit contents->clicked(contents->model()->index(0, 0));
    QCOMPARE(m_browser->source(), page(QStringLiteral("MainPage.htm")));

    // Search finds the page. A second window over the collection finds the
    // search index up to date and keeps it as it is.
    QTRY_COMPARE(indexed.count(), 1);
    QSignalSpy searched(search, &QHelpSearchEngine::searchingFinished);
    search->search(QStringLiteral("saving"));
    QVERIFY(searched.wait(5000));
    QCOMPARE(search->searchResultCount(), 1);
    QCOMPARE(search->searchResults(0, 1).value(0).url(), page(QStringLiteral("Second.htm")));
    const QFileInfo fts(m_dir.filePath(QStringLiteral(".test/fts")));
    const QDateTime built = fts.lastModified();
    QVERIFY(built.isValid());
    m_window = std::make_unique<RibbonHelpWindow>(m_collection);
    QSignalSpy updated(m_window->helpEngine().searchEngine(), &QHelpSearchEngine::indexingFinished);
    QVERIFY(updated.wait(5000));
    QCOMPARE(QFileInfo(fts.filePath()).lastModified(), built);
}

void TestHelpWindow::outsideResources_data()
{
    QTest::addColumn<QStringList>("allowed");
    QTest::newRow("collection only") << QStringList();
    QTest::newRow("http allowed") << QStringList{QStringLiteral("HTTP")};
}

void TestHelpWindow::outsideResources()
{
    QFETCH(QStringList, allowed);
    DesktopSpy desktop;
    for (const char* scheme : {"http", "https", "file"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &desktop, "open");
    const auto unsetHandlers = qScopeGuard([] {
        for (const char* scheme : {"http", "https", "file"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    });

    TinyHttpServer server;
    QVERIFY(server.start());
    quint16 refusedPort = 0;
    {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        refusedPort = closed.serverPort();
    }
    QImage picture(200, 150, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    picture.save(&png, "PNG");
    server.pages.insert(QStringLiteral("/web/pic.png"), png.data());
    // Beside the picture, images that cannot come: missing, refused, never
    // answered. Waiting for them inside the layout used to crash the host.
    server.pages.insert(
        QStringLiteral("/web/start.htm"),
        QStringLiteral("<html><body><p>Served over HTTP.</p><a href=\"next.htm\">next</a>"
                       "<img src=\"missing.png\"><img src=\"http://127.0.0.1:%1/x.png\">"
                       "<img src=\"/hang.png\"><img src=\"pic.png\"></body></html>")
            .arg(refusedPort)
            .toUtf8());
    server.pages.insert(QStringLiteral("/web/next.htm"), "<html><body>The next one.</body></html>");
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("local.htm")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<html><body>A local file.</body></html>");
    file.close();

    m_window->setAllowedSchemes(allowed);
    QCOMPARE(m_window->allowedSchemes(), allowed);
    QSignalSpy offered(m_window.get(), &RibbonHelpWindow::externalLinkRequested);
    m_window->showHelp(page(QStringLiteral("Second.htm")));
    const QUrl start = server.url(QStringLiteral("/web/start.htm"));
    m_window->showHelp(start);
    if (allowed.isEmpty()) {
        // Nothing outside the collection is fetched: the links go to the
        // host, the page stays, and a page's outside images and style
        // sheets are never asked for.
        QCOMPARE(m_browser->source(), page(QStringLiteral("Second.htm")));
        m_browser->setSource(QUrl::fromLocalFile(file.fileName()));
        QCOMPARE(m_browser->source(), page(QStringLiteral("Second.htm")));
        QCOMPARE(offered.count(), 2);
        QCOMPARE(offered[0].at(0).toUrl(), start);
        QCOMPARE(offered[1].at(0).toUrl(), QUrl::fromLocalFile(file.fileName()));
        m_browser->setHtml(QStringLiteral("<link rel=\"stylesheet\" href=\"%1\"><img src=\"%2\">")
                               .arg(server.url(QStringLiteral("/web/style.css")).toString(),
                                    server.url(QStringLiteral("/web/pic.png")).toString()));
        QCOMPARE_GT(m_browser->document()->size().height(), 0.0); // laid out
        QTest::qWait(300);
        QCOMPARE(server.requested, QStringList());
    } else {
        // The page comes in the background, then the picture, and the page
        // is laid out again around it; the others do not disturb it.
        QCOMPARE(m_browser->source(), start);
        QTRY_VERIFY(m_browser->toPlainText().contains(QStringLiteral("Served over HTTP.")));
        QTRY_VERIFY(m_browser->document()->size().height() >= 150);
        QTRY_VERIFY(server.requested.contains(QStringLiteral("/web/missing.png")) &&
                    server.requested.contains(QStringLiteral("/hang.png")));
        m_browser->setSource(QUrl(QStringLiteral("next.htm")));
        QCOMPARE(m_browser->source(), server.url(QStringLiteral("/web/next.htm")));
        QTRY_VERIFY(m_browser->toPlainText().contains(QStringLiteral("The next one.")));
        m_browser->backward();
        QCOMPARE(m_browser->source(), start);
        QTRY_VERIFY(m_browser->toPlainText().contains(QStringLiteral("Served over HTTP.")));
        // "file" is still not allowed.
        m_browser->setSource(QUrl::fromLocalFile(file.fileName()));
        QCOMPARE(m_browser->source(), start);
        QCOMPARE(offered.count(), 1);
    }
    QVERIFY2(desktop.opened.isEmpty(), qPrintable(desktop.opened.value(0).toString()));
}

void TestHelpWindow::closedWhileLoading()
{
    // Once its setup is over the engine reads the collection in threads,
    // which use the engine's data until they end. The engine frees that data
    // before its models go: no thread may still run when they do.
    m_window.reset();
    int closedBusy = 0;
    for (int round = 0; round < 40; ++round) {
        auto* window = new RibbonHelpWindow(m_collection);
        QCoreApplication::processEvents(); // starts the threads
        QHelpContentModel* model = window->helpEngine().contentModel();
        const QList<QThread*> threads = model->QObject::parent()->findChildren<QThread*>();
        const auto running = [&] {
            return std::any_of(threads.cbegin(), threads.cend(),
                               [](const QThread* thread) { return thread->isRunning(); });
        };
        closedBusy += running();
        bool runningAtModelsEnd = false;
        connect(model, &QObject::destroyed, this, [&] { runningAtModelsEnd = running(); });
        delete window;
        QVERIFY2(!runningAtModelsEnd, qPrintable(QStringLiteral("round %1").arg(round)));
    }
    QVERIFY2(closedBusy > 0, "no window was closed while the engine was loading");
}

ORU_TEST_MAIN(TestHelpWindow)
#include "tst_helpwindow.moc"
