#include "oruRibbonRecentFiles.h"
#include "oruMirror_p.h"
#include "oruMnemonic_p.h"

#include "oruMainMenuPaint_p.h"
#include "oruPointer_p.h"
#include "oruRibbonApplication.h"
#include "oruRibbonButtonMain.h"
#include "oruRibbonMenuAction.h"
#include "oruRibbonMenuBar.h"
#include "oruRibbonPanelMain.h"
#include "oruRibbonStyle.h"

#include <QActionEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QVBoxLayout>

#include <algorithm>

namespace oru {

// ---------------------------------------------------------------------------
// RecentFile

RibbonRecentFiles::RecentFile::RecentFile(RibbonAction& action)
    : QAbstractButton(nullptr), m_action(&action)
{
}

RibbonRecentFiles::RecentFile::~RecentFile() = default;

QString RibbonRecentFiles::RecentFile::shownText() const
{
    return fontMetrics().elidedText(text(), Qt::ElideMiddle, width() - 24);
}

QSize RibbonRecentFiles::RecentFile::sizeHint() const
{
    return QSize(qMin(fontMetrics().horizontalAdvance(text()), 200) + 12, 20);
}

void RibbonRecentFiles::RecentFile::paintEvent(QPaintEvent*)
{
    const RibbonStyle* skin = RibbonApplication::theApp()->ribbonStyle();
    const int w = width();
    const int h = height();
    const bool enabled = isEnabled();
    QPainter painter(this);
    // The keyboard's focus shows as the pointer's hover does.
    if (enabled && (rect().contains(pointerPos(*this)) || hasFocus()))
        mainmenu::drawItemHighlight(painter, w, h, isRightToLeft());

    const QIcon entryIcon = icon();
    if (!entryIcon.isNull()) {
        const QPixmap pixmap =
            entryIcon.pixmap(QSize(12, 12), RibbonStyle::devicePixelRatio(painter),
                             enabled ? QIcon::Normal : QIcon::Disabled);
        const QSize size = pixmap.deviceIndependentSize().toSize();
        painter.drawPixmap(
            mirror::visual(*this, QRect(w - 7 - size.width(), (h - size.height()) / 2, size.width(),
                                        size.height())),
            pixmap);
    }
    painter.setPen(enabled ? skin->highlightedCategoryTextColor()
                           : skin->disabledCategoryTextColor());
    painter.setFont(font());
    // A path or file name keeps its own left-to-right order in a right-to-left
    // menu ("/home/ada/notes.txt", not "home/ada/notes.txt/"); it only stands
    // at the right.
    QTextOption option(QStyle::visualAlignment(layoutDirection(), Qt::AlignLeft) |
                       Qt::AlignVCenter);
    option.setTextDirection(Qt::LeftToRight);
    option.setWrapMode(QTextOption::NoWrap);
    painter.drawText(QRectF(mirror::visual(*this, QRect(QPoint(6, 2), QPoint(w - 19, h - 3)))),
                     shownText(), option);
}

void RibbonRecentFiles::RecentFile::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && isEnabled()) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void RibbonRecentFiles::RecentFile::actionEvent(QActionEvent* event)
{
    QAbstractButton::actionEvent(event);
    QAction* own = m_action.data();
    if (!own || event->action() != own)
        return;
    if (event->type() == QEvent::ActionAdded || event->type() == QEvent::ActionChanged) {
        QFont f = own->font();
        f.setPointSize(8);
        setFont(f);
        setText(mnemonic::plainText(own->text()));
        setIcon(own->icon());
        setToolTip(own->toolTip());
        // A disabled file shows dimmed and cannot be clicked.
        setEnabled(own->isEnabled());
        updateGeometry();
        update();
    } else if (event->type() == QEvent::ActionRemoved) {
        disconnect(this, nullptr, own, nullptr);
        m_action = nullptr;
        setEnabled(false);
    }
}

