#include "editoroptions.h"

#include "editorfeatures.h"
#include "skinchoice.h"

#include <oruRibbonMenuBar.h>

#include <oruRibbonApplication.h>
#include <oruRibbonMainWindow.h>
#include <oruRibbonOptionsDialog.h>
#include <oruRibbonQStyle.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPointer>
#include <QSpinBox>
#include <QStyleFactory>
#include <QTextEdit>

using namespace oru;

namespace {

// Skin and widget style; the controls show the current state and only Ok
// changes it.
class AppearancePage : public RibbonOptionsPage
{
    Q_OBJECT

public:
    explicit AppearancePage(RibbonOptionsDialog& dialog) : RibbonOptionsPage(dialog)
    {
        setWindowTitle(tr("Appearance"));
        auto* layout = new QFormLayout(this);
        m_skin = new QComboBox(this);
        for (const QString& name : skinNames())
            m_skin->addItem(skinIcon(name), skinLabel(name), name);
        m_skin->setCurrentIndex(m_skin->findData(RibbonApplication::theApp()->ribbonStyleName()));
        layout->addRow(tr("Colour scheme:"), m_skin);
        m_followDesktop = new QCheckBox(tr("Light or dark as the desktop is"), this);
        m_followDesktop->setChecked(RibbonApplication::theApp()->followsDesktop());
        layout->addRow(QString(), m_followDesktop);
        // Following the desktop picks the scheme itself.
        m_skin->setEnabled(!m_followDesktop->isChecked());
        connect(m_followDesktop, &QCheckBox::toggled, m_skin, &QWidget::setDisabled);
        m_skinnedStyle = new QCheckBox(tr("Paint standard controls in the ribbon's colours"), this);
        m_skinnedStyle->setChecked(currentStyle() == RibbonSkinnedStyle);
        layout->addRow(tr("Controls:"), m_skinnedStyle);
        auto* note = new QLabel(tr("The colour scheme applies to the ribbon, the status bar "
                                   "and every Tarnwick window."),
                                this);
        note->setWordWrap(true);
        layout->addRow(note);
    }

protected:
    void accept() override
    {
        RibbonApplication* app = RibbonApplication::theApp();
        if (m_followDesktop->isChecked()) {
            if (!app->followsDesktop())
                app->setFollowDesktop(true);
        } else {
            const QString skin = m_skin->currentData().toString();
            if (app->followsDesktop() || skin != app->ribbonStyleName())
                chooseSkin(skin);
        }
        const bool skinned = currentStyle() == RibbonSkinnedStyle;
        if (m_skinnedStyle->isChecked() && !skinned)
            app->setApplicationStyle(RibbonApplication::SkinnedStyle);
        else if (!m_skinnedStyle->isChecked() && skinned)
            QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    }
    void reject() override {}

private:
    QComboBox* m_skin = nullptr;
    QCheckBox* m_followDesktop = nullptr;
    QCheckBox* m_skinnedStyle = nullptr;
};

// Defaults of the editing area.
class EditorPage : public RibbonOptionsPage
{
    Q_OBJECT

public:
    EditorPage(RibbonOptionsDialog& dialog, QTextEdit* editor)
        : RibbonOptionsPage(dialog), m_editor(editor)
    {
        setWindowTitle(tr("Editor"));
        auto* layout = new QFormLayout(this);
        m_fontSize = new QSpinBox(this);
        m_fontSize->setRange(6, 72);
        m_fontSize->setSuffix(tr(" pt"));
        layout->addRow(tr("Default font size:"), m_fontSize);
        m_tabWidth = new QSpinBox(this);
        m_tabWidth->setRange(1, 16);
        m_tabWidth->setSuffix(tr(" spaces"));
        layout->addRow(tr("Tab width:"), m_tabWidth);
        if (m_editor) {
            const QFont font = m_editor->document()->defaultFont();
            m_fontSize->setValue(qRound(font.pointSizeF() > 0 ? font.pointSizeF() : 10.0));
            const qreal space = QFontMetricsF(font).horizontalAdvance(QLatin1Char(' '));
            m_tabWidth->setValue(
                qBound(1, qRound(m_editor->tabStopDistance() / qMax<qreal>(space, 1)), 16));
        }
    }

protected:
    void accept() override
    {
        if (!m_editor)
            return;
        QFont font = m_editor->document()->defaultFont();
        font.setPointSize(m_fontSize->value());
        m_editor->document()->setDefaultFont(font);
        m_editor->setTabStopDistance(QFontMetricsF(font).horizontalAdvance(QLatin1Char(' ')) *
                                     m_tabWidth->value());
    }
    void reject() override {}

private:
    QPointer<QTextEdit> m_editor;
    QSpinBox* m_fontSize = nullptr;
    QSpinBox* m_tabWidth = nullptr;
};

} // namespace

RibbonOptionsDialog* createOptionsDialog(RibbonMainWindow& window, QTextEdit* editor)
{
    auto* dialog = new RibbonOptionsDialog(window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->addOptionsPage(new AppearancePage(*dialog));
    dialog->addOptionsPage(new EditorPage(*dialog, editor));
    dialog->addOptionsPage(createQuickAccessPage(*dialog, *window.ribbonMenuBar()));
    return dialog;
}

#include "editoroptions.moc"
