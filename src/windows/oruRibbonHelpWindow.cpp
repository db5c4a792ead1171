#include "oruRibbonHelpWindow.h"

#include "oruRibbonHelpWindow_p.h"
#include "oruSkinWindowPalette_p.h"
#include "oruRibbonToolBar.h"

#include <QApplication>
#include <QBoxLayout>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <memory>

namespace oru {

namespace {

// Back points where the reader came from: right to left, to the right. The
// two arrows swap pictures whenever @p watched (the tool bar) changes
// direction.
class HistoryArrows final : public QObject
{
public:
    HistoryArrows(QWidget& watched, QAction& back, QAction& forward)
        : QObject(&watched), m_back(back), m_forward(forward),
          m_backIcon(QStringLiteral(":/oru/ribbon/icons/helpwindow/Back.ico")),
          m_forwardIcon(QStringLiteral(":/oru/ribbon/icons/helpwindow/Forward.ico"))
    {
        watched.installEventFilter(this);
        update(watched.isRightToLeft());
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::LayoutDirectionChange)
            update(static_cast<QWidget*>(watched)->isRightToLeft());
        return false;
    }

private:
    void update(bool rtl)
    {
        m_back.setIcon(rtl ? m_forwardIcon : m_backIcon);
        m_forward.setIcon(rtl ? m_backIcon : m_forwardIcon);
    }

    QAction& m_back;
    QAction& m_forward;
    const QIcon m_backIcon;
    const QIcon m_forwardIcon;
};

// How long a resource from outside the help collection may take, how large it
// may be, and how many the browser keeps.
constexpr int kResourceTimeoutMs = 3000;
constexpr qint64 kMaxResourceBytes = 16 * 1024 * 1024;
constexpr qsizetype kMaxFetched = 256;

QVariant asResource(int type, const QByteArray& data)
{
    if (type == QTextDocument::HtmlResource || type == QTextDocument::StyleSheetResource ||
        type == QTextDocument::MarkdownResource)
        return QString::fromUtf8(data);
    return data;
}

bool isHelpScheme(const QUrl& url)
{
    return url.scheme().compare(QLatin1String("qthelp"), Qt::CaseInsensitive) == 0;
}

// Of several pages for one keyword, the one first by title.
QUrl firstLink(const QList<QHelpLink>& links)
{
    if (links.isEmpty())
        return QUrl();
    const auto first =
        std::min_element(links.cbegin(), links.cend(),
                         [](const QHelpLink& a, const QHelpLink& b) { return a.title < b.title; });
    return first->url;
}

} // namespace

RibbonHelpWindow::RibbonHelpWindow(const QString& collectionFile)
    : RibbonWindow(), m_back(QIcon(QStringLiteral(":/oru/ribbon/icons/helpwindow/Back.ico")),
                             QCoreApplication::translate("RibbonHelpWindow", "Back")),
      m_forward(QIcon(QStringLiteral(":/oru/ribbon/icons/helpwindow/Forward.ico")),
                QCoreApplication::translate("RibbonHelpWindow", "Forward")),
      m_home(QIcon(QStringLiteral(":/oru/ribbon/icons/helpwindow/Home.ico")),
             QCoreApplication::translate("RibbonHelpWindow", "Home"))
{
    m_helpEngine = new QHelpEngine(collectionFile, this);
    // Made before the setup, the search engine brings its index up to date
    // in the background once the setup is over: it indexes the documents
    // that are new or changed, and builds no index that is current again.
    m_helpEngine->searchEngine();
    m_helpEngine->setupData();

    m_contentsProxy = new HelpContentsProxy(*this);

    m_layout = new QVBoxLayout;
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);

    m_toolBar = new RibbonToolBar(this);
    m_toolBar->addAction(&m_back);
    m_toolBar->addAction(&m_forward);
    m_toolBar->addAction(&m_home);
    m_toolBar->setCursor(Qt::ArrowCursor);
    new HistoryArrows(*m_toolBar, m_back, m_forward);
    m_layout->addWidget(m_toolBar);

    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setCursor(Qt::ArrowCursor);
    m_layout->addWidget(m_splitter);

    m_sideBar = new SideBar(*this);
    m_splitter->addWidget(m_sideBar);

    m_browser = new HelpBrowser(*this);
    m_browser->setCursor(Qt::ArrowCursor);
    connect(m_browser, &QTextBrowser::backwardAvailable, this,
            &RibbonHelpWindow::updateNavigationButtons);
    connect(&m_back, &QAction::triggered, m_browser, &QTextBrowser::backward);
    connect(m_browser, &QTextBrowser::forwardAvailable, this,
            &RibbonHelpWindow::updateNavigationButtons);
    connect(&m_forward, &QAction::triggered, m_browser, &QTextBrowser::forward);
    updateNavigationButtons();

    m_splitter->addWidget(m_browser);
    m_splitter->setStretchFactor(1, 1);
    setLayout(m_layout);

    connect(m_sideBar, &SideBar::linkActivated, m_browser, &HelpBrowser::setSource);
    connect(&m_home, &QAction::triggered, this, &RibbonHelpWindow::onHome);
    // The side bar, its lists and the page follow a dark skin.
    skinwindow::follow(*this, [this](bool) { m_browser->skinChanged(); });
}

