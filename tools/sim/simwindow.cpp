#include "simwindow.h"

#include "gameworld.h"

#include <QTimer>

SimWindow::SimWindow(QWidget* parent)
    : MainWindow(parent)
{
    // The sim drives the clock itself, as fast as it can: the window's own timer must not
    // add ticks of its own whenever events are processed.
    for (QTimer* timer : findChildren<QTimer*>(QString(), Qt::FindDirectChildrenOnly))
        timer->stop();
}

void SimWindow::tick()
{
    QMetaObject::invokeMethod(this, "slotUpdateGame", Qt::DirectConnection);
}

void SimWindow::announceEnd(const QString& /*title*/, const QString& /*text*/)
{
    result = world->isLost() ? QStringLiteral("lost") : QStringLiteral("won");
}
