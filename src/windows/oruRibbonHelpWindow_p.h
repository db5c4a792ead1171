#pragma once

#include "oruRibbonChildWindow.h"
#include "oruRibbonHelpWindow.h"

#include <QBuffer>
#include <QHash>
#include <QHelpLink>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSet>
#include <QTextBrowser>

class QTabWidget;

namespace oru {

/// The page view: a text browser whose every resource (pages, images, style
/// sheets) comes through the window's contents proxy: "qthelp" ones from the
/// collection at once, those of schemes the host allowed in the background
/// (never inside the text layout that asks for them), others not at all.
class RibbonHelpWindow::HelpBrowser : public QTextBrowser
{
    Q_OBJECT

public:
    explicit HelpBrowser(RibbonHelpWindow& window);

    RibbonHelpWindow& helpWindow() const { return m_window; }

    QVariant loadResource(int type, const QUrl& name) override;

    /// True when the window loads @p url: "qthelp", or an allowed scheme.
    bool isLoadable(const QUrl& url) const;

    /// After a skin switch: the page in its own colours again, and fitted
    /// to a dark skin.
    void skinChanged();

public slots:
    void setSource(QUrl url);

protected:
    void doSetSource(const QUrl& url, QTextDocument::ResourceType type) override;

private:
    void fetch(int type, const QUrl& url);
    void arrived(int type, const QUrl& page);
    // In a dark skin, the page's own text colours that do not read on the
    // dark page, lightened until they do.
    void fitColours();
    // A run of the page in another text colour; the colour it had, or the
    // one it gets.
    struct Recolour
    {
        int from, to;
        QBrush ink;
    };
    void recolour(const QList<Recolour>& runs);

    RibbonHelpWindow& m_window;
    QHash<QUrl, QByteArray> m_fetched; // outside resources that came (empty: failed)
    QSet<QUrl> m_pending;
    // The page being shown, without fragment; unlike source() also while
    // the browser parses it again (reload() clears the source meanwhile).
    QUrl m_page;
    bool m_fitPending = false;
    bool m_recolouring = false;
    QList<Recolour> m_ownColours; // the page's colours where fitColours() changed them
};

class RibbonHelpWindow::SideBar : public RibbonChildWindow
{
    Q_OBJECT

public:
    explicit SideBar(RibbonHelpWindow& window);

    RibbonHelpWindow& helpWindow() const { return m_window; }

signals:
    void linkActivated(QUrl link);

private slots:
    void onLinkActivated(const QHelpLink& link, const QString& keyword);
    void onLinksActivated(const QList<QHelpLink>& links, const QString& keyword);
    void expandOnSingleClick(const QModelIndex& index);

private:
    RibbonHelpWindow& m_window;
    QVBoxLayout* m_layout = nullptr;
    QTabWidget* m_tabWidget = nullptr;
    SearchTab* m_searchTab = nullptr;
};

class RibbonHelpWindow::SearchTab : public QWidget
{
    Q_OBJECT

public:
    explicit SearchTab(SideBar& sideBar);

    SideBar& sideBar() const { return m_sideBar; }

signals:
    void linkActivated(QUrl link);

private slots:
    void doSearch();

private:
    SideBar& m_sideBar;
    QVBoxLayout* m_layout = nullptr;
};

/// Answers GET requests of "qthelp" URLs from the help collection; anything
/// else goes to the ordinary network access manager.
class RibbonHelpWindow::HelpContentsProxy : public QNetworkAccessManager
{
    Q_OBJECT

public:
    explicit HelpContentsProxy(RibbonHelpWindow& window);

    RibbonHelpWindow& window() const { return m_window; }

protected:
    QNetworkReply* createRequest(Operation operation, const QNetworkRequest& request,
                                 QIODevice* outgoingData) override;

private:
    RibbonHelpWindow& m_window;
};

/// A finished-at-once reply holding one file of the help collection (empty
/// when the collection lacks it).
class RibbonHelpWindow::HelpContentData : public QNetworkReply
{
    Q_OBJECT

public:
    HelpContentData(HelpContentsProxy& proxy, const QUrl& url);

    HelpContentsProxy& proxy() const { return m_proxy; }

    qint64 bytesAvailable() const override;
    void abort() override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;

private slots:
    void dataReady();

private:
    HelpContentsProxy& m_proxy;
    QByteArray m_data;
    QBuffer m_buffer;
};

} // namespace oru
