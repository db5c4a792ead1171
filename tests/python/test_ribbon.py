"""The ribbon built from Python: the widgets of each action kind, signals
reaching Python slots, and the widgets leaving with a deleted action."""
import gc

import pytest
from PyQt6 import sip
from PyQt6.QtCore import QPoint, Qt
from PyQt6.QtGui import QColor, QFont, QIcon, QPixmap
from PyQt6.QtTest import QTest
from PyQt6.QtWidgets import QComboBox

from vazavevurovi import oru

Size = oru.RibbonCatSimpleAction.eSize
Menu = oru.RibbonCatMenuAction


def icon(colour="#3a6ea5"):
    pixmap = QPixmap(32, 32)
    pixmap.fill(QColor(colour))
    return QIcon(pixmap)


def menu_with_entries(menu_type, parent):
    menu = Menu("Menu", menu_type, Menu.eMenuSize.Large, Menu.ePopupType.Menu, parent)
    for text in ("one", "two"):
        menu.addAction(oru.RibbonSimpleAction(icon(), text, menu))
    return menu


def button_group(parent):
    group = oru.RibbonCatActionGroup("Buttons", parent)
    for text in ("B", "I"):
        group.addAction(oru.RibbonCatSimpleAction(icon(), text, Size.Small, parent))
    return group


# Each action kind and the class of the widget the group builds for it.
GROUP_KINDS = {
    "large": (lambda p: oru.RibbonCatSimpleAction(icon(), "Large", Size.Large, p),
              oru.RibbonCatSimpleButton),
    "medium": (lambda p: oru.RibbonCatSimpleAction(icon(), "Medium", Size.Medium, p),
               oru.RibbonCatSimpleButton),
    "small": (lambda p: oru.RibbonCatSimpleAction(icon(), "Small", Size.Small, p),
              oru.RibbonCatSimpleButton),
    "menu": (lambda p: menu_with_entries(Menu.eMenuType.Button, p), oru.RibbonCatMenuButton),
    "palette": (lambda p: menu_with_entries(Menu.eMenuType.Palette, p), oru.RibbonCatMenuButton),
    "buttongroup": (button_group, oru.RibbonCatActionGroupWidget),
    "colour": (lambda p: oru.RibbonCatColorMenuAction(
        icon(), "Colour", oru.RibbonCatColorMenuAction.eSize.Large, p),
        oru.RibbonCatColorMenuButton),
    "combo": (lambda p: oru.RibbonCatComboAction(p), oru.RibbonCatComboComboBox),
    "fontfamily": (lambda p: oru.RibbonCatFontFamilyAction(QFont("DejaVu Sans"), p),
                   oru.RibbonCatFontFamilyComboBox),
    "fontsize": (lambda p: oru.RibbonCatFontSizeAction(11, p), QComboBox),
}
STATUS_KINDS = {
    "toggle": (lambda p: oru.RibbonSimpleAction(icon(), "Wrap", p), oru.RibbonStatusBarWidget),
    "zoom": (lambda p: oru.RibbonPercAction(10, 400, 100, p), oru.RibbonPercWidget),
    "progress": (lambda p: oru.RibbonProgressAction(0, 100, 50, "Saving", p),
                 oru.RibbonProgressWidget),
}


def painted(widget):
    """True when the widget's picture has more than one colour."""
    image = widget.grab().toImage()
    first = image.pixel(0, 0)
    return any(image.pixel(x, y) != first
               for x in range(0, image.width(), 2) for y in range(0, image.height(), 2))


@pytest.mark.parametrize("where,kind", [("group", k) for k in GROUP_KINDS]
                         + [("status", k) for k in STATUS_KINDS])
def test_each_action_kind_shows_its_widget(ribbon, where, kind):
    factory, widget_class = (GROUP_KINDS if where == "group" else STATUS_KINDS)[kind]
    action = factory(ribbon.window)
    if where == "group":
        ribbon.group.addAction(action)
        ribbon.settle()
        container = ribbon.category()
        widget = container.widget(action)
        assert container.action(widget) is action
    else:
        container = ribbon.window.ribbonStatusBar()
        container.addAction(action)
        ribbon.settle()
        widget = container.widgetFor(action)
    # The widget comes back with its own Python class, visible inside its
    # container, and paints something.
    assert isinstance(widget, widget_class)
    assert widget.isVisible()
    assert container.rect().contains(widget.geometry())
    assert not widget.size().isEmpty()
    assert painted(widget)
    if where == "group":
        # The same action in the simplified ribbon's one row.
        bar = ribbon.window.ribbonMenuBar()
        switched = []
        bar.simplifiedChanged.connect(switched.append)
        bar.setSimplified(True)
        ribbon.settle()
        assert switched == [True] and not widget.isVisible()
        shown = [w for w in bar.findChildren(widget_class) if w.isVisible()]
        assert shown and all(painted(w) for w in shown)


