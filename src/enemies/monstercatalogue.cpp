#include "monstercatalogue.h"

#include "inifile.h"
#include "monster.h"
#include "pictureloader.h"

namespace {
const QString kMonsterFile = QStringLiteral("../config/monster.ini");
const QString kMonsterStyle = QStringLiteral("border: 1px solid rgb(200,40,40); border-radius: 5px");
constexpr int kMonsterSize = 40;
constexpr int kPictureSize = 33;

// Easy mode keeps 60 % of the health, truncated toward zero; 64-bit so that no value overflows.
int easyHealth(int maxHealth)
{
    return static_cast<int>(static_cast<qint64>(maxHealth) * 60 / 100);
}
}

MonsterCatalogue::MonsterCatalogue(QWidget* window, GameWorld* world, bool easy)
    : window(window)
    , world(world)
{
    IniFile file(kMonsterFile);
    const QStringList groups = file.groups();
    for (const QString& code : groups) {
        file.beginGroup(code);
        MonsterInfo record;
        record.name = file.text(QStringLiteral("Name"));
        record.descr = file.text(QStringLiteral("Descr"));
        record.maxHealth = file.number(QStringLiteral("MaxHealth"));
        record.speed = file.number(QStringLiteral("Speed"));
        record.attack = file.number(QStringLiteral("Attack"));
        if (easy)
            record.maxHealth = easyHealth(record.maxHealth);
        records.insert(code, record);
        file.endGroup();
    }
}

MonsterInfo MonsterCatalogue::info(const QString& code) const
{
    return records.value(code);
}

QString MonsterCatalogue::infoText(const QString& code) const
{
    const auto found = records.constFind(code);
    if (found == records.constEnd())
        return QString();
    const MonsterInfo& record = found.value();
    return QStringLiteral("Максимальное здоровье: ") + QString::number(record.maxHealth) + QLatin1Char('\n')
        + QStringLiteral("Скорость: ") + QString::number(record.speed) + QLatin1Char('\n')
        + QStringLiteral("Атака: ") + QString::number(record.attack) + QLatin1Char('\n')
        + QLatin1Char('\n') + record.descr;
}

Monster* MonsterCatalogue::createMonster(const QString& code, int x, int y)
{
    const auto found = records.constFind(code);
    if (found == records.constEnd())
        return nullptr;
    const MonsterInfo record = found.value();
    Monster* monster = new Monster(window);
    monster->setGeometry(x - kMonsterSize / 2, y - kMonsterSize / 2, kMonsterSize, kMonsterSize);
    monster->show();
    const QPixmap picture = PictureLoader::loadUnit(QStringLiteral("../images/monster_") + code + QStringLiteral(".png"), kPictureSize);
    if (!picture.isNull())
        monster->setPixmap(picture);
    monster->createHealthBar();
    monster->setStyleSheet(kMonsterStyle);
    monster->code = code;
    monster->name = record.name;
    monster->maxHealth = record.maxHealth;
    monster->health = static_cast<float>(record.maxHealth);
    monster->speed = record.speed;
    monster->attack = record.attack;
    QObject::connect(monster, SIGNAL(clicked(QMyLabel*,bool)), window, SLOT(monster_clicked(QMyLabel*,bool)));
    return monster;
}
