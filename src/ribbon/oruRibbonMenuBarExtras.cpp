#include "oruRibbonCatActionGroup.h"
#include "oruRibbonCatActionGroupWidget.h"
#include "oruRibbonMenuBarExtras_p.h"

#include "oruContrast_p.h"
#include "oruMnemonic_p.h"
#include "oruRibbonApplication.h"
#include "oruRibbonButtonMain.h"
#include "oruRibbonCatComboAction.h"
#include "oruRibbonCatComboComboBox.h"
#include "oruRibbonCategoriesPanelAction.h"
#include "oruRibbonCategory.h"
#include "oruRibbonCategoryAction.h"
#include "oruRibbonCategoryPanel.h"
#include "oruRibbonCategoryPanels.h"
#include "oruRibbonCategoryWrapper.h"
#include "oruRibbonContextualTabGroup.h"
#include "oruRibbonMainWindow.h"
#include "oruRibbonMenuBar.h"
#include "oruRibbonMenuBarButton.h"
#include "oruRibbonMenuBarButton_p.h"
#include "oruRibbonQuickAccessBar.h"
#include "oruRibbonScreenTip.h"
#include "oruRibbonSimpleAction.h"
#include "oruRibbonSimplifiedRow_p.h"
#include "oruRibbonStatusBar.h"
#include "oruRibbonStyle.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace oru {

// --- page popup ------------------------------------------------------------

RibbonPagePopup::RibbonPagePopup(RibbonMenuBarExtras& extras, RibbonMenuBar& bar)
    : QWidget(&bar, Qt::Popup), m_extras(extras)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    RibbonCategoryPanels* panels = bar.panels();
    bar.layout()->removeWidget(panels);
    layout->addWidget(panels);
    panels->show();

    // A used control closes the popup, as it closes a collapsed group's.
    if (auto* tab =
            qobject_cast<RibbonCategoriesPanelAction*>(bar.categoryGroup()->checkedAction())) {
        for (RibbonCategoryAction* category : tab->categories())
            connect(category, &RibbonAction::activated, this, &QWidget::close);
    }
}

RibbonPagePopup::~RibbonPagePopup() = default;

void RibbonPagePopup::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void RibbonPagePopup::mouseDoubleClickEvent(QMouseEvent* event)
{
    QWidget* bar = parentWidget();
    const QPoint global = event->globalPosition().toPoint();
    QWidget* under = rect().contains(mapFromGlobal(global)) || !bar
                         ? nullptr
                         : bar->childAt(bar->mapFromGlobal(global));
    if (event->button() == Qt::LeftButton && qobject_cast<RibbonMenuBarButton*>(under)) {
        m_extras.setMinimized(false);
        return;
    }
    QWidget::mouseDoubleClickEvent(event);
}

void RibbonPagePopup::closeEvent(QCloseEvent* event)
{
    event->accept();
    m_extras.popupClosed();
    deleteLater();
}

void RibbonPagePopup::contextMenuEvent(QContextMenuEvent* event)
{
    m_extras.showContextMenu(childAt(event->pos()), event->globalPos());
}

// --- contextual band -------------------------------------------------------

RibbonContextualBand::RibbonContextualBand(RibbonContextualTabGroup& group, QWidget* parent)
    : QWidget(parent), m_group(&group)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void RibbonContextualBand::setTitleHeight(int height)
{
    if (height == m_titleHeight)
        return;
    m_titleHeight = height;
    update();
}

