#include "oruRibbonViewPopup.h"

#include "oruPointer_p.h"
#include "oruRibbonApplication.h"
#include "oruRibbonStyle.h"
#include "oruSkinWindowPalette_p.h"
#include "oruRibbonSimpleAction.h"
#include "oruRibbonViewButton.h"

#include <QActionGroup>
#include <QFrame>
#include <QGridLayout>
#include <QPainter>
#include <QSpacerItem>
#include <QVBoxLayout>

namespace oru {

namespace {

// The popup's background in a light skin.
const QColor lightWindow(0xF9, 0xF8, 0xF7);

QList<QPointer<RibbonSimpleAction>> guarded(const QList<RibbonSimpleAction*>& list)
{
    QList<QPointer<RibbonSimpleAction>> result;
    for (RibbonSimpleAction* action : list)
        result.append(action);
    return result;
}

} // namespace

RibbonViewPopup::RibbonViewPopup(QList<RibbonSimpleAction*> top, QList<RibbonSimpleAction*> bottom,
                                 QActionGroup* group, int columns, bool topIcons, bool bottomIcons,
                                 bool centreTexts, QObject*)
    : QMenu(nullptr), m_columns(qMax(1, columns)), m_topIcons(topIcons), m_bottomIcons(bottomIcons),
      m_centreTexts(centreTexts), m_mainLayout(new QVBoxLayout(this)), m_topLayout(new QVBoxLayout),
      m_grid(new QGridLayout), m_bottomLayout(new QVBoxLayout), m_firstLine(new QFrame(this)),
      m_secondLine(new QFrame(this)), m_actionGroup(group), m_topActions(guarded(top)),
      m_bottomActions(guarded(bottom))
{
    init();
}

RibbonViewPopup::RibbonViewPopup(QList<RibbonSimpleAction*> top, QList<RibbonSimpleAction*> bottom,
                                 QActionGroup* group, QObject* parent)
    : RibbonViewPopup(top, bottom, group, 4, true, true, false, parent)
{
}

RibbonViewPopup::~RibbonViewPopup()
{
    removeWidgets();
}

void RibbonViewPopup::init()
{
    for (QFrame* line : {m_firstLine, m_secondLine}) {
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Sunken);
    }
    m_mainLayout->setSpacing(0);
    m_mainLayout->setContentsMargins(1, 1, 1, 1);
    for (QLayout* layout : {static_cast<QLayout*>(m_topLayout), static_cast<QLayout*>(m_grid),
                            static_cast<QLayout*>(m_bottomLayout)}) {
        layout->setSpacing(0);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    m_mainLayout->addLayout(m_topLayout);
    m_mainLayout->addWidget(m_firstLine);
    m_mainLayout->addLayout(m_grid);
    m_mainLayout->addWidget(m_secondLine);
    m_mainLayout->addLayout(m_bottomLayout);
    buildWidgets();
    // Its own light grey in a light skin, whatever the skin; the skin's
    // colours in a dark one.
    skinwindow::follow(*this, [this](bool dark) {
        if (!dark) {
            QPalette pal = palette();
            pal.setBrush(QPalette::Window, lightWindow);
            setPalette(pal);
        }
        update();
    });
}

void RibbonViewPopup::track(RibbonViewButton* button)
{
    m_buttons.append(button);
    connect(button, &QAbstractButton::clicked, this, &QWidget::close);
    connect(button, &RibbonViewButton::mouseMoved, this, &RibbonViewPopup::onMouseMoved);
}

void RibbonViewPopup::buildWidgets()
{
    const auto buildList = [this](const QList<QPointer<RibbonSimpleAction>>& actions,
                                  QVBoxLayout* layout, bool icons) {
        QList<RibbonSimpleAction*> present;
        for (const auto& action : actions)
            if (action)
                present.append(action.data());
        for (int i = 0; i < present.size(); ++i) {
            auto* button = new RibbonViewButton(present[i], true, icons, m_centreTexts, this);
            layout->addWidget(button, 0, Qt::AlignTop);
            if (i != present.size() - 1)
                addLine(layout);
            track(button);
        }
    };
    buildList(m_topActions, m_topLayout, m_topIcons);
    if (m_actionGroup) {
        int n = 0;
        for (QAction* action : m_actionGroup->actions()) {
            auto* simple = qobject_cast<RibbonSimpleAction*>(action);
            if (!simple || !simple->isEnabled())
                continue;
            auto* button = new RibbonViewButton(simple, false, m_topIcons, true, nullptr);
            m_grid->addWidget(button, n / m_columns, n % m_columns, Qt::AlignTop);
            track(button);
            ++n;
        }
    }
    buildList(m_bottomActions, m_bottomLayout, m_bottomIcons);
    if (m_bottomActions.isEmpty()) {
        m_mainLayout->removeWidget(m_secondLine);
        delete m_secondLine;
        m_secondLine = nullptr;
    }
}

void RibbonViewPopup::addLine(QVBoxLayout* layout)
{
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->addItem(new QSpacerItem(36, 2, QSizePolicy::Maximum, QSizePolicy::Maximum));
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    row->addWidget(line);
    layout->addLayout(row);
}

void RibbonViewPopup::removeWidgets()
{
    for (RibbonViewButton* button : std::as_const(m_buttons)) {
        m_mainLayout->removeWidget(button);
        m_topLayout->removeWidget(button);
        m_grid->removeWidget(button);
        m_bottomLayout->removeWidget(button);
        delete button;
    }
    m_buttons.clear();
}

QSize RibbonViewPopup::sizeHint() const
{
    return m_mainLayout->sizeHint();
}

int RibbonViewPopup::getWidgetWidth() const
{
    return m_mainLayout->geometry().width();
}

int RibbonViewPopup::getWidgetHeight() const
{
    return m_mainLayout->geometry().height();
}

void RibbonViewPopup::onMouseMoved()
{
    const QPoint pos = pointerPos(*this);
    RibbonViewButton* found = nullptr;
    for (RibbonViewButton* button : std::as_const(m_buttons)) {
        const QRect r(button->mapTo(this, QPoint(0, 0)), button->size());
        if (r.contains(pos))
            found = button;
    }
    if (found && found != m_hoveredButton.data()) {
        if (m_hoveredButton)
            m_hoveredButton->update();
        m_hoveredButton = found;
    }
}

void RibbonViewPopup::paintEvent(QPaintEvent* event)
{
    const bool dark = skinwindow::currentIsDark();
    const RibbonStyle* skin = dark ? RibbonApplication::theApp()->ribbonStyle() : nullptr;
    QPainter painter(this);
    const QPen oldPen = painter.pen();
    const QPen line(skin ? skin->frameOutlineColor() : QColor(0xC5, 0xC5, 0xC5));
    const QColor stripColor = skin ? skin->mainClientColor() : QColor(0xE9, 0xEE, 0xEE);
    painter.setPen(line);
    const QRect g = m_mainLayout->geometry();
    painter.drawRect(QRect(g.topLeft(), QPoint(g.right() - 1, g.bottom() - 1)));
    const auto strip = [&painter, &stripColor](const QRect& b) {
        painter.fillRect(QRect(b.left(), b.top(), 31, b.height()), stripColor);
        painter.drawLine(b.left() + 32, b.top(), b.left() + 32, b.bottom());
    };
    if (m_bottomIcons)
        strip(m_bottomLayout->geometry());
    if (m_topIcons)
        strip(m_topLayout->geometry());
    painter.setPen(oldPen);
    painter.end();
    QWidget::paintEvent(event);
}

} // namespace oru
