// The editor's application menu: file commands, a "Save As" sub-menu,
// printing to PDF, recent files, options and exit.

#include "editoroptions.h"
#include "editorwindow.h"
#include "themeicon.h"

#include <oruRibbonApplication.h>
#include <oruRibbonButtonMain.h>
#include <oruRibbonMainMenuMenuButton.h>
#include <oruRibbonMenuAction.h>
#include <oruRibbonMenuBar.h>
#include <oruRibbonOptionsDialog.h>
#include <oruRibbonPanelMain.h>
#include <oruRibbonSimpleAction.h>

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>
#include <QTextEdit>

using namespace oru;

namespace {

constexpr int kMaxRecentFiles = 8;

// A drawn document icon with a coloured header band.
QIcon pageIcon(const QColor& colour)
{
    QIcon icon;
    for (int side : {12, 16, 32}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal m = side / 8.0;
        painter.setPen(colour.darker(170));
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(m + 0.5, 0.5, side - 2 * m - 1, side - 1));
        painter.fillRect(QRectF(m + 0.5, 0.5, side - 2 * m - 1, side / 4.0), colour);
        painter.setPen(colour);
        for (int row = 2; row < 6; ++row)
            painter.drawLine(QPointF(2 * m, row * side / 7.0),
                             QPointF(side - 2 * m, row * side / 7.0));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

void EditorWindow::buildApplicationMenu()
{
    RibbonMenuBar* bar = ribbonMenuBar();
    RibbonMenuAction& menu = bar->mainMenuActions();
    const auto item = [this](const char* themeName, const QColor& colour, const QString& text,
                             const QString& tip, auto slot) {
        auto* action = new RibbonSimpleAction(themeIcon(themeName, pageIcon(colour)), text, this);
        action->setToolTip(tip);
        connect(action, &RibbonAction::activated, this, slot);
        return action;
    };

    menu.addAction(item("document-new", QColor(0x3a, 0x6e, 0xa5), tr("&New"),
                        tr("Start an empty document."), &EditorWindow::newDocument));
    menu.addAction(item("document-open", QColor(0xc0, 0x8a, 0x2a), tr("&Open..."),
                        tr("Open a document."), &EditorWindow::openDocument));
    menu.addAction(item("document-save", QColor(0x2e, 0x8b, 0x57), tr("&Save"),
                        tr("Save the document."), &EditorWindow::saveDocument));

    auto* saveAs = new RibbonMenuAction(
        themeIcon("document-save-as", pageIcon(QColor(0x2e, 0x8b, 0x57))), tr("Save &As"), this);
    saveAs->setToolTip(tr("Save a copy of the document"));
    const auto saveIn = [this](const QString& filter, const QString& suffix) {
        return [this, filter, suffix] {
            QString path = QFileDialog::getSaveFileName(this, tr("Save As"), QString(), filter);
            if (path.isEmpty())
                return;
            if (QFileInfo(path).suffix().isEmpty())
                path += suffix;
            writeTo(path);
        };
    };
    saveAs->addAction(item("text-html", QColor(0x3a, 0x6e, 0xa5), tr("Tarnwick Document"),
                           tr("Save the document with all its formatting."),
                           saveIn(tr("HTML (*.html)"), QStringLiteral(".html"))),
                      true);
    saveAs->addAction(item("text-plain", QColor(0x70, 0x70, 0x70), tr("Plain Text"),
                           tr("Save only the text, without any formatting, for programs that "
                              "read nothing else."),
                           saveIn(tr("Text (*.txt)"), QStringLiteral(".txt"))));
    menu.addAction(saveAs);
    menu.addAction(item("document-print", QColor(0x6a, 0x5a, 0xcd), tr("&Print..."),
                        tr("Print the document into a PDF file."), &EditorWindow::printDocument));
    RibbonSimpleAction* close = item("document-close", QColor(0x90, 0x30, 0x30), tr("&Close"),
                                     tr("Close the document."), &EditorWindow::newDocument);
    menu.addAction(close);

    auto* options = new RibbonSimpleAction(tr("Tarnwick &Options"), this);
    connect(options, &RibbonAction::activated, this, &EditorWindow::showOptions);
    bar->setOptionsAction(options);
    auto* exit = new RibbonSimpleAction(tr("E&xit Tarnwick"), this);
    connect(exit, &RibbonAction::activated, this, &QWidget::close);
    bar->setExitAction(exit);
    bar->setMainButtonShortcut(QKeySequence(Qt::ALT | Qt::Key_F));

    // A few entries so that the column is not empty on the first start.
    for (const char* path : {"/home/ada/letters/2009/to-the-parish-council-about-the-bridge.html",
                             "/home/ada/notes.txt"})
        m_recentFiles.append(QString::fromLatin1(path));
    rebuildRecentFiles();
}

void EditorWindow::rememberRecentFile(const QString& path)
{
    m_recentFiles.removeAll(path);
    m_recentFiles.prepend(path);
    while (m_recentFiles.size() > kMaxRecentFiles)
        m_recentFiles.removeLast();
    rebuildRecentFiles();
}

void EditorWindow::rebuildRecentFiles()
{
    RibbonMenuAction& recent = ribbonMenuBar()->recentFilesActions();
    qDeleteAll(m_recentActions); // each leaves the list as it goes
    m_recentActions.clear();
    for (const QString& path : std::as_const(m_recentFiles)) {
        auto* action = new RibbonSimpleAction(path, this);
        connect(action, &RibbonAction::activated, this, [this, path] { openFile(path); });
        recent.addAction(action);
        m_recentActions.append(action);
    }
}

void EditorWindow::printDocument()
{
    QString path = QFileDialog::getSaveFileName(this, tr("Print"), QString(), tr("PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    QPdfWriter writer(path);
    writer.setTitle(windowTitle());
    m_editor->document()->print(&writer);
}

void EditorWindow::showOptions()
{
    createOptionsDialog(*this, m_editor)->open();
}

void EditorWindow::openApplicationMenu(bool subMenu)
{
    ribbonMenuBar()->mainButton()->click();
    if (!subMenu)
        return;
    auto* panel = ribbonMenuBar()->mainButton()->findChild<RibbonPanelMain*>();
    auto* saveAs = panel ? panel->findChild<RibbonMainMenuMenuButton*>() : nullptr;
    if (!saveAs)
        return;
    saveAs->setFocus();
    saveAs->showPopup();
    if (RibbonMainPopupMenu* popup = saveAs->popupMenu()) {
        popup->focusFirstButton();
        popup->focusNextButton();
    }
}
