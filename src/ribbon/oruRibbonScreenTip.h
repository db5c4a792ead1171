#pragma once

#include "oruGlobal.h"

#include <QFont>
#include <QPointer>
#include <QWidget>

class QAction;

namespace oru {

/// The ribbon's tool tip: a window on the skin's tool-tip background with the
/// command's name in bold, its shortcut, and an optional paragraph that says
/// what the command does.
///
/// The ribbon shows one for every control on hover. The texts come from the
/// control's action: the title is its iconText(), the description its
/// whatsThis() and the shortcut its shortcut(); an alias lends what the
/// action itself lacks.
class VAZAVE_EXPORT RibbonScreenTip : public QWidget
{
    Q_OBJECT

public:
    /// An empty tip; it is a tool-tip window of its own.
    explicit RibbonScreenTip(QWidget* parent = nullptr);
    ~RibbonScreenTip() override;

    /// Takes the texts of @p action (null clears them).
    void setAction(QAction* action);
    /// The action whose texts are shown, or null.
    QAction* action() const { return m_action.data(); }

    /// The bold first line: the action's name.
    QString title() const { return m_title; }
    /// The paragraph below the title, from the action's whatsThis().
    QString description() const { return m_description; }
    /// The shortcut in the platform's notation; empty without one.
    QString shortcutText() const { return m_shortcut; }
    /// Whether setAction() found anything to show.
    bool hasContents() const { return !m_title.isEmpty() || !m_description.isEmpty(); }

    /// Shows the tip for @p action below @p globalPos, kept on the screen.
    void showAt(QAction* action, const QPoint& globalPos);
    /// The same, with @p groupCaption (the caption of the control's group, which the simplified
    /// ribbon does not show) in a line of its own at the bottom.
    void showAt(QAction* action, const QPoint& globalPos, const QString& groupCaption);
    /// The group caption shown at the bottom; empty when none is.
    QString groupCaption() const { return m_group; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void updateLayout();

    QPointer<QAction> m_action;
    QString m_title;
    QString m_description;
    QString m_shortcut;
    QString m_group;
    QRect m_groupRect;
    // The title with the shortcut, as painted.
    QString m_head;
    QFont m_titleFont;
    QRect m_titleRect;
    QRect m_descriptionRect;
    QSize m_size;
};

} // namespace oru
