#include "oruRibbonColorPickerPopup.h"

#include "oruPointer_p.h"
#include "oruRibbonApplication.h"
#include "oruRibbonCatPaint_p.h"
#include "oruRibbonCatSimpleAction.h"
#include "oruRibbonCatSimpleButton.h"
#include "oruRibbonStyle.h"
#include "oruSkinWindowPalette_p.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QVBoxLayout>

namespace oru {

// Index = column * 5 + row.
const QColor RibbonColorPickerPopup::ColorItems::s_Colors[40] = {
    {0, 0, 0},     {128, 0, 0},     {255, 0, 0},     {255, 0, 255},   {255, 153, 204},
    {153, 51, 0},  {255, 102, 0},   {255, 153, 0},   {255, 204, 0},   {255, 204, 153},
    {51, 51, 0},   {128, 128, 0},   {153, 204, 0},   {255, 255, 0},   {255, 255, 153},
    {0, 51, 0},    {0, 128, 0},     {51, 153, 102},  {0, 255, 0},     {204, 255, 204},
    {0, 51, 102},  {0, 128, 128},   {51, 204, 204},  {0, 255, 255},   {204, 255, 255},
    {0, 0, 128},   {0, 0, 255},     {51, 102, 255},  {0, 204, 255},   {153, 204, 255},
    {51, 51, 153}, {102, 102, 153}, {128, 0, 128},   {153, 51, 102},  {204, 153, 255},
    {51, 51, 51},  {128, 128, 128}, {153, 153, 153}, {192, 192, 192}, {255, 255, 255},
};

// ---------------------------------------------------------------- grid

RibbonColorPickerPopupColorItems::RibbonColorPickerPopupColorItems(QWidget* parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setContentsMargins(5, 5, 5, 5);
    setMouseTracking(true);
}

RibbonColorPickerPopupColorItems::~RibbonColorPickerPopupColorItems() = default;

QSize RibbonColorPickerPopup::ColorItems::sizeHint() const
{
    return QSize(160, 80);
}

bool RibbonColorPickerPopup::ColorItems::selectColor(const QColor& color)
{
    for (int i = 0; i < 40; ++i) {
        if (color.isValid() && s_Colors[i].rgb() == color.rgb()) {
            m_selectedColumn = i / 5;
            m_selectedRow = i % 5;
            update();
            return true;
        }
    }
    return false;
}

void RibbonColorPickerPopup::ColorItems::clearSelection()
{
    m_selectedColumn = -1;
    m_selectedRow = -1;
    update();
}

void RibbonColorPickerPopup::ColorItems::mousePressEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    m_pressedColumn = p.x() / 20;
    m_pressedRow = p.y() / 16;
    update();
}

void RibbonColorPickerPopup::ColorItems::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    const int column = p.x() / 20;
    const int row = p.y() / 16;
    const bool hit = column == m_pressedColumn && row == m_pressedRow && p.x() >= 0 && p.y() >= 0 &&
                     column < 8 && row < 5;
    m_pressedColumn = -1;
    m_pressedRow = -1;
    update();
    if (hit) {
        m_selectedColumn = column;
        m_selectedRow = row;
        emit colorSelected(s_Colors[column * 5 + row]);
    }
}

void RibbonColorPickerPopup::ColorItems::mouseMoveEvent(QMouseEvent*)
{
    update();
}

void RibbonColorPickerPopup::ColorItems::enterEvent(QEnterEvent*)
{
    update();
}

void RibbonColorPickerPopup::ColorItems::leaveEvent(QEvent*)
{
    update();
}

void RibbonColorPickerPopup::ColorItems::paintEvent(QPaintEvent*)
{
    const RibbonStyle* skin = RibbonApplication::theApp()->ribbonStyle();
    QPainter painter(this);
    const QPoint cursor = pointerPos(*this);
    const bool under = underMouse();
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 8; ++column) {
            const QRect cell(column * 20, row * 16, 20, 16);
            const bool hovered = under && cell.contains(cursor);
            int f = -1;
            if (column == m_pressedColumn && row == m_pressedRow)
                f = 1;
            else if (column == m_selectedColumn && row == m_selectedRow)
                f = hovered ? 3 : 2;
            else if (hovered)
                f = 0;
            if (f >= 0)
                catpaint::drawNineSlice(painter, skin->paletteItemSmall(), 22, 22, f, cell);
            painter.setPen(Qt::gray);
            painter.setBrush(s_Colors[column * 5 + row]);
            painter.drawRect(
                QRect(QPoint(cell.x() + 2, cell.y() + 2), QPoint(cell.x() + 16, cell.y() + 12)));
        }
    }
}

