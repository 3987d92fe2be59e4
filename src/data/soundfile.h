#ifndef SOUNDFILE_H
#define SOUNDFILE_H

#include <QString>

// What the game accepts as a sound: an uncompressed PCM WAV file (8 or 16 bits, one or two
// channels, 8 to 48 kHz) of at most kMaxBytes. Anything else is played as silence.
class SoundFile
{
public:
    static constexpr qint64 kMaxBytes = 2 * 1024 * 1024;
    // Why the file cannot be played, in a few words, or an empty text when it can.
    static QString problem(const QString& path);
};

#endif
