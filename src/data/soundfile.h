#ifndef SOUNDFILE_H
#define SOUNDFILE_H

#include "datalimits.h"

#include <QByteArray>
#include <QString>

// What the game accepts as a sound: a regular file of at most kMaxBytes holding an uncompressed
// PCM WAV file (8 or 16 bits, one or two channels, 8 to 48 kHz, in the plain or the extensible
// format) whose every chunk lies within the file. The file is read once and judged by the bytes it holds, never by what its headers
// claim; a sound that passes is handed on as plainWav(), so that the player reads exactly the
// checked samples. Anything else is played as silence.
class SoundFile
{
public:
    static constexpr qint64 kMaxBytes = DataLimits::kSoundBytes;

    // Reads the file at path once and checks what it read.
    static SoundFile read(const QString& path);
    // Checks bytes as the whole content of a sound file.
    static SoundFile fromBytes(const QByteArray& bytes);

    bool isPlayable() const { return reason.isEmpty(); }
    bool isMissing() const { return missing; }
    // Why the file cannot be played, in a few words, or an empty text when it can.
    const QString& problem() const { return reason; }
    // The checked sound as the plainest WAV file: a 16-byte "fmt " chunk and the "data" chunk,
    // nothing else. Empty when the file cannot be played.
    const QByteArray& plainWav() const { return plain; }

private:
    explicit SoundFile(const QString& reason);
    SoundFile() = default;

    QString reason;
    bool missing = false;
    QByteArray plain;
};

#endif
