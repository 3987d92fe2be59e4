#include "gamesounds.h"

#include "building.h"
#include "dataschema.h"
#include "gameevents.h"
#include "gameworld.h"
#include "monster.h"
#include "pony.h"

namespace {
// A building's cue sounds at most once in this many seconds, however many fruits gnaw at it.
constexpr float kBuildingHitEvery = 2.0f;
// A fight is heard as a soft pat now and then, not as a drum roll.
constexpr float kPonyHitEvery = 1.5f;
// Below this share of her health a pony is in danger.
constexpr float kDangerShare = 0.3f;
}

std::unique_ptr<GameSounds> GameSounds::forGame(SoundSink* sink, const QStringList& ponies, const QStringList& fruits,
                                                const QStringList& actions)
{
    const SoundBank::Codes codes = { { Cue::Summon, ponies }, { Cue::Action, actions }, { Cue::Enter, fruits },
                                     { Cue::PonyHit, ponies }, { Cue::Alarm, ponies }, { Cue::Lost, ponies } };
    return std::make_unique<GameSounds>(sink, DataSchema::soundsPath(), codes);
}

GameSounds::GameSounds(SoundSink* sink, const QString& folder, const SoundBank::Codes& codes)
    : bank(sink, folder, codes)
{
}

void GameSounds::listenTo(const GameEvents& events)
{
    connect(&events, &GameEvents::stepped, this, &GameSounds::stepped);
    connect(&events, &GameEvents::ended, this, &GameSounds::ended);
    connect(&events, &GameEvents::pauseChanged, this, &GameSounds::pause);
    connect(&events, &GameEvents::ponySummoned, this, &GameSounds::ponySummoned);
    connect(&events, &GameEvents::actionUsed, this, &GameSounds::actionUsed);
}

void GameSounds::ponySummoned(const QString& code)
{
    if (!quiet())
        bank.play(Cue::Summon, code);
}

void GameSounds::actionUsed(const QString& code)
{
    if (!quiet())
        bank.play(Cue::Action, code);
}

void GameSounds::stepped(const GameWorld& world)
{
    // The step that ends the game is heard by its end cue alone.
    if (quiet() || world.isOver())
        return;
    if (!background) {
        bank.loop(Cue::Background);
        background = true;
    }
    if (const Monster* monster = world.enteredLastStep())
        bank.play(Cue::Enter, monster->code);
    hearHits(world);
    hearDanger(world);
}

void GameSounds::hearHits(const GameWorld& world)
{
    const float now = world.timeElapsed();
    const QList<Building*>& buildings = world.buildings();
    if (lastBuildingHit.size() < static_cast<size_t>(buildings.size()))
        lastBuildingHit.resize(static_cast<size_t>(buildings.size()), -1000);
    for (int n = 0; n < buildings.size(); ++n) {
        float& last = lastBuildingHit[static_cast<size_t>(n)];
        if (buildings.at(n)->wasHit() && now - last >= kBuildingHitEvery) {
            bank.play(Cue::BuildingHit);
            last = now;
        }
    }
    for (const Pony* pony : world.ponies()) {
        if (pony->wasHit() && now - lastPonyHit >= kPonyHitEvery) {
            bank.play(Cue::PonyHit, pony->code);
            lastPonyHit = now;
        }
    }
}

// One alarm each time a pony falls below the line; she must rise above it to alarm again.
void GameSounds::hearDanger(const GameWorld& world)
{
    const QList<Pony*>& ponies = world.ponies();
    if (inDanger.size() < static_cast<size_t>(ponies.size()))
        inDanger.resize(static_cast<size_t>(ponies.size()), false);
    for (int n = 0; n < ponies.size(); ++n) {
        const Pony* pony = ponies.at(n);
        const bool danger = pony->maxHealth > 0 && pony->health < kDangerShare * pony->maxHealth;
        if (danger && !inDanger[static_cast<size_t>(n)])
            bank.play(Cue::Alarm, pony->code);
        inDanger[static_cast<size_t>(n)] = danger;
    }
}

void GameSounds::ended(const GameWorld& world)
{
    if (over)
        return;
    over = true;
    bank.stop();
    if (!world.isLost()) {
        bank.play(Cue::Victory);
        return;
    }
    QString lostPony;
    for (const Pony* pony : world.ponies()) {
        if (pony->health <= 0 && pony->wasHit())
            lostPony = pony->code;
    }
    bank.play(Cue::Lost, lostPony);
    bank.play(Cue::Defeat);
}

void GameSounds::pause(bool dialogOpen)
{
    if (over || dialogOpen == paused)
        return;
    paused = dialogOpen;
    if (paused) {
        bank.stop();
        background = false;
    }
}
