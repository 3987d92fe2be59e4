#include "speaker.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

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

Speaker::~Speaker() = default;

int Speaker::load(const QString& path)
{
    QSoundEffect* effect = new QSoundEffect(&owner);
    effect->setSource(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
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