void RibbonContextualBand::paintEvent(QPaintEvent*)
{
    if (!m_group)
        return;
    const RibbonStyle* skin = RibbonApplication::theApp()->ribbonStyle();
    const QColor color = m_group->color();
    const int w = width();
    const int t = m_titleHeight;
    QPainter painter(this);

    // The title part: the group's colour, lighter at the top. It is opaque,
    // so the title's colour can be chosen to read on it: the skin's title
    // colour when it does, else black or white, whichever reads better.
    const QColor light = color.lighter(125);
    QLinearGradient title(0, 0, 0, t);
    title.setColorAt(0, light);
    title.setColorAt(1, color);
    painter.fillRect(QRect(0, 0, w, t), title);
    painter.fillRect(QRect(0, t - 3, w, 3), color.darker(110));
    // Thin sides that hold the group's tabs together.
    QColor side = color.darker(130);
    painter.fillRect(QRect(0, 0, 1, height()), side);
    painter.fillRect(QRect(w - 1, 0, 1, height()), side);

    // Below the title, a light tint behind the tabs.
    QLinearGradient tint(0, t, 0, height());
    QColor tintTop = color;
    tintTop.setAlpha(90);
    QColor tintBottom = color;
    tintBottom.setAlpha(15);
    tint.setColorAt(0, tintTop);
    tint.setColorAt(1, tintBottom);
    painter.fillRect(QRect(1, t, w - 2, height() - t), tint);

    const QColor text = contrast::readableOn(skin->activeTitleTextColor(), {light, color});
    painter.setPen(text);
    const QRect textRect(4, 0, w - 8, t - 3);
    painter.drawText(textRect, Qt::AlignCenter | Qt::TextSingleLine,
                     fontMetrics().elidedText(m_group->title(), Qt::ElideRight, textRect.width()));
}

// --- extras ------------------------------------------------------------------

namespace {

// The width a contextual group asks of a tab so that its title fits.
constexpr char kTitleWidth[] = "oruTitleWidth";

} // namespace

void RibbonMenuBarExtras::fitTabRow(int barWidth)
{
    // Before the bar's layout runs. Combo boxes give way first, down to half
    // their width; then tabs shorten, down to two letters and an ellipsis;
    // then the combo boxes shrink on to a usable width, and go when even that
    // does not fit; only then do the tabs get narrower still, sharing what is
    // left. Nothing in the row overlaps.
    constexpr int usableWidth = 48;
    struct Tab
    {
        RibbonMenuBarButton* button;
        int shortest; // two letters and an ellipsis
        int wish;     // as wide as its group's title asks, else the shortest
    };
    QList<Tab> tabs;
    int shortTabs = 0, wishTabs = 0, fullTabs = 0;
    for (const auto& button : std::as_const(m_bar.m_tabButtons)) {
        if (!button || button->isHidden())
            continue;
        const QString shortest = button->text().left(2) + QChar(0x2026);
        const int width = std::min(button->sizeHint().width(),
                                   button->fontMetrics().horizontalAdvance(shortest) + 15);
        const int wish = std::max(width, button->property(kTitleWidth).toInt());
        tabs.append({button.data(), width, wish});
        shortTabs += width;
        wishTabs += wish;
        fullTabs += std::max(button->sizeHint().width(), wish);
    }
    int others = 0;
    QList<RibbonCatComboComboBox*> combos;
    for (const auto& widget : std::as_const(m_bar.m_extraWidgets)) {
        if (auto* combo = qobject_cast<RibbonCatComboComboBox*>(widget.data());
            combo && combo->action())
            combos << combo;
        else if (widget && !widget->isHidden())
            others += widget->width();
    }
    const QWidget* mainButton = m_bar.m_mainButton;
    int room = barWidth - std::max(mainButton->width(), mainButton->sizeHint().width()) - others;
    int comboRoom = room - shortTabs;
    for (RibbonCatComboComboBox* combo : std::as_const(combos)) {
        const int wanted = combo->action()->width();
        const int comfortable = std::min(wanted, std::max(usableWidth, wanted / 2));
        int width = std::min(wanted, comboRoom + shortTabs - fullTabs);
        if (width < comfortable)
            width = std::min(comfortable, comboRoom);
        const bool fits = width >= std::min(wanted, usableWidth);
        if (fits && combo->minimumWidth() != width)
            combo->setFixedWidth(width);
        const bool shown = fits && combo->action()->isVisible();
        combo->setVisible(shown);
        comboRoom -= shown ? width : 0;
        room -= shown ? width : 0;
    }
    for (const Tab& tab : std::as_const(tabs)) {
        const int least = wishTabs <= room    ? tab.wish
                          : shortTabs <= room ? tab.shortest
                                              : std::max(0, tab.shortest * room / shortTabs);
        if (tab.button->minimumWidth() != least)
            tab.button->setMinimumWidth(least);
    }
}

