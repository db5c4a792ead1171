#pragma once

#include "oruGlobal.h"

#include <QHash>
#include <QList>
#include <QMultiHash>
#include <QPointer>
#include <QSpacerItem>
#include <QWidget>

class QHBoxLayout;
class QMenu;

namespace oru {

class RibbonButtonNormal;
class RibbonMenuBar;
class RibbonSimpleAction;

/// The quick access toolbar right of the application button. Each
/// RibbonSimpleAction added to it becomes a 20x20 icon button; a narrow
/// customize button stands at its right end.
///
/// Plain addAction() keeps no list: removing an action leaves its button,
/// adding an action twice gives two buttons. The command functions instead
/// keep the bar's list of commands, the one the user customises and
/// RibbonMenuBar::saveState() stores: each command once, removable.
///
/// A button whose action is deleted leaves the bar. When the ribbon is too
/// narrow for every button, the buttons that do not fit give way to a
/// chevron at the end of the row, which drops down a menu of their commands;
/// so the commands never widen the window beyond the screen. The commands
/// after the first 713, more than a row of 16 384 pixels shows, have no
/// button at all and are always in that menu.
class VAZAVE_EXPORT RibbonQuickAccessBar : public QWidget
{
    Q_OBJECT

public:
    /// The 26-pixel-high bar of @p menuBar, which creates and owns it, with its customize button.
    explicit RibbonQuickAccessBar(RibbonMenuBar& menuBar);
    ~RibbonQuickAccessBar() override;

    /// The ribbon bar the quick access bar belongs to.
    RibbonMenuBar& menuBar() const { return m_menuBar; }
    /// The action behind the customize button; the host decides what it does.
    RibbonSimpleAction* customizeAction() const { return m_customizeAction; }

    /// The rectangle covered by the quick-access buttons, in bar coordinates.
    QRect qabGeometry() const;

    /// Appends @p action as a command; false for null and for an action
    /// that is a command already.
    bool addCommand(RibbonSimpleAction* action);
    /// Appends the host's own @p action as a command: its button follows the
    /// action live and uses it with QAction::trigger() (see
    /// RibbonCategoryAction::addCommand()). The command that shows it is a
    /// child of the bar named after the action (for saveState()), and goes
    /// when the action is destroyed or removed. A RibbonSimpleAction is added
    /// as it is. False for null, for other ribbon actions and for an action
    /// the bar shows already.
    bool addCommand(QAction* action);
    /// Inserts @p action before position @p index (clamped to the list).
    bool insertCommand(int index, RibbonSimpleAction* action);
    /// Removes the command and its button; false when it is no command. A
    /// host action given to addCommand(QAction*) takes its command with it.
    bool removeCommand(QAction* action);
    /// Moves the command at @p from to position @p to.
    bool moveCommand(int from, int to);
    /// Whether @p action is one of the commands, or a host action that one
    /// of them shows.
    bool hasCommand(const QAction* action) const;
    /// The commands in the order of their buttons.
    QList<RibbonSimpleAction*> commands() const;
    /// Replaces all commands (nulls and doubles are skipped).
    void setCommands(const QList<RibbonSimpleAction*>& actions);

    /// Whether the user may change the commands and the bar's place from
    /// the ribbon's context menu and the drop-down at the bar's end; true
    /// at first. Calls of the host are always allowed.
    bool isCustomizable() const { return m_customizable; }
    /// Allows or forbids the user's changes; see isCustomizable().
    void setCustomizable(bool customizable);

    /// Builds the drop-down: every command offered so far, checked while
    /// it is on the bar, then the bar's place, minimising the ribbon and the
    /// customize action. The menu belongs to @p parent.
    QMenu* createCustomizeMenu(QWidget* parent);

    /// The action behind the chevron that stands in for the buttons that do
    /// not fit; the chevron shows only while some do not.
    RibbonSimpleAction* overflowAction() const { return m_overflowAction; }
    /// The actions of the buttons that do not fit, in the bar's order.
    QList<QAction*> overflowActions() const;
    /// Builds the chevron's drop-down: one entry per action of
    /// overflowActions(), which triggers it. The menu belongs to @p parent
    /// and deletes itself when closed.
    QMenu* createOverflowMenu(QWidget* parent);

    /// Room for every button.
    QSize sizeHint() const override;
    /// Room for the chevron alone, when there are buttons.
    QSize minimumSizeHint() const override;

signals:
    /// A command was added, removed or moved, by the host or the user.
    void commandsChanged();

protected:
    void actionEvent(QActionEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    RibbonMenuBar& m_menuBar;
    RibbonSimpleAction* m_customizeAction = nullptr;
    QHBoxLayout* m_outerLayout = nullptr;
    QHBoxLayout* m_buttonsLayout = nullptr;
    QSpacerItem m_endSpacer;

    void commandDestroyed(QObject* object);
    RibbonSimpleAction* hostCommand(const QAction* host) const;
    RibbonButtonNormal* newButton(RibbonSimpleAction* action, int index);
    void dropButton(RibbonButtonNormal* button);
    QList<RibbonButtonNormal*> rowButtons() const;
    int fixedWidth() const;
    static int rowWidth(const QList<RibbonButtonNormal*>& buttons, int count, int spacing);
    void updateOverflow();
    void placeRow();
    void showOverflowMenu();
    void rememberOffered(RibbonSimpleAction* action);
    void showCustomizeMenu();
    int buttonedCount() const;
    void giveButton(int index);
    void takeButton(QObject* command);
    void fillButtons();
    void commandsMoved();
    void indexCommand(RibbonSimpleAction* command);
    void unindexCommand(QObject* command);

    // Keyed by the QObject face, so that a command in its destructor is
    // found by address alone.
    QList<QObject*> m_commands;
    QHash<QObject*, RibbonSimpleAction*> m_commandActions;
    QHash<QObject*, QPointer<RibbonButtonNormal>> m_commandButtons;
    QList<QPointer<RibbonSimpleAction>> m_offered;
    // The host actions the commands mirror (see addCommand(QAction*)), both
    // ways: thousands of host actions are added one by one, each after a
    // look for a command that shows it already.
    QMultiHash<const QAction*, QObject*> m_byAlias;
    QHash<QObject*, const QAction*> m_aliasOf;
    // The same, to look up: an entry whose pointer went null is stale.
    QHash<QObject*, QPointer<RibbonSimpleAction>> m_offeredIndex;
    QPointer<RibbonButtonNormal> m_customizeButton;
    RibbonSimpleAction* m_overflowAction = nullptr;
    RibbonButtonNormal* m_overflowButton = nullptr;
    bool m_placingRow = false;
    bool m_settingCommands = false; // the command functions place the row once, at their end
    bool m_placeRowAgain = false;
    bool m_buttonsChanged = false; // a command button was made or dropped since the last placing
    bool m_customizable = true;
};

} // namespace oru
