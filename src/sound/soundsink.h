#ifndef SOUNDSINK_H
#define SOUNDSINK_H

class QByteArray;
class QString;

// Where the game's cues go: the speaker in a game, a recorder in a test. A sink prepares every
// sound once, at start, and then plays it by the number it gave, so that a cue in the tick
// costs neither a file access nor an allocation.
class SoundSink
{
public:
    virtual ~SoundSink() = default;
    // A number for the sound of the file at path, or -1 when the sink cannot play it. The sink
    // plays the checked bytes it is given and never reads the path itself.
    virtual int load(const QString& path, const QByteArray& plainWav) = 0;
    virtual void play(int sound) = 0;
    // Plays the sound over and over until stop().
    virtual void loop(int sound) = 0;
    virtual void stop() = 0;
};

#endif
