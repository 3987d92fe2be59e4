#ifndef GAMESOUNDS_H
#define GAMESOUNDS_H

#include "soundbank.h"

#include <QObject>

#include <memory>
#include <vector>

class GameEvents;
class GameWorld;
class SoundSink;

// The game's cues, heard by a player who is looking at another corner of the field: a summon,
// each action, a fruit coming in (the King with his own drum), a building under attack, a
// fighting pony hit, an alarm when a pony falls below 30 % health, the end. While an
// information dialog is open, and after the end, the game is silent but for the end's own cue.
class GameSounds : public QObject
{
    Q_OBJECT

public:
    GameSounds(SoundSink* sink, const QString& folder, const SoundBank::Codes& codes);
    // The cues of a game of these kinds, from the sounds/ folder beside config/ and images/, played
    // through the sink the window was handed: the speaker, a test's recorder, or none (silence).
    static std::unique_ptr<GameSounds> forGame(SoundSink* sink, const QStringList& ponies, const QStringList& fruits,
                                               const QStringList& actions);

    // Hears from now on what the game reports.
    void listenTo(const GameEvents& events);

    void ponySummoned(const QString& code);
    void actionUsed(const QString& code);
    // After each world step: what came in, what was hit, who is in danger.
    void stepped(const GameWorld& world);
    void ended(const GameWorld& world);
    // The background hushes while a dialog is open and plays again when it closes.
    void pause(bool paused);

private:
    bool quiet() const { return over || paused; }
    void hearHits(const GameWorld& world);
    void hearDanger(const GameWorld& world);

    SoundBank bank;
    bool over = false;
    bool paused = false;
    bool background = false;
    float lastPonyHit = -1000;
    std::vector<float> lastBuildingHit;
    std::vector<bool> inDanger;
};

#endif
