#include "building.h"

#include "dataschema.h"
#include "gameworld.h"
#include "healthbar.h"
#include "pictureloader.h"
#include "pony.h"
#include "qclicklabel.h"

#include <QCoreApplication>
#include <QLabel>

#include <utility>

namespace {
const QString kCellStyle = QStringLiteral(
    "background-color: rgba(100, 100, 180, 150); border: 2px solid rgb(40,40,80); border-radius: 5px");
// Held as texts so that the per-step comparisons allocate nothing.
const QString kFarmFoodBonus = QLatin1String(DataSchema::kFarmFood);
const QString kFarmStoneBonus = QLatin1String(DataSchema::kFarmStone);
const QString kFastRepairBonus = QLatin1String(DataSchema::kFastRepair);

constexpr int kCellSize = 44;
constexpr float kFoodPerSecond = 5.0f;
constexpr float kBonusFoodPerSecond = 7.5f;
constexpr float kStonePerSecond = 3.0f;
constexpr float kBonusStonePerSecond = 4.5f;
constexpr float kHospitalHealPerSecond = 5.0f;
constexpr float kRepairPerSecond = 5.0f;
constexpr float kFastRepairPerSecond = 7.5f;
// A pony's centre within this many pixels of a cell's centre works in that cell.
constexpr float kCellReach = 2.0f;
constexpr int kHealth = 500;

// Where a building stands and what it shows. Each cell step is taken from the previous cell's
// centre, the first from the building's.
struct Plan
{
    Building::Kind kind;
    const char* name; // translated in the context "Building"
    QPoint centre;
    QPoint cellSteps[2];
    const char* picture; // in images/
};

const Plan kPlans[] = {
    { Building::Farm, QT_TRANSLATE_NOOP("Building", "Ферма"), { 300, 300 }, { { -25, 15 }, { 50, 0 } }, DataSchema::kFarmPicture },
    { Building::Mine, QT_TRANSLATE_NOOP("Building", "Рудник"), { 500, 400 }, { { 0, -25 }, { 0, 50 } }, DataSchema::kMinePicture },
    { Building::Hospital, QT_TRANSLATE_NOOP("Building", "Больница"), { 600, 200 }, { { -30, 20 }, { 60, -30 } }, DataSchema::kHospitalPicture },
};
}

void Building::createAll(QWidget* parent, GameWorld* world, const PictureLoader& pictureLoader)
{
    // All three pictures are loaded before the first building is made.
    QList<QPixmap> pictures;
    for (const Plan& plan : kPlans)
        pictures << pictureLoader.load(DataSchema::imagePath(QLatin1String(plan.picture)));
    for (int i = 0; i < pictures.size(); ++i) {
        const Plan& plan = kPlans[i];
        world->addBuilding(new Building(parent, world, kHealth, plan.kind, plan.centre.x(), plan.centre.y(),
                                        { plan.cellSteps[0], plan.cellSteps[1] }, pictures.at(i),
                                        QCoreApplication::translate("Building", plan.name)));
    }
}

Building::Building(QWidget* parent, GameWorld* world, int maxHealth, int kind, int midX, int midY,
                   const QList<QPoint>& cellSteps, const QPixmap& picture, const QString& name)
    : health(static_cast<float>(maxHealth))
    , maxHealth(maxHealth)
    , kind(kind)
    , width(PictureLoader::logicalSize(picture).width())
    , height(PictureLoader::logicalSize(picture).height())
    , midX(midX)
    , midY(midY)
    , name(name)
    , parent(parent)
    , world(world)
{
    // Made first, so that the cells and the bar lie above the picture.
    QLabel* pictureLabel = new QLabel(parent);
    pictureLabel->setGeometry(midX - width / 2, midY - height / 2, width, height);
    pictureLabel->setPixmap(picture);

    cells.reset(new QList<QClickLabel*>);
    // Each step is taken from the previous cell's centre, the first from the building's.
    QPoint point(midX, midY);
    for (const QPoint& cellStep : cellSteps) {
        point += cellStep;
        QClickLabel* cell = new QClickLabel(parent);
        cell->setGeometry(point.x() - kCellSize / 2, point.y() - kCellSize / 2, kCellSize, kCellSize);
        cell->setStyleSheet(kCellStyle);
        QObject::connect(cell, SIGNAL(clicked(QClickLabel*,bool)), parent,
                         SLOT(building_cell_clicked(QClickLabel*,bool)));
        cells->append(cell);
    }
    createHealthBar();
}

// The picture and the cells are widgets of the window, which deletes them.
Building::~Building() = default;

// Red until the first step: a building turns green once it has stood a step unhurt.
void Building::createHealthBar()
{
    healthBar.reset(new HealthBar(parent, midX - width / 2, midY + height / 2 - 1, width, true));
}

QRect Building::healthBarPlace() const
{
    return healthBar->placeRect();
}

QLabel* Building::healthBarLabel() const
{
    return healthBar->label();
}

bool Building::wasHit() const
{
    return healthBar->wasHit();
}

void Building::damage(float amount)
{
    health = boundedHealth(health - amount, maxHealth);
    healthBar->hit();
}

void Building::repair(float amount)
{
    health = boundedHealth(health + amount, maxHealth);
}

void Building::step(float dt)
{
    // Drawn before the work of this step: the bar shows the health the step started with, and a
    // building stays red for the whole step after its last hit.
    healthBar->showHealth(health, maxHealth, width);
    for (Pony* pony : world->ponies()) {
        for (const QClickLabel* cell : std::as_const(*cells)) {
            if (pony->distanceTo(cell->centerX(), cell->centerY()) <= kCellReach)
                letPonyWork(pony, dt);
        }
    }
}

void Building::letPonyWork(Pony* pony, float dt)
{
    if (kind == Farm)
        world->addFood(dt * (pony->bonus == kFarmFoodBonus ? kBonusFoodPerSecond : kFoodPerSecond));
    if (kind == Mine)
        world->addStone(dt * (pony->bonus == kFarmStoneBonus ? kBonusStonePerSecond : kStonePerSecond));
    if (kind == Hospital)
        pony->heal(dt * kHospitalHealPerSecond);
    // Repair needs at least one whole stone; each working pony repairs, and pays, separately.
    if (health < maxHealth && world->getStone() > 0) {
        world->spendStone(dt + dt);
        repair(dt * (pony->bonus == kFastRepairBonus ? kFastRepairPerSecond : kRepairPerSecond));
    }
}
