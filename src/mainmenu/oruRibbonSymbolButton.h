#pragma once

#include "oruRibbonStyle.h"

#include <QAbstractButton>

namespace oru {

/// A button that draws one of the skin's vector symbols, with a highlighted
/// box while hovered or pressed. Its owner sets its size.
class VAZAVE_EXPORT RibbonSymbolButton : public QAbstractButton
{
    Q_OBJECT

public:
    /// A button drawing @p symbol, owned by @p parent.
    RibbonSymbolButton(eSymbolType symbol, QWidget* parent);
    ~RibbonSymbolButton() override;

    /// The symbol given to the constructor.
    eSymbolType symbol() const { return m_symbol; }

    QSize sizeHint() const override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    const eSymbolType m_symbol;
};

} // namespace oru
