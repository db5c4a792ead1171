#include "framedemo.h"

#include <oruRibbonChildWindow.h>

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

FrameDemoWindow::FrameDemoWindow()
{
    setWindowTitle(tr("Tarnwick - Notes on the harbour survey"));
    setWindowIcon(QIcon(QStringLiteral(":/oru/ribbon/icons/DefaultAppIcon.png")));
    setMinimumSize(320, 200);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);

    auto* left = new QVBoxLayout;
    auto* notes = new QTextEdit(this);
    notes->setHtml(tr("<h3>Harbour survey</h3>"
                      "<p>Drag the caption to move this window, drag its borders or corners "
                      "to resize it, and double-click the caption to maximize or restore it.</p>"
                      "<p>The pane on the right is a child window: its small close button "
                      "hides it, and the button below brings it back.</p>"));
    left->addWidget(notes);
    auto* showPane = new QPushButton(tr("Show outline"), this);
    showPane->setEnabled(false);
    left->addWidget(showPane, 0, Qt::AlignLeft);
    layout->addLayout(left, 1);

    auto* pane = new oru::RibbonChildWindow(this);
    pane->setWindowTitle(tr("Outline"));
    pane->setMinimumWidth(170);
    auto* paneLayout = new QVBoxLayout(pane);
    paneLayout->setContentsMargins(0, 0, 0, 0);
    auto* outline = new QListWidget(pane);
    outline->setFrameShape(QFrame::NoFrame);
    outline->addItems({tr("Harbour survey"), tr("  Moorings"), tr("  Depths"), tr("  Lights"),
                       tr("Tide tables"), tr("Notes")});
    paneLayout->addWidget(outline);
    layout->addWidget(pane);

    connect(pane, &oru::RibbonChildWindow::closed, showPane,
            [showPane] { showPane->setEnabled(true); });
    connect(showPane, &QPushButton::clicked, pane, [pane, showPane] {
        pane->show();
        showPane->setEnabled(false);
    });
}

FrameDemoWindow* openFrameDemo(QWidget* near)
{
    auto* window = new FrameDemoWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    QRect geometry(0, 0, 640, 420);
    if (near)
        geometry.moveCenter(near->window()->geometry().center());
    else
        geometry.moveTopLeft(QPoint(120, 120));
    window->setGeometry(geometry);
    window->show();
    window->activateWindow();
    window->raise();
    return window;
}

QPushButton* createFrameDemoButton(QWidget* parent)
{
    auto* button = new QPushButton(QObject::tr("Window"), parent);
    QObject::connect(button, &QPushButton::clicked, parent, [parent] { openFrameDemo(parent); });
    return button;
}
