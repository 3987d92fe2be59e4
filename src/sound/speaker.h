#ifndef SPEAKER_H
#define SPEAKER_H

#include "soundsink.h"

#include <QObject>

#include <memory>
#include <vector>

class QSoundEffect;

// The sound card, through the desktop's sound server. Each sound is one preloaded effect.
class Speaker : public SoundSink
{
public:
    // A speaker when the desktop has a sound server to play through, none otherwise: a machine
    // without one (a build server, a bare container) plays silently and logs nothing.
    static std::unique_ptr<Speaker> forThisDesktop();

    Speaker();
    ~Speaker() override;

    int load(const QString& path) override;
    void play(int sound) override;
    void loop(int sound) override;
    void stop() override;

private:
    QObject owner;
    std::vector<QSoundEffect*> effects;
};

#endif