// ---------------------------------------------------------------- popup

RibbonColorPickerPopup::RibbonColorPickerPopup(QWidget* parent)
    : QFrame(parent, Qt::Popup | Qt::FramelessWindowHint), m_layout(new QVBoxLayout(this)),
      m_colorItems(new ColorItems(this)),
      m_moreColorsAction(std::make_unique<RibbonCatSimpleAction>(
          QCoreApplication::translate("RibbonColorPickerPopup", "More colors..."),
          RibbonCatSimpleAction::Medium, nullptr)),
      m_moreColorsButton(new RibbonCatSimpleButton(*m_moreColorsAction, this))
{
    m_layout->setContentsMargins(3, 3, 3, 3);
    setFrameStyle(QFrame::StyledPanel);
    setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Minimum);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    connect(m_colorItems, &ColorItems::colorSelected, this, &RibbonColorPickerPopup::colorClicked);
    connect(m_moreColorsAction.get(), &QAction::triggered, this,
            &RibbonColorPickerPopup::moreColorsClicked);
    m_layout->addWidget(m_colorItems);
    m_layout->addWidget(m_moreColorsButton);
    // Dark in a dark skin; the swatch stands on the palette's button colour.
    skinwindow::follow(*this, [this](bool) {
        if (m_automaticAction)
            m_automaticAction->setIcon(swatch(m_automaticColor, m_automaticColor.isValid()));
        if (!m_moreColorsAction->icon().isNull())
            m_moreColorsAction->setIcon(swatch(m_selectedColor, true));
    });
}

RibbonColorPickerPopup::~RibbonColorPickerPopup()
{
    // Buttons before their actions.
    m_noneButton.reset();
    m_automaticButton.reset();
    delete m_moreColorsButton;
}

QIcon RibbonColorPickerPopup::swatch(const QColor& color, bool fill) const
{
    const int size = style()->pixelMetric(QStyle::PM_SmallIconSize);
    // One picture per screen density, so the swatch stays sharp on every screen.
    QIcon icon;
    for (qreal ratio : {1.0, 1.5, 2.0}) {
        QPixmap pixmap(QSize(size, size) * ratio);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(palette().color(QPalette::Button));
        if (fill) {
            QPainter painter(&pixmap);
            painter.setPen(Qt::gray);
            painter.setBrush(color);
            painter.drawRect(QRect(QPoint(2, 2), QPoint(size - 4, size - 4)));
        }
        icon.addPixmap(pixmap);
    }
    return icon;
}

void RibbonColorPickerPopup::setNoneColorEnabled(bool enabled)
{
    if (enabled && !m_noneAction) {
        m_noneAction = std::make_unique<RibbonCatSimpleAction>(
            QCoreApplication::translate("QObject", "None"), RibbonCatSimpleAction::Medium, nullptr);
        m_noneAction->setCheckable(true);
        m_noneButton = std::make_unique<RibbonCatSimpleButton>(*m_noneAction, this);
        m_layout->insertWidget(0, m_noneButton.get());
        connect(m_noneAction.get(), &QAction::triggered, this,
                &RibbonColorPickerPopup::noneClicked);
    } else if (!enabled && m_noneAction) {
        m_noneAction->disconnect(this);
        m_layout->removeWidget(m_noneButton.get());
        m_noneButton.reset();
        m_noneAction.reset();
    }
}

void RibbonColorPickerPopup::setAutomaticColorEnabled(bool enabled)
{
    if (enabled && !m_automaticAction) {
        m_automaticAction = std::make_unique<RibbonCatSimpleAction>(
            QCoreApplication::translate("QObject", "Automatic"), RibbonCatSimpleAction::Medium,
            nullptr);
        m_automaticAction->setCheckable(true);
        if (m_automaticColor.isValid())
            m_automaticAction->setIcon(swatch(m_automaticColor, true));
        m_automaticButton = std::make_unique<RibbonCatSimpleButton>(*m_automaticAction, this);
        m_layout->insertWidget(m_layout->indexOf(m_colorItems), m_automaticButton.get());
        connect(m_automaticAction.get(), &QAction::triggered, this,
                &RibbonColorPickerPopup::automaticClicked);
    } else if (!enabled && m_automaticAction) {
        m_automaticAction->disconnect(this);
        m_layout->removeWidget(m_automaticButton.get());
        m_automaticButton.reset();
        m_automaticAction.reset();
    }
}

