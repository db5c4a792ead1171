#include "editortabs.h"

#include <oruRibbonMainWindow.h>
#include <oruRibbonMenuAction.h>
#include <oruRibbonMenuBar.h>
#include <oruRibbonSimpleAction.h>
#include <oruRibbonTabBar.h>

#include <QFileInfo>
#include <QPointer>
#include <QVBoxLayout>

using namespace oru;

namespace {

// Mirrors the recent-documents menu into an exclusive menu action of short
// tab names; a tab passes its activation on to the recent entry.
class DocumentTabs : public QObject
{
public:
    DocumentTabs(RibbonMenuAction& recent, RibbonMainWindow* window)
        : QObject(window), m_window(window), m_recent(&recent), m_tabs(this)
    {
        connect(window, &QWidget::windowTitleChanged, this, &DocumentTabs::selectCurrent);
        m_tabs.setExclusive(true);
        // Deferred: the recent menu changes while one of our tabs is still
        // emitting its trigger, and that tab must not be deleted under it.
        connect(&recent, &QAction::changed, this, &DocumentTabs::rebuild, Qt::QueuedConnection);
        rebuild();
    }

    RibbonMenuAction& tabs() { return m_tabs; }

private:
    void rebuild()
    {
        if (!m_recent)
            return;
        // Unchanged entries keep their tabs (and the tab bar its scrolling).
        QList<QPointer<QAction>> entries;
        for (RibbonAction* action : m_recent->menuActions())
            entries.append(action);
        if (entries == m_sources)
            return;
        m_sources = entries;
        qDeleteAll(m_tabActions); // each leaves the menu as it goes
        m_tabActions.clear();
        for (QAction* entry : std::as_const(entries)) {
            auto* tab = new RibbonSimpleAction(QFileInfo(entry->text()).fileName(), this);
            tab->setToolTip(entry->text());
            tab->setCheckable(true);
            QPointer<QAction> source(entry);
            connect(tab, &QAction::triggered, this, [source] {
                if (source)
                    source->activate(QAction::Trigger);
            });
            m_tabActions.append(tab);
            m_tabs.addAction(tab);
        }
        selectCurrent();
    }

    // The document title is the shown document's file name (with the
    // modified mark's placeholder); an untitled document selects no tab.
    void selectCurrent()
    {
        const QString title =
            m_window ? QString(m_window->title()).remove(QStringLiteral("[*]")) : QString();
        for (RibbonSimpleAction* tab : std::as_const(m_tabActions))
            tab->setChecked(tab->text() == title);
    }

    QPointer<RibbonMainWindow> m_window;
    QPointer<RibbonMenuAction> m_recent;
    RibbonMenuAction m_tabs;
    QList<QPointer<QAction>> m_sources;
    QList<RibbonSimpleAction*> m_tabActions;
};

} // namespace

RibbonTabBar* attachDocumentTabs(RibbonMainWindow& window)
{
    auto* tabs = new DocumentTabs(window.ribbonMenuBar()->recentFilesActions(), &window);
    auto* container = new QWidget(&window);
    auto* layout = new QVBoxLayout(container);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* bar = new RibbonTabBar(tabs->tabs(), container);
    layout->addWidget(bar);
    if (QWidget* central = window.centralWidget())
        layout->addWidget(central);
    window.setCentralWidget(container);
    return bar;
}
