#!/usr/bin/python3
"""A small note editor whose whole user interface is the ribbon, in Python.

Two tabs of groups with every kind of control (large, medium and small
buttons, a split button, a gallery, button groups, colour menus, a combo
box, font family and size pickers), the application menu with recent
files, the quick access bar, a status bar with toggles, zoom and progress,
and a skin switch.

  demo.py [--skin blue|silver|black] [--size WxH] [--shot FILE.png]

--shot builds the window, waits for it to be painted, saves a picture of
it into FILE.png and exits.
"""
import argparse
import os
import sys

from PyQt6.QtCore import QPoint, QRect, Qt, QTimer
from PyQt6.QtGui import (QColor, QFont, QIcon, QPainter, QPixmap, QTextCharFormat,
                         QTextListFormat)
from PyQt6.QtWidgets import QApplication, QTextEdit

from vazavevurovi import oru

SKINS = {
    "blue": oru.RibbonApplication.eRibbonStyle.Blue,
    "silver": oru.RibbonApplication.eRibbonStyle.Silver,
    "black": oru.RibbonApplication.eRibbonStyle.Black,
}
Size = oru.RibbonCatSimpleAction.eSize
MenuType = oru.RibbonCatMenuAction.eMenuType
MenuSize = oru.RibbonCatMenuAction.eMenuSize
PopupType = oru.RibbonCatMenuAction.ePopupType


class DemoApp(oru.RibbonApplication):
    def initInstance(self):
        self.setProductName("Python Notes")
        return True


def tile(size, colour, text):
    """A rounded tile with a letter: the icon when the theme has none."""
    pixmap = QPixmap(size, size)
    pixmap.fill(Qt.GlobalColor.transparent)
    painter = QPainter(pixmap)
    painter.setRenderHint(QPainter.RenderHint.Antialiasing)
    painter.setBrush(QColor(colour))
    painter.setPen(QColor(colour).darker(150))
    painter.drawRoundedRect(QRect(1, 1, size - 2, size - 2), size / 6, size / 6)
    font = painter.font()
    font.setBold(True)
    font.setPixelSize(int(size * (0.6 if len(text) == 1 else 0.4)))
    painter.setFont(font)
    painter.setPen(Qt.GlobalColor.white)
    painter.drawText(QRect(0, 0, size, size), Qt.AlignmentFlag.AlignCenter, text)
    painter.end()
    return QIcon(pixmap)


def use_oxygen_icon_theme():
    """Selects the Oxygen icon theme when it is installed, as the C++ demo does."""
    for path in QIcon.themeSearchPaths():
        if os.path.exists(os.path.join(path, "oxygen", "index.theme")):
            QIcon.setThemeName("oxygen")
            return


def icon(theme_name, size, colour, text):
    """The theme's icon theme_name when the theme has one, else a drawn tile."""
    if theme_name and QIcon.hasThemeIcon(theme_name):
        return QIcon.fromTheme(theme_name)
    return tile(size, colour, text)


