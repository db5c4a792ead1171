#!/usr/bin/python3
"""A ribbon program from zero: one tab, one group, one button.

The Python version of examples/gettingstarted/main.cpp. With --smoke it
presses the button once the window is up, prints the label's text and
exits (status 0 when the greeting arrived), for checks without a user.
"""
import sys

from PyQt6.QtCore import Qt, QTimer
from PyQt6.QtWidgets import QLabel, QStyle

from vazavevurovi import oru


# Every ribbon program has one application object derived from
# RibbonApplication; initInstance() says whether this process goes on.
class HelloApp(oru.RibbonApplication):
    def initInstance(self):
        return True


def main():
    app = HelloApp(sys.argv)
    if not app.initInstance():
        return 0
    app.setRibbonStyle(oru.RibbonApplication.eRibbonStyle.Blue)

    window = oru.RibbonMainWindow()
    window.setTitle("Hello")
    label = QLabel("Press the button on the ribbon.")
    label.setAlignment(Qt.AlignmentFlag.AlignCenter)
    window.setCentralWidget(label)

    # The ribbon is described by actions: a tab holds groups, a group holds
    # the actions of its controls. The window parents them all, so they are
    # deleted with it; the ribbon only builds widgets that show them.
    tab = oru.RibbonCategoriesPanelAction("Home", window)
    group = oru.RibbonCategoryAction("Greeting", window)
    hello = oru.RibbonCatSimpleAction(
        app.style().standardIcon(QStyle.StandardPixmap.SP_DialogYesButton), "Say hello",
        oru.RibbonCatSimpleAction.eSize.Large, window)
    hello.triggered.connect(lambda: label.setText("Hello, ribbon!"))

    group.addAction(hello)
    tab.addCategory(group)
    # Adding the tab to the ribbon bar creates its tab button and its page;
    # the checked tab's page is the one shown.
    window.ribbonMenuBar().addAction(tab)
    tab.setChecked(True)

    window.resize(800, 500)
    window.show()
    if "--smoke" in sys.argv[1:]:
        QTimer.singleShot(0, hello.trigger)
        QTimer.singleShot(0, app.quit)
        app.exec()
        print(label.text())
        return 0 if label.text() == "Hello, ribbon!" else 1
    return app.exec()


if __name__ == "__main__":
    sys.exit(main())
