#pragma once

#include "oruGlobal.h"

#include <QAbstractButton>
#include <QMap>
#include <QPointer>
#include <QWidget>

class QButtonGroup;
class QStackedWidget;
class QVBoxLayout;

namespace oru {

class RibbonStackedButton;

/// A stack of pages with a column of page buttons below it, painted like the
/// options dialog. Clicking a page's button shows the page.
class VAZAVE_EXPORT RibbonStackedWidget : public QWidget
{
    Q_OBJECT

public:
    /// An empty stack owned by @p parent.
    explicit RibbonStackedWidget(QWidget* parent);
    ~RibbonStackedWidget() override;

    /// Adds @p page with a button captioned @p caption; the first page added
    /// becomes the current one. The stack takes the page as its child. A
    /// page already added, or null, is ignored. A page that is deleted, or
    /// taken away by a new parent, loses its button; when it was the current
    /// page, its neighbour in the stack is shown.
    void addItem(QWidget* page, QString caption);
    /// Shows @p page if it was added; otherwise nothing changes.
    void setCurrentWidget(QWidget* page);
    /// The page shown, or null while no page was added.
    QWidget* currentWidget() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private slots:
    void buttonClicked(QAbstractButton* button);

private:
    void dropRemovedPages();
    void checkCurrentButton();

    QMap<RibbonStackedButton*, QPointer<QWidget>> m_pages;
    QVBoxLayout* m_mainLayout = nullptr;
    QVBoxLayout* m_contentLayout = nullptr;
    QVBoxLayout* m_buttonsLayout = nullptr;
    QVBoxLayout* m_buttonColumn = nullptr;
    QButtonGroup* m_buttonGroup = nullptr;
    QStackedWidget* m_pageStack = nullptr;
};

/// The page button of RibbonStackedWidget.
class VAZAVE_EXPORT RibbonStackedButton : public QAbstractButton
{
    Q_OBJECT

public:
    /// A checkable page button, a child of @p stackedWidget.
    explicit RibbonStackedButton(RibbonStackedWidget& stackedWidget);
    ~RibbonStackedButton() override;

    /// The stack the button belongs to.
    RibbonStackedWidget& stackedWidget() const { return m_stackedWidget; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    RibbonStackedWidget& m_stackedWidget;
};

} // namespace oru
