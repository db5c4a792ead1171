#include "oruRibbonMenuBar.h"

#include "oruMirror_p.h"
#include "oruRibbonApplication.h"
#include "oruRibbonButtonMain.h"
#include "oruRibbonButtonNormal.h"
#include "oruRibbonCatComboAction.h"
#include "oruRibbonCatComboComboBox.h"
#include "oruRibbonCategoriesPanelAction.h"
#include "oruRibbonCategoryPanels.h"
#include "oruRibbonContextualTabGroup.h"
#include "oruRibbonFrame_p.h"
#include "oruRibbonKeyTips_p.h"
#include "oruRibbonMainWindow.h"
#include "oruRibbonMenuAction.h"
#include "oruRibbonMenuBarButton.h"
#include "oruRibbonMenuBarExtras_p.h"
#include "oruRibbonQuickAccessBar.h"
#include "oruRibbonShortcuts_p.h"
#include "oruRibbonStyle.h"
#include "oruRibbonSysButton.h"

#include "oruRibbonCatMenuAction.h"
#include "oruRibbonCatMenuButton.h"
#include <QActionEvent>
#include <QApplication>

#include <QActionGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QTextLayout>

namespace oru {

namespace {

QFont captionFontOf(const QFont& font)
{
    QFont caption = font;
    caption.setPointSize(10);
    return caption;
}

} // namespace

RibbonMenuBar::RibbonMenuBar(RibbonMainWindow& mainWindow)
    : QWidget(&mainWindow), m_mainWindow(mainWindow),
      m_captionSpacer(0, 0, QSizePolicy::Expanding, QSizePolicy::Ignored),
      m_tabRowSpacer(0, 0, QSizePolicy::Expanding, QSizePolicy::Ignored),
      m_captionFont(captionFontOf(font())), m_captionMetrics(m_captionFont)
{
    m_mainMenuActionsContainer = new RibbonMenuAction(this);
    m_recentFilesActionsContainer = new RibbonMenuAction(this);

    m_gridLayout = new QGridLayout;
    m_gridLayout->setContentsMargins(0, 0, 0, 0);
    m_gridLayout->setHorizontalSpacing(0);
    m_gridLayout->setVerticalSpacing(0);

    m_mainButton = new RibbonButtonMain(*this);
    m_gridLayout->addWidget(m_mainButton, 0, 0, 2, 1, Qt::AlignLeft | Qt::AlignTop);

    m_quickAccessBar = new RibbonQuickAccessBar(*this);
    m_gridLayout->addWidget(m_quickAccessBar, 0, 1, Qt::AlignLeft | Qt::AlignTop);
    m_gridLayout->addItem(&m_captionSpacer, 0, 2);

    m_sysButtonsLayout = new QHBoxLayout;
    m_sysButtonsLayout->setContentsMargins(0, 0, 0, 0);
    m_sysButtonsLayout->setSpacing(3);
    for (int type = RibbonSysButton::BtnMinimize; type <= RibbonSysButton::BtnClose; ++type) {
        m_sysButtons[type] = new RibbonSysButton(*this, RibbonSysButton::eType(type));
        m_sysButtonsLayout->addWidget(m_sysButtons[type]);
    }
    connect(m_sysButtons[0], &QAbstractButton::clicked, &m_mainWindow, &QWidget::showMinimized);
    connect(m_sysButtons[1], &QAbstractButton::clicked, &m_mainWindow,
            qOverload<>(&RibbonMainWindow::showMaximizedRestored));
    connect(m_sysButtons[2], &QAbstractButton::clicked, &m_mainWindow, &QWidget::close);
    m_gridLayout->addLayout(m_sysButtonsLayout, 0, 3);

    m_tabRowLayout = new QHBoxLayout;
    m_tabRowLayout->setContentsMargins(0, 0, 0, 0);
    m_tabRowLayout->setSpacing(0);
    m_gridLayout->addLayout(m_tabRowLayout, 1, 1, 1, 3);
    m_tabsLayout = new QHBoxLayout;
    m_tabsLayout->setContentsMargins(0, 0, 0, 0);
    m_tabsLayout->setSpacing(0);
    m_tabRowLayout->addLayout(m_tabsLayout);
    m_tabRowLayout->addItem(&m_tabRowSpacer);

    m_categoryGroup = new QActionGroup(this);
    m_categoryGroup->setExclusive(true);

    m_panels = new RibbonCategoryPanels(*this);
    m_panels->setParent(this);
    m_gridLayout->addWidget(m_panels, 2, 0, 1, 4);

    setLayout(m_gridLayout);
    setCursor(Qt::ArrowCursor);
    m_extras = std::make_unique<RibbonMenuBarExtras>(*this);
    new RibbonShortcutRelay(*this);
    m_keyTips = new RibbonKeyTips(*this);
    connect(m_keyTips, &RibbonKeyTips::shownChanged, this, &RibbonMenuBar::keyTipsVisibleChanged);
}

RibbonMenuBar::~RibbonMenuBar()
{
    // First, while every part is whole: the key tips stop watching the
    // application's events, and a popup page goes back into the bar.
    delete m_keyTips;
    m_keyTips = nullptr;
    m_extras.reset();
    // The spacers are members: their layouts must not delete them.
    m_gridLayout->removeItem(&m_captionSpacer);
    m_tabRowLayout->removeItem(&m_tabRowSpacer);
}

RibbonAction* RibbonMenuBar::exitAction() const
{
    return m_exitAction.data();
}

RibbonAction* RibbonMenuBar::helpAction() const
{
    return m_helpAction.data();
}

RibbonAction* RibbonMenuBar::optionsAction() const
{
    return m_optionsAction.data();
}

RibbonAction* RibbonMenuBar::findComboAction() const
{
    return m_findComboAction.data();
}

RibbonAction* RibbonMenuBar::findAction() const
{
    return m_findAction.data();
}

void RibbonMenuBar::setExitAction(RibbonAction* action)
{
    m_exitAction = action;
    relayShortcuts();
}

void RibbonMenuBar::setOptionsAction(RibbonAction* action)
{
    m_optionsAction = action;
    relayShortcuts();
}

void RibbonMenuBar::relayShortcuts()
{
    // The application menu's buttons are built when it opens; their keys
    // work before that through the window.
    if (auto* relay = findChild<RibbonShortcutRelay*>(QString(), Qt::FindDirectChildrenOnly))
        relay->scheduleSync();
}

void RibbonMenuBar::setHelpAction(RibbonAction* action)
{
    setSpecialAction(m_helpAction, action);
}

void RibbonMenuBar::setFindComboAction(RibbonAction* action)
{
    setSpecialAction(m_findComboAction, action);
}

void RibbonMenuBar::setFindAction(RibbonAction* action)
{
    setSpecialAction(m_findAction, action);
}

void RibbonMenuBar::setSpecialAction(QPointer<RibbonAction>& field, RibbonAction* action)
{
    if (action && action != field.data() && field)
        removeAction(field);
    field = action;
    if (field)
        addAction(field);
}

void RibbonMenuBar::setMainButtonShortcut(const QKeySequence& shortcut)
{
    m_mainButton->setShortcut(shortcut);
}

void RibbonMenuBar::setAppIcon(const QIcon& icon)
{
    m_mainButton->setIcon(icon);
}

QRect RibbonMenuBar::captionGeometry() const
{
    return m_captionSpacer.geometry();
}

int RibbonMenuBar::captionHeight() const
{
    return captionGeometry().height();
}

bool RibbonMenuBar::isMWMaximized() const
{
    return m_mainWindow.isMaximized();
}

void RibbonMenuBar::updateSysButtons()
{
    for (RibbonSysButton* button : m_sysButtons)
        button->update();
}

void RibbonMenuBar::actionEvent(QActionEvent* event)
{
    QWidget::actionEvent(event);
    QAction* action = event->action();
    switch (event->type()) {
    case QEvent::ActionAdded:
        if (!qobject_cast<RibbonAction*>(action))
            return;
        if (m_helpAction && action == m_helpAction.data()) {
            auto* button = new RibbonButtonNormal(this);
            button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
            button->setFixedSize(20, 20);
            button->addAction(action);
            addExtraWidget(action, button);
        } else if (qobject_cast<RibbonCategoriesPanelAction*>(action)) {
            addTab(action);
        } else if (auto* combo = qobject_cast<RibbonCatComboAction*>(action)) {
            addExtraWidget(action, new RibbonCatComboComboBox(*combo, this));
        } else if (auto* menu = qobject_cast<RibbonCatMenuAction*>(action)) {
            addExtraWidget(action, new RibbonCatMenuButton(*menu, this));
        }
        break;
    case QEvent::ActionRemoved:
        // An action in its destructor is a plain QAction by now: look it up
        // by address.
        if (m_extraWidgets.contains(action)) {
            delete m_extraWidgets.take(action).data();
            updateGeometry();
        } else if (m_tabButtons.contains(action)) {
            removeTab(action);
        }
        break;
    default:
        break;
    }
}

void RibbonMenuBar::addExtraWidget(QAction* action, QWidget* widget)
{
    if (QWidget* old = m_extraWidgets.value(action))
        delete old;
    m_extraWidgets.insert(action, widget);
    m_tabRowLayout->addWidget(widget);
    updateGeometry();
    update();
}

void RibbonMenuBar::addTab(QAction* tab)
{
    const bool checked = tab->isChecked();
    tab->setChecked(false);
    m_mainWindow.addAction(tab);
    m_categoryGroup->addAction(tab);
    m_panels->addAction(tab);

    auto* button = new RibbonMenuBarButton(*this);
    button->addAction(tab);
    m_tabsLayout->addWidget(button);
    m_tabs.append(tab);
    m_tabButtons.insert(tab, button);
    if (m_extras)
        m_extras->tabAdded(tab);

    if (checked)
        tab->setChecked(true);
}

void RibbonMenuBar::removeTab(QAction* tab)
{
    m_mainWindow.removeAction(tab);
    int index = m_categoryGroup->actions().indexOf(tab);
    if (index < 0)
        index = m_tabs.indexOf(tab);
    const bool wasChecked = tab->isChecked();
    m_categoryGroup->removeAction(tab);
    if (m_panels)
        m_panels->removeAction(tab);
    m_tabs.removeAll(tab);

    if (RibbonMenuBarButton* button = m_tabButtons.take(tab)) {
        m_tabsLayout->removeWidget(button);
        button->removeAction(tab);
        delete button;
    }
    if (m_extras)
        m_extras->tabRemoved(tab);

    const QList<QAction*> remaining = m_categoryGroup->actions();
    if (wasChecked && !remaining.isEmpty())
        remaining.at(qMin(index, int(remaining.size()) - 1))->setChecked(true);
}

void RibbonMenuBar::mousePressEvent(QMouseEvent* event)
{
    QWidget::mousePressEvent(event);
    if ((event->buttons() & Qt::LeftButton) &&
        m_captionSpacer.geometry().contains(event->position().toPoint())) {
        m_pressGlobalPos = event->globalPosition().toPoint();
        m_pressWindowPos = m_mainWindow.pos();
        m_dragging = true;
        m_systemMoveOffered = false;
    }
}

void RibbonMenuBar::mouseMoveEvent(QMouseEvent* event)
{
    QWidget::mouseMoveEvent(event);
    if (!(event->buttons() & Qt::LeftButton) || !m_dragging)
        return;
    const QPoint global = event->globalPosition().toPoint();
    if (isMWMaximized()) {
        // Pulled off past the drag distance, a maximized window is restored
        // under the pointer, which keeps its place along the caption, and the
        // drag goes on moving it (as the desktops' own title bars do).
        if ((global - m_pressGlobalPos).manhattanLength() < QApplication::startDragDistance())
            return;
        const QRect maximized = m_mainWindow.geometry();
        const QRect normal = m_mainWindow.normalGeometry();
        if (!normal.isValid() || maximized.width() <= 0) {
            m_dragging = false;
            return;
        }
        const QRect restored =
            frame::restoredUnderPointer(maximized, normal.size(), m_pressGlobalPos, global);
        m_mainWindow.showNormal();
        m_mainWindow.setGeometry(restored);
        updateSysButtons();
        m_pressGlobalPos = global;
        m_pressWindowPos = restored.topLeft();
        return;
    }
    // Past the drag distance the move is offered to the window system; when
    // it took over, the drag is no longer ours.
    if (frame::offerSystemDrag(m_mainWindow, Qt::Edges(), m_pressGlobalPos, event, false,
                               m_systemMoveOffered)) {
        m_dragging = false;
        return;
    }
    m_mainWindow.move(m_pressWindowPos + (global - m_pressGlobalPos));
    // Where the window system starts from the anchor, from where the window
    // now stands.
    if (frame::offerSystemDrag(m_mainWindow, Qt::Edges(), m_pressGlobalPos, event, true,
                               m_systemMoveOffered))
        m_dragging = false;
}

void RibbonMenuBar::mouseReleaseEvent(QMouseEvent* event)
{
    QWidget::mouseReleaseEvent(event);
    m_dragging = false;
}

void RibbonMenuBar::mouseDoubleClickEvent(QMouseEvent* event)
{
    QWidget::mouseDoubleClickEvent(event);
    if ((event->buttons() & Qt::LeftButton) &&
        m_captionSpacer.geometry().contains(event->position().toPoint())) {
        m_dragging = false;
        m_mainWindow.showMaximizedRestored(true);
        updateSysButtons();
    }
}

void RibbonMenuBar::changeEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::FontChange:
        m_captionFont = captionFontOf(font());
        m_captionMetrics = QFontMetrics(m_captionFont);
        update();
        break;
    case QEvent::ActivationChange:
        update(captionGeometry());
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

void RibbonMenuBar::paintEvent(QPaintEvent*)
{
    const RibbonStyle* skin = RibbonApplication::theApp()->ribbonStyle();
    QPainter painter(this);

    const QRect q = m_quickAccessBar->qabGeometry();
    const int w = q.width();
    const int y = m_quickAccessBar->y();
    const QPixmap& qab = skin->quickAccessBar();
    {
        // Right to left the bar's rounded end is at its left: drawn mirrored.
        const bool rtl = isRightToLeft();
        const int visualX = m_quickAccessBar->x() + q.left();
        const int x = rtl ? width() - visualX - w : visualX;
        const mirror::Flip flip(painter, width(), rtl);
        skin->drawPixmap(painter, QRect(x - 15, y, 15, 26), qab, QRect(0, 0, 15, 26));
        skin->drawPixmap(painter, QRect(x, y, w, 26), qab, QRect(15, 0, 5, 26));
        skin->drawPixmap(painter, QRect(x + w, y, 12, 26), qab, QRect(20, 0, 12, 26));
    }

    const QString docTitle = m_mainWindow.shownTitle();
    const QString title = docTitle.isEmpty() ? QString() : docTitle + QStringLiteral(" - ");
    const QString product = RibbonApplication::currentProductName();
    const bool active = m_mainWindow.isActiveWindow();
    const QColor& titleColor =
        active ? skin->activeTitleTextColor() : skin->inactiveTitleTextColor();
    const QColor& productColor = active ? skin->activeTextColor() : skin->inactiveTextColor();

    painter.setFont(m_captionFont);
    if (isRightToLeft()) {
        paintCaptionRightToLeft(painter, titleColor, productColor);
        return;
    }
    QRect g = m_captionSpacer.geometry();
    QRect r = g;
    // The right edge is set to this value, not moved left by it.
    r.setRight(g.width() - m_productTextRect.width() / 4);
    QRect bounds;
    if (m_captionMetrics.horizontalAdvance(title + product) <=
        r.width() + m_productTextRect.width()) {
        if (!title.isEmpty()) {
            painter.setPen(titleColor);
            painter.drawText(r, Qt::AlignHCenter | Qt::AlignVCenter, title, &bounds);
            g.setLeft(bounds.right());
        }
        painter.setPen(productColor);
        painter.drawText(g, Qt::AlignLeft | Qt::AlignVCenter, product, &m_productTextRect);
        return;
    }

    // Too long: the document title gives way first; the product name stays
    // whole while it fits at all.
    const QString separator = QStringLiteral(" - ");
    const int room = g.width() - m_captionMetrics.horizontalAdvance(product) -
                     m_captionMetrics.horizontalAdvance(separator);
    const QString shortTitle = docTitle.isEmpty() || room <= 0
                                   ? QString()
                                   : m_captionMetrics.elidedText(docTitle, Qt::ElideRight, room);
    if (!shortTitle.isEmpty() && shortTitle != QString(QChar(0x2026))) {
        painter.setPen(titleColor);
        painter.drawText(g, Qt::AlignLeft | Qt::AlignVCenter, shortTitle + separator, &bounds);
        g.setLeft(bounds.right());
    }
    painter.setPen(productColor);
    painter.drawText(g, Qt::AlignLeft | Qt::AlignVCenter,
                     m_captionMetrics.elidedText(product, Qt::ElideRight, g.width()));
}

bool RibbonMenuBar::keyTipsVisible() const
{
    return m_keyTips && m_keyTips->isShown();
}

QString RibbonMenuBar::mainButtonKeyTip() const
{
    return m_keyTips ? m_keyTips->mainButtonTip() : QString();
}

void RibbonMenuBar::setMainButtonKeyTip(const QString& keyTip)
{
    if (m_keyTips)
        m_keyTips->setMainButtonTip(keyTip);
}

void RibbonMenuBar::showKeyTips()
{
    if (m_keyTips)
        m_keyTips->show();
}

void RibbonMenuBar::hideKeyTips()
{
    if (m_keyTips)
        m_keyTips->hide();
}

void RibbonMenuBar::paintCaptionRightToLeft(QPainter& painter, const QColor& titleColor,
                                            const QColor& productColor)
{
    // Title and product are one paragraph in the window's direction, so that
    // they stand in the reading order of its language (the title first, at
    // the right). Each is isolated (FSI ... PDI): a Latin product name keeps
    // its trailing mark ("Tarnwick\u2122") instead of losing it to the far
    // side of the caption.
    const QChar fsi(0x2068);
    const QChar pdi(0x2069);
    const QString separator = QStringLiteral(" - ");
    QString docTitle = m_mainWindow.shownTitle();
    const QString product = RibbonApplication::currentProductName();
    const QRect g = m_captionSpacer.geometry();
    const auto compose = [&](const QString& title) {
        return title.isEmpty() ? fsi + product + pdi
                               : fsi + title + pdi + separator + fsi + product + pdi;
    };
    // Too wide: the title gives way first, the product name stays whole.
    if (m_captionMetrics.horizontalAdvance(compose(docTitle)) > g.width() && !docTitle.isEmpty()) {
        const int room =
            g.width() - m_captionMetrics.horizontalAdvance(compose(QString()) + separator);
        docTitle = m_captionMetrics.elidedText(docTitle, Qt::ElideRight, std::max(room, 0));
    }
    const QString text = compose(docTitle);
    const int titleLength = docTitle.isEmpty() ? 0 : int(docTitle.size()) + 2;

    QTextLayout layout(text, m_captionFont, this);
    QTextOption option(Qt::AlignHCenter);
    option.setTextDirection(Qt::RightToLeft);
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    QTextCharFormat titleFormat;
    titleFormat.setForeground(titleColor);
    QTextCharFormat productFormat;
    productFormat.setForeground(productColor);
    QList<QTextLayout::FormatRange> formats;
    if (titleLength > 0)
        formats.append({0, titleLength + int(separator.size()), titleFormat});
    formats.append({titleLength > 0 ? titleLength + int(separator.size()) : 0,
                    int(product.size()) + 2, productFormat});
    layout.setFormats(formats);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (line.isValid())
        line.setLineWidth(g.width());
    layout.endLayout();
    if (!line.isValid())
        return;
    const qreal y = g.top() + (g.height() - line.height()) / 2;
    painter.setPen(productColor);
    layout.draw(&painter, QPointF(g.left(), y));
    // The product's place, for what is laid out around it.
    const int productStart = titleLength > 0 ? titleLength + int(separator.size()) : 0;
    const qreal a = line.cursorToX(productStart);
    const qreal b = line.cursorToX(int(text.size()));
    m_productTextRect =
        QRect(g.left() + int(std::min(a, b)), g.top(), int(std::abs(b - a)), g.height());
}

} // namespace oru
