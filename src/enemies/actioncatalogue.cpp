#include "actioncatalogue.h"

#include "building.h"
#include "gameworld.h"
#include "pony.h"

namespace {
constexpr float kCooldownSeconds = 1.0f;
// A cooldown counts as run out a little above 0: it ends just below 0 in float steps.
constexpr float kReadyBelow = 0.01f;

void takeEffectFromCode(const QString& code, ActionInfo& record)
{
    record.kind = DataSchema::actionKind(code);
}

// value % of maxHealth, in double: the product of two large ints cannot overflow.
float percentOf(int value, int maxHealth)
{
    return static_cast<float>(static_cast<double>(value) * maxHealth / 100.0);
}
}

ActionCatalogue::ActionCatalogue(GameWorld* world)
    : KindTable(DataSchema::actions(), takeEffectFromCode)
    , world(world)
{
    for (const QString& code : codes())
        cooldowns.insert(code, 0.0f);
}

bool ActionCatalogue::canUse(const QString& code) const
{
    const ActionInfo* record = find(code);
    // An action of an unknown code has no effect, so it is never offered.
    return record && record->kind != ActionKind::None && world->getMagic() >= record->needMagic;
}

bool ActionCatalogue::isReady(const QString& code) const
{
    const auto found = cooldowns.constFind(code);
    return found != cooldowns.constEnd() && found.value() <= kReadyBelow;
}

void ActionCatalogue::tick(float dt)
{
    for (float& cooldown : cooldowns) {
        if (cooldown > 0)
            cooldown -= dt;
    }
}

bool ActionCatalogue::apply(const QString& code)
{
    if (!canUse(code))
        return false;
    cooldowns[code] = kCooldownSeconds;
    const ActionInfo record = info(code);
    world->spendMagic(static_cast<float>(record.needMagic));
    applyEffect(record);
    return true;
}

void ActionCatalogue::applyEffect(const ActionInfo& record)
{
    switch (record.kind) {
    case ActionKind::IncFood:
        world->addFood(static_cast<float>(record.value));
        break;
    case ActionKind::IncStone:
        world->addStone(static_cast<float>(record.value));
        break;
    case ActionKind::Cure:
        for (Pony* pony : world->ponies())
            pony->heal(percentOf(record.value, pony->maxHealth));
        break;
    case ActionKind::Repair:
        for (Building* building : world->buildings())
            building->repair(percentOf(record.value, building->maxHealth));
        break;
    case ActionKind::None:
        break;
    }
}
