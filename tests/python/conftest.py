"""Shared set-up of the Python tests: one application object per process
(a Python subclass of RibbonApplication) and a shown main window with one
tab and one group."""
import sys

import pytest
from PyQt6.QtCore import QCoreApplication, QEvent

from vazavevurovi import oru


class TestApp(oru.RibbonApplication):
    __test__ = False

    def initInstance(self):
        return True


@pytest.fixture(scope="session")
def app():
    application = QCoreApplication.instance() or TestApp([sys.argv[0]])
    yield application


class Ribbon:
    """A shown window whose tab "Home" holds the group "Group"."""

    def __init__(self, app):
        self.app = app
        self.window = oru.RibbonMainWindow()
        self.tab = oru.RibbonCategoriesPanelAction("Home", self.window)
        self.group = oru.RibbonCategoryAction("Group", self.window)
        self.tab.addCategory(self.group)
        self.window.ribbonMenuBar().addAction(self.tab)
        self.tab.setChecked(True)
        self.window.resize(1000, 500)
        self.window.show()
        self.settle()

    def settle(self):
        """Runs the posted events, deferred deletions included."""
        for _ in range(3):
            self.app.processEvents()
            QCoreApplication.sendPostedEvents(None, QEvent.Type.DeferredDelete)

    def category(self):
        """The group's widget on the shown page."""
        page = self.window.ribbonMenuBar().panels().page(self.tab)
        return page.wrapper(self.group).category()


@pytest.fixture
def ribbon(app):
    made = Ribbon(app)
    yield made
    made.window.close()
    made.window.deleteLater()
    made.settle()
