#include "oruRibbonCategoryWrapper.h"
#include "oruMnemonic_p.h"

#include "oruPopupPlacement_p.h"
#include "oruRibbonApplication.h"
#include "oruRibbonCatColorMenuAction.h"
#include "oruRibbonCatMenuAction.h"
#include "oruRibbonCatPaint_p.h"
#include "oruRibbonCatSimpleAction.h"
#include "oruRibbonCategory.h"
#include "oruRibbonCategoryAction.h"
#include "oruRibbonCategoryPanel.h"
#include "oruRibbonStyle.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStyleOption>
#include <QWindow>

namespace oru {

namespace {

bool isLargeControl(const RibbonAction* action)
{
    if (const auto* simple = qobject_cast<const RibbonCatSimpleAction*>(action))
        return simple->size() == RibbonCatSimpleAction::Large;
    if (const auto* colour = qobject_cast<const RibbonCatColorMenuAction*>(action))
        return colour->size() == RibbonCatColorMenuAction::Large;
    if (const auto* menu = qobject_cast<const RibbonCatMenuAction*>(action))
        return menu->menuSize() == RibbonCatMenuAction::Large;
    return false;
}

/// The picture of a collapsed group: its own icon, else the icon of its first
/// large control that has one, else of any control, so the button never shows
/// an empty frame when the host gave the group no icon.
QIcon collapsedIcon(const RibbonCategoryAction& group)
{
    if (!group.icon().isNull())
        return group.icon();
    for (const bool largeOnly : {true, false})
        for (const RibbonAction* action : group.actions())
            if (action && !action->icon().isNull() && (!largeOnly || isLargeControl(action)))
                return action->icon();
    return QIcon();
}

} // namespace

RibbonCategoryWrapperPopup::RibbonCategoryWrapperPopup(RibbonCategoryWrapper& wrapper)
    : QWidget(nullptr, Qt::Popup), m_wrapper(wrapper)
{
    // A window of its own takes the application's direction; it follows the
    // ribbon's instead.
    setLayoutDirection(wrapper.layoutDirection());
    m_popupLayout = new QHBoxLayout(this);
    m_popupLayout->setContentsMargins(0, 0, 0, 0);
    m_popupLayout->setSpacing(0);
    if (RibbonCategoryAction* action = wrapper.categoryAction()) {
        m_popupCategory = new RibbonCategory(this, *action);
        m_popupLayout->addWidget(m_popupCategory);
        connect(action, &RibbonAction::activated, this, &QWidget::close);
    }
    // A window of its own: the window system learns whose popup it is from
    // the transient parent (Wayland places popups relative to it).
    if (const QWidget* top = wrapper.window(); top && top->windowHandle()) {
        create();
        windowHandle()->setTransientParent(top->windowHandle());
    }
    setVisible(true);
}

RibbonCategoryWrapperPopup::~RibbonCategoryWrapperPopup() = default;

void RibbonCategoryWrapperPopup::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int w = width();
    const int h = height();

    // Just below the page, at the wrapper's leading edge: its left edge, or
    // right to left its right edge, which the popup's right edge meets.
    const int y0 = m_wrapper.page().geometry().bottom() - m_wrapper.y();
    const bool rtl = m_wrapper.isRightToLeft();
    const QPoint edge = m_wrapper.mapToGlobal(QPoint(rtl ? m_wrapper.width() - w : 0, y0));
    const QPoint anchor = m_wrapper.mapToGlobal(QPoint(rtl ? m_wrapper.width() - 1 : 0, y0));
    // The screen under the anchor, not the primary one: with several monitors
    // the popup must open on the monitor where the group was clicked, and its
    // edges are the ones it must stay inside. Only an anchor off every screen
    // falls back to the primary screen.
    QScreen* screen = QGuiApplication::screenAt(anchor);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    QPoint target = edge;
    if (screen) {
        const QRect avail = screen->availableGeometry();
        if (anchor.y() + h - 1 > avail.bottom())
            target.setY(anchor.y() - h - 91); // above the page stack
        if (target.x() + w - 1 > avail.right())
            target.setX(avail.right() - w + 1);
        if (rtl && target.x() < avail.left())
            target.setX(avail.left());
    }
    // Whatever still sticks out (a window at the left or top edge) comes in.
    move(keepPopupOnScreen(target, size()));

