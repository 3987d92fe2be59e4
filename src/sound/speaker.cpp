#include "speaker.h"

#include "logcategories.h"
#include "memorysound.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
#include <QAudioDevice>
#include <QMediaDevices>
#endif

#include <algorithm>

namespace {
// Cues are heard over the game, not instead of it; the background plays softer still.
constexpr qreal kCueVolume = 0.6;
constexpr qreal kLoopVolume = 0.25;
// How long a closing game waits for sounds that are still loading.
constexpr int kLoadingGraceMs = 2000;

// Whether Qt has a device to play through: the desktop's sound server's (PulseAudio, or PipeWire's
// PulseAudio server).
bool soundServerListens()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    // Qt 6 asks the sound server for its default output, and has none where no server runs.
    return !QMediaDevices::defaultAudioOutput().isNull();
#else
    // Qt 5 lists devices only through the plugins of libqt5multimedia5-plugins, which Qt Multimedia
    // neither needs nor recommends: without them it lists no device even beside a running server,
    // with them it lists ALSA's names where no server runs, and asking prints an error there. Its
    // sound effects play through PulseAudio alone, so the server's native socket answers.
    if (!qEnvironmentVariableIsEmpty("PULSE_SERVER"))
        return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/pulse/native"));
#endif
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
    // The desktop's mixer lists the game under its own name and icon, not as a Qt process. Set
    // before Qt first speaks to the server, which it does when asked for a device.
    if (qEnvironmentVariableIsEmpty("PULSE_PROP_OVERRIDE"))
        qputenv("PULSE_PROP_OVERRIDE", QStringLiteral("application.name='%1' application.icon_name='olteria' "
                                                      "application.id='org.olteria.Olteria'")
                                           .arg(QCoreApplication::translate("Speaker", "Оборона Ольтерии"))
                                           .toUtf8());
    if (!soundServerListens())
        return nullptr;
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
        qCWarning(lcSound).noquote()
            << QStringLiteral("%1: cannot be handed to the sound player; its cue is silent").arg(QFileInfo(path).absoluteFilePath());
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
