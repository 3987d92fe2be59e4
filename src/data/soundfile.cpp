#include "soundfile.h"

#include "boundedfile.h"

#include <QFileInfo>
#include <QtEndian>

namespace {
constexpr int kChunkHeaderBytes = 8;
constexpr int kRiffHeaderBytes = 12;
// A PCM format is 16 bytes; writers add a 2-byte extension size, and the extensible format
// takes 40. Anything longer is not a format.
constexpr quint32 kFmtBytes = 16;
constexpr quint32 kLongestFmtBytes = 40;
constexpr quint16 kPcm = 1;
constexpr quint16 kFloat = 3;
constexpr quint16 kExtensible = 0xFFFE;
// In the extensible format: the valid bits at 18, and at 24 the subformat, whose GUID for PCM
// is the PCM tag followed by these 14 bytes.
constexpr int kValidBitsAt = 18;
constexpr int kSubformatAt = 24;
const QByteArray kPcmGuidTail = QByteArray::fromHex("000000001000800000aa00389b71");
constexpr quint32 kLowestRate = 8000;
constexpr quint32 kHighestRate = 48000;

struct Format
{
    quint16 tag = 0;
    quint16 channels = 0;
    quint32 rate = 0;
    quint32 byteRate = 0;
    quint16 blockAlign = 0;
    quint16 bits = 0;
};

// Where the two chunks that matter lie in the file.
struct Chunks
{
    qint64 fmtAt = -1;
    quint32 fmtBytes = 0;
    qint64 dataAt = -1;
    quint32 dataBytes = 0;
};

quint16 u16(const QByteArray& bytes, qint64 at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

quint32 u32(const QByteArray& bytes, qint64 at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

// A chunk's name as a message shows it, whatever bytes it is made of.
QString chunkName(const QByteArray& id)
{
    QString name;
    for (const char c : id)
        name += c >= 0x20 && c < 0x7F ? QLatin1Char(c) : QLatin1Char('?');
    return QLatin1Char('"') + name + QLatin1Char('"');
}

// Walks every chunk of the RIFF body; each must fit in what is left of it.
QString walkChunks(const QByteArray& bytes, qint64 end, Chunks& chunks)
{
    qint64 at = kRiffHeaderBytes;
    while (end - at >= kChunkHeaderBytes) {
        const QByteArray id = bytes.mid(at, 4);
        const quint32 size = u32(bytes, at + 4);
        const qint64 left = end - at - kChunkHeaderBytes;
        if (size > left)
            return QStringLiteral("its %1 chunk claims %2 bytes, but only %3 follow").arg(chunkName(id)).arg(size).arg(left);
        if (id == "fmt ") {
            if (chunks.fmtAt >= 0)
                return QStringLiteral("it has two \"fmt \" chunks");
            if (size < kFmtBytes || size > kLongestFmtBytes)
                return QStringLiteral("its \"fmt \" chunk is %1 bytes; a format takes %2 to %3")
                    .arg(size).arg(kFmtBytes).arg(kLongestFmtBytes);
            chunks.fmtAt = at + kChunkHeaderBytes;
            chunks.fmtBytes = size;
        } else if (id == "data") {
            if (chunks.dataAt >= 0)
                return QStringLiteral("it has two \"data\" chunks");
            if (chunks.fmtAt < 0)
                return QStringLiteral("its \"data\" chunk comes before its \"fmt \" chunk");
            chunks.dataAt = at + kChunkHeaderBytes;
            chunks.dataBytes = size;
        }
        // A chunk of odd size is followed by a pad byte.
        at += kChunkHeaderBytes + size + (size & 1);
    }
    if (chunks.fmtAt < 0)
        return QStringLiteral("it has no \"fmt \" chunk");
    if (chunks.dataAt < 0)
        return QStringLiteral("it has no \"data\" chunk, so no sound");
    return QString();
}

// An extensible format that holds plain PCM of whole bytes reads as the plain format: what
// several common tools write for 1- or 2-channel 8- or 16-bit sound. Anything else keeps its tag.
quint16 plainTagOf(const QByteArray& bytes, qint64 at, quint32 size, quint16 bits)
{
    if (size < kLongestFmtBytes || u16(bytes, at + kSubformatAt) != kPcm || bytes.mid(at + kSubformatAt + 2, 14) != kPcmGuidTail
        || u16(bytes, at + kValidBitsAt) != bits)
        return kExtensible;
    return kPcm;
}

Format formatAt(const QByteArray& bytes, qint64 at, quint32 size)
{
    Format format;
    format.tag = u16(bytes, at);
    format.channels = u16(bytes, at + 2);
    format.rate = u32(bytes, at + 4);
    format.byteRate = u32(bytes, at + 8);
    format.blockAlign = u16(bytes, at + 12);
    format.bits = u16(bytes, at + 14);
    if (format.tag == kExtensible)
        format.tag = plainTagOf(bytes, at, size, format.bits);
    return format;
}

QString formatProblem(const Format& format)
{
    if (format.tag == kFloat)
        return QStringLiteral("a floating-point WAV file; only 8- or 16-bit integer PCM plays");
    if (format.tag == kExtensible)
        return QStringLiteral("a WAV file in the extensible format holding no plain 8- or 16-bit PCM; save it as plain PCM");
    if (format.tag != kPcm)
        return QStringLiteral("a compressed WAV file (format %1); only uncompressed PCM plays").arg(format.tag);
    if (format.channels < 1 || format.channels > 2 || (format.bits != 8 && format.bits != 16) || format.rate < kLowestRate
        || format.rate > kHighestRate)
        return QStringLiteral("%1 channels of %2 bits at %3 Hz; the game plays 1 or 2 channels of 8 or 16 bits "
                              "at 8000 to 48000 Hz")
            .arg(format.channels).arg(format.bits).arg(format.rate);
    const quint32 blockAlign = format.channels * format.bits / 8;
    if (format.blockAlign != blockAlign || format.byteRate != format.rate * blockAlign)
        return QStringLiteral("its block align %1 and byte rate %2 do not match %3 channels of %4 bits at %5 Hz, "
                              "which take %6 and %7")
            .arg(format.blockAlign).arg(format.byteRate).arg(format.channels).arg(format.bits).arg(format.rate).arg(blockAlign)
            .arg(format.rate * blockAlign);
    return QString();
}

QString dataProblem(const Format& format, quint32 dataBytes)
{
    if (dataBytes == 0)
        return QStringLiteral("its sound data is empty");
    if (dataBytes % format.blockAlign != 0)
        return QStringLiteral("its sound data is %1 bytes, not a whole number of %2-byte frames")
            .arg(dataBytes).arg(format.blockAlign);
    return QString();
}

template <typename T>
void append(QByteArray& bytes, T value)
{
    char little[sizeof(T)];
    qToLittleEndian(value, little);
    bytes.append(little, sizeof(T));
}

QByteArray plainWavOf(const Format& format, const QByteArray& bytes, const Chunks& chunks)
{
    QByteArray wav;
    wav.reserve(kRiffHeaderBytes + 2 * kChunkHeaderBytes + kFmtBytes + chunks.dataBytes);
    wav.append("RIFF");
    append<quint32>(wav, 4 + 2 * kChunkHeaderBytes + kFmtBytes + chunks.dataBytes);
    wav.append("WAVEfmt ");
    append<quint32>(wav, kFmtBytes);
    append<quint16>(wav, format.tag);
    append<quint16>(wav, format.channels);
    append<quint32>(wav, format.rate);
    append<quint32>(wav, format.byteRate);
    append<quint16>(wav, format.blockAlign);
    append<quint16>(wav, format.bits);
    wav.append("data");
    append<quint32>(wav, chunks.dataBytes);
    wav.append(bytes.constData() + chunks.dataAt, chunks.dataBytes);
    return wav;
}
}

SoundFile::SoundFile(const QString& reason)
    : reason(reason)
{
}

SoundFile SoundFile::read(const QString& path)
{
    const BoundedFile file = BoundedFile::read(path, kMaxBytes);
    if (file.isRead())
        return fromBytes(file.bytes());
    SoundFile sound(file.verdict() == BoundedFile::Verdict::NotRegular && QFileInfo(path).isDir() ? QStringLiteral("a folder, not a file")
                                                                                                   : file.problem());
    sound.missing = file.verdict() == BoundedFile::Verdict::Missing;
    return sound;
}

SoundFile SoundFile::fromBytes(const QByteArray& bytes)
{
    if (bytes.size() < kRiffHeaderBytes || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return SoundFile(QStringLiteral("not a WAV file"));
    const quint32 riffBytes = u32(bytes, 4);
    const qint64 left = bytes.size() - kChunkHeaderBytes;
    if (riffBytes > left)
        return SoundFile(QStringLiteral("its RIFF header claims %1 bytes, but only %2 follow").arg(riffBytes).arg(left));
    Chunks chunks;
    QString problem = walkChunks(bytes, kChunkHeaderBytes + qint64(riffBytes), chunks);
    if (!problem.isEmpty())
        return SoundFile(problem);
    const Format format = formatAt(bytes, chunks.fmtAt, chunks.fmtBytes);
    problem = formatProblem(format);
    if (problem.isEmpty())
        problem = dataProblem(format, chunks.dataBytes);
    if (!problem.isEmpty())
        return SoundFile(problem);
    SoundFile sound;
    sound.plain = plainWavOf(format, bytes, chunks);
    return sound;
}
