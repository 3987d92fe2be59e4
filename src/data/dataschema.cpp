#include "dataschema.h"

#include "kindtable.h"

#include <QCoreApplication>

namespace DataSchema {

namespace {
const char kShownAsHealth[] = QT_TRANSLATE_NOOP("DataSchema", "Максимальное здоровье: %1");
const char kShownAsSpeed[] = QT_TRANSLATE_NOOP("DataSchema", "Скорость: %1");
const char kShownAsAttack[] = QT_TRANSLATE_NOOP("DataSchema", "Атака: %1");

// Every kind has a name and a description; a pony may also have a work bonus.
template <typename Info>
QVector<typename Catalogue<Info>::Text> namedAndDescribed()
{
    return { { kName, &Info::name, true, true }, { kDescr, &Info::descr, true, true } };
}
}

QString translated(const char* text)
{
    return QCoreApplication::translate("DataSchema", text);
}

QString configPath(const QString& file)
{
    return QStringLiteral("../") + QLatin1String(kConfigFolder) + QLatin1Char('/') + file;
}

QString imagePath(const QString& file)
{
    return QStringLiteral("../") + QLatin1String(kImagesFolder) + QLatin1Char('/') + file;
}

QString soundsPath()
{
    return QStringLiteral("../") + QLatin1String(kSoundsFolder);
}

const Catalogue<PonyInfo>& ponies()
{
    static const Catalogue<PonyInfo> schema{
        kPonyFile,
        "%1_ico.png",
        namedAndDescribed<PonyInfo>() << Catalogue<PonyInfo>::Text{ kBonus, &PonyInfo::bonus, false, false },
        { { kMaxHealth, &PonyInfo::maxHealth, kShownAsHealth },
          { kSpeed, &PonyInfo::speed, kShownAsSpeed },
          { kNeedMagic, &PonyInfo::needMagic, QT_TRANSLATE_NOOP("DataSchema", "Расход магии на призыв: %1") },
          { kAttack, &PonyInfo::attack, kShownAsAttack } },
    };
    return schema;
}

const Catalogue<MonsterInfo>& monsters()
{
    static const Catalogue<MonsterInfo> schema{
        kMonsterFile,
        "monster_%1.png",
        namedAndDescribed<MonsterInfo>(),
        { { kMaxHealth, &MonsterInfo::maxHealth, kShownAsHealth },
          { kSpeed, &MonsterInfo::speed, kShownAsSpeed },
          { kAttack, &MonsterInfo::attack, kShownAsAttack } },
    };
    return schema;
}

const Catalogue<ActionInfo>& actions()
{
    static const Catalogue<ActionInfo> schema{
        kActionFile,
        "action_%1.png",
        namedAndDescribed<ActionInfo>(),
        { { kNeedMagic, &ActionInfo::needMagic, QT_TRANSLATE_NOOP("DataSchema", "Расход магии на использование: %1") },
          { kValue, &ActionInfo::value, nullptr } },
    };
    return schema;
}

ActionKind actionKind(const QString& code)
{
    if (code == QLatin1String(kCure))
        return ActionKind::Cure;
    if (code == QLatin1String(kRepair))
        return ActionKind::Repair;
    if (code == QLatin1String(kIncFood))
        return ActionKind::IncFood;
    if (code == QLatin1String(kIncStone))
        return ActionKind::IncStone;
    return ActionKind::None;
}

bool PonyRule::isCarriedBy(const QString& code, const QString& bonus) const
{
    return (by == By::Bonus ? bonus : code) == QLatin1String(value);
}

QString PonyRule::carrierIn(const KindTable<PonyInfo>& ponies) const
{
    for (const QString& code : ponies.codes()) {
        if (isCarriedBy(code, ponies.info(code).bonus))
            return code;
    }
    return QString();
}

const QVector<BonusSentence>& bonusSentences()
{
    static const QVector<BonusSentence> table{
        { { PonyRule::By::Bonus, kFarmFood }, QT_TRANSLATE_NOOP("DataSchema", "%1 - ускоренно добывает еду на ферме.") },
        { { PonyRule::By::Bonus, kFarmStone }, QT_TRANSLATE_NOOP("DataSchema", "%1 - ускоренно добывает камень в руднике.") },
        { { PonyRule::By::Bonus, kFastRepair }, QT_TRANSLATE_NOOP("DataSchema", "%1 - ускоренно ремонтирует здание.") },
        { { PonyRule::By::Code, kFastHeal }, QT_TRANSLATE_NOOP("DataSchema", "%1 - после её призыва, скорость восстановления здоровья всех пони увеличивается.") },
        { { PonyRule::By::Code, kFastMagic }, QT_TRANSLATE_NOOP("DataSchema", "%1 - после её призыва, скорость выработки магии увеличивается.") },
        { { PonyRule::By::Code, kSummonStrike }, QT_TRANSLATE_NOOP("DataSchema", "%1 - в момент призыва, все враги получают единовременный урон.") },
    };
    return table;
}

QStringList bonusSentencesFor(const KindTable<PonyInfo>& ponies)
{
    QStringList sentences;
    for (const BonusSentence& bonus : bonusSentences()) {
        const QString carrier = bonus.rule.carrierIn(ponies);
        if (!carrier.isEmpty())
            sentences << translated(bonus.sentence).arg(ponies.name(carrier));
    }
    return sentences;
}

}
