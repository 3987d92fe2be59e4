#include "soundfile.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace {
constexpr int kHeaderBytes = 36;
constexpr quint16 kPcm = 1;
constexpr quint32 kLowestRate = 8000;
constexpr quint32 kHighestRate = 48000;

QString formatProblem(const QByteArray& head)
{
    if (head.size() < kHeaderBytes || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE" || head.mid(12, 4) != "fmt ")
        return QStringLiteral("not a WAV file");
    const auto* bytes = reinterpret_cast<const uchar*>(head.constData());
    const quint16 format = qFromLittleEndian<quint16>(bytes + 20);
    const quint16 channels = qFromLittleEndian<quint16>(bytes + 22);
    const quint32 rate = qFromLittleEndian<quint32>(bytes + 24);
    const quint16 bits = qFromLittleEndian<quint16>(bytes + 34);
    if (format != kPcm)
        return QStringLiteral("a compressed WAV file; only uncompressed PCM plays");
    if (channels < 1 || channels > 2 || (bits != 8 && bits != 16) || rate < kLowestRate || rate > kHighestRate)
        return QStringLiteral("%1 channels of %2 bits at %3 Hz; the game plays 1 or 2 channels of 8 or 16 bits at 8000 to 48000 Hz")
            .arg(channels).arg(bits).arg(rate);
    return QString();
}
}

QString SoundFile::problem(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("missing");
    if (!info.isFile())
        return QStringLiteral("not a regular file");
    if (info.size() > kMaxBytes)
        return QStringLiteral("%1 bytes, more than the %2 the game loads").arg(info.size()).arg(kMaxBytes);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("unreadable");
    return formatProblem(file.read(kHeaderBytes));
}
