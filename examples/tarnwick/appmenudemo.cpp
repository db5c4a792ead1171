#include "appmenudemo.h"

#include "options.h"

#include <oruRibbonButtonMain.h>
#include <oruRibbonMainMenuMenuButton.h>
#include <oruRibbonMenuAction.h>
#include <oruRibbonMenuBar.h>
#include <oruRibbonPanelMain.h>
#include <oruRibbonSimpleAction.h>

#include <QCoreApplication>
#include <QPainter>
#include <QTextEdit>
#include <QVBoxLayout>

using namespace oru;

namespace {

// A drawn document icon, so the demo needs no icon theme.
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

// A plain window with a ribbon bar on top and a text area below; the menu
// entries only show that they were chosen.
class AppMenuWindow : public QWidget
{
public:
    AppMenuWindow()
    {
        setWindowTitle(QStringLiteral("Tarnwick"));
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        m_bar = new RibbonMenuBar(this);
        m_bar->setMinimumHeight(64);
        layout->addWidget(m_bar);
        m_text = new QTextEdit(this);
        m_text->setPlainText(QCoreApplication::translate(
            "AppMenuWindow", "Press the round button for the application menu."));
        layout->addWidget(m_text, 1);

        RibbonMenuAction& menu = m_bar->mainMenuActions();
        menu.addAction(item(QStringLiteral("&New"), QColor(0x3a, 0x6e, 0xa5)));
        menu.addAction(item(QStringLiteral("&Open..."), QColor(0xc0, 0x8a, 0x2a)));
        menu.addAction(item(QStringLiteral("&Save"), QColor(0x2e, 0x8b, 0x57)));

        m_saveAs = new RibbonMenuAction(pageIcon(QColor(0x2e, 0x8b, 0x57)),
                                        QStringLiteral("Save &As"), this);
        m_saveAs->setToolTip(QStringLiteral("Save a copy of the document"));
        m_saveAs->addAction(item(QStringLiteral("Tarnwick Document"), QColor(0x3a, 0x6e, 0xa5),
                                 QStringLiteral("Save the document with all its formatting.")),
                            true);
        m_saveAs->addAction(item(QStringLiteral("Plain Text"), QColor(0x70, 0x70, 0x70),
                                 QStringLiteral("Save only the text, without any formatting, "
                                                "for programs that read nothing else.")));
        m_saveAs->addAction(item(QStringLiteral("HTML Page"), QColor(0xd2, 0x69, 0x1e),
                                 QStringLiteral("Save as a web page.")));
        menu.addAction(m_saveAs);
        menu.addAction(item(QStringLiteral("&Print"), QColor(0x6a, 0x5a, 0xcd)));
        RibbonSimpleAction* close = item(QStringLiteral("&Close"), QColor(0x90, 0x30, 0x30));
        close->setEnabled(false);
        menu.addAction(close);

        for (const char* path :
             {"/home/ada/letters/2009/to-the-parish-council-about-the-bridge.html",
              "/home/ada/notes.txt", "/home/ada/projects/tarnwick/manual/chapter-03.html",
              "/tmp/shopping list.txt"})
            m_bar->recentFilesActions().addAction(
                new RibbonSimpleAction(QString::fromLatin1(path), this));

        m_bar->setOptionsAction(new RibbonSimpleAction(QStringLiteral("Tarnwick &Options"), this));
        m_bar->setExitAction(new RibbonSimpleAction(QStringLiteral("E&xit Tarnwick"), this));
        connect(m_bar->exitAction(), &RibbonAction::activated, this, &QWidget::close);
    }

    void openMenu() { m_bar->findChild<RibbonButtonMain*>()->click(); }

    void openSubMenu()
    {
        auto* panel = m_bar->findChild<RibbonPanelMain*>();
        auto* item = panel ? panel->findChild<RibbonMainMenuMenuButton*>() : nullptr;
        if (!item)
            return;
        item->setFocus();
        item->showPopup();
        if (auto* popup = item->popupMenu()) {
            popup->focusFirstButton();
            popup->focusNextButton();
        }
    }

private:
    RibbonSimpleAction* item(const QString& text, const QColor& colour,
                             const QString& description = QString())
    {
        auto* action = new RibbonSimpleAction(pageIcon(colour), text, this);
        if (!description.isEmpty())
            action->setToolTip(description);
        connect(action, &RibbonAction::activated, this, [this, action] {
            m_text->append(QCoreApplication::translate("AppMenuWindow", "Chose %1")
                               .arg(action->text().remove(QLatin1Char('&'))));
        });
        return action;
    }

    RibbonMenuBar* m_bar = nullptr;
    RibbonMenuAction* m_saveAs = nullptr;
    QTextEdit* m_text = nullptr;
};

} // namespace

bool isAppMenuScene(const QString& scene)
{
    return scene == QLatin1String("appmenu") || scene == QLatin1String("submenu");
}

int runAppMenuScene(const DemoOptions& options)
{
    AppMenuWindow window;
    window.resize(options.size.isEmpty() ? QSize(900, 560) : options.size);
    window.move(40, 40);
    window.show();
    QCoreApplication::processEvents();
    window.openMenu();
    if (options.shotScene == QLatin1String("submenu"))
        window.openSubMenu();
    return takeShot(&window, options.shotFile);
}
