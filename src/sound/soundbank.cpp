#include "soundbank.h"

#include "datalimits.h"
#include "logcategories.h"
#include "soundfile.h"
#include "soundsink.h"

#include <QDir>

namespace {
const char* const kFileNames[] = { "summon", "action", "enter", "building_hit", "pony_hit", "alarm",
                                   "lost", "victory", "defeat", "background" };
static_assert(sizeof(kFileNames) / sizeof(kFileNames[0]) == static_cast<size_t>(Cue::Count), "a file name per cue");
}

SoundBank::SoundBank(SoundSink* sink, const QString& folder, const Codes& codes)
    : sink(sink)
{
    if (!sink)
        return;
    const QDir dir(folder);
    for (int n = 0; n < static_cast<int>(Cue::Count); ++n) {
        const Cue cue = static_cast<Cue>(n);
        Sounds& cueSounds = sounds[static_cast<size_t>(n)];
        cueSounds.plain = load(dir.filePath(fileName(cue) + QStringLiteral(".wav")));
        for (const QString& code : codes.value(cue)) {
            const int own = load(dir.filePath(fileName(cue) + QLatin1Char('_') + code + QStringLiteral(".wav")));
            if (own >= 0)
                cueSounds.byCode.insert(code, own);
        }
    }
}

QString SoundBank::fileName(Cue cue)
{
    return QLatin1String(kFileNames[static_cast<size_t>(cue)]);
}

int SoundBank::load(const QString& path)
{
    const SoundFile sound = SoundFile::read(path);
    // The sounds of a game stay in memory together; past the bound, a sound is silence.
    if (sound.isPlayable() && loadedBytes + sound.plainWav().size() > DataLimits::kSoundsTogetherBytes) {
        saySilent(path, QStringLiteral("the sounds before it take %1 bytes, and with it more than the %2 the game loads together")
                          .arg(loadedBytes).arg(DataLimits::kSoundsTogetherBytes));
        return -1;
    }
    if (sound.isPlayable()) {
        loadedBytes += sound.plainWav().size();
        return sink->load(path, sound.plainWav());
    }
    // Most codes have no sound of their own: a missing file is silence without a word.
    if (!sound.isMissing())
        saySilent(path, sound.problem());
    return -1;
}

void SoundBank::saySilent(const QString& path, const QString& problem)
{
    const QString file = QDir::cleanPath(QDir::current().absoluteFilePath(path));
    qCWarning(lcSound).noquote() << QStringLiteral("%1: %2; its cue is silent").arg(file, problem);
}

void SoundBank::play(Cue cue, const QString& code) const
{
    const Sounds& cueSounds = sounds[static_cast<size_t>(cue)];
    const int sound = cueSounds.byCode.value(code, cueSounds.plain);
    if (sound >= 0)
        sink->play(sound);
}

void SoundBank::loop(Cue cue) const
{
    const int sound = sounds[static_cast<size_t>(cue)].plain;
    if (sound >= 0)
        sink->loop(sound);
}

void SoundBank::stop() const
{
    if (sink)
        sink->stop();
}