RibbonMenuBarExtras::RibbonMenuBarExtras(RibbonMenuBar& bar) : QObject(&bar), m_bar(bar)
{
    m_tabButtons.setExclusive(false);
    m_toggleShortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F1), &bar.m_mainWindow);
    m_toggleShortcut->setContext(Qt::WindowShortcut);
    connect(m_toggleShortcut, &QShortcut::activated, this,
            [this]() { setMinimized(!m_minimized); });
    // Bands follow the bar's layout once it has settled.
    m_bandTimer = new QTimer(this);
    m_bandTimer->setSingleShot(true);
    m_bandTimer->setInterval(0);
    connect(m_bandTimer, &QTimer::timeout, this, &RibbonMenuBarExtras::updateBands);
    // A window of its own, deleted with this object.
    m_tip = new RibbonScreenTip;
    // One filter for all: the bar's context menu, the tab buttons' clicks
    // and the tool tips of every control, also in popups.
    qApp->installEventFilter(this);
}

RibbonMenuBarExtras::~RibbonMenuBarExtras()
{
    qApp->removeEventFilter(this);
    if (m_popup) {
        // The bar is going (and perhaps its window): no reparenting now, the
        // page stack goes with the popup.
        RibbonPagePopup* popup = m_popup.data();
        m_popup.clear();
        m_bar.m_panels = nullptr;
        delete popup;
    }
    for (const QPointer<RibbonContextualBand>& band : std::as_const(m_bands))
        delete band.data();
    delete m_tip.data();
    delete m_toggleShortcut;
}

void RibbonMenuBarExtras::tabAdded(QAction* tab)
{
    if (RibbonMenuBarButton* button = m_bar.m_tabButtons.value(tab))
        m_tabButtons.addButton(button);
    connect(tab, &QAction::toggled, this, [this, tab](bool on) { tabToggled(tab, on); });
    if (tab->isChecked())
        tabToggled(tab, true);
    if (RibbonContextualTabGroup* group = groupOf(tab); group && !m_applying)
        applyGroup(group);
}

void RibbonMenuBarExtras::tabRemoved(QAction* tab)
{
    disconnect(tab, nullptr, this, nullptr);
    updateBands();
}

void RibbonMenuBarExtras::tabToggled(QAction* tab, bool checked)
{
    if (!checked)
        return;
    m_history.removeAll(nullptr);
    m_history.removeAll(tab);
    m_history.append(tab);
}

// --- minimising ---

void RibbonMenuBarExtras::setMinimized(bool minimized)
{
    if (minimized == m_minimized)
        return;
    if (m_popup)
        m_popup->close();
    m_minimized = minimized;
    m_bar.m_panels->setVisible(!minimized);
    m_bar.updateGeometry();
    repaintTabs();
    emit m_bar.minimizedChanged(minimized);
}

void RibbonMenuBarExtras::repaintTabs()
{
    // Whether the selected tab looks selected follows whether a page shows.
    for (RibbonMenuBarButton* button : std::as_const(m_bar.m_tabButtons))
        if (button)
            button->update();
}

QWidget* RibbonMenuBarExtras::popup() const
{
    return m_popup.data();
}

void RibbonMenuBarExtras::openPopup()
{
    if (!m_minimized || m_popup || !m_bar.m_categoryGroup->checkedAction())
        return;
    m_popup = new RibbonPagePopup(*this, m_bar);
    const int top = m_bar.m_tabRowLayout->geometry().bottom() + 1;
    const QPoint place = m_bar.mapToGlobal(QPoint(0, top));
    m_popup->resize(m_bar.width(), m_bar.m_panels->height());
    m_popup->move(place);
    m_popup->show();
    // Again once shown: some window systems place a new window themselves.
    m_popup->move(place);
    repaintTabs();
}

void RibbonMenuBarExtras::restorePanels()
{
    RibbonCategoryPanels* panels = m_bar.m_panels;
    if (panels->parentWidget() != &m_bar) {
        panels->setParent(&m_bar);
        m_bar.m_gridLayout->addWidget(panels, 2, 0, 1, 4);
    }
    panels->setVisible(!m_minimized);
}