RibbonHelpWindow::~RibbonHelpWindow()
{
    // The engine fills its contents and index models in threads that read
    // its data until they end, and it frees that data before it stops them:
    // a window closed while they still run would let them read freed memory.
    // They are children of the object behind the models; wait for them while
    // the engine is whole.
    if (const QObject* models = m_helpEngine->contentModel()->QObject::parent())
        for (QThread* thread : models->findChildren<QThread*>())
            thread->wait();
    // The widgets hold the actions; they must go before the actions do.
    delete m_toolBar;
    delete m_splitter;
}

QUrl RibbonHelpWindow::homeUrl() const
{
    QUrl url;
    url.setScheme(QStringLiteral("qthelp"));
    url.setHost(m_helpEngine->registeredDocumentations().value(0));
    url.setPath(QStringLiteral("/tarnwick.doc/Help_Files/MainPage.htm"));
    return url;
}

void RibbonHelpWindow::showHelp(QString keyword)
{
    show();
    raise();
    const QUrl url = firstLink(m_helpEngine->documentsForKeyword(keyword));
    if (url.isValid())
        m_browser->setSource(url);
}

void RibbonHelpWindow::showHelp(QUrl url)
{
    show();
    raise();
    m_browser->setSource(url);
}

void RibbonHelpWindow::setAllowedSchemes(const QStringList& schemes)
{
    m_allowedSchemes = schemes;
}

void RibbonHelpWindow::updateNavigationButtons()
{
    m_forward.setEnabled(m_browser->isForwardAvailable());
    m_back.setEnabled(m_browser->isBackwardAvailable());
}

void RibbonHelpWindow::onHome()
{
    m_browser->setSource(homeUrl());
    m_helpEngine->contentWidget()->clearSelection();
}

// --- HelpBrowser

RibbonHelpWindow::HelpBrowser::HelpBrowser(RibbonHelpWindow& window)
    : QTextBrowser(&window), m_window(window)
{
    setOpenLinks(true);
    setOpenExternalLinks(false);
    // Back and Forward change the page without doSetSource().
    connect(this, &QTextBrowser::sourceChanged, this,
            [this](const QUrl& url) { m_page = url.adjusted(QUrl::RemoveFragment); });
    // Every new or reparsed page is checked once its parse is over.
    connect(document(), &QTextDocument::contentsChanged, this, [this] {
        if (m_recolouring)
            return;
        m_ownColours.clear(); // another page, or the page changed
        if (m_fitPending)
            return;
        m_fitPending = true;
        QTimer::singleShot(0, this, &HelpBrowser::fitColours);
    });
}

void RibbonHelpWindow::HelpBrowser::recolour(const QList<Recolour>& runs)
{
    QTextCursor cursor(document());
    m_recolouring = true;
    cursor.beginEditBlock();
    for (const Recolour& run : runs) {
        cursor.setPosition(run.from);
        cursor.setPosition(run.to, QTextCursor::KeepAnchor);
        QTextCharFormat format;
        format.setForeground(run.ink);
        cursor.mergeCharFormat(format);
    }
    cursor.endEditBlock();
    m_recolouring = false;
}

void RibbonHelpWindow::HelpBrowser::fitColours()
{
    m_fitPending = false;
    if (!skinwindow::currentIsDark())
        return;
    QTextDocument& doc = *document();
    const QBrush pageBrush = doc.rootFrame()->frameFormat().background();
    const QColor page =
        pageBrush.style() == Qt::NoBrush ? palette().color(QPalette::Base) : pageBrush.color();
    // Collected first: changing a format joins and splits the fragments.
    QList<Recolour> fitted;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            const QBrush ink = format.foreground();
            if (ink.style() == Qt::NoBrush) // the palette's text, readable already
                continue;
            const QBrush back = format.background();
            const QColor ground = back.style() == Qt::NoBrush ? page : back.color();
            const QColor readable = skinwindow::legible(ink.color(), {ground});
            if (readable == ink.color())
                continue;
            const int from = fragment.position(), to = from + fragment.length();
            fitted.append({from, to, QBrush(readable)});
            m_ownColours.append({from, to, ink});
        }
    }
    recolour(fitted);
}

