#pragma once

#include "oruGlobal.h"

#include <QAbstractButton>
#include <QIcon>

namespace oru {

class RibbonMenuBar;

/// The round application button in the ribbon bar's top-left corner. A
/// left press (or the button's shortcut) checks it and opens a new
/// application menu; the menu unchecks it when it closes.
class VAZAVE_EXPORT RibbonButtonMain : public QAbstractButton
{
    Q_OBJECT

public:
    /// The application button of @p menuBar, which creates and owns it. It is checkable; each
    /// application menu it opens is a new RibbonPanelMain that deletes itself when it closes.
    explicit RibbonButtonMain(RibbonMenuBar& menuBar);
    ~RibbonButtonMain() override;

    /// The ribbon bar the button belongs to; the application menu reads its entries from it.
    RibbonMenuBar* ribbonMenuBar() const { return &m_menuBar; }

signals:
    /// A double-click on the button: the host may end the application.
    void closeApplication();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private slots:
    void popupClosed();
    void buttonCliked();

private:
    friend class RibbonPanelMain;

    void openPanel();
    /// Paints the button's face from frame row @p frameY into @p target.
    void paintFace(QPainter& painter, const QRect& target, int frameY) const;

    RibbonMenuBar& m_menuBar;
    mutable QIcon m_defaultIcon; // loaded on first use
};

} // namespace oru