void RibbonMenuBarExtras::popupClosed()
{
    if (m_popup) {
        m_closedBy = m_bar.m_categoryGroup->checkedAction();
        // Only the click that closed the popup counts.
        QTimer::singleShot(0, this, [this]() { m_closedBy.clear(); });
    }
    m_popup.clear();
    restorePanels();
    repaintTabs();
}

// --- quick access bar's place ---

void RibbonMenuBarExtras::setQuickAccessBarBelow(bool below)
{
    if (below == m_below)
        return;
    m_below = below;
    RibbonQuickAccessBar* qab = m_bar.m_quickAccessBar;
    m_bar.m_gridLayout->removeWidget(qab);
    if (below)
        m_bar.m_gridLayout->addWidget(qab, 3, 0, 1, 4, Qt::AlignLeft | Qt::AlignTop);
    else
        m_bar.m_gridLayout->addWidget(qab, 0, 1, Qt::AlignLeft | Qt::AlignTop);
    m_bar.updateGeometry();
    m_bar.update();
    emit m_bar.quickAccessBarBelowChanged(below);
}

// --- contextual groups ---

void RibbonMenuBarExtras::addGroup(RibbonContextualTabGroup* group)
{
    if (!group || groups().contains(group))
        return;
    m_groups.append(group);
    auto* band = new RibbonContextualBand(*group, &m_bar);
    band->lower();
    m_bands.insert(group, band);
    connect(group, &RibbonContextualTabGroup::changed, this,
            [this, group]() { applyGroup(group); });
    connect(group, &RibbonContextualTabGroup::visibleChanged, this,
            [this, group]() { applyGroup(group); });
    connect(group, &QObject::destroyed, this, [this](QObject* dead) {
        m_groups.removeAll(nullptr);
        delete m_bands.take(dead).data();
        // The group's tabs, hidden with it, become ordinary tabs again.
        for (QAction* tab : std::as_const(m_bar.m_tabs)) {
            RibbonMenuBarButton* button = m_bar.m_tabButtons.value(tab);
            if (button && button->isHidden() && !groupOf(tab)) {
                tab->setVisible(true);
                button->show();
            }
        }
        updateBands();
    });
    applyGroup(group);
}

void RibbonMenuBarExtras::removeGroup(RibbonContextualTabGroup* group)
{
    if (!group || !groups().contains(group))
        return;
    m_groups.removeAll(group);
    disconnect(group, nullptr, this, nullptr);
    delete m_bands.take(group).data();
    // Its tabs stay as ordinary tabs.
    for (RibbonCategoriesPanelAction* tab : group->tabs()) {
        tab->setVisible(true);
        if (RibbonMenuBarButton* button = m_bar.m_tabButtons.value(tab))
            button->show();
    }
    updateBands();
}

QList<RibbonContextualTabGroup*> RibbonMenuBarExtras::groups() const
{
    QList<RibbonContextualTabGroup*> list;
    for (const QPointer<RibbonContextualTabGroup>& group : m_groups)
        if (group)
            list.append(group.data());
    return list;
}

RibbonContextualTabGroup* RibbonMenuBarExtras::groupOf(const QAction* tab) const
{
    for (const QPointer<RibbonContextualTabGroup>& group : m_groups)
        if (group && group->contains(tab))
            return group.data();
    return nullptr;
}

bool RibbonMenuBarExtras::isHiddenContextual(const QAction* tab) const
{
    const RibbonContextualTabGroup* group = groupOf(tab);
    return group && !group->isVisible();
}