@pytest.mark.parametrize("checkable,expected", [
    (False, [("activated",), ("triggered", False)]),
    (True, [("toggled", True), ("activated",), ("triggered", True)]),
])
def test_click_reaches_python_slots(ribbon, checkable, expected):
    action = oru.RibbonCatSimpleAction(icon(), "Press", Size.Large, ribbon.window)
    action.setCheckable(checkable)
    calls = []
    action.triggered.connect(lambda on: calls.append(("triggered", on)))
    action.toggled.connect(lambda on: calls.append(("toggled", on)))
    action.activated.connect(lambda: calls.append(("activated",)))
    ribbon.group.addAction(action)
    ribbon.settle()
    button = ribbon.category().widget(action)
    QTest.mouseClick(button, Qt.MouseButton.LeftButton, Qt.KeyboardModifier.NoModifier,
                     button.rect().center())
    assert calls == expected
    # A press outside the button reaches nothing.
    calls.clear()
    QTest.mouseClick(button, Qt.MouseButton.LeftButton, Qt.KeyboardModifier.NoModifier,
                     QPoint(-5, -5))
    assert calls == []


def delete_by_gc(action):
    del action
    gc.collect()


@pytest.mark.parametrize("parent,delete", [
    ("none", delete_by_gc),            # Python owns it: the last reference goes
    ("window", sip.delete),            # Qt owns it: deleted explicitly
    ("window", lambda a: a.deleteLater()),
])
def test_deleted_action_takes_its_widgets(ribbon, parent, delete):
    keep = oru.RibbonCatSimpleAction(icon(), "Stays", Size.Large, ribbon.window)
    ribbon.group.addAction(keep)
    action = oru.RibbonCatSimpleAction(icon("#c62828"), "Goes", Size.Large,
                                       None if parent == "none" else ribbon.window)
    ribbon.group.addAction(action)
    ribbon.settle()
    category = ribbon.category()
    button = category.widget(action)
    width = category.sizeHint().width()
    delete(action)
    del action
    ribbon.settle()
    assert sip.isdeleted(button)
    assert category.findChildren(oru.RibbonCatSimpleButton) == [category.widget(keep)]
    assert ribbon.group.actions() == [keep]
    # The group is narrower by the button it lost.
    assert category.sizeHint().width() < width


def test_objects_keep_their_owner(ribbon):
    # An action with a Qt parent survives Python's last reference.
    oru.RibbonCatSimpleAction(icon(), "Owned", Size.Large, ribbon.window)
    gc.collect()
    survivors = [a for a in ribbon.window.findChildren(oru.RibbonCatSimpleAction)
                 if a.text() == "Owned"]
    assert len(survivors) == 1 and not sip.ispyowned(survivors[0])
    # A widget handed to the window belongs to it; one without parent to Python.
    central = QComboBox()
    assert sip.ispyowned(central)
    ribbon.window.setCentralWidget(central)
    assert not sip.ispyowned(central) and central.parent() is not None
    # The widgets the library built belong to the library.
    assert not sip.ispyowned(ribbon.window.ribbonMenuBar())


def test_palette_skins_from_python(ribbon):
    """A palette read from JSON becomes a named skin Python selects; a bad
    file gives the library's error and registers nothing."""
    app = ribbon.app
    palette, error = oru.RibbonPalette.fromJson(b'{"base": "#202020", "accent": "#ffb900"}')
    assert error == ""
    assert palette.isValid() and palette.isDark()
    assert palette.accent() == QColor("#ffb900")
    again, _ = oru.RibbonPalette.fromJson(palette.toJson())
    assert again == palette

    bad, error = oru.RibbonPalette.fromJson(b'{"base": "#202020", "accent": "nocolour"}')
    assert not bad.isValid()
    assert "accent" in error
    assert not app.registerRibbonStyle("Broken", bad)
    assert "Broken" not in app.ribbonStyleNames()

    changes = []
    app.ribbonStyleChanged.connect(lambda: changes.append(app.ribbonStyleName()))
    assert app.registerRibbonStyle("Amber", palette)
    assert app.setRibbonStyle("Amber")
    assert not app.setRibbonStyle("Nothing")
    assert changes == ["Amber"]
    assert app.ribbonStyle().mainClientColor().lightness() < 128
    app.setRibbonStyle(oru.RibbonApplication.eRibbonStyle.Blue)
    assert app.ribbonStyleName() == "Blue"
