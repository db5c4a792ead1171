#include "styledemo.h"

#include "options.h"

#include <oruRibbonApplication.h>
#include <oruRibbonCatComboAction.h>
#include <oruRibbonCatFontFamilyAction.h>
#include <oruRibbonCatFontSizeAction.h>
#include <oruRibbonCategory.h>
#include <oruRibbonCategoryAction.h>
#include <oruRibbonPercAction.h>
#include <oruRibbonPercWidget.h>
#include <oruRibbonProgressAction.h>
#include <oruRibbonProgressWidget.h>
#include <oruRibbonQStyle.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QStyleFactory>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QToolBox>
#include <QToolTip>
#include <QVBoxLayout>

using namespace oru;

StyleDemoWindow::StyleDemoWindow()
{
    setWindowTitle(tr("Tarnwick - Harbour report"));
    setWindowIcon(QIcon(QStringLiteral(":/oru/ribbon/icons/DefaultAppIcon.png")));
    setMinimumSize(480, 320);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(2);

    // The "Font" group: family picker and find box from the category, the
    // size picker in a tool bar (categories do not present it).
    auto* top = new QHBoxLayout;
    auto* fontGroup = new RibbonCategoryAction(tr("Font"), this);
    m_family = new RibbonCatFontFamilyAction(QFont(QStringLiteral("DejaVu Sans"), 11), this);
    m_find = new RibbonCatComboAction(this);
    m_find->setEditable(true);
    m_find->setComboInputMask(QStringLiteral("xxxxxxxxxxxxxxxxxxxx"));
    m_find->setWidth(140);
    m_find->setSearchable(true);
    for (const QString& word : {tr("harbour"), tr("mooring"), tr("tide")})
        m_find->addItem(word);
    fontGroup->addAction(m_family, 0);
    fontGroup->addAction(m_find, 1);
    auto* category = new RibbonCategory(this, *fontGroup);
    top->addWidget(category);

    auto* toolBar = new QToolBar(this);
    m_size = new RibbonCatFontSizeAction(11, this);
    toolBar->addAction(m_size);
    toolBar->addSeparator();
    auto* styleSwitch = new QCheckBox(tr("Skinned widget style"), toolBar);
    styleSwitch->setChecked(currentStyle() == RibbonSkinnedStyle);
    toolBar->addWidget(styleSwitch);
    auto* exportButton = new QPushButton(tr("Export…"), toolBar);
    exportButton->setToolTip(tr("Export the report (simulated)"));
    toolBar->addWidget(exportButton);
    top->addWidget(toolBar, 1, Qt::AlignTop);
    layout->addLayout(top);

    // Editor and a tool box of notes, split.
    auto* splitter = new QSplitter(this);
    m_editor = new QTextEdit(splitter);
    m_editor->setHtml(
        tr("<h2>Harbour report</h2><p>The <b>moorings</b> on the east quay were checked at low "
           "tide. Depths along the channel agree with last year's survey.</p>"
           "<p style='font-size:16pt'>Lights: all working.</p>"));
    auto* box = new QToolBox(splitter);
    box->addItem(new QLabel(tr("East quay: 12 moorings"), box), tr("Moorings"));
    box->addItem(new QLabel(tr("Channel: 6.5 m"), box), tr("Depths"));
    box->addItem(new QLabel(tr("All lights working"), box), tr("Lights"));
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    layout->addWidget(splitter, 1);

    // A status strip: progress indicator and zoom slider at the right.
    m_statusStrip = new QWidget(this);
    m_statusStrip->setFixedHeight(24);
    auto* status = new QHBoxLayout(m_statusStrip);
    status->setContentsMargins(5, 0, 5, 0);
    status->addStretch(1);
    m_zoom = new RibbonPercAction(10, 500, 100, this);
    m_progress = new RibbonProgressAction(tr("Exporting"), this);
    status->addWidget(new RibbonPercWidget(*m_zoom, m_statusStrip), 0, Qt::AlignVCenter);
    layout->addWidget(m_statusStrip);

    m_exportTimer = new QTimer(this);
    m_exportTimer->setInterval(60);

    connect(m_family, &RibbonCatFontFamilyAction::fontFamilyChanged, this, [this](const QFont& f) {
        QTextCharFormat format;
        format.setFontFamilies(f.families());
        m_editor->mergeCurrentCharFormat(format);
        m_editor->setFocus();
    });
    connect(m_size, &RibbonCatFontSizeAction::fontSizeChanged, this, [this](int size) {
        QTextCharFormat format;
        format.setFontPointSize(size);
        m_editor->mergeCurrentCharFormat(format);
        m_editor->setFocus();
    });
    connect(m_editor, &QTextEdit::currentCharFormatChanged, this, &StyleDemoWindow::followCursor);
    connect(m_find, &RibbonCatComboAction::keyPressed, this, [this](int key) {
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            find(m_find->selectionText());
    });
    connect(m_find, &RibbonCatComboAction::selectionTextChanged, this,
            [this] { find(m_find->selectionText()); });
    connect(m_zoom, &RibbonPercAction::percentageChanged, this, [this](int perc) {
        // zoomIn works in whole points; follow the percentage roughly.
        const int steps = (perc - m_zoomApplied) / 10;
        if (steps > 0)
            m_editor->zoomIn(steps);
        else if (steps < 0)
            m_editor->zoomOut(-steps);
        m_zoomApplied += steps * 10;
    });
    connect(styleSwitch, &QCheckBox::toggled, this, [](bool skinned) {
        if (skinned)
            RibbonApplication::theApp()->setApplicationStyle(RibbonApplication::SkinnedStyle);
        else
            QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    });
    connect(exportButton, &QPushButton::clicked, this, &StyleDemoWindow::startExport);
    connect(m_exportTimer, &QTimer::timeout, this, &StyleDemoWindow::exportStep);
    // The terminate button triggers the action: the host cancels.
    connect(m_progress, &QAction::triggered, this, &StyleDemoWindow::finishExport);

    m_editor->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_editor, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        QMenu* menu = createDemoMenu(this);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(m_editor->mapToGlobal(pos));
    });
    followCursor();
}

