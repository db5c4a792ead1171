#pragma once

#include "oruGlobal.h"

#include <QIcon>
#include <QPointer>
#include <QString>
#include <QWidgetAction>

namespace oru {

/// Base of every action of the ribbon.
///
/// A ribbon action may stand for another action (its alias): a plain QAction
/// the host already uses in menus, or another RibbonAction. Use of the ribbon
/// action is forwarded to the alias, and the ribbon action follows the alias's
/// enabled and checked state (and its text and icon unless it has its own).
/// Subclasses with state of their own call sendActionChangedEvt() so that
/// every widget built for them refreshes.
class VAZAVE_EXPORT RibbonAction : public QWidgetAction
{
    Q_OBJECT

public:
    /// An action without text, icon or alias, owned by @p parent (usually the main window).
    explicit RibbonAction(QObject* parent);
    /// An action with @p text and no alias.
    RibbonAction(const QString& text, QObject* parent);
    /// An action with @p icon and @p text and no alias.
    RibbonAction(const QIcon& icon, const QString& text, QObject* parent);
    /// Copies text, icon, tool tip and separator flag from @p alias, which
    /// must be alive.
    RibbonAction(QPointer<QAction> alias, QObject* parent);
    /// Keeps its own text and icon; only enabled and checked state follow.
    RibbonAction(QPointer<QAction> alias, const QIcon& icon, const QString& text, QObject* parent);
    /// Copies nothing now; text and icon arrive with the first change.
    RibbonAction(QPointer<RibbonAction> alias, QObject* parent);
    /// Keeps its own text; icon, enabled and checked state follow.
    RibbonAction(QPointer<RibbonAction> alias, const QString& text, QObject* parent);
    ~RibbonAction() override;

    /// The aliased action; null without alias or once it was destroyed.
    QAction* alias() const { return m_alias.data(); }
    /// Whether the action shows its alias directly (see mirrorAlias()): a
    /// host QAction handed to addCommand() is shown this way.
    bool mirrorsAlias() const { return m_mirror; }

    /// Enables or disables the action; an alias keeps the last word, so the
    /// action is enabled only while its alias is enabled, and vice versa.
    void enableAction(bool enable);

    /// Sends QEvent::ActionChanged synchronously to every widget showing the
    /// action, in list order, and finally to the action itself.
    void sendActionChangedEvt();

    /// The letters that reach the action's control while the ribbon shows its
    /// key tips (Alt or F10), such as "FP". Up to three letters or digits,
    /// kept in upper case; other characters are dropped. Empty (the default)
    /// lets the ribbon take the mnemonic of the text ("&Paste" gives "P") or
    /// choose letters of its own. A tip that another control on the same
    /// level already uses, or that begins another one, is ignored there.
    void setKeyTip(const QString& keyTip);
    /// The key tip set with setKeyTip(), normalised; empty when none is set.
    QString keyTip() const { return m_keyTip; }

signals:
    /// The action was used; containers forward it and popups close on it.
    void activated();

protected slots:
    /// Takes the alias's enabled and checked state, and its text and icon unless the action keeps
    /// its own. Connected to the alias's changed() signal.
    void aliasChanged();

protected:
    /// Connects the action with its alias: the action's changed(), hovered(), toggled() and
    /// triggered() (and activated() for a ribbon alias) are re-emitted by the alias, and the
    /// alias's changed() runs aliasChanged(). Called by the constructors; nothing happens without
    /// alias.
    void connectWithAlieas();
    /// Turns the alias wiring into a mirror: the action follows everything
    /// of its alias (text, icon, tips, enabled, visible, checkable, checked
    /// and font) from now on, and a use of the action is a use of the alias
    /// through QAction::trigger(), so a checkable alias toggles itself and
    /// its QActionGroup decides, as if the host's own widget was clicked.
    /// The alias's state is never written. Nothing happens without alias.
    void mirrorAlias();
    bool event(QEvent* event) override;
    /// Takes the action off every widget that shows it. Destructors of
    /// subclasses whose widgets read the subclass when the action leaves
    /// them call it first, while the object is still whole: from ~QAction on,
    /// such a read would touch freed members.
    void removeFromWidgets();

private:
    void useAlias();

    QPointer<QAction> m_alias;
    bool m_inAliasUpdate = false;
    bool m_requestedEnabled = false;
    bool m_keepOwnText = false;
    bool m_keepOwnIcon = false;
    bool m_sendingChangedEvt = false;
    bool m_mirror = false;
    bool m_mirrorActivates = false;
    QString m_keyTip;
};

} // namespace oru