// ---------------------------------------------------------------------------
// RibbonRecentFiles

RibbonRecentFiles::RibbonRecentFiles(RibbonPanelMain& panel)
    : QWidget(&panel), m_panel(panel),
      m_bottomSpacer(0, 0, QSizePolicy::Expanding, QSizePolicy::Expanding)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    m_titleFont = font();
    m_titleFont.setBold(true);
    m_mainLayout = new QVBoxLayout;
    m_mainLayout->setContentsMargins(5, 35, 5, 10);
    m_mainLayout->setSpacing(0);
    m_filesLayout = new QVBoxLayout;
    m_filesLayout->setContentsMargins(0, 0, 0, 0);
    m_filesLayout->setSpacing(10);
    m_mainLayout->addLayout(m_filesLayout);
    m_mainLayout->addItem(&m_bottomSpacer);
    setLayout(m_mainLayout);

    if (RibbonMenuBar* bar = panel.mainButton().ribbonMenuBar()) {
        // Entries of 20 pixels, 10 apart, below the title: the files that
        // would not fit on the screen get none.
        const int room =
            mainmenu::screenRoom(panel.mainButton()) - mainmenu::kPanelFrameHeight - 35 - 10 + 10;
        const int fitting = std::max(1, room / 30);
        int shown = 0;
        for (RibbonAction* child : bar->recentFilesActions().menuActions()) {
            if (shown == fitting)
                break;
            if (child) {
                addAction(child);
                ++shown;
            }
        }
    }
}

RibbonRecentFiles::~RibbonRecentFiles()
{
    // The spacer is a member; the layout must not delete it.
    m_mainLayout->removeItem(&m_bottomSpacer);
}

QList<RibbonRecentFiles::RecentFile*> RibbonRecentFiles::entries() const
{
    QList<RecentFile*> result;
    for (int i = 0; i < m_filesLayout->count(); ++i) {
        if (auto* entry = dynamic_cast<RecentFile*>(m_filesLayout->itemAt(i)->widget()))
            result.append(entry);
    }
    return result;
}

QSize RibbonRecentFiles::sizeHint() const
{
    return QSize(250, 0);
}

void RibbonRecentFiles::paintEvent(QPaintEvent*)
{
    const RibbonStyle* skin = RibbonApplication::theApp()->ribbonStyle();
    const int w = width();
    const int h = height();
    QPainter painter(this);
    skin->drawPixmap(painter, QRect(0, 0, w, h), skin->mainPanelSeparator(), QRect(0, 0, 1, 1));
    mainmenu::drawPopupBorder(painter, skin->popupBorder(), w, h);
    painter.setFont(m_titleFont);
    // The heading in the skin's text colour, as the sub-menus' headings: the
    // painter's black does not read on a dark skin's panel.
    painter.setPen(skin->highlightedCategoryTextColor());
    painter.drawText(QRect(5, 5, w - 10, h - 5), mirror::leading(*this) | Qt::AlignTop,
                     QCoreApplication::translate("QObject", "Recent Files"));
    painter.setPen(skin->mainMenuBgColor().darker(120));
    painter.drawLine(QPoint(1, 23), QPoint(w - 1, 23));
}

void RibbonRecentFiles::actionEvent(QActionEvent* event)
{
    QWidget::actionEvent(event);
    if (event->type() != QEvent::ActionAdded)
        return;
    auto* action = qobject_cast<RibbonAction*>(event->action());
    if (!action)
        return;
    auto* entry = new RecentFile(*action);
    entry->addAction(action);
    entry->setMouseTracking(true);
    // Repaint on enter and leave: the hover look is computed when painting.
    entry->setAttribute(Qt::WA_Hover);
    connect(entry, &QAbstractButton::clicked, action, &QAction::trigger);
    m_filesLayout->addWidget(entry);
    connect(action, &RibbonAction::activated, &m_panel, &QWidget::close);
}

} // namespace oru
