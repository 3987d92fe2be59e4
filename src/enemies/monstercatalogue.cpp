#include "monstercatalogue.h"

#include "monster.h"

namespace {
const QString kMonsterStyle = QStringLiteral("border: 1px solid rgb(200,40,40); border-radius: 5px");
constexpr int kMonsterSize = 40;
constexpr int kPictureSize = 33;

// Easy mode keeps 60 % of the health, truncated toward zero; 64-bit so that no value overflows.
void cutForEasyMode(const QString&, MonsterInfo& record)
{
    record.maxHealth = static_cast<int>(static_cast<qint64>(record.maxHealth) * 60 / 100);
}
}

MonsterCatalogue::MonsterCatalogue(QWidget* window, FieldLayers* layers, GameWorld* world, const PictureLoader& pictureLoader,
                                   bool easy)
    : KindTable(DataSchema::monsters(), easy ? Adjust(cutForEasyMode) : Adjust())
    , window(window)
    , layers(layers)
    , world(world)
    , pictureLoader(pictureLoader)
{
}

// Each kind's picture is read from its file once, when its first fruit comes; its fruits share it.
QPixmap MonsterCatalogue::pictureOf(const QString& code) const
{
    const auto known = pictures.constFind(code);
    if (known != pictures.constEnd())
        return *known;
    const QPixmap picture = pictureLoader.loadUnit(DataSchema::imagePath(DataSchema::monsters().picturePath(code)), kPictureSize);
    pictures.insert(code, picture);
    return picture;
}

Monster* MonsterCatalogue::createMonster(const QString& code, int x, int y)
{
    const MonsterInfo* found = find(code);
    if (!found)
        return nullptr;
    const MonsterInfo record = *found;
    Monster* monster = new Monster(window);
    monster->setGeometry(x - kMonsterSize / 2, y - kMonsterSize / 2, kMonsterSize, kMonsterSize);
    monster->show();
    const QPixmap picture = pictureOf(code);
    if (!picture.isNull())
        monster->setPixmap(picture);
    monster->setFieldLayers(layers);
    monster->createHealthBar();
    monster->setStyleSheet(kMonsterStyle);
    giveKind(monster, code, record);
    QObject::connect(monster, SIGNAL(clicked(QMyLabel*,bool)), window, SLOT(monster_clicked(QMyLabel*,bool)));
    return monster;
}
