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
    if (m_comboBox) {
        // The resulting currentIndexChanged(0) finds the size unchanged.
        m_comboBox->setItemText(0, QString::number(size));
        m_comboBox->setCurrentIndex(0);
    }
}

void RibbonCatFontSizeAction::updateFontSize(int fs)
{
    if (fs == 0 || !m_comboBox)
        return;
    // Only a display: moving to entry 0 must not be taken for a pick.
    const QSignalBlocker blocker(m_comboBox.data());
    m_comboBox->setItemText(0, QString::number(fs));
    m_comboBox->setCurrentIndex(0);
}

QWidget* RibbonCatFontSizeAction::createWidget(QWidget* parent)
{
    if (!qobject_cast<QToolBar*>(parent))
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
    combo->show();
    connect(combo, &QComboBox::currentIndexChanged, this, &RibbonCatFontSizeAction::setFontSize);
    return combo;
}

} // namespace oru
