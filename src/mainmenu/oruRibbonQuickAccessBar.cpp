#include "oruRibbonQuickAccessBar.h"

#include "oruMirror_p.h"
#include "oruRibbonApplication.h"
#include "oruRibbonButtonNormal.h"
#include "oruRibbonMenuBar.h"
#include "oruRibbonSimpleAction.h"
#include "oruRibbonStyle.h"

#include <QActionEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QMenu>
#include <QPainter>

namespace oru {

namespace {

// Hidden by the bar. A new button is hidden too, until the layout shows it
// at the next turn of the event loop.
bool isOut(const QWidget* widget)
{
    return widget->isHidden() && widget->testAttribute(Qt::WA_WState_ExplicitShowHide);
}

// The chevron that stands in for the buttons that do not fit: the small
// button's frames, and two small right-pointing triangles in the middle.
class OverflowButton final : public RibbonButtonNormal
{
public:
    explicit OverflowButton(QWidget* parent) : RibbonButtonNormal(parent)
    {
        setObjectName(QStringLiteral("vazave_qab_overflow"));
        setFixedSize(13, 20);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        RibbonButtonNormal::paintEvent(event);
        const RibbonStyle* skin = RibbonApplication::theApp()->ribbonStyle();
        const QColor& ink =
            isEnabled() ? skin->normalCategoryTextColor() : skin->disabledCategoryTextColor();
        QPainter painter(this);
        painter.setPen(ink);
        painter.setBrush(ink);
        const int top = height() / 2 - 3;
        const int left = (width() - 7) / 2;
        // Pointing where the hidden buttons would follow.
        const mirror::Flip flip(painter, width(), isRightToLeft());
        RibbonStyle::drawSymbol(painter, QRect(left, top, 3, 6), ArrowRight);
        RibbonStyle::drawSymbol(painter, QRect(left + 4, top, 3, 6), ArrowRight);
    }
};

} // namespace

RibbonQuickAccessBar::RibbonQuickAccessBar(RibbonMenuBar& menuBar)
    : QWidget(&menuBar), m_menuBar(menuBar),
      m_endSpacer(15, 0, QSizePolicy::Fixed, QSizePolicy::Ignored)
{
    setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    setFixedHeight(26);
    m_outerLayout = new QHBoxLayout;
    // Box layouts mirror their items but not their margins: the wide one
    // stays at the application button's side (see eventFilter()).
    m_outerLayout->setContentsMargins(
        isRightToLeft() ? QMargins(3, 3, 10, 3) : QMargins(10, 3, 3, 3));
    installEventFilter(this);
    m_outerLayout->setSpacing(0);
    m_buttonsLayout = new QHBoxLayout;
    m_buttonsLayout->setContentsMargins(0, 0, 0, 0);
    m_buttonsLayout->setSpacing(3);
    m_outerLayout->addLayout(m_buttonsLayout);
    m_outerLayout->addItem(&m_endSpacer);
    setLayout(m_outerLayout);
    // The bar may be narrower than its buttons; updateOverflow() then hides
    // those that do not fit, so the layout must not hold the bar at their
    // width.
    m_outerLayout->setSizeConstraint(QLayout::SetNoConstraint);

    m_overflowAction = new RibbonSimpleAction(
        QIcon(), QCoreApplication::translate("RibbonQuickAccessBar", "More Commands"), this);
    m_overflowButton = new OverflowButton(this);
    m_overflowButton->addAction(m_overflowAction);
    m_overflowButton->hide();
    m_buttonsLayout->addWidget(m_overflowButton);
    connect(m_overflowAction, &QAction::triggered, this, &RibbonQuickAccessBar::showOverflowMenu);

    m_customizeAction = new RibbonSimpleAction(
        QIcon(), QCoreApplication::translate("QObject", "Customize Quick Access Toolbar"), this);
    addAction(m_customizeAction);
    // What is left of a bar that shows fewer buttons than it has room for
    // stays at its right end, after the customize button.
    m_outerLayout->addStretch();
}

RibbonQuickAccessBar::~RibbonQuickAccessBar()
{
    // Commands may be children of the bar, deleted after its layouts and
    // members: nothing of theirs may call back into the bar then.
    for (QObject* command : std::as_const(m_commands))
        disconnect(command, nullptr, this, nullptr);
    qDeleteAll(rowButtons());
    // The spacer is a member; the layout must not delete it.
    m_outerLayout->removeItem(&m_endSpacer);
}

QRect RibbonQuickAccessBar::qabGeometry() const
{
    return m_buttonsLayout->geometry();
}

void RibbonQuickAccessBar::actionEvent(QActionEvent* event)
{
    QWidget::actionEvent(event);
    if (event->type() != QEvent::ActionAdded)
        return;
    QAction* action = event->action();
    if (action == m_customizeAction) {
        auto* button = new RibbonButtonNormal(this);
        button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
        button->setFixedWidth(10);
        button->addAction(action);
        m_outerLayout->addWidget(button);
        // A press opens the customisation drop-down while the bar is
        // customizable.
        m_customizeButton = button;
        button->installEventFilter(this);
    } else if (auto* simple = qobject_cast<RibbonSimpleAction*>(action)) {
        newButton(simple, -1);
        event->accept();
    }
}

RibbonButtonNormal* RibbonQuickAccessBar::newButton(RibbonSimpleAction* action, int index)
{
    auto* button = new RibbonButtonNormal(this);
    button->setFixedSize(20, 20);
    button->addAction(action);
    // The chevron stays last.
    const int last = m_buttonsLayout->count() - 1;
    m_buttonsLayout->insertWidget(index < 0 ? last : qMin(index, last), button);
    // A button without its action would show a stale icon that does nothing.
    // The bar is looked up, not captured: a button already dropped has none
    // (and may outlive it until its deferred deletion), and a bar in its
    // destructor is no RibbonQuickAccessBar any more.
    connect(action, &QObject::destroyed, button, [button]() {
        if (auto* bar = qobject_cast<RibbonQuickAccessBar*>(button->parentWidget()))
            bar->dropButton(button);
    });
    if (!m_settingCommands) {
        updateGeometry();
        updateOverflow();
    }
    return button;
}

void RibbonQuickAccessBar::dropButton(RibbonButtonNormal* button)
{
    if (!button || button->parent() != this)
        return;
    m_buttonsLayout->removeWidget(button);
    // Out of the bar at once, deleted later: the button may be inside its
    // own click, whose slot deleted the action or removed the command. It
    // goes to a hidden holder in the same window, deleted with it: out of
    // the window, Qt would walk the window's whole focus chain for it.
    button->hide();
    auto* holder = new QWidget(this);
    holder->hide();
    button->setParent(holder);
    holder->deleteLater();
    if (m_settingCommands)
        return;
    updateGeometry();
    updateOverflow();
    m_menuBar.update();
}

QList<RibbonButtonNormal*> RibbonQuickAccessBar::rowButtons() const
{
    QList<RibbonButtonNormal*> buttons;
    for (int i = 0; i < m_buttonsLayout->count(); ++i)
        if (auto* button = qobject_cast<RibbonButtonNormal*>(m_buttonsLayout->itemAt(i)->widget());
            button && button != m_overflowButton)
            buttons.append(button);
    return buttons;
}

int RibbonQuickAccessBar::rowWidth(const QList<RibbonButtonNormal*>& buttons, int count,
                                   int spacing)
{
    int width = 0;
    for (int i = 0; i < count; ++i)
        width += buttons.at(i)->minimumWidth() + (i > 0 ? spacing : 0);
    return width;
}

int RibbonQuickAccessBar::fixedWidth() const
{
    // The margins, the end spacer and the customize button.
    const QMargins margins = m_outerLayout->contentsMargins();
    int width = margins.left() + margins.right();
    for (int i = 0; i < m_outerLayout->count(); ++i) {
        QLayoutItem* item = m_outerLayout->itemAt(i);
        if (item->layout() == m_buttonsLayout)
            continue;
        if (QWidget* widget = item->widget(); widget && widget->isHidden())
            continue;
        width += item->sizeHint().width();
    }
    return width;
}

QSize RibbonQuickAccessBar::sizeHint() const
{
    const QList<RibbonButtonNormal*> buttons = rowButtons();
    const int spacing = m_buttonsLayout->spacing();
    // Commands without a button count as the 20-pixel buttons they would be.
    const int unbuttoned = int(m_commands.size()) - buttonedCount();
    return {fixedWidth() + rowWidth(buttons, int(buttons.size()), spacing) +
                unbuttoned * (20 + spacing),
            26};
}

QSize RibbonQuickAccessBar::minimumSizeHint() const
{
    if (rowButtons().isEmpty())
        return sizeHint();
    return {fixedWidth() + m_overflowButton->minimumWidth(), 26};
}

void RibbonQuickAccessBar::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    updateOverflow();
}

