#include "actioncatalogue.h"

#include "building.h"
#include "gameworld.h"
#include "inifile.h"
#include "pony.h"

namespace {
const QString kActionFile = QStringLiteral("../config/action.ini");
constexpr float kCooldownSeconds = 1.0f;
// A cooldown counts as run out a little above 0: it ends just below 0 in float steps.
constexpr float kReadyBelow = 0.01f;

ActionKind kindOfCode(const QString& code)
{
    if (code == QLatin1String("cure"))
        return ActionKind::Cure;
    if (code == QLatin1String("repair"))
        return ActionKind::Repair;
    if (code == QLatin1String("incfood"))
        return ActionKind::IncFood;
    if (code == QLatin1String("incstone"))
        return ActionKind::IncStone;
    return ActionKind::None;
}

// value % of maxHealth, in double: the product of two large ints cannot overflow.
float percentOf(int value, int maxHealth)
{
    return static_cast<float>(static_cast<double>(value) * maxHealth / 100.0);
}
}

ActionCatalogue::ActionCatalogue(GameWorld* world)
    : world(world)
{
    IniFile file(kActionFile);
    codeList = file.groups();
    for (const QString& code : qAsConst(codeList)) {
        file.beginGroup(code);
        ActionInfo record;
        record.kind = kindOfCode(code);
        record.name = file.text(QStringLiteral("Name"));
        record.descr = file.text(QStringLiteral("Descr"));
        record.needMagic = file.number(QStringLiteral("NeedMagic"));
        record.value = file.number(QStringLiteral("Value"));
        records.insert(code, record);
        cooldowns.insert(code, 0.0f);
        file.endGroup();
    }
}

QString ActionCatalogue::name(const QString& code) const
{
    return records.value(code).name;
}

QString ActionCatalogue::infoText(const QString& code) const
{
    const auto found = records.constFind(code);
    if (found == records.constEnd())
        return QString();
    return QStringLiteral("Расход магии на использование: ") + QString::number(found.value().needMagic)
        + QLatin1Char('\n') + QLatin1Char('\n') + found.value().descr;
}

bool ActionCatalogue::canUse(const QString& code) const
{
    const auto found = records.constFind(code);
    // An action of an unknown code has no effect, so it is never offered.
    return found != records.constEnd() && found.value().kind != ActionKind::None
        && world->getMagic() >= found.value().needMagic;
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

void ActionCatalogue::apply(const QString& code)
{
    if (!canUse(code))
        return;
    cooldowns[code] = kCooldownSeconds;
    const ActionInfo record = records.value(code);
    world->spendMagic(static_cast<float>(record.needMagic));
    applyEffect(record);
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
