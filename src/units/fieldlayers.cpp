#include "fieldlayers.h"

#include "healthbar.h"
#include "pony.h"

#include <QLabel>

#include <algorithm>

FieldLayers::FieldLayers(QWidget* field)
    : QObject(field)
    , field(field)
    , ponyFloor(newFloor())
    , barFloor(newFloor())
    , topFloor(newFloor())
    , fan(field->size())
{
    const QList<QLabel*> labels = field->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
    for (QLabel* label : labels) {
        if (label->objectName() == QLatin1String(HealthBar::kTrackName)) {
            putBarInLayer(label);
            fixedBars.push_back(label->geometry());
        } else if (label->objectName() == QLatin1String(HealthBar::kBarName)) {
            putBarInLayer(label);
        }
    }
}

FieldLayers* FieldLayers::of(QWidget* field)
{
    if (!field)
        return nullptr;
    FieldLayers* layers = field->findChild<FieldLayers*>(QString(), Qt::FindDirectChildrenOnly);
    return layers ? layers : new FieldLayers(field);
}

// A floor is never shown: it only holds its place among the field's children.
QWidget* FieldLayers::newFloor()
{
    QWidget* floor = new QWidget(field);
    floor->setGeometry(0, 0, 0, 0);
    floor->setAttribute(Qt::WA_TransparentForMouseEvents);
    floor->hide();
    return floor;
}

// Beneath topFloor, above every bar put before it: a bar's track, put first, stays beneath it.
void FieldLayers::putBarInLayer(QWidget* label)
{
    label->stackUnder(topFloor);
}

void FieldLayers::addUnit(QMyLabel* unit, HealthBar* bar)
{
    if (qobject_cast<Pony*>(unit))
        unit->stackUnder(topPony ? topPony.data() : barFloor);
    else
        unit->stackUnder(ponyFloor);
    putBarInLayer(bar->trackLabel());
    putBarInLayer(bar->label());
    members.push_back({ unit, bar, QRect(), false });
    membersChanged = true;
}

void FieldLayers::removeUnit(const HealthBar* bar)
{
    const auto gone = std::find_if(members.begin(), members.end(), [bar](const Member& m) { return m.bar == bar; });
    if (gone == members.end())
        return;
    members.erase(gone);
    membersChanged = true;
}

void FieldLayers::bringToTop(QMyLabel* pony)
{
    pony->stackUnder(barFloor);
    topPony = pony;
}

// Walking bars are let down as they go; whether a standing one moved is all the rest asks.
bool FieldLayers::standingMoved()
{
    bool moved = false;
    for (Member& member : members) {
        const bool standing = !member.unit->isMoving();
        if (!standing)
            member.bar->setLift(0, false);
        if (standing != member.standing || (standing && member.bar->placeRect() != member.place))
            moved = true;
        member.standing = standing;
    }
    return moved;
}

void FieldLayers::settleBars()
{
    if (!standingMoved() && !membersChanged)
        return;
    membersChanged = false;
    fan.clear();
    for (const QRect& fixed : fixedBars)
        fan.block(fixed);
    for (Member& member : members) {
        if (!member.standing)
            continue;
        member.place = member.bar->placeRect();
        member.bar->setLift(fan.place(member.place, HealthBar::kHeight), true);
    }
}