class NotesWindow(oru.RibbonMainWindow):
    def __init__(self, app):
        super().__init__()
        self.app = app
        self.setTitle("Untitled")
        self.editor = QTextEdit()
        self.editor.setHtml("<h2>Python Notes</h2><p>A ribbon built from Python with "
                            "<b>vazavevurovi</b> and PyQt6.</p>")
        self.setCentralWidget(self.editor)
        bar = self.ribbonMenuBar()

        home = oru.RibbonCategoriesPanelAction("&Home", self)
        home.addCategory(self.clipboard_group())
        home.addCategory(self.font_group())
        home.addCategory(self.paragraph_group())
        home.addCategory(self.styles_group())
        view = oru.RibbonCategoriesPanelAction("&View", self)
        view.addCategory(self.skin_group())
        view.addCategory(self.zoom_group())
        bar.addAction(home)
        bar.addAction(view)
        home.setChecked(True)

        self.build_application_menu()
        self.build_status_bar()

    def action(self, kind, theme_name, colour, letter, text, size, slot=None):
        pixels = 32 if size == Size.Large else 16
        result = kind(icon(theme_name, pixels, colour, letter), text, size, self)
        result.setToolTip(text.replace("&", ""))
        if slot:
            result.triggered.connect(slot)
        return result

    def clipboard_group(self):
        group = oru.RibbonCategoryAction("Clipboard", self)
        # A split button: the default entry runs on a click of the upper half.
        paste = oru.RibbonCatMenuAction(icon("edit-paste", 32, "#2e7d32", "P"), "Paste",
                                        MenuType.Button, MenuSize.Large, PopupType.Menu, self)
        paste_rich = oru.RibbonSimpleAction(icon("edit-paste", 16, "#2e7d32", "P"), "Paste", paste)
        paste_rich.triggered.connect(self.editor.paste)
        paste_plain = oru.RibbonSimpleAction("Paste as plain text", paste)
        paste_plain.triggered.connect(
            lambda: self.editor.insertPlainText(QApplication.clipboard().text()))
        paste.addAction(paste_rich, True)
        paste.addAction(paste_plain)
        group.addAction(paste)
        cut = self.action(oru.RibbonCatSimpleAction, "edit-cut", "#c62828", "X", "Cut",
                          Size.Small, self.editor.cut)
        copy = self.action(oru.RibbonCatSimpleAction, "edit-copy", "#1565c0", "C", "Copy",
                           Size.Small, self.editor.copy)
        group.addAction(cut)
        group.addAction(copy)
        self.copy = copy
        return group

    def font_group(self):
        group = oru.RibbonCategoryAction("Font", self)
        family = oru.RibbonCatFontFamilyAction(self.editor.font(), self)
        family.fontFamilyActivated.connect(
            lambda font: self.merge(lambda f: f.setFontFamilies([font.family()])))
        size = oru.RibbonCatFontSizeAction(11, self)
        size.fontSizeActivated.connect(
            lambda points: self.merge(lambda f: f.setFontPointSize(points)))
        group.addAction(family, 0)
        group.addAction(size, 0)

        styles = oru.RibbonCatActionGroup("Style", self)
        for letter, tip, apply in (
                ("B", "Bold", lambda f, on: f.setFontWeight(
                    QFont.Weight.Bold if on else QFont.Weight.Normal)),
                ("I", "Italic", lambda f, on: f.setFontItalic(on)),
                ("U", "Underline", lambda f, on: f.setFontUnderline(on))):
            toggle = self.action(oru.RibbonCatSimpleAction, "", "#455a64", letter, tip, Size.Small)
            toggle.setCheckable(True)
            toggle.triggered.connect(lambda on, apply=apply: self.merge(lambda f: apply(f, on)))
            styles.addAction(toggle)
        group.addAction(styles, 1)

        colours = oru.RibbonCatActionGroup("Colours", self)
        text_colour = oru.RibbonCatColorMenuAction(
            icon("format-text-color", 16, "#b71c1c", "A"), "Font colour",
            oru.RibbonCatColorMenuAction.eSize.Small, self)
        text_colour.setHasAutomaticColor(True)
        text_colour.setAutomaticColor(QColor("black"))
        text_colour.setColor(QColor(200, 0, 0))
        text_colour.colorActivated.connect(
            lambda colour: self.merge(lambda f: f.setForeground(colour)))
        highlight = oru.RibbonCatColorMenuAction(
            icon("format-fill-color", 16, "#f9a825", "H"), "Highlight",
            oru.RibbonCatColorMenuAction.eSize.Small, self)
        highlight.setHasNoneColor(True)
        highlight.setColor(QColor(255, 255, 0))
        highlight.colorActivated.connect(lambda colour: self.merge(
            lambda f: f.setBackground(colour if colour.isValid() else QColor(0, 0, 0, 0))))
        colours.addAction(text_colour, True)
        colours.addAction(highlight, True)
        group.addAction(colours, 1)
        return group

    def paragraph_group(self):
        group = oru.RibbonCategoryAction("Paragraph", self)
        aligns = oru.RibbonCatActionGroup("Alignment", self)
        aligns.setExclusive(True)
        for letter, tip, flag in (("L", "Align left", Qt.AlignmentFlag.AlignLeft),
                                  ("C", "Centre", Qt.AlignmentFlag.AlignHCenter),
                                  ("R", "Align right", Qt.AlignmentFlag.AlignRight)):
            align = self.action(oru.RibbonCatSimpleAction, "", "#6a1b9a", letter, tip, Size.Small)
            align.setCheckable(True)
            align.setChecked(letter == "L")
            align.triggered.connect(lambda _=False, flag=flag: self.editor.setAlignment(flag))
            aligns.addAction(align)
        group.addAction(aligns)
        bullets = self.action(oru.RibbonCatSimpleAction, "format-list-unordered", "#00838f",
                              "\u2022", "Bullets", Size.Medium,
                              lambda: self.editor.textCursor().createList(
                                  QTextListFormat.Style.ListDisc))
        group.addAction(bullets)
        heading = self.action(oru.RibbonCatSimpleAction, "format-text-bold", "#ef6c00", "H",
                              "Heading", Size.Medium,
                              lambda: self.merge(lambda f: f.setFontPointSize(18)))
        group.addAction(heading)
        return group

    def styles_group(self):
        group = oru.RibbonCategoryAction("Styles", self)
        gallery = oru.RibbonCatMenuAction("Styles", MenuType.Palette, MenuSize.Large,
                                          PopupType.PalettePopup, self)
        gallery.setExclusive(True)
        for name, colour in (("Normal", "#546e7a"), ("Title", "#1565c0"), ("Quote", "#8e24aa"),
                             ("Code", "#2e7d32"), ("Note", "#f9a825"), ("Warning", "#c62828")):
            entry = oru.RibbonSimpleAction(tile(48, colour, name[0]), name, gallery)
            entry.setCheckable(True)
            entry.setToolTip(name)
            entry.triggered.connect(lambda _=False, colour=colour: self.merge(
                lambda f: f.setForeground(QColor(colour))))
            gallery.addAction(entry)
        group.addAction(gallery)
        find = oru.RibbonCatComboAction(self)
        for word in ("ribbon", "Python", "notes"):
            find.addItem(word)
        find.setEditable(True)
        find.setWidth(110)
        find.selectionTextActivated.connect(self.editor.find)
        group.addAction(find)
        return group

    def skin_group(self):
        group = oru.RibbonCategoryAction("Skin", self)
        skins = oru.RibbonCatActionGroup("Skins", self)
        skins.setExclusive(True)
        for name, colour in (("blue", "#3a6ea5"), ("silver", "#9aa4b0"), ("black", "#333333")):
            skin = self.action(oru.RibbonCatSimpleAction, "", colour, name[0].upper(),
                               name.capitalize(), Size.Large)
            skin.setCheckable(True)
            skin.setChecked(self.app.getRibbonStyle() == SKINS[name])
            skin.triggered.connect(lambda _=False, name=name: self.app.setRibbonStyle(SKINS[name]))
            skins.addAction(skin)
        group.addAction(skins)
        return group

    def zoom_group(self):
        group = oru.RibbonCategoryAction("Zoom", self)
        group.addAction(self.action(oru.RibbonCatSimpleAction, "zoom-in", "#00695c", "+",
                                    "Larger", Size.Large, lambda: self.editor.zoomIn(1)))
        group.addAction(self.action(oru.RibbonCatSimpleAction, "zoom-out", "#00695c", "-",
                                    "Smaller", Size.Large, lambda: self.editor.zoomOut(1)))
        return group

    def build_application_menu(self):
        bar = self.ribbonMenuBar()
        menu = bar.mainMenuActions()
        for theme_name, colour, text, slot in (
                ("document-new", "#3a6ea5", "&New", self.editor.clear),
                ("document-open", "#c08a2a", "&Open...", None),
                ("document-save", "#2e8b57", "&Save", None)):
            entry = oru.RibbonSimpleAction(icon(theme_name, 32, colour, text[1]), text, self)
            if slot:
                entry.triggered.connect(slot)
            menu.addAction(entry)
        for path in ("/home/ada/notes/ribbon-ideas.txt", "/home/ada/notes/shopping.txt"):
            bar.recentFilesActions().addAction(oru.RibbonSimpleAction(path, self))
        options = oru.RibbonSimpleAction("Notes &Options", self)
        bar.setOptionsAction(options)
        leave = oru.RibbonSimpleAction("E&xit Notes", self)
        leave.triggered.connect(self.close)
        bar.setExitAction(leave)

        # The quick access bar holds commands of the ribbon.
        quick = bar.quickAccessBar()
        save = oru.RibbonSimpleAction(icon("document-save", 16, "#2e8b57", "S"), "Save", self)
        undo = oru.RibbonSimpleAction(icon("edit-undo", 16, "#546e7a", "U"), "Undo", self)
        undo.triggered.connect(self.editor.undo)
        quick.addCommand(save)
        quick.addCommand(undo)

    def build_status_bar(self):
        status = self.ribbonStatusBar()
        wrap = oru.RibbonSimpleAction(icon("format-text-direction-ltr", 16, "#4a7a3a", "W"),
                                      "Wrap Lines", self)
        wrap.setCheckable(True)
        wrap.setChecked(True)
        wrap.toggled.connect(lambda on: self.editor.setLineWrapMode(
            QTextEdit.LineWrapMode.WidgetWidth if on else QTextEdit.LineWrapMode.NoWrap))
        status.addAction(wrap)
        self.zoom = oru.RibbonPercAction(10, 400, 100, self)
        self.zoom.percentageChanged.connect(self.set_zoom)
        status.addAction(self.zoom)
        self.progress = oru.RibbonProgressAction(0, 100, 40, "Saving", self)
        status.addAction(self.progress)
        status.showMessage("Ready")

    def merge(self, change):
        text_format = QTextCharFormat()
        change(text_format)
        self.editor.mergeCurrentCharFormat(text_format)

    def set_zoom(self, percent):
        font = self.editor.font()
        font.setPointSizeF(max(1.0, 11 * percent / 100))
        self.editor.setFont(font)


