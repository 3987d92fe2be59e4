#include "simwindow.h"

#include "building.h"
#include "gameworld.h"

#include <algorithm>

SimWindow::SimWindow(const Outputs& outputs, QWidget* parent)
    : MainWindow(outputs, parent)
{
    // The sim drives the clock itself, as fast as it can: the window's own timer must not
    // add ticks of its own whenever events are processed.
    holdClock();
}

float SimWindow::lowestBuildingHealth() const
{
    const QList<Building*>& buildings = gameWorld()->buildings();
    float lowest = buildings.first()->health;
    for (const Building* building : buildings)
        lowest = std::min(lowest, building->health);
    return lowest;
}

void SimWindow::announceEnd(const QString& /*title*/, const QString& /*text*/)
{
    result = gameWorld()->isLost() ? QStringLiteral("lost") : QStringLiteral("won");
}