void RibbonHelpWindow::HelpBrowser::skinChanged()
{
    // The page's own colours back first; a dark skin fits them anew.
    recolour(m_ownColours);
    m_ownColours.clear();
    fitColours();
}

void RibbonHelpWindow::HelpBrowser::setSource(QUrl url)
{
    QTextBrowser::setSource(url);
}

bool RibbonHelpWindow::HelpBrowser::isLoadable(const QUrl& url) const
{
    if (isHelpScheme(url))
        return true;
    const QString scheme = url.scheme();
    return !scheme.isEmpty() && m_window.m_allowedSchemes.contains(scheme, Qt::CaseInsensitive);
}

void RibbonHelpWindow::HelpBrowser::doSetSource(const QUrl& name, QTextDocument::ResourceType type)
{
    // Relative links of a help page stay inside the collection.
    const QUrl url = name.isRelative() && !source().isEmpty() ? source().resolved(name) : name;
    // A link the window does not load goes to the host, never to the desktop
    // (which would start an outside program from inside the help window).
    if (!isLoadable(url)) {
        emit m_window.externalLinkRequested(url);
        return;
    }
    const QUrl previous = m_page;
    m_page = url.adjusted(QUrl::RemoveFragment);
    QTextBrowser::doSetSource(url, type);
    if (!url.isValid())
        m_page = previous;
}

QVariant RibbonHelpWindow::HelpBrowser::loadResource(int type, const QUrl& name)
{
    // Relative references resolve against the page being shown.
    QUrl url = name;
    if (url.isRelative())
        url = source().resolved(url);
    if (url.isEmpty() || !isLoadable(url))
        return QVariant();
    if (isHelpScheme(url)) {
        // The proxy's help replies hold the whole file from their
        // construction on.
        std::unique_ptr<QNetworkReply> reply(m_window.m_contentsProxy->get(QNetworkRequest(url)));
        return asResource(type, reply->readAll());
    }
    // The text layout asks for resources while it works; running an event
    // loop here to wait for one would let the page change under it. Outside
    // resources are fetched in the background instead, and the page is laid
    // out again once they came.
    const auto found = m_fetched.constFind(url);
    if (found != m_fetched.cend())
        return asResource(type, *found);
    fetch(type, url);
    if (type == QTextDocument::HtmlResource || type == QTextDocument::MarkdownResource)
        return QStringLiteral("<html></html>"); // until the page came
    return QVariant();
}

void RibbonHelpWindow::HelpBrowser::fetch(int type, const QUrl& url)
{
    if (m_pending.contains(url))
        return;
    m_pending.insert(url);
    QNetworkRequest request(url);
    request.setTransferTimeout(kResourceTimeoutMs);
    QNetworkReply* reply = m_window.m_contentsProxy->get(request);
    const QUrl page = m_page;
    connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64) {
        if (received > kMaxResourceBytes)
            reply->abort();
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply, type, url, page] {
        reply->deleteLater();
        m_pending.remove(url);
        if (m_fetched.size() >= kMaxFetched)
            m_fetched.clear();
        m_fetched.insert(url, reply->error() == QNetworkReply::NoError ? reply->readAll()
                                                                       : QByteArray());
        arrived(type, page);
    });
}

void RibbonHelpWindow::HelpBrowser::arrived(int type, const QUrl& page)
{
    if (m_page != page)
        return; // the user went on; the next page asks for what it needs
    switch (type) {
    case QTextDocument::HtmlResource:
    case QTextDocument::MarkdownResource:
    case QTextDocument::StyleSheetResource:
        // The page, or a style sheet it uses: parse it again.
        reload();
        break;
    default:
        // An image: lay the page out again, which asks for it once more.
        document()->markContentsDirty(0, document()->characterCount());
        viewport()->update();
        break;
    }
}

// --- SideBar

