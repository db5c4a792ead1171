#pragma once

#include "oruRibbonWindow.h"

#include <QAction>
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
    /// The start page,
    /// qthelp://\<namespace of the collection\>/tarnwick.doc/Help_Files/MainPage.htm
    QUrl homeUrl() const;

public slots:
    /// Shows and raises the window and opens the first page indexed under
    /// @p keyword; without one the current page stays.
    void showHelp(QString keyword);
    /// Shows and raises the window and opens @p url.
    void showHelp(QUrl url);

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
};

} // namespace oru
