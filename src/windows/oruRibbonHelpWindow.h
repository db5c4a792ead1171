#pragma once

#include "oruRibbonWindow.h"

#include <QAction>
#include <QStringList>
#include <QUrl>

class QHelpEngine;
class QSplitter;
class QVBoxLayout;

namespace oru {

class RibbonToolBar;

/// A skinned window over the host's compiled Qt help collection: a tool bar
/// with Back, Forward and Home, a side bar with Contents, Index and Search,
/// and a browser showing the pages. Pages are read from the collection by an
/// in-process network access manager; help content never touches the
/// network.
///
/// By default the window loads nothing from outside the collection: pages,
/// images and style sheets of any scheme but "qthelp" (http, https, file ...)
/// are not fetched, and a link or showHelp() URL of such a scheme is offered
/// to the host through externalLinkRequested() instead of being shown. A host
/// may allow more schemes with setAllowedSchemes(); their resources are then
/// fetched in the background, with a time limit, and the page is laid out
/// again when they arrive.
class VAZAVE_EXPORT RibbonHelpWindow : public RibbonWindow
{
    Q_OBJECT

public:
    class HelpBrowser;
    class SideBar;
    class SearchTab;
    class HelpContentsProxy;
    class HelpContentData;

    /// A parentless help window over the Qt help collection @p collectionFile (a .qhc file), which
    /// is indexed for the search tab on construction. The help engine and all parts are children of
    /// the window. Call showHelp() to show it.
    explicit RibbonHelpWindow(const QString& collectionFile);
    ~RibbonHelpWindow() override;

    /// The help engine over the collection; owned by the window.
    QHelpEngine& helpEngine() const { return *m_helpEngine; }
    /// The URL schemes, besides "qthelp", whose pages and resources the window
    /// loads, compared without regard to case; empty (the default) loads
    /// nothing from outside the help collection. Allowing "http" or "https"
    /// lets a page reach the network; allowing "file" lets a link show any
    /// local file the user may read.
    void setAllowedSchemes(const QStringList& schemes);
    /// The schemes set with setAllowedSchemes(); empty by default.
    QStringList allowedSchemes() const { return m_allowedSchemes; }

    /// The start page,
    /// qthelp://\<namespace of the collection\>/tarnwick.doc/Help_Files/MainPage.htm
    QUrl homeUrl() const;

public slots:
    /// Shows and raises the window and opens the first page indexed under
    /// @p keyword; without one the current page stays.
    void showHelp(QString keyword);
    /// Shows and raises the window and opens @p url.
    void showHelp(QUrl url);

signals:
    /// Emitted, instead of opening it, for a link the user followed or a URL
    /// given to showHelp() whose scheme the window does not load (see
    /// setAllowedSchemes()). The current page stays; the host may open the
    /// URL elsewhere (QDesktopServices::openUrl()) or ignore it.
    void externalLinkRequested(const QUrl& url);

private slots:
    void updateNavigationButtons();
    void onHome();

private:
    QAction m_back;
    QAction m_forward;
    QAction m_home;
    QHelpEngine* m_helpEngine = nullptr;
    HelpContentsProxy* m_contentsProxy = nullptr;
    QVBoxLayout* m_layout = nullptr;
    RibbonToolBar* m_toolBar = nullptr;
    QSplitter* m_splitter = nullptr;
    SideBar* m_sideBar = nullptr;
    HelpBrowser* m_browser = nullptr;
    QStringList m_allowedSchemes;
};

} // namespace oru