void RibbonMenuBarExtras::applyGroup(RibbonContextualTabGroup* group)
{
    const QList<RibbonCategoriesPanelAction*> tabs = group->tabs();
    m_applying = true;
    for (RibbonCategoriesPanelAction* tab : tabs)
        if (!m_bar.m_tabs.contains(tab))
            m_bar.addAction(tab);
    m_applying = false;

    const bool visible = group->isVisible();
    QAction* current = m_bar.m_categoryGroup->checkedAction();
    if (!visible && current && group->contains(current)) {
        // Back to the tab the user came from, else the nearest one before
        // the group, else the first tab that shows.
        QAction* next = nullptr;
        for (int i = int(m_history.size()) - 1; i >= 0 && !next; --i) {
            QAction* candidate = m_history.at(i).data();
            if (candidate && !group->contains(candidate) && m_bar.m_tabs.contains(candidate) &&
                !isHiddenContextual(candidate))
                next = candidate;
        }
        if (!next) {
            int first = int(m_bar.m_tabs.size());
            for (RibbonCategoriesPanelAction* tab : tabs)
                first = qMin(first, int(m_bar.m_tabs.indexOf(tab)));
            for (int i = first - 1; i >= 0 && !next; --i)
                if (!group->contains(m_bar.m_tabs.at(i)) && !isHiddenContextual(m_bar.m_tabs.at(i)))
                    next = m_bar.m_tabs.at(i);
            for (int i = 0; i < m_bar.m_tabs.size() && !next; ++i)
                if (!group->contains(m_bar.m_tabs.at(i)) && !isHiddenContextual(m_bar.m_tabs.at(i)))
                    next = m_bar.m_tabs.at(i);
        }
        if (next) {
            next->setChecked(true);
        } else {
            // Nothing else shows: no tab stays selected.
            m_bar.m_categoryGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
            current->setChecked(false);
            m_bar.m_categoryGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
        }
    }
    QList<RibbonMenuBarButton*> buttons;
    int width = 0;
    for (RibbonCategoriesPanelAction* tab : tabs) {
        // An invisible action's shortcut does not fire either.
        tab->setVisible(visible);
        if (RibbonMenuBarButton* button = m_bar.m_tabButtons.value(tab)) {
            button->setVisible(visible);
            button->setProperty(kTitleWidth, 0);
            buttons.append(button);
            width += button->sizeHint().width();
        }
    }
    // The tabs widen when the title is wider than they are together.
    const int needed = m_bar.fontMetrics().horizontalAdvance(group->title()) + 16;
    if (visible && !buttons.isEmpty() && width < needed) {
        const int n = int(buttons.size());
        for (int i = 0; i < n; ++i)
            buttons.at(i)->setProperty(kTitleWidth, buttons.at(i)->sizeHint().width() +
                                                        (needed - width) / n +
                                                        (i < (needed - width) % n));
    }
    fitTabRow(m_bar.width());
    updateBands();
}

void RibbonMenuBarExtras::updateBands()
{
    for (auto it = m_bands.cbegin(); it != m_bands.cend(); ++it) {
        RibbonContextualBand* band = it.value().data();
        RibbonContextualTabGroup* group = band ? band->group() : nullptr;
        if (!band || !group)
            continue;
        QRect tabs;
        if (group->isVisible()) {
            for (RibbonCategoriesPanelAction* tab : group->tabs()) {
                const RibbonMenuBarButton* button = m_bar.m_tabButtons.value(tab);
                if (button && !button->isHidden())
                    tabs = tabs.united(button->geometry());
            }
        }
        if (tabs.isEmpty()) {
            band->hide();
            continue;
        }
        band->setGeometry(QRect(tabs.left(), 0, tabs.width(), tabs.bottom() + 1));
        band->setTitleHeight(tabs.top());
        band->show();
        band->lower();
    }
}

// --- context menu and screen tips ---

QAction* RibbonMenuBarExtras::controlAction(QWidget* widget) const
{
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        if (qobject_cast<RibbonMenuBar*>(w) || qobject_cast<RibbonCategory*>(w) ||
            qobject_cast<RibbonCategoryWrapper*>(w) || qobject_cast<RibbonCategoryPanel*>(w) ||
            qobject_cast<RibbonCategoryPanels*>(w) || qobject_cast<RibbonSimplifiedRow*>(w) ||
            qobject_cast<RibbonQuickAccessBar*>(w) || qobject_cast<RibbonMenuBarButton*>(w) ||
            qobject_cast<RibbonStatusBar*>(w) || qobject_cast<RibbonMainWindow*>(w) ||
            w->isWindow())
            return nullptr;
        QAction* action = w->actions().value(0);
        if (qobject_cast<RibbonAction*>(action))
            return action;
    }
    return nullptr;
}

