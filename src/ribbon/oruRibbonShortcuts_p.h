#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>

class QAction;

namespace oru {

class RibbonAction;
class RibbonMenuBar;

/// Keeps the keyboard shortcuts of every ribbon command alive.
///
/// Qt fires an action's shortcut only while one of the widgets showing the
/// action is visible, so a button on a hidden page or inside a collapsed group
/// would never answer its key. The relay adds every command of the ribbon (and
/// the host action it stands for) to the main window as well, which is visible
/// whenever the ribbon is. One action is one shortcut entry, so a command
/// shown by several widgets still fires once. Actions the host added to the
/// window itself are left alone.
class RibbonShortcutRelay : public QObject
{
    Q_OBJECT

public:
    explicit RibbonShortcutRelay(RibbonMenuBar& bar);
    ~RibbonShortcutRelay() override;

    /// Brings the window's relayed actions in line with the ribbon now.
    void sync();
    /// Does the same once the event loop gets to it, however often asked.
    void scheduleSync();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void collect(RibbonAction* action, QList<QAction*>& out, QSet<QAction*>& seen, int depth);

    RibbonMenuBar& m_bar;
    QList<QPointer<QAction>> m_relayed;
    bool m_syncPending = false;
};

} // namespace oru
