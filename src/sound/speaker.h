#ifndef SPEAKER_H
#define SPEAKER_H

#include "soundsink.h"

#include <memory>
#include <vector>

class MemorySound;
class QSoundEffect;

// The sound card, through the desktop's sound server. Each sound is one preloaded effect, read
// by Qt from its checked bytes in memory (a MemorySound): Qt never sees a file that could have
// changed since the check, and nothing is written to the temporary folder.
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

    std::vector<QSoundEffect*> effects;
    std::vector<std::unique_ptr<MemorySound>> sounds;
};

#endif