QMenu* RibbonMenuBarExtras::createContextMenu(QWidget* widget, QWidget* parent)
{
    RibbonQuickAccessBar* qab = m_bar.m_quickAccessBar;
    auto* menu = new QMenu(parent);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (qab->isCustomizable()) {
        auto* command = qobject_cast<RibbonSimpleAction*>(controlAction(widget));
        if (command && command != qab->customizeAction()) {
            QPointer<RibbonSimpleAction> guarded(command);
            if (qab->hasCommand(command)) {
                connect(menu->addAction(QCoreApplication::translate(
                            "RibbonQuickAccessBar", "Remove from Quick Access Toolbar")),
                        &QAction::triggered, qab,
                        [qab, guarded]() { qab->removeCommand(guarded.data()); });
            } else {
                connect(menu->addAction(QCoreApplication::translate("RibbonQuickAccessBar",
                                                                    "Add to Quick Access Toolbar")),
                        &QAction::triggered, qab,
                        [qab, guarded]() { qab->addCommand(guarded.data()); });
            }
            menu->addSeparator();
        }
        const bool below = m_below;
        QAction* place = menu->addAction(
            below ? QCoreApplication::translate("RibbonQuickAccessBar",
                                                "Show Quick Access Toolbar above the Ribbon")
                  : QCoreApplication::translate("RibbonQuickAccessBar",
                                                "Show Quick Access Toolbar below the Ribbon"));
        connect(place, &QAction::triggered, this,
                [this, below]() { setQuickAccessBarBelow(!below); });
        menu->addSeparator();
    }
    QAction* minimize =
        menu->addAction(QCoreApplication::translate("RibbonQuickAccessBar", "Minimize the Ribbon"));
    minimize->setCheckable(true);
    minimize->setChecked(m_minimized);
    connect(minimize, &QAction::toggled, this, &RibbonMenuBarExtras::setMinimized);
    QAction* simplified =
        menu->addAction(QCoreApplication::translate("RibbonQuickAccessBar", "Simplified Ribbon"));
    simplified->setCheckable(true);
    simplified->setChecked(m_bar.isSimplified());
    connect(simplified, &QAction::toggled, &m_bar, &RibbonMenuBar::setSimplified);
    return menu;
}

void RibbonMenuBarExtras::showContextMenu(QWidget* widget, const QPoint& globalPos)
{
    if (m_tip)
        m_tip->hide();
    createContextMenu(widget, &m_bar)->popup(globalPos);
}

bool RibbonMenuBarExtras::ownsWidget(const QWidget* widget) const
{
    if (qobject_cast<const RibbonCategoryWrapperPopup*>(widget->window()))
        return true;
    for (const QWidget* w = widget; w; w = w->parentWidget())
        if (w == &m_bar)
            return true;
    return false;
}

bool RibbonMenuBarExtras::handleTip(QWidget* widget, QEvent* event)
{
    if (!m_tip || !ownsWidget(widget))
        return false;
    QAction* action = controlAction(widget);
    auto* help = static_cast<QHelpEvent*>(event);
    // A strip of buttons tells about the member under the pointer.
    if (auto* strip = qobject_cast<RibbonCatActionGroupWidget*>(widget)) {
        if (auto* group = qobject_cast<RibbonCatActionGroup*>(action)) {
            const QList<RibbonAction*> members = group->actions();
            for (int i = 0; i < members.size(); ++i) {
                if (strip->cellRect(i).contains(help->pos()))
                    action = members.at(i);
            }
        }
    }
    if (!action) {
        m_tip->hide();
        return false;
    }
    // The simplified ribbon shows no group captions: the tip tells it.
    QString group;
    for (QWidget* w = widget; w && w != &m_bar; w = w->parentWidget())
        if (auto* row = qobject_cast<RibbonSimplifiedRow*>(w)) {
            RibbonCategoryAction* category =
                row->groupOf(qobject_cast<RibbonAction*>(controlAction(widget)));
            if (category)
                group = mnemonic::plainText(category->text());
            break;
        }
    m_tip->showAt(action, help->globalPos(), group);
    return m_tip->hasContents();
}

