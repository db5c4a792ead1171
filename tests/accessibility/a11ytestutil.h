#pragma once

#include <oruRibbonCatActionGroup.h>
#include <oruRibbonCatColorMenuAction.h>
#include <oruRibbonCatComboAction.h>
#include <oruRibbonCatMenuAction.h>
#include <oruRibbonCatSimpleAction.h>
#include <oruRibbonCategoriesPanelAction.h>
#include <oruRibbonCategoryAction.h>
#include <oruRibbonMainWindow.h>
#include <oruRibbonMenuAction.h>
#include <oruRibbonMenuBar.h>
#include <oruRibbonPercAction.h>
#include <oruRibbonProgressAction.h>
#include <oruRibbonSimpleAction.h>
#include <oruRibbonStatusBar.h>

#include <QAccessible>
#include <QtTest>

namespace oru::test {

/// A window like the demo's: two tabs, large, medium and small buttons,
/// button-group strips (one exclusive, one wide with a colour member), a
/// combo box, a split button, a gallery, a colour button, the find box,
/// zoom, progress, a toggle and a view menu in the status bar, an
/// application menu item and a recent file.
struct DemoWindow
{
    RibbonMainWindow window;
    RibbonCategoriesPanelAction* home = nullptr;
    RibbonCategoriesPanelAction* format = nullptr;
    RibbonCatSimpleAction* paste = nullptr;
    RibbonCatSimpleAction* cut = nullptr;
    RibbonCatSimpleAction* bold = nullptr;
    RibbonCatMenuAction* split = nullptr;
    RibbonSimpleAction* splitDefault = nullptr;
    RibbonCatMenuAction* gallery = nullptr;
    RibbonCatColorMenuAction* colour = nullptr;
    RibbonPercAction* zoom = nullptr;
    RibbonProgressAction* progress = nullptr;
    RibbonCatActionGroup* style = nullptr;
    RibbonCatSimpleAction* italic = nullptr;
    RibbonCatActionGroup* align = nullptr;
    RibbonCatColorMenuAction* fontColour = nullptr;
    RibbonCatComboAction* fontSize = nullptr;
    RibbonCatComboAction* find = nullptr;
    RibbonSimpleAction* wrap = nullptr;
    RibbonCatMenuAction* views = nullptr;

