#include "ponycatalogue.h"

#include "gameworld.h"
#include "inifile.h"
#include "pictureloader.h"
#include "pony.h"

namespace {
const QString kPonyFile = QStringLiteral("../config/pony.ini");
constexpr int kPonySize = 40;
constexpr int kPictureSize = 33;
}

PonyCatalogue::PonyCatalogue(QWidget* window, GameWorld* world)
    : window(window)
    , world(world)
{
    IniFile file(kPonyFile);
    codeList = file.groups();
    for (const QString& code : qAsConst(codeList)) {
        file.beginGroup(code);
        PonyInfo record;
        record.name = file.text(QStringLiteral("Name"));
        record.descr = file.text(QStringLiteral("Descr"));
        record.maxHealth = file.number(QStringLiteral("MaxHealth"));
        record.needMagic = file.number(QStringLiteral("NeedMagic"));
        record.speed = file.number(QStringLiteral("Speed"));
        record.attack = file.number(QStringLiteral("Attack"));
        record.bonus = file.text(QStringLiteral("Bonus"));
        records.insert(code, record);
        file.endGroup();
    }
}

PonyInfo PonyCatalogue::info(const QString& code) const
{
    return records.value(code);
}

QString PonyCatalogue::name(const QString& code) const
{
    return records.value(code).name;
}

QString PonyCatalogue::infoText(const QString& code) const
{
    const auto found = records.constFind(code);
    if (found == records.constEnd())
        return QString();
    const PonyInfo& record = found.value();
    return QStringLiteral("Максимальное здоровье: ") + QString::number(record.maxHealth) + QLatin1Char('\n')
        + QStringLiteral("Скорость: ") + QString::number(record.speed) + QLatin1Char('\n')
        + QStringLiteral("Расход магии на призыв: ") + QString::number(record.needMagic) + QLatin1Char('\n')
        + QStringLiteral("Атака: ") + QString::number(record.attack) + QLatin1Char('\n')
        + QLatin1Char('\n') + record.descr;
}

bool PonyCatalogue::canSummon(const QString& code) const
{
    const auto found = records.constFind(code);
    return found != records.constEnd() && world->getMagic() >= found.value().needMagic;
}

Pony* PonyCatalogue::createPony(const QString& code)
{
    const auto found = records.constFind(code);
    // A second summon of a kind already in the world (a quick double click before the next
    // tick hides its button) is refused before anything is paid or created.
    if (found == records.constEnd() || world->hasPony(code))
        return nullptr;
    const PonyInfo record = found.value();
    world->spendMagic(static_cast<float>(record.needMagic));

    Pony* pony = new Pony(window);
    pony->setGeometry(window->width() / 2 - 50, window->height() / 2 - 110, kPonySize, kPonySize);
    pony->setAlignment(Qt::AlignCenter);
    pony->show();
    pony->applyLook();
    const QPixmap picture = PictureLoader::loadUnit(QStringLiteral("../images/") + code + QStringLiteral("_ico.png"), kPictureSize);
    if (!picture.isNull())
        pony->setPixmap(picture);
    pony->createHealthBar();
    pony->code = code;
    pony->name = record.name;
    pony->maxHealth = record.maxHealth;
    pony->health = static_cast<float>(record.maxHealth);
    pony->speed = record.speed;
    pony->attack = record.attack;
    pony->bonus = record.bonus;
    return pony;
}
