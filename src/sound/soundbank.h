#ifndef SOUNDBANK_H
#define SOUNDBANK_H

#include <QHash>
#include <QString>
#include <QStringList>

#include <array>

class SoundSink;

// The moments the game has a sound for.
enum class Cue { Summon, Action, Enter, BuildingHit, PonyHit, Alarm, Lost, Victory, Defeat, Background, Count };

inline uint qHash(Cue cue, uint seed = 0)
{
    return ::qHash(static_cast<int>(cue), seed);
}

// Every sound of a game, found once at start: sounds/<cue>.wav, and sounds/<cue>_<code>.wav for a
// pony, fruit or action code, which takes precedence. A missing file is silence; a file the sound
// check refuses is silence too, said once as a warning of olteria.sound with the reason, and so is
// a sound that would take the sounds of the game past DataLimits::kSoundsTogetherBytes. Each file
// is read once, when the bank is made, so each is named once.
class SoundBank
{
public:
    // The codes whose own sounds are looked for, cue by cue.
    using Codes = QHash<Cue, QStringList>;
    SoundBank(SoundSink* sink, const QString& folder, const Codes& codes);

    static QString fileName(Cue cue);
    void play(Cue cue, const QString& code = QString()) const;
    void loop(Cue cue) const;
    void stop() const;

private:
    struct Sounds
    {
        int plain = -1;
        QHash<QString, int> byCode;
    };
    int load(const QString& path);
    static void saySilent(const QString& path, const QString& problem);

    SoundSink* sink;
    qint64 loadedBytes = 0;
    std::array<Sounds, static_cast<size_t>(Cue::Count)> sounds;
};

#endif
