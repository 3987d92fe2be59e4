#include "simwindow.h"

#include "building.h"
#include "gameworld.h"

#include <QTimer>

#include <algorithm>

SimWindow::SimWindow(QWidget* parent)
    : MainWindow(parent)
{
    // The sim drives the clock itself, as fast as it can: the window's own timer must not
    // add ticks of its own whenever events are processed.
    for (QTimer* timer : findChildren<QTimer*>(QString(), Qt::FindDirectChildrenOnly))
        timer->stop();
}

float SimWindow::lowestBuildingHealth() const
{
    const QList<Building*>& buildings = world->buildings();
    float lowest = buildings.first()->health;
    for (const Building* building : buildings)
        lowest = std::min(lowest, building->health);
    return lowest;
}

void SimWindow::tick()
{
    QMetaObject::invokeMethod(this, "slotUpdateGame", Qt::DirectConnection);
}

void SimWindow::announceEnd(const QString& /*title*/, const QString& /*text*/)
{
    result = world->isLost() ? QStringLiteral("lost") : QStringLiteral("won");
}
