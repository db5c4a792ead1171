#pragma once

#include "oruGlobal.h"

#include <QPointer>
#include <QWidget>

namespace oru {

class RibbonSmallSysBtnClose;

/// A small framed pane for use inside other windows: a flat skinned box with
/// an 18-pixel title band showing the window title and, when the widget has
/// Qt::WindowCloseButtonHint, a small close button.
///
/// It neither moves nor resizes itself; closing it emits closed() so that
/// the owner can rearrange around it.
class VAZAVE_EXPORT RibbonChildWindow : public QWidget
{
    Q_OBJECT

public:
    /// A child pane of @p parent (which owns it), with its own small close button as a child.
    explicit RibbonChildWindow(QWidget* parent);
    ~RibbonChildWindow() override;

public slots:
    /// Emits closed(), then closes the pane (the close button's action).
    void close();

signals:
    /// Emitted by close() before the pane closes, so receivers still see it visible.
    void closed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private slots:
    void ribbonStyleChanged();

private:
    QPointer<RibbonSmallSysBtnClose> m_closeButton;
};

} // namespace oru