    // One pixel off each corner.
    const QPolygon outline({QPoint(1, 0), QPoint(w - 2, 0), QPoint(w - 2, 1), QPoint(w - 1, 1),
                            QPoint(w - 1, h - 2), QPoint(w - 2, h - 2), QPoint(w - 2, h - 1),
                            QPoint(1, h - 1), QPoint(1, h - 2), QPoint(0, h - 2), QPoint(0, 1),
                            QPoint(1, 1), QPoint(1, 0)});
    setMask(QRegion(outline, Qt::OddEvenFill));
}

void RibbonCategoryWrapperPopup::closeEvent(QCloseEvent* event)
{
    m_wrapper.setMyChecked(false);
    event->accept();
    deleteLater();
}

RibbonCategoryWrapper::RibbonCategoryWrapper(RibbonCategoryPanel& page,
                                             RibbonCategoryAction& action)
    : QAbstractButton(&page), m_page(page), m_categoryAction(&action)
{
    setSizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::Fixed);
    // A group on a page never shown answers its collapsed size from its
    // caption alone; its group widget waits until the page shows.
    if (page.isBuilt())
        category();
    setFocusPolicy(Qt::NoFocus);
    m_caption = mnemonic::plainText(action.text());
    connect(&action, &QAction::changed, this, &RibbonCategoryWrapper::followCaption);
    // Repaint on entering and leaving for the hover look of the button.
    setAttribute(Qt::WA_Hover);
}

RibbonCategoryWrapper::~RibbonCategoryWrapper()
{
    // The popup is a window of its own and refers to this wrapper.
    delete m_popup.data();
}

RibbonCategory* RibbonCategoryWrapper::category() const
{
    if (m_category || !m_categoryAction)
        return m_category;
    auto* self = const_cast<RibbonCategoryWrapper*>(this);
    self->m_category = new RibbonCategory(self, *m_categoryAction);
    m_category->move(0, 0);
    m_category->resize(m_category->sizeHint());
    // The category has no layout around it: follow its size by hand.
    m_category->installEventFilter(self);
    if (m_colapsed)
        m_category->hide();
    else if (isVisible())
        m_category->show();
    return m_category;
}

void RibbonCategoryWrapper::followCaption()
{
    // The category action also reports every change of its controls; only a
    // new caption changes the sizes here.
    if (!m_categoryAction || mnemonic::plainText(m_categoryAction->text()) == m_caption)
        return;
    m_caption = mnemonic::plainText(m_categoryAction->text());
    relayout();
}

void RibbonCategoryWrapper::relayout()
{
    m_colapsedSizeCache = QSize();
    if (m_category)
        m_category->resize(m_category->sizeHint());
    // The page decides again what to collapse, with both new sizes.
    updateGeometry();
    update();
}

void RibbonCategoryWrapper::setColapsed(bool colapsed)
{
    if (colapsed == m_colapsed)
        return;
    m_colapsed = colapsed;
    if (m_category)
        m_category->setVisible(!colapsed);
    else if (!colapsed)
        category();
    updateGeometry();
    update();
}

void RibbonCategoryWrapper::setMyChecked(bool checked)
{
    if (checked == m_myChecked)
        return;
    m_myChecked = checked;
    if (checked && !m_popup)
        m_popup = new RibbonCategoryWrapperPopup(*this);
    update();
}

QSize RibbonCategoryWrapper::normalSize() const
{
    const RibbonCategory* group = category();
    return group ? group->sizeHint() : colapsedSize();
}

