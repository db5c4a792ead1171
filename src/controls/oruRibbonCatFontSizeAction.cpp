#include "oruRibbonCatFontSizeAction.h"

#include <QSignalBlocker>
#include <QToolBar>

namespace oru {

RibbonCatFontSizeAction::RibbonCatFontSizeAction(int fontSize, QObject* parent)
    : RibbonAction(parent), m_fontSize(fontSize)
{
}

RibbonCatFontSizeAction::~RibbonCatFontSizeAction() = default;

int RibbonCatFontSizeAction::fontSize() const
{
    if (!m_comboBox)
        return m_fontSize;
    bool ok = false;
    const int size = m_comboBox->currentText().toInt(&ok, 10);
    return static_cast<qint16>(ok ? size : 8);
}

void RibbonCatFontSizeAction::setFontSize(int index)
{
    Q_UNUSED(index);
    const int size = fontSize();
    if (size == m_fontSize)
        return;
    m_fontSize = size;
    sendActionChangedEvt();
    emit fontSizeChanged(size);
    emit changed();
    emit activated();
    // The resulting currentIndexChanged(0) finds the size unchanged.
    for (QComboBox* combo : comboBoxes()) {
        combo->setItemText(0, QString::number(size));
        combo->setCurrentIndex(0);
    }
}

QList<QComboBox*> RibbonCatFontSizeAction::comboBoxes() const
{
    QList<QComboBox*> combos;
    for (QWidget* widget : createdWidgets()) {
        if (auto* combo = qobject_cast<QComboBox*>(widget))
            combos.append(combo);
    }
    return combos;
}

void RibbonCatFontSizeAction::updateFontSize(int fs)
{
    if (fs == 0)
        return;
    // Only a display: moving to entry 0 must not be taken for a pick.
    for (QComboBox* combo : comboBoxes()) {
        const QSignalBlocker blocker(combo);
        combo->setItemText(0, QString::number(fs));
        combo->setCurrentIndex(0);
    }
}

QWidget* RibbonCatFontSizeAction::createWidget(QWidget* parent)
{
    // Tool bars, and the ribbon's groups, the simplified ribbon's rows and
    // their "…" menus, which ask for the same box.
    const bool inGroup = parent && (parent->inherits("oru::RibbonCategory") ||
                                    parent->inherits("oru::RibbonSimplifiedRow") ||
                                    parent->inherits("QMenu"));
    if (!qobject_cast<QToolBar*>(parent) && !inGroup)
        return nullptr;
    auto* combo = new QComboBox(parent);
    combo->setEditable(false);
    static const char* const sizes[] = {"8",  "9",  "10", "11", "12", "14", "16", "18",
                                        "20", "24", "28", "32", "36", "40", "48", "72"};
    combo->addItem(QString());
    for (const char* size : sizes)
        combo->addItem(QString::fromLatin1(size));
    combo->setItemText(0, QString::number(m_fontSize));
    combo->setCurrentIndex(0);
    m_comboBox = combo;
    if (inGroup) {
        // A group lays out fixed sizes; a small control is 22 high.
        combo->setFixedSize(combo->sizeHint().width(), 22);
        combo->setFocusPolicy(Qt::NoFocus);
    }
    combo->show();
    connect(combo, &QComboBox::currentIndexChanged, this, &RibbonCatFontSizeAction::setFontSize);
    // QComboBox says activated only for the user's choices; by then
    // setFontSize() has stored the size and shows it in entry 0.
    connect(combo, &QComboBox::activated, this, [this] { emit fontSizeActivated(m_fontSize); });
    return combo;
}

} // namespace oru
