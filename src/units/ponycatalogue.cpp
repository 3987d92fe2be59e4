#include "ponycatalogue.h"

#include "gameworld.h"
#include "pony.h"

namespace {
constexpr int kPonySize = 40;
constexpr int kPictureSize = 33;
}

PonyCatalogue::PonyCatalogue(QWidget* window, FieldLayers* layers, GameWorld* world, const PictureLoader& pictureLoader)
    : KindTable(DataSchema::ponies())
    , window(window)
    , layers(layers)
    , world(world)
    , pictureLoader(pictureLoader)
{
}

bool PonyCatalogue::canSummon(const QString& code) const
{
    const PonyInfo* record = find(code);
    return record && world->getMagic() >= record->needMagic;
}

Pony* PonyCatalogue::createPony(const QString& code)
{
    const PonyInfo* found = find(code);
    // A second summon of a kind already in the world (a quick double click before the next
    // tick hides its button) is refused before anything is paid or created.
    if (!found || world->hasPony(code))
        return nullptr;
    const PonyInfo record = *found;
    world->spendMagic(static_cast<float>(record.needMagic));

    Pony* pony = new Pony(window);
    pony->setGeometry(window->width() / 2 - 50, window->height() / 2 - 110, kPonySize, kPonySize);
    pony->setAlignment(Qt::AlignCenter);
    pony->show();
    pony->applyLook();
    const QPixmap picture = pictureLoader.loadUnit(DataSchema::imagePath(DataSchema::ponies().picturePath(code)), kPictureSize);
    if (!picture.isNull())
        pony->setPixmap(picture);
    pony->setFieldLayers(layers);
    pony->createHealthBar();
    giveKind(pony, code, record);
    pony->bonus = record.bonus;
    return pony;
}
