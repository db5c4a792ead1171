#pragma once

#include "oruGlobal.h"

#include <QAbstractButton>
#include <QDialog>
#include <QMap>
#include <QPointer>

class QAbstractButton;
class QButtonGroup;
class QDialogButtonBox;
class QHBoxLayout;
class QStackedWidget;
class QVBoxLayout;

namespace oru {

class RibbonMainWindow;
class RibbonOptionsButton;
class RibbonOptionsPage;

/// A fixed-size dialog with a column of page buttons on the left, a stack of
/// option pages on the right and Ok/Cancel below. Ok and Cancel are passed to
/// every page, in the order the pages were added.
class VAZAVE_EXPORT RibbonOptionsDialog : public QDialog
{
    Q_OBJECT

public:
    /// A 655x396 dialog owned by @p mainWindow, without pages; add them with addOptionsPage().
    explicit RibbonOptionsDialog(RibbonMainWindow& mainWindow);
    ~RibbonOptionsDialog() override;

    /// The main window the dialog belongs to.
    RibbonMainWindow& mainWindow() const { return m_mainWindow; }

    /// Adds a button captioned with the page's window title; the first page
    /// added becomes the current one. A page already added, or null, is
    /// ignored. A page that is deleted, or taken out of the dialog by a new
    /// parent, loses its button; when it was the current page, its neighbour
    /// in the stack is shown.
    void addOptionsPage(RibbonOptionsPage* page);
    /// Pages stay for the dialog's lifetime: this does nothing.
    void removeOptionsPage(RibbonOptionsPage* page);

protected:
    void paintEvent(QPaintEvent* event) override;

private slots:
    void buttonClicked(QAbstractButton* button);

private:
    void dropRemovedPages();
    void checkCurrentButton();
    // The background of the pages and of the button column in the current skin.
    static QColor pageColor();
    friend class RibbonOptionsPage;
    friend class RibbonOptionsButton;

    RibbonMainWindow& m_mainWindow;
    QMap<RibbonOptionsButton*, QPointer<RibbonOptionsPage>> m_pages;
    QVBoxLayout* m_mainLayout = nullptr;
    QHBoxLayout* m_contentLayout = nullptr;
    QVBoxLayout* m_buttonsLayout = nullptr;
    QVBoxLayout* m_leftColumn = nullptr;
    QButtonGroup* m_buttonGroup = nullptr;
    QStackedWidget* m_pageStack = nullptr;
    QDialogButtonBox* m_buttonBox = nullptr;
};

/// Base of the host's option pages: accept() applies what the page shows,
/// reject() discards it.
class VAZAVE_EXPORT RibbonOptionsPage : public QWidget
{
    Q_OBJECT

public:
    /// A page of @p dialog, which owns it; add it with RibbonOptionsDialog::addOptionsPage().
    explicit RibbonOptionsPage(RibbonOptionsDialog& dialog);
    ~RibbonOptionsPage() override;

    /// The dialog the page belongs to.
    RibbonOptionsDialog& dialog() const { return m_dialog; }

protected slots:
    /// Applies the page's settings; called when the user presses Ok, after the dialog accepted.
    virtual void accept() = 0;
    /// Discards the page's changes; called when the user presses Cancel, after the dialog rejected.
    virtual void reject() = 0;

private:
    friend class RibbonOptionsDialog;
    RibbonOptionsDialog& m_dialog;
};

/// The page button of the options dialog.
class VAZAVE_EXPORT RibbonOptionsButton : public QAbstractButton
{
    Q_OBJECT

public:
    /// A checkable page button, a child of @p dialog.
    explicit RibbonOptionsButton(RibbonOptionsDialog& dialog);
    ~RibbonOptionsButton() override;

    /// The dialog the button belongs to.
    RibbonOptionsDialog& dialog() const { return m_dialog; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    RibbonOptionsDialog& m_dialog;
};

} // namespace oru
