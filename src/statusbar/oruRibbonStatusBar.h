#pragma once

#include "oruGlobal.h"

#include <QMap>
#include <QPointer>
#include <QTimer>
#include <QWidget>

class QHBoxLayout;

namespace oru {

class RibbonMainWindow;

/// The 20-pixel strip at the bottom of the main window, filled with actions:
/// each RibbonSimpleAction becomes a small icon toggle in the extensions
/// area at the right (later ones left of earlier ones). Login icons and menu
/// buttons stand at the left. The main window paints its background from the
/// area widths reported here.
///
/// A plain QAction added with addAction() shows as a toggle too, through a
/// command of the bar that follows the action and uses it with
/// QAction::trigger(). As on QStatusBar, a temporary message (showMessage())
/// is drawn in the free space between the left areas and the extensions;
/// the main window shows the status tips of the controls under the pointer
/// there.
class VAZAVE_EXPORT RibbonStatusBar : public QWidget
{
    Q_OBJECT

public:
    /// The status bar of @p mainWindow, which creates and owns it.
    explicit RibbonStatusBar(RibbonMainWindow& mainWindow);
    ~RibbonStatusBar() override;

    /// The main window the status bar belongs to.
    RibbonMainWindow& mainWindow() const { return m_mainWindow; }

    /// Width of the right-hand area.
    int extensionsWidth() const;
    /// Width of the leftmost area of login icons.
    int loginLayoutWidth() const;
    /// Width of the left area, the login area and the gap between them.
    int popupLayoutWidth() const;

    /// Appends @p widget to the login area.
    void addLoginStatusIcon(QWidget* widget);
    /// Takes @p widget out of the login area and deletes it (null: nothing).
    void removeLoginStatusIcon(QWidget* widget);

    /// The widget built for @p action, or null.
    QWidget* widgetFor(QAction* action) const { return m_widgets.value(action).data(); }

    /// The temporary message shown now; empty when none is shown.
    QString currentMessage() const { return m_message; }

public slots:
    /// Shows @p text until clearMessage() or another message, or for
    /// @p timeout milliseconds when it is greater than 0.
    void showMessage(const QString& text, int timeout = 0);
    /// Removes the temporary message.
    void clearMessage();

signals:
    /// The temporary message changed to @p text (empty: cleared), by
    /// showMessage(), clearMessage(), a timeout or a status tip.
    void messageChanged(const QString& text);

    /// Emitted after a widget was added for an added action or deleted for a removed one, once
    /// pending events were processed, so that the area widths are current. The main window repaints
    /// the bar's background on it.
    void statusBarChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void actionEvent(QActionEvent* event) override;

private:
    RibbonMainWindow& m_mainWindow;
    QHBoxLayout* m_mainLayout = nullptr;
    QHBoxLayout* m_middleLayout = nullptr;
    QHBoxLayout* m_extensionsLayout = nullptr;
    QHBoxLayout* m_popupLayout = nullptr;
    QHBoxLayout* m_loginLayout = nullptr;
    // Keyed by the QAction face: an action in its destructor is no
    // RibbonAction any more but must still find its widget.
    QMap<QAction*, QPointer<QWidget>> m_widgets;
    // The commands that show the host's plain QActions, by host action.
    QMap<QAction*, QPointer<QAction>> m_hostCommands;
    QString m_message;
    QTimer m_messageTimer;
};

} // namespace oru