void RibbonQuickAccessBar::updateOverflow()
{
    // Showing a button activates the layouts above the bar, which may
    // resize it and so call this again from inside setVisible(): Qt would
    // then finish the outer show after the inner hide, and leave a widget
    // both hidden and visible. So the inner call only asks for another pass.
    if (m_placingRow) {
        m_placeRowAgain = true;
        return;
    }
    m_placingRow = true;
    for (int pass = 0; pass < 4; ++pass) {
        m_placeRowAgain = false;
        placeRow();
        if (!m_placeRowAgain)
            break;
    }
    m_placingRow = false;
}

void RibbonQuickAccessBar::placeRow()
{
    const QList<RibbonButtonNormal*> buttons = rowButtons();
    const int count = int(buttons.size());
    const int spacing = m_buttonsLayout->spacing();
    const int room = width() - fixedWidth();
    // The widest prefix of the row that fits, in one pass over the buttons.
    const auto fitting = [&](int limit) {
        int width = 0;
        for (int i = 0; i < count; ++i) {
            width += buttons.at(i)->minimumWidth() + (i > 0 ? spacing : 0);
            if (width > limit)
                return i;
        }
        return count;
    };
    // Commands without a button are always in the chevron's menu, and so
    // are the buttons after them (of plain actions).
    const int buttoned = buttonedCount();
    const bool unbuttoned = m_commands.size() > buttoned;
    int shown = fitting(room);
    if (shown < count || unbuttoned)
        shown = fitting(room - spacing - m_overflowButton->minimumWidth());
    if (unbuttoned)
        shown = qMin(shown, buttoned);
    bool changed = false;
    const auto place = [&changed](QWidget* widget, bool out) {
        if (isOut(widget) == out)
            return;
        widget->setHidden(out);
        changed = true;
    };
    for (int i = 0; i < count; ++i)
        place(buttons.at(i), i >= shown);
    place(m_overflowButton, shown == count && !unbuttoned);
    // Place the row now, not at the next turn of the event loop, so that
    // the ribbon bar paints the bar's background under the row it shows.
    if (changed)
        m_outerLayout->invalidate();
    if (m_outerLayout->activate() || changed)
        m_menuBar.update();
}

