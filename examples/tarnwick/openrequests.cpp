#include "openrequests.h"

#include <QBoxLayout>
#include <QFileInfo>
#include <QLabel>
#include <QWidget>

void showRequestedFiles(QWidget* window, const QStringList& files)
{
    if (!window || files.isEmpty())
        return;
    auto* label = window->findChild<QLabel*>(QStringLiteral("requestedFiles"));
    if (!label) {
        label = new QLabel(window);
        label->setObjectName(QStringLiteral("requestedFiles"));
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        if (auto* layout = qobject_cast<QBoxLayout*>(window->layout()))
            layout->insertWidget(0, label);
    }
    QStringList shown = label->property("files").toStringList();
    shown += files;
    label->setProperty("files", shown);
    label->setText(QWidget::tr("Documents: %1").arg(shown.join(QStringLiteral(", "))));
    label->show();
    window->setWindowTitle(
        QWidget::tr("Tarnwick - %1").arg(QFileInfo(files.constLast()).fileName()));
}