void RibbonColorPickerPopup::setAutomaticColor(const QColor& color)
{
    m_automaticColor = color;
    if (m_automaticAction)
        m_automaticAction->setIcon(swatch(color, color.isValid()));
}

void RibbonColorPickerPopup::setKeepSelection(bool keep)
{
    m_colorItems->m_keepSelection = keep;
}

bool RibbonColorPickerPopup::isNoneColor() const
{
    return m_noneAction && m_noneAction->isChecked();
}

bool RibbonColorPickerPopup::isAutomaticColor() const
{
    return m_automaticAction && m_automaticAction->isChecked();
}

void RibbonColorPickerPopup::setNoneColor()
{
    if (m_noneAction)
        m_noneAction->setChecked(true);
    if (m_automaticAction)
        m_automaticAction->setChecked(false);
    m_colorItems->clearSelection();
    m_moreColorsAction->setIcon(QIcon());
}

void RibbonColorPickerPopup::setAutomaticColor()
{
    if (m_automaticAction)
        m_automaticAction->setChecked(true);
    if (m_noneAction)
        m_noneAction->setChecked(false);
    m_colorItems->clearSelection();
    m_moreColorsAction->setIcon(QIcon());
}

void RibbonColorPickerPopup::selectColor(const QColor& color)
{
    m_selectedColor = color;
    if (m_noneAction)
        m_noneAction->setChecked(false);
    if (m_automaticAction)
        m_automaticAction->setChecked(false);
    if (m_colorItems->m_keepSelection && m_colorItems->selectColor(color)) {
        m_moreColorsAction->setIcon(QIcon());
    } else {
        m_colorItems->clearSelection();
        m_moreColorsAction->setIcon(swatch(color, true));
    }
}

void RibbonColorPickerPopup::colorClicked(const QColor& color)
{
    m_selectedColor = color;
    if (m_automaticAction)
        m_automaticAction->setChecked(false);
    if (m_noneAction)
        m_noneAction->setChecked(false);
    m_moreColorsAction->setIcon(QIcon());
    emit colorSelected(color);
    hide();
}

void RibbonColorPickerPopup::automaticClicked(bool triggered)
{
    if (!triggered) {
        // A click on the checked entry keeps it checked.
        m_automaticAction->setChecked(true);
        hide();
        return;
    }
    if (m_noneAction)
        m_noneAction->setChecked(false);
    m_colorItems->clearSelection();
    m_moreColorsAction->setIcon(QIcon());
    emit automaticColorSelected();
    hide();
}

void RibbonColorPickerPopup::noneClicked(bool triggered)
{
    if (!triggered) {
        m_noneAction->setChecked(true);
        hide();
        return;
    }
    if (m_automaticAction)
        m_automaticAction->setChecked(false);
    m_colorItems->clearSelection();
    m_moreColorsAction->setIcon(QIcon());
    emit noneColorSelected();
    hide();
}

void RibbonColorPickerPopup::moreColorsClicked()
{
    hide();
    // Not QColorDialog::getColor(): it keeps its dialog on the stack as a
    // child of the button, and a host that deletes the button while the dialog
    // is up (removing the action, closing the window) would free it twice.
    const QPointer<RibbonColorPickerPopup> self(this);
    const QPointer<QColorDialog> dialog = new QColorDialog(m_selectedColor, parentWidget());
    dialog->setOptions(QColorDialog::ShowAlphaChannel);
    const bool accepted = dialog->exec() == QDialog::Accepted;
    const QColor chosen = dialog ? dialog->selectedColor() : QColor();
    delete dialog.data();
    if (!self)
        return; // gone with the button
    if (accepted && chosen.isValid()) {
        QColor opaque = chosen;
        opaque.setAlpha(255);
        selectColor(opaque);
        emit colorSelected(m_selectedColor);
    }
}

void RibbonColorPickerPopup::hideEvent(QHideEvent* event)
{
    emit hidden();
    QFrame::hideEvent(event);
}

} // namespace oru
