#pragma once

#include "oruGlobal.h"

#include <QAbstractButton>
#include <QFont>
#include <QPointer>
#include <QSpacerItem>
#include <QWidget>

class QVBoxLayout;

namespace oru {

class RibbonAction;
class RibbonPanelMain;

/// The right-hand column of the application menu: one entry per child of
/// the ribbon bar's recent-files action, built anew each time the menu opens.
class VAZAVE_EXPORT RibbonRecentFiles : public QWidget
{
    Q_OBJECT

public:
    /// One entry: the action's text on one line, shortened in the middle.
    class VAZAVE_EXPORT RecentFile : public QAbstractButton
    {
    public:
        /// The entry of @p action, made without parent; the column's layout gives it one.
        explicit RecentFile(RibbonAction& action);
        ~RecentFile() override;

        /// The action; null once it was destroyed or taken off the entry.
        QAction* action() const { return m_action.data(); }
        /// The text as painted: elided in the middle to the text rectangle.
        QString shownText() const;

        QSize sizeHint() const override;

    protected:
        void paintEvent(QPaintEvent* event) override;
        void actionEvent(QActionEvent* event) override;
        /// Return and Enter open the entry that has the focus, as Space does.
        void keyPressEvent(QKeyEvent* event) override;

    private:
        QPointer<QAction> m_action;
    };

    /// The column of @p panel, a child of it, with an entry per recent-files child of the ribbon
    /// bar.
    explicit RibbonRecentFiles(RibbonPanelMain& panel);
    ~RibbonRecentFiles() override;

    /// The application menu the column belongs to.
    RibbonPanelMain& panel() const { return m_panel; }
    /// The entries, top to bottom.
    QList<RecentFile*> entries() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void actionEvent(QActionEvent* event) override;

private:
    RibbonPanelMain& m_panel;
    QVBoxLayout* m_mainLayout = nullptr;
    QVBoxLayout* m_filesLayout = nullptr;
    QSpacerItem m_bottomSpacer;
    QFont m_titleFont;
};

} // namespace oru
