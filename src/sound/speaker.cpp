#include "speaker.h"

#include "memorysound.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cstdio>

namespace {
// Cues are heard over the game, not instead of it; the background plays softer still.
constexpr qreal kCueVolume = 0.6;
constexpr qreal kLoopVolume = 0.25;
// How long a closing game waits for sounds that are still loading.
constexpr int kLoadingGraceMs = 2000;

// The native socket of PulseAudio, or of PipeWire's PulseAudio server, which Qt plays through.
bool soundServerListens()
{
    if (!qEnvironmentVariableIsEmpty("PULSE_SERVER"))
        return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/pulse/native"));
}

// Effects still loading when the speaker goes, and the sounds they read: kept, never deleted,
// until the process ends. The lists themselves are never destroyed either, so that they are still
// in reach when the process ends.
std::vector<QSoundEffect*>& keptUntilExit()
{
    static auto* kept = new std::vector<QSoundEffect*>;
    return *kept;
}

std::vector<std::unique_ptr<MemorySound>>& soundsKeptUntilExit()
{
    static auto* kept = new std::vector<std::unique_ptr<MemorySound>>;
    return *kept;
}
}

std::unique_ptr<Speaker> Speaker::forThisDesktop()
{
    if (!soundServerListens())
        return nullptr;
    // The desktop's mixer lists the game under its own name and icon, not as a Qt process.
    if (qEnvironmentVariableIsEmpty("PULSE_PROP_OVERRIDE"))
        qputenv("PULSE_PROP_OVERRIDE", QStringLiteral("application.name='%1' application.icon_name='olteria' "
                                                      "application.id='org.olteria.Olteria'")
                                           .arg(QCoreApplication::translate("Speaker", "Оборона Ольтерии"))
                                           .toUtf8());
    return std::make_unique<Speaker>();
}

Speaker::Speaker() = default;

// Qt loads every sound on one shared thread, and deleting any effect waits until that thread has
// loaded all of them. A game closed at once gives the loads a moment to end; a load that has not
// ended by then may never end, and would hold the exit for good, so the effects are left to the
// end of the process instead.
Speaker::~Speaker()
{
    for (QSoundEffect* effect : effects)
        effect->stop();
    waitForLoads();
    if (isLoading()) {
        keptUntilExit().insert(keptUntilExit().end(), effects.begin(), effects.end());
        for (auto& sound : sounds)
            soundsKeptUntilExit().push_back(std::move(sound));
        return;
    }
    for (QSoundEffect* effect : effects)
        delete effect;
}

// The loads report their end through the event loop.
void Speaker::waitForLoads()
{
    if (!isLoading())
        return;
    QEventLoop loop;
    for (QSoundEffect* effect : effects)
        QObject::connect(effect, &QSoundEffect::statusChanged, &loop, [this, &loop] {
            if (!isLoading())
                loop.quit();
        });
    QTimer::singleShot(kLoadingGraceMs, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

bool Speaker::isLoading() const
{
    return std::any_of(effects.begin(), effects.end(), [](const QSoundEffect* effect) {
        return effect->status() == QSoundEffect::Loading || effect->status() == QSoundEffect::Null;
    });
}

int Speaker::load(const QString& path, const QByteArray& plainWav)
{
    auto sound = std::make_unique<MemorySound>(plainWav);
    if (!sound->isValid()) {
        const QString message = QStringLiteral("olteria: %1: cannot be handed to the sound player; its cue is silent\n")
                                    .arg(QFileInfo(path).absoluteFilePath());
        std::fputs(message.toUtf8().constData(), stderr);
        return -1;
    }
    QSoundEffect* effect = new QSoundEffect;
    effect->setSource(sound->url());
    effect->setVolume(kCueVolume);
    effects.push_back(effect);
    sounds.push_back(std::move(sound));
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