QList<QAction*> RibbonQuickAccessBar::overflowActions() const
{
    QList<QAction*> actions;
    const QList<RibbonButtonNormal*> buttons = rowButtons();
    const int buttoned = buttonedCount();
    for (int i = 0; i < buttons.size(); ++i) {
        if (isOut(buttons.at(i)))
            if (QAction* action = buttons.at(i)->actions().value(0))
                actions.append(action);
        // The commands without a button follow those with one.
        if (i == buttoned - 1)
            for (qsizetype c = buttoned; c < m_commands.size(); ++c)
                actions.append(m_commandActions.value(m_commands.at(c)));
    }
    return actions;
}

QMenu* RibbonQuickAccessBar::createOverflowMenu(QWidget* parent)
{
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("vazave_qab_overflow_menu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The commands themselves, so that their checked and enabled states show
    // and a change while the menu is open shows at once.
    menu->addActions(overflowActions());
    return menu;
}

void RibbonQuickAccessBar::showOverflowMenu()
{
    // The chevron's child: its accessible state follows the menu.
    QMenu* menu = createOverflowMenu(m_overflowButton);
    mirror::follow(*menu, m_overflowButton);
    menu->popup(mirror::below(*m_overflowButton, menu->sizeHint().width()));
}

} // namespace oru
