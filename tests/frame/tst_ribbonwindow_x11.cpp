#include "frametestutil.h"
#include <oruTestApp.h>
class TestRibbonWindowX11 : public QObject
{
    Q_OBJECT
private slots:
    void placeholder() { QSKIP("todo"); }
};
ORU_TEST_MAIN(TestRibbonWindowX11)
#include "tst_ribbonwindow_x11.moc"
