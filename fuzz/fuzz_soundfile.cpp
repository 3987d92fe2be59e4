// Feeds any bytes to the sound check, from memory and from a file as the game reads it, and
// checks what it hands the player: the plainest WAV file, which passes the check again
// unchanged, with a data chunk of whole frames that ends where the file ends.
#include "soundfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <cstdint>
#include <cstdlib>

namespace {
constexpr int kPlainHeaderBytes = 44;

void checkPlain(const QByteArray& wav)
{
    if (wav.size() < kPlainHeaderBytes)
        std::abort();
    const auto* bytes = reinterpret_cast<const uchar*>(wav.constData());
    const quint16 blockAlign = qFromLittleEndian<quint16>(bytes + 32);
    const quint32 dataBytes = qFromLittleEndian<quint32>(bytes + 40);
    if (wav.size() > SoundFile::kMaxBytes || !wav.startsWith("RIFF")
        || qFromLittleEndian<quint32>(bytes + 4) != quint32(wav.size() - 8) || wav.mid(8, 8) != "WAVEfmt "
        || wav.mid(36, 4) != "data" || dataBytes != quint32(wav.size() - kPlainHeaderBytes) || dataBytes == 0
        || blockAlign == 0 || dataBytes % blockAlign != 0)
        std::abort();
    const SoundFile again = SoundFile::fromBytes(wav);
    if (!again.isPlayable() || again.plainWav() != wav)
        std::abort();
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir dir;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<int>(size));
    const SoundFile sound = SoundFile::fromBytes(bytes);
    if (sound.isPlayable() == sound.plainWav().isEmpty())
        std::abort();
    if (sound.isPlayable())
        checkPlain(sound.plainWav());

    const QString path = dir.filePath(QStringLiteral("sound.wav"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            std::abort();
    }
    const SoundFile read = SoundFile::read(path);
    if (read.problem() != sound.problem() || read.plainWav() != sound.plainWav())
        std::abort();
    return 0;
}
