#pragma once

#include "oruGlobal.h"

#include <QAbstractButton>
#include <QPointer>

namespace oru {

/// A button of the application menu's bottom row (options, exit); it shows
/// the first action added to it and triggers it when clicked.
class VAZAVE_EXPORT RibbonMainPanelButton : public QAbstractButton
{
    Q_OBJECT

public:
    /// An empty button owned by @p parent; the application menu adds the options or exit action.
    explicit RibbonMainPanelButton(QWidget* parent);
    ~RibbonMainPanelButton() override;

    /// Copies text, icon, tool tip and enabled state from the first action.
    void actionChanged();

    QSize sizeHint() const override;

signals:
    /// Emitted on every mouse move over the button, after Qt's own handling.
    void mouseMoved();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void actionEvent(QActionEvent* event) override;

private:
    QPointer<QAction> m_triggered; // the action clicked() is connected to
};

} // namespace oru