QSize RibbonCategoryWrapper::colapsedSize() const
{
    if (m_colapsedSizeCache.isValid())
        return m_colapsedSizeCache;
    const QFontMetrics fm = fontMetrics();
    const QString caption =
        m_categoryAction ? mnemonic::plainText(m_categoryAction->text()) : QString();
    const int tw = fm.horizontalAdvance(caption);
    // Two lines as the text layout stacks them: with many fonts the line
    // spacing exceeds the font height, so twice the height would never let a
    // long caption wrap.
    const int twoLines = catpaint::twoLineHeight(fm);
    if (tw <= 30) {
        m_colapsedSizeCache = QSize(50, 85);
        return m_colapsedSizeCache;
    }
    int w = tw;
    int step = tw;
    int best = tw;
    do {
        step = step / 2;
        const QRect bounds = fm.boundingRect(
            QRect(0, 0, w, 0), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, caption);
        if (bounds.height() <= twoLines) {
            best = bounds.width();
            w -= step;
        } else {
            w += step;
        }
    } while (step != 0);
    m_colapsedSizeCache = QSize(best > 37 ? best + 12 : 50, 85);
    return m_colapsedSizeCache;
}

void RibbonCategoryWrapper::changeEvent(QEvent* event)
{
    QAbstractButton::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        relayout();
}

QSize RibbonCategoryWrapper::sizeHint() const
{
    return normalSize();
}

QSize RibbonCategoryWrapper::minimumSizeHint() const
{
    return colapsedSize();
}

void RibbonCategoryWrapper::mousePressEvent(QMouseEvent* event)
{
    // No base call: the wrapper is no clickable button of its own.
    if (event->button() == Qt::LeftButton && !m_popup && m_colapsed)
        setMyChecked(true);
}

bool RibbonCategoryWrapper::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_category && event->type() == QEvent::LayoutRequest) {
        // Controls came or went: the category takes its new size, and the
        // page decides again what to collapse.
        m_category->resize(m_category->sizeHint());
        updateGeometry();
    }
    return QAbstractButton::eventFilter(watched, event);
}

void RibbonCategoryWrapper::paintEvent(QPaintEvent*)
{
    if (!m_colapsed)
        return;
    const RibbonStyle* skin = RibbonApplication::theApp()->ribbonStyle();
    const int w = width();
    QStyleOption option;
    option.initFrom(this);
    const int row = m_myChecked ? 170 : (option.state & QStyle::State_MouseOver) ? 85 : 0;

    QPainter painter(this);
    const QPixmap& back = skin->categoryWrapperBack();
    skin->drawPixmap(painter, QRect(0, 0, 3, 85), back, QRect(0, row, 3, 85));
    skin->drawPixmap(painter, QRect(3, 0, w - 6, 85), back, QRect(3, row, 46, 85));
    skin->drawPixmap(painter, QRect(w - 3, 0, 3, 85), back, QRect(49, row, 3, 85));

    skin->drawPixmap(painter, QRect(w / 2 - 19, 6, 38, 38), skin->categoryWrapperIcon(),
                     QRect(0, 0, 38, 38));

    if (!m_categoryAction)
        return;
    const QIcon icon = collapsedIcon(*m_categoryAction);
    if (!icon.isNull()) {
        const QSize actual =
            icon.actualSize(size(), QIcon::Normal, QIcon::Off).boundedTo(QSize(32, 32));
        // Taken at the density of what is painted on (QIcon::paint would ask
        // the widget's screen, not an image the widget is rendered into).
        const QPixmap pixmap =
            icon.pixmap(actual, RibbonStyle::devicePixelRatio(painter), QIcon::Normal, QIcon::Off);
        const QRect box(w / 2 - actual.width() / 2, 21 - actual.height() / 2, actual.width(),
                        actual.height());
        QRect target(QPoint(0, 0), pixmap.deviceIndependentSize().toSize());
        target.moveCenter(box.center());
        painter.drawPixmap(target, pixmap);
    }
    painter.setPen(skin->categoryWrapperCaptionTextColor());
    painter.setFont(font());
    painter.drawText(QRect(QPoint(6, 44), QPoint(w - 7, 81)),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                     mnemonic::plainText(m_categoryAction->text()));
}

} // namespace oru
