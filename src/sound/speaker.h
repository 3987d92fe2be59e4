#ifndef SPEAKER_H
#define SPEAKER_H

#include "soundsink.h"

#include <QTemporaryDir>

#include <memory>
#include <vector>

class QSoundEffect;

// The sound card, through the desktop's sound server. Each sound is one preloaded effect, read
// by Qt from a copy of its checked bytes in the speaker's own folder: Qt never sees a file
// that could have changed since the check.
class Speaker : public SoundSink
{
public:
    // A speaker when the desktop has a sound server to play through, none otherwise: a machine
    // without one (a build server, a bare container) plays silently and logs nothing.
    static std::unique_ptr<Speaker> forThisDesktop();

    Speaker();
    ~Speaker() override;

    int load(const QString& path, const QByteArray& plainWav) override;
    void play(int sound) override;
    void loop(int sound) override;
    void stop() override;

private:
    void waitForLoads();
    bool isLoading() const;

    QTemporaryDir copies;
    int copied = 0;
    std::vector<QSoundEffect*> effects;
};

#endif