bool RibbonMenuBarExtras::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == &m_bar) {
        if (type == QEvent::ContextMenu) {
            auto* menuEvent = static_cast<QContextMenuEvent*>(event);
            showContextMenu(m_bar.childAt(menuEvent->pos()), menuEvent->globalPos());
            return true;
        }
        if (type == QEvent::Resize)
            fitTabRow(static_cast<QResizeEvent*>(event)->size().width());
        else if (type == QEvent::LayoutRequest || type == QEvent::Show)
            fitTabRow(m_bar.width());
        if ((type == QEvent::Resize || type == QEvent::LayoutRequest || type == QEvent::Show) &&
            !m_bands.isEmpty())
            m_bandTimer->start();
        return false;
    }
    if (auto* button = qobject_cast<RibbonMenuBarButton*>(watched);
        button && button->parentWidget() == &m_bar) {
        switch (type) {
        case QEvent::MouseButtonDblClick:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                setMinimized(!m_minimized);
                return true;
            }
            break;
        case QEvent::MouseButtonPress:
            if (m_minimized && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                QAction* tab = button->actions().value(0);
                if (tab && tab == m_closedBy.data())
                    return true;
                if (tab && !tab->isChecked())
                    button->click();
                if (tab && tab->isChecked())
                    openPopup();
                return true;
            }
            break;
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            updateBands();
            // The page's top edge opens under the selected tab, wherever it went.
            if (button->isChecked() && m_bar.m_panels)
                m_bar.m_panels->update(0, 0, m_bar.m_panels->width(), tablook::JoinRows);
            break;
        default:
            break;
        }
        return false;
    }
    switch (type) {
    case QEvent::ToolTip:
        if (watched->isWidgetType())
            return handleTip(static_cast<QWidget*>(watched), event);
        break;
    case QEvent::Leave:
    case QEvent::MouseButtonPress:
    case QEvent::KeyPress:
    case QEvent::Wheel:
    case QEvent::WindowDeactivate:
        if (m_tip && m_tip->isVisible())
            m_tip->hide();
        break;
    default:
        break;
    }
    return false;
}

// --- the bar's own interface -----------------------------------------------

bool RibbonMenuBar::isMinimized() const
{
    return m_extras->isMinimized();
}

QWidget* RibbonMenuBar::minimizedPopup() const
{
    return m_extras->popup();
}

void RibbonMenuBar::setMinimized(bool minimized)
{
    m_extras->setMinimized(minimized);
}

bool RibbonMenuBar::isSimplified() const
{
    return m_panels->isSimplified();
}

void RibbonMenuBar::setSimplified(bool simplified)
{
    if (simplified == isSimplified())
        return;
    // Badges and the minimised ribbon's popup show the other mode's controls.
    hideKeyTips();
    if (QWidget* popup = m_extras->popup())
        popup->close();
    m_panels->setSimplified(simplified);
    updateGeometry();
    emit simplifiedChanged(simplified);
}

bool RibbonMenuBar::isSimplifiedToggleVisible() const
{
    return m_panels->isSimplifiedToggleVisible();
}

void RibbonMenuBar::setSimplifiedToggleVisible(bool visible)
{
    m_panels->setSimplifiedToggleVisible(visible);
}

bool RibbonMenuBar::isQuickAccessBarBelow() const
{
    return m_extras->isQuickAccessBarBelow();
}

void RibbonMenuBar::setQuickAccessBarBelow(bool below)
{
    m_extras->setQuickAccessBarBelow(below);
}

void RibbonMenuBar::addContextualTabGroup(RibbonContextualTabGroup* group)
{
    m_extras->addGroup(group);
}

void RibbonMenuBar::removeContextualTabGroup(RibbonContextualTabGroup* group)
{
    m_extras->removeGroup(group);
}

QList<RibbonContextualTabGroup*> RibbonMenuBar::contextualTabGroups() const
{
    return m_extras->groups();
}

} // namespace oru
