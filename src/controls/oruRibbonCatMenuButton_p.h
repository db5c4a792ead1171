#pragma once

#include "oruGlobal.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

class QActionEvent;
class QMouseEvent;
class QPaintEvent;
class QPainter;

namespace oru {

class RibbonCatMenuAction;
class RibbonCatMenuButton;

class VAZAVE_EXPORT RibbonCatMenuButtonPriv : public QObject
{
    Q_OBJECT

public:
    explicit RibbonCatMenuButtonPriv(RibbonCatMenuButton& button);
    ~RibbonCatMenuButtonPriv() override;

    RibbonCatMenuAction& action() const;

    virtual QSize sizeHint() const = 0;
    virtual void paintEvent(QPaintEvent* event) = 0;
    virtual void actionEvent(QActionEvent* event) = 0;
    virtual void mouseMoveEvent(QMouseEvent* event) = 0;
    virtual void mousePressEvent(QMouseEvent* event) = 0;
    virtual void mouseReleaseEvent(QMouseEvent* event) = 0;
    virtual void enterEvent(QEvent* event) = 0;
    virtual void leaveEvent(QEvent* event) = 0;

protected:
    RibbonCatMenuButton& m_button;
};

/// The button presentation: caption part (default action) and menu part.
class VAZAVE_EXPORT RibbonCatMenuButtonBPriv : public RibbonCatMenuButtonPriv
{
    Q_OBJECT

public:
    explicit RibbonCatMenuButtonBPriv(RibbonCatMenuButton& button);
    ~RibbonCatMenuButtonBPriv() override;

    QSize sizeHint() const override;
    void paintEvent(QPaintEvent* event) override;
    void actionEvent(QActionEvent* event) override;
    void mouseMoveEvent(QMouseEvent*) override {}
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEvent*) override {}
    void leaveEvent(QEvent*) override {}

    void updateTxtSize();
    /// Frames of the caption and menu parts for the current state, -1 for
    /// none; an unsplit button reports the same frame twice.
    std::pair<int, int> frames() const;

    int m_textWidth = 0;
    int m_textHeight = 0;
    int m_textLines = 2;
    bool m_captionPressed = false;
    bool m_menuPressed = false;
    bool m_popupOpen = false;
    QPointer<QWidget> m_popup; // the popup that is showing, for closing on deletion

private slots:
    void popupClosed();

private:
    bool isSplit() const;
    bool inMenuPart(const QPoint& pos) const;
    void openPopup();
};

/// The in-ribbon palette: one row of items (three of small ones) with a
/// scroll column of up, down and more buttons.
class VAZAVE_EXPORT RibbonCatMenuButtonPPriv : public RibbonCatMenuButtonPriv
{
    Q_OBJECT

public:
    explicit RibbonCatMenuButtonPPriv(RibbonCatMenuButton& button);
    ~RibbonCatMenuButtonPPriv() override;

    QSize sizeHint() const override;
    void paintEvent(QPaintEvent* event) override;
    void actionEvent(QActionEvent* event) override;
    void mouseMoveEvent(QMouseEvent*) override {}
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEvent*) override {}
    void leaveEvent(QEvent*) override {}

    void onScrollUp();
    void onScrollDown();
    void updateScrollBar();
    int itemsPerRow() const;
    int rowPitch() const;
    /// The items considered for painting and hit tests with their cells.
    QList<std::pair<QAction*, QRect>> itemCells() const;
    /// @p pos of the button left to right: mirrored when it runs right to left.
    QPoint logical(const QPoint& pos) const;

    bool m_morePressed = false;
    bool m_upPressed = false;
    bool m_downPressed = false;
    bool m_canScrollUp = false;
    bool m_canScrollDown = false;
    bool m_popupOpen = false;
    int m_scrollOffset = 0;
    int m_shownFirst = 0;
    int m_targetFirst = 0;
    QTimer m_scrollTimer;
    QPointer<QAction> m_pressedItem;
    QPointer<QWidget> m_popup;

private slots:
    void popupClosed();
    void timerEvent();

private:
    using QObject::timerEvent;
};

} // namespace oru