RibbonHelpWindow::SideBar::SideBar(RibbonHelpWindow& window)
    : RibbonChildWindow(nullptr), m_window(window)
{
    setWindowTitle(QCoreApplication::translate("RibbonHelpWindow::SideBar", "Sidebar"));
    setWindowFlags(windowFlags() & ~Qt::WindowCloseButtonHint);

    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_tabWidget = new QTabWidget(this);
    m_layout->addWidget(m_tabWidget);

    QHelpEngine& engine = *window.m_helpEngine;
    QHelpContentWidget* contents = engine.contentWidget();
    contents->setExpandsOnDoubleClick(true);
    // The model is filled in the background; open the top level once it is.
    connect(engine.contentModel(), &QHelpContentModel::contentsCreated, contents,
            [contents] { contents->expandToDepth(0); });
    connect(contents, &QHelpContentWidget::clicked, this, &SideBar::expandOnSingleClick);
    connect(contents, &QHelpContentWidget::linkActivated, this, &SideBar::linkActivated);
    m_tabWidget->addTab(contents,
                        QCoreApplication::translate("RibbonHelpWindow::SideBar", "Contents"));

    QHelpIndexWidget* index = engine.indexWidget();
    connect(index, &QHelpIndexWidget::documentActivated, this, &SideBar::onLinkActivated);
    connect(index, &QHelpIndexWidget::documentsActivated, this, &SideBar::onLinksActivated);
    m_tabWidget->addTab(index, QCoreApplication::translate("RibbonHelpWindow::SideBar", "Index"));

    m_searchTab = new SearchTab(*this);
    const QVariant locale = qApp->property("locale");
    if (locale.canConvert<QLocale>())
        m_searchTab->setLocale(locale.toLocale());
    connect(m_searchTab, &SearchTab::linkActivated, this, &SideBar::linkActivated);
    m_tabWidget->addTab(m_searchTab,
                        QCoreApplication::translate("RibbonHelpWindow::SideBar", "Search"));
}

void RibbonHelpWindow::SideBar::onLinkActivated(const QHelpLink& link, const QString&)
{
    emit linkActivated(link.url);
}

void RibbonHelpWindow::SideBar::onLinksActivated(const QList<QHelpLink>&, const QString&)
{
    // A keyword with several pages leaves the current page: there is no
    // chooser to offer them in, and opening one at random would mislead.
}

void RibbonHelpWindow::SideBar::expandOnSingleClick(const QModelIndex& index)
{
    QHelpContentModel* model = m_window.m_helpEngine->contentModel();
    if (QHelpContentItem* item = model->contentItemAt(index))
        emit linkActivated(item->url());
}

// --- SearchTab

RibbonHelpWindow::SearchTab::SearchTab(SideBar& sideBar) : QWidget(&sideBar), m_sideBar(sideBar)
{
    QHelpSearchEngine* search = sideBar.helpWindow().helpEngine().searchEngine();
    m_layout = new QVBoxLayout(this);
    m_layout->addWidget(search->queryWidget());
    m_layout->addWidget(search->resultWidget());
    connect(search->queryWidget(), &QHelpSearchQueryWidget::search, this, &SearchTab::doSearch);
    connect(search->resultWidget(), &QHelpSearchResultWidget::requestShowLink, this,
            &SearchTab::linkActivated);
}

void RibbonHelpWindow::SearchTab::doSearch()
{
    QHelpSearchEngine* search = m_sideBar.helpWindow().helpEngine().searchEngine();
    search->search(search->queryWidget()->searchInput());
}

// --- HelpContentsProxy

RibbonHelpWindow::HelpContentsProxy::HelpContentsProxy(RibbonHelpWindow& window)
    : QNetworkAccessManager(&window), m_window(window)
{
}

QNetworkReply* RibbonHelpWindow::HelpContentsProxy::createRequest(Operation operation,
                                                                  const QNetworkRequest& request,
                                                                  QIODevice* outgoingData)
{
    if (isHelpScheme(request.url()) && operation == GetOperation)
        return new HelpContentData(*this, request.url());
    return QNetworkAccessManager::createRequest(operation, request, outgoingData);
}

// --- HelpContentData

RibbonHelpWindow::HelpContentData::HelpContentData(HelpContentsProxy& proxy, const QUrl& url)
    : QNetworkReply(&proxy), m_proxy(proxy), m_data(proxy.window().helpEngine().fileData(url)),
      m_buffer(&m_data)
{
    m_buffer.open(QIODevice::ReadOnly);
    setOpenMode(QIODevice::ReadOnly | QIODevice::Unbuffered);
    setUrl(url);
    QTimer::singleShot(0, this, &HelpContentData::dataReady);
}

void RibbonHelpWindow::HelpContentData::dataReady()
{
    const qint64 n = m_buffer.bytesAvailable();
    emit downloadProgress(0, n);
    emit downloadProgress(n, n);
    emit readyRead();
    setFinished(true);
    emit finished();
}

qint64 RibbonHelpWindow::HelpContentData::bytesAvailable() const
{
    return m_buffer.bytesAvailable();
}

qint64 RibbonHelpWindow::HelpContentData::readData(char* data, qint64 maxSize)
{
    return m_buffer.read(data, maxSize);
}

void RibbonHelpWindow::HelpContentData::abort() {}

} // namespace oru
