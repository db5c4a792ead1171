#include "oruPageButtonPaint_p.h"

#include "oruContrast_p.h"
#include "oruMirror_p.h"
#include "oruPointer_p.h"
#include "oruRibbonApplication.h"
#include "oruRibbonStyle.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QFontMetrics>
#include <QLayout>
#include <QPainter>
#include <QWidget>

namespace oru::windows {

QSize pageButtonSizeHint(const QAbstractButton& button)
{
    const int textWidth = button.fontMetrics().horizontalAdvance(button.text());
    return QSize(qMax(textWidth + 10, 120), 25);
}

void paintPageButton(QAbstractButton& button, const QColor& column)
{
    const RibbonStyle* skin = RibbonApplication::theApp()->ribbonStyle();
    const int w = button.width();
    const int h = button.height();
    QPainter painter(&button);

    const bool hovered = button.underMouse() || button.rect().contains(pointerPos(button));
    int frame = -1;
    if (button.isChecked())
        frame = 46;
    else if (hovered)
        frame = 23;
    if (frame >= 0) {
        // Nine slices: 2-pixel corners, a 50x19 middle.
        const QPixmap& pixmap = skin->mainPanelButton();
        const int F = frame;
        const mirror::Flip flip(painter, w, button.isRightToLeft());
        skin->drawPixmap(painter, QRect(0, 0, 2, 2), pixmap, QRect(0, F, 2, 2));
        skin->drawPixmap(painter, QRect(2, 0, w - 4, 2), pixmap, QRect(2, F, 50, 2));
        skin->drawPixmap(painter, QRect(w - 2, 0, 2, 2), pixmap, QRect(52, F, 2, 2));
        skin->drawPixmap(painter, QRect(0, 2, 2, h - 4), pixmap, QRect(0, F + 2, 2, 19));
        skin->drawPixmap(painter, QRect(2, 2, w - 4, h - 4), pixmap, QRect(2, F + 2, 50, 19));
        skin->drawPixmap(painter, QRect(w - 2, 2, 2, h - 4), pixmap, QRect(52, F + 2, 2, 19));
        skin->drawPixmap(painter, QRect(0, h - 2, 2, 2), pixmap, QRect(0, F + 21, 2, 2));
        skin->drawPixmap(painter, QRect(2, h - 2, w - 4, 2), pixmap, QRect(2, F + 21, 50, 2));
        skin->drawPixmap(painter, QRect(w - 2, h - 2, 2, 2), pixmap, QRect(52, F + 21, 2, 2));
    }
    // Without a frame the text stands on the column.
    const QColor text = button.isEnabled() ? skin->highlightedCategoryTextColor()
                                           : skin->disabledCategoryTextColor();
    painter.setPen(frame >= 0 ? text : contrast::readableOn(text, {column}));
    painter.setFont(button.font());
    painter.drawText(QRect(QPoint(2, 2), QPoint(w - 3, h - 3)), Qt::AlignLeft | Qt::AlignVCenter,
                     button.text());
}

void paintPageFrames(QWidget& widget, const QRect& column, const QRect& stack, const QColor& fill,
                     const QColor& line)
{
    QPainter painter(&widget);
    painter.setPen(line);
    painter.setBrush(QBrush(fill, Qt::SolidPattern));
    painter.drawRect(QRect(column.topLeft() - QPoint(1, 1), column.bottomRight() + QPoint(1, 1)));
    painter.drawRect(QRect(stack.topLeft() - QPoint(1, 1), stack.bottomRight()));
}

void retirePageButton(QAbstractButton& button, QButtonGroup& group, QLayout& layout)
{
    group.removeButton(&button);
    layout.removeWidget(&button);
    button.hide();
    button.deleteLater();
}

} // namespace oru::windows