    DemoWindow()
    {
        home = new RibbonCategoriesPanelAction(QStringLiteral("&Home"), &window);
        auto* clipboard = new RibbonCategoryAction(QStringLiteral("Clipboard"), &window);
        home->addCategory(clipboard);
        paste = new RibbonCatSimpleAction(QIcon(), QStringLiteral("&Paste"),
                                          RibbonCatSimpleAction::Large, &window);
        paste->setToolTip(QStringLiteral("Insert the clipboard's contents"));
        paste->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
        clipboard->addAction(paste, 0);
        cut = new RibbonCatSimpleAction(QIcon(), QStringLiteral("Cu&t"),
                                        RibbonCatSimpleAction::Medium, &window);
        clipboard->addAction(cut, 0);
        cut->enableAction(false);
        bold = new RibbonCatSimpleAction(QIcon(), QStringLiteral("&Bold"),
                                         RibbonCatSimpleAction::Small, &window);
        bold->setCheckable(true);
        bold->setChecked(true);
        clipboard->addAction(bold, 1);
        // Strips of painted cells: checkable, exclusive, and a wide one whose
        // colour member opens its picker.
        style = new RibbonCatActionGroup(QStringLiteral("Style"), &window);
        for (const char* text : {"Italic", "Underline"}) {
            auto* member = new RibbonCatSimpleAction(QIcon(), QString::fromLatin1(text),
                                                     RibbonCatSimpleAction::Small, &window);
            member->setCheckable(true);
            style->addAction(member);
        }
        italic = static_cast<RibbonCatSimpleAction*>(style->actions().at(0));
        clipboard->addAction(style, 1);
        align = new RibbonCatActionGroup(QStringLiteral("Alignment"), &window);
        align->setExclusive(true);
        for (const char* text : {"Left", "Right"}) {
            auto* member = new RibbonCatSimpleAction(QIcon(), QString(),
                                                     RibbonCatSimpleAction::Small, &window);
            member->setToolTip(QString::fromLatin1(text)); // icon only: named by its tip
            member->setCheckable(true);
            align->addAction(member);
        }
        align->actions().at(0)->setChecked(true);
        clipboard->addAction(align, 1);
        auto* colours = new RibbonCatActionGroup(QStringLiteral("Colours"), &window);
        fontColour = new RibbonCatColorMenuAction(QIcon(), QStringLiteral("Font colour"),
                                                  RibbonCatColorMenuAction::Small, &window);
        colours->addAction(fontColour, true);
        clipboard->addAction(colours, 2);
        fontSize = new RibbonCatComboAction(&window);
        fontSize->setToolTip(QStringLiteral("Font size"));
        for (const char* size : {"9", "10", "12"})
            fontSize->addItem(QString::fromLatin1(size));
        clipboard->addAction(fontSize, 2);
        for (const char* caption : {"Editing", "Review"}) {
            auto* group = new RibbonCategoryAction(QString::fromLatin1(caption), &window);
            home->addCategory(group);
            for (const char* text : {"Find", "Replace", "Select", "Compare"})
                group->addAction(new RibbonCatSimpleAction(QIcon(),
                                                           QString::fromLatin1(caption) +
                                                               QString::fromLatin1(text),
                                                           RibbonCatSimpleAction::Large, &window),
                                 0);
        }

        format = new RibbonCategoriesPanelAction(QStringLiteral("F&ormat"), &window);
        auto* paste2 = new RibbonCategoryAction(QStringLiteral("Paste"), &window);
        format->addCategory(paste2);
        split = new RibbonCatMenuAction(QIcon(), QStringLiteral("Paste Special"),
                                        RibbonCatMenuAction::Button, RibbonCatMenuAction::Large,
                                        RibbonCatMenuAction::Menu, &window);
        splitDefault = new RibbonSimpleAction(QStringLiteral("Paste Rich"), &window);
        split->addAction(splitDefault, true);
        split->addAction(new RibbonSimpleAction(QStringLiteral("Plain"), &window));
        paste2->addAction(split);
        colour = new RibbonCatColorMenuAction(QIcon(), QStringLiteral("Text colour"),
                                              RibbonCatColorMenuAction::Large, &window);
        paste2->addAction(colour);
        auto* styles = new RibbonCategoryAction(QStringLiteral("Styles"), &window);
        format->addCategory(styles);
        gallery = new RibbonCatMenuAction(QStringLiteral("Styles"), RibbonCatMenuAction::Palette,
                                          RibbonCatMenuAction::Large,
                                          RibbonCatMenuAction::PalettePopup, &window);
        for (const char* name : {"Normal", "Heading", "Quote"}) {
            auto* item = new RibbonSimpleAction(QString::fromLatin1(name), gallery);
            item->setCheckable(true);
            gallery->addAction(item);
        }
        styles->addAction(gallery);

        home->setChecked(true);
        window.ribbonMenuBar()->addAction(home);
        window.ribbonMenuBar()->addAction(format);
        window.ribbonMenuBar()->mainMenuActions().addAction(
            new RibbonSimpleAction(QStringLiteral("&New"), &window));
        auto* saveAs = new RibbonMenuAction(QStringLiteral("Save As"), &window);
        saveAs->addAction(new RibbonSimpleAction(QStringLiteral("Plain text"), saveAs));
        window.ribbonMenuBar()->mainMenuActions().addAction(saveAs);
        window.ribbonMenuBar()->recentFilesActions().addAction(
            new RibbonSimpleAction(QStringLiteral("notes.txt"), &window));

        zoom = new RibbonPercAction(10, 500, 100, &window);
        zoom->setText(QStringLiteral("Zoom"));
        window.ribbonStatusBar()->addAction(zoom);
        progress = new RibbonProgressAction(0, 100, 0, QStringLiteral("Exporting"), &window);
        window.ribbonStatusBar()->addAction(progress);

        wrap = new RibbonSimpleAction(QStringLiteral("Wrap Lines"), &window);
        wrap->setCheckable(true);
        window.ribbonStatusBar()->addAction(wrap);
        views = new RibbonCatMenuAction(QIcon(), QString(), RibbonCatMenuAction::Button,
                                        RibbonCatMenuAction::Small, RibbonCatMenuAction::ViewPopup,
                                        &window);
        views->setToolTip(QStringLiteral("Line wrapping"));
        views->addAction(new RibbonSimpleAction(QStringLiteral("No wrapping"), views));
        window.ribbonStatusBar()->addAction(views);
        find = new RibbonCatComboAction(&window);
        find->setToolTip(QStringLiteral("Find"));
        find->setEditable(true);
        window.ribbonMenuBar()->setFindComboAction(find);

        window.resize(1200, 600);
        window.show();
        QTest::qWait(10);
    }
};

struct Node
{
    QAccessible::Role role;
    QString name;
    QAccessible::State state;
    QAccessibleInterface* iface;
};

/// Walks the tree below @p root, checking that every child names its parent
/// and knows its index; returns every node met.
inline QList<Node> walk(QAccessibleInterface* root)
{
    QList<Node> nodes;
    QList<QAccessibleInterface*> pending{root};
    while (!pending.isEmpty()) {
        QAccessibleInterface* node = pending.takeFirst();
        nodes.append({node->role(), node->text(QAccessible::Name), node->state(), node});
        const int count = node->childCount();
        for (int i = 0; i < count; ++i) {
            QAccessibleInterface* child = node->child(i);
            if (!child) {
                QTest::qFail("null child", __FILE__, __LINE__);
                return nodes;
            }
            if (child->parent() != node || node->indexOfChild(child) != i) {
                const QString what =
                    QStringLiteral("child %1 '%2' of '%3'")
                        .arg(i)
                        .arg(child->text(QAccessible::Name), node->text(QAccessible::Name));
                QTest::qFail(qPrintable(what + QStringLiteral(" does not point back")), __FILE__,
                             __LINE__);
                return nodes;
            }
            pending.append(child);
        }
    }
    return nodes;
}

inline QAccessibleInterface* find(const QList<Node>& nodes, QAccessible::Role role,
                                  const QString& name)
{
    for (const Node& node : nodes) {
        if (node.role == role && node.name == name)
            return node.iface;
    }
    return nullptr;
}

inline QAccessibleInterface* findIn(QWidget& window, QAccessible::Role role, const QString& name)
{
    return find(walk(QAccessible::queryAccessibleInterface(&window)), role, name);
}

inline QAccessibleActionInterface* actions(QAccessibleInterface* iface)
{
    return iface ? iface->actionInterface() : nullptr;
}

} // namespace oru::test
