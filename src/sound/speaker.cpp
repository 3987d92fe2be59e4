#include "speaker.h"

#include <QFile>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

#include <algorithm>
#include <cstdio>

namespace {
// Cues are heard over the game, not instead of it; the background plays softer still.
constexpr qreal kCueVolume = 0.6;
constexpr qreal kLoopVolume = 0.25;

// The native socket of PulseAudio, or of PipeWire's PulseAudio server, which Qt plays through.
bool soundServerListens()
{
    if (!qEnvironmentVariableIsEmpty("PULSE_SERVER"))
        return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/pulse/native"));
}

// Effects still loading when the speaker goes: kept, never deleted, until the process ends.
std::vector<QSoundEffect*>& keptUntilExit()
{
    static std::vector<QSoundEffect*> kept;
    return kept;
}
}

std::unique_ptr<Speaker> Speaker::forThisDesktop()
{
    if (!soundServerListens())
        return nullptr;
    // The desktop's mixer lists the game under its own name and icon, not as a Qt process.
    if (qEnvironmentVariableIsEmpty("PULSE_PROP_OVERRIDE"))
        qputenv("PULSE_PROP_OVERRIDE", QStringLiteral("application.name='Оборона Ольтерии' application.icon_name='olteria' "
                                                      "application.id='org.olteria.Olteria'").toUtf8());
    return std::make_unique<Speaker>();
}

Speaker::Speaker() = default;

// Qt loads every sound on one shared thread, and deleting any effect waits until that thread has
// loaded all of them. A load that never ends would hold the exit for good, so while anything
// is still loading the effects are left to the end of the process instead.
Speaker::~Speaker()
{
    for (QSoundEffect* effect : effects)
        effect->stop();
    if (isLoading()) {
        keptUntilExit().insert(keptUntilExit().end(), effects.begin(), effects.end());
        return;
    }
    for (QSoundEffect* effect : effects)
        delete effect;
}

bool Speaker::isLoading() const
{
    return std::any_of(effects.begin(), effects.end(), [](const QSoundEffect* effect) {
        return effect->status() == QSoundEffect::Loading || effect->status() == QSoundEffect::Null;
    });
}

int Speaker::load(const QString& path, const QByteArray& plainWav)
{
    const QString copy = copies.filePath(QStringLiteral("%1.wav").arg(++copied));
    QFile file(copy);
    if (!copies.isValid() || !file.open(QIODevice::WriteOnly) || file.write(plainWav) != plainWav.size()) {
        const QString message = QStringLiteral("olteria: %1: cannot be copied for playing (%2); its cue is silent\n")
                                    .arg(QFileInfo(path).absoluteFilePath(), file.errorString());
        std::fputs(message.toUtf8().constData(), stderr);
        return -1;
    }
    file.close();
    QSoundEffect* effect = new QSoundEffect;
    effect->setSource(QUrl::fromLocalFile(copy));
    effect->setVolume(kCueVolume);
    effects.push_back(effect);
    return static_cast<int>(effects.size()) - 1;
}

void Speaker::play(int sound)
{
    if (sound >= 0 && sound < static_cast<int>(effects.size()))
        effects[sound]->play();
}

void Speaker::loop(int sound)
{
    if (sound < 0 || sound >= static_cast<int>(effects.size()))
        return;
    effects[sound]->setVolume(kLoopVolume);
    effects[sound]->setLoopCount(QSoundEffect::Infinite);
    effects[sound]->play();
}

void Speaker::stop()
{
    for (QSoundEffect* effect : effects)
        effect->stop();
}