StyleDemoWindow::~StyleDemoWindow() = default;

void StyleDemoWindow::followCursor()
{
    const QTextCharFormat format = m_editor->currentCharFormat();
    const QFont font = format.font();
    m_family->setFontFamily(QFont(font.family()));
    const int size = qRound(font.pointSizeF());
    m_size->updateFontSize(size > 0 ? size : 0);
}

void StyleDemoWindow::find(const QString& text)
{
    if (!text.isEmpty() && !m_editor->find(text)) {
        m_editor->moveCursor(QTextCursor::Start);
        m_editor->find(text);
    }
}

QMenu* StyleDemoWindow::createDemoMenu(QWidget* parent)
{
    auto* menu = new QMenu(parent);
    QStyle* style = QApplication::style();
    QAction* cut = menu->addAction(style->standardIcon(QStyle::SP_DialogDiscardButton), tr("Cu&t"),
                                   m_editor, &QTextEdit::cut);
    cut->setShortcut(QKeySequence::Cut);
    QAction* copy = menu->addAction(tr("&Copy"), m_editor, &QTextEdit::copy);
    copy->setShortcut(QKeySequence::Copy);
    QAction* paste = menu->addAction(style->standardIcon(QStyle::SP_DialogSaveButton), tr("&Paste"),
                                     m_editor, &QTextEdit::paste);
    paste->setShortcut(QKeySequence::Paste);
    menu->setDefaultAction(paste);
    menu->addSection(tr("View"));
    QAction* wrap = menu->addAction(tr("&Wrap lines"));
    wrap->setCheckable(true);
    wrap->setChecked(m_editor->lineWrapMode() != QTextEdit::NoWrap);
    connect(wrap, &QAction::toggled, m_editor, [this](bool on) {
        m_editor->setLineWrapMode(on ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
    });
    QAction* readOnly =
        menu->addAction(style->standardIcon(QStyle::SP_FileDialogDetailedView), tr("&Read only"));
    readOnly->setCheckable(true);
    readOnly->setChecked(m_editor->isReadOnly());
    connect(readOnly, &QAction::toggled, m_editor, &QTextEdit::setReadOnly);
    menu->addSeparator();
    QMenu* zoom = menu->addMenu(tr("&Zoom"));
    for (int perc : {50, 100, 150, 200}) {
        QAction* step = zoom->addAction(tr("%1 %").arg(perc));
        step->setCheckable(true);
        step->setChecked(m_zoom->percentage() == perc);
        connect(step, &QAction::triggered, m_zoom, [this, perc] { m_zoom->setPercentage(perc); });
    }
    QAction* disabled = menu->addAction(tr("Export as &PDF"));
    disabled->setEnabled(false);
    disabled->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+E")));
    return menu;
}

void StyleDemoWindow::startExport()
{
    if (m_progressWidget)
        return;
    m_progress->setProgressText(tr("Exporting"));
    m_progress->setProgress(0, 100);
    auto* layout = static_cast<QHBoxLayout*>(m_statusStrip->layout());
    m_progressWidget = new RibbonProgressWidget(*m_progress, m_statusStrip);
    layout->insertWidget(1, m_progressWidget, 0, Qt::AlignVCenter);
    m_exportTimer->start();
}

void StyleDemoWindow::exportStep()
{
    const int next = m_progress->value() + 2;
    m_progress->setProgress(next, 100);
    if (next >= 100)
        finishExport();
}

void StyleDemoWindow::finishExport()
{
    m_exportTimer->stop();
    // Removing the widget also lets the window take input again.
    delete m_progressWidget.data();
}

bool isStyleScene(const QString& scene)
{
    return scene == QLatin1String("menustyle") || scene == QLatin1String("fonts") ||
           scene == QLatin1String("statusbar");
}

int runStyleScene(const DemoOptions& options)
{
    RibbonApplication::theApp()->setApplicationStyle(RibbonApplication::SkinnedStyle);
    StyleDemoWindow window;
    window.setGeometry(
        QRect(QPoint(40, 40), options.size.isEmpty() ? QSize(900, 560) : options.size));
    window.show();

    if (options.shotScene == QLatin1String("menustyle")) {
        QMenu* menu = window.createDemoMenu(&window);
        const QPoint at = window.editor()->mapToGlobal(QPoint(120, 60));
        menu->popup(at);
        // Open the sub-menu as a user would, by keyboard.
        QTimer::singleShot(150, menu, [menu] {
            for (QAction* action : menu->actions()) {
                if (action->menu()) {
                    menu->setActiveAction(action);
                    action->menu()->popup(
                        menu->mapToGlobal(menu->actionGeometry(action).topRight()));
                }
            }
        });
        QTimer::singleShot(250, &window, [&window] {
            QToolTip::showText(window.mapToGlobal(QPoint(620, 420)),
                               QObject::tr("Tool tips are skinned too"), &window);
        });
    } else if (options.shotScene == QLatin1String("fonts")) {
        const QList<QComboBox*> combos = window.findChildren<QComboBox*>();
        for (QComboBox* combo : combos) {
            if (qobject_cast<QFontComboBox*>(combo)) {
                QTimer::singleShot(150, combo, [combo] { combo->showPopup(); });
                break;
            }
        }
    } else {
        window.startExport();
        window.progressAction()->setProgress(58, 100);
        window.zoomAction()->setPercentage(150);
    }
    return takeShot(&window, options.shotFile);
}

QPushButton* createStyleDemoButton(QWidget* parent)
{
    auto* button = new QPushButton(QObject::tr("Widgets"), parent);
    QObject::connect(button, &QPushButton::clicked, parent, [] {
        auto* window = new StyleDemoWindow;
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->resize(900, 560);
        window->show();
    });
    return button;
}