def take_shot(window, path):
    """Saves the window, as painted, into path (PNG); 0 on success."""
    picture = window.grab()
    if picture.isNull() or not picture.save(path, "PNG"):
        print(f"demo.py: could not write {path}", file=sys.stderr)
        return 1
    return 0


def main():
    parser = argparse.ArgumentParser(description="Python Notes: the ribbon from Python.")
    parser.add_argument("--skin", choices=sorted(SKINS), default="blue")
    parser.add_argument("--size", default="1100x620", help="window size WxH")
    parser.add_argument("--shot", metavar="FILE", help="save a picture of the window and exit")
    options, qt_arguments = parser.parse_known_args()
    app = DemoApp([sys.argv[0]] + qt_arguments)
    if not app.initInstance():
        return 0
    app.setRibbonStyle(SKINS[options.skin])
    use_oxygen_icon_theme()
    window = NotesWindow(app)
    width, height = (int(n) for n in options.size.split("x"))
    window.resize(width, height)
    window.move(QPoint(0, 0))
    window.show()
    if options.shot:
        result = []
        # Let the window system map and paint everything first.
        QTimer.singleShot(400, lambda: (result.append(take_shot(window, options.shot)), app.quit()))
        app.exec()
        return result[0] if result else 1
    return app.exec()


if __name__ == "__main__":
    sys.exit(main())
