#include "wav.h"

#include <QtEndian>

namespace {
template <typename T>
QByteArray little(qint64 value)
{
    char bytes[sizeof(T)];
    qToLittleEndian(static_cast<T>(value), bytes);
    return QByteArray(bytes, sizeof(T));
}
}

QByteArray Wav::chunk(const QByteArray& id, const QByteArray& body, qint64 claimed)
{
    return id + little<quint32>(claimed < 0 ? body.size() : claimed) + body;
}

QByteArray Wav::fmt(int tag, int channels, int rate, int bits, int blockAlign, qint64 byteRate)
{
    const int align = blockAlign < 0 ? channels * bits / 8 : blockAlign;
    return chunk("fmt ", little<quint16>(tag) + little<quint16>(channels) + little<quint32>(rate)
                             + little<quint32>(byteRate < 0 ? qint64(rate) * align : byteRate) + little<quint16>(align)
                             + little<quint16>(bits));
}

QByteArray Wav::fmt()
{
    return fmt(1, 1, 22050, 16);
}

QByteArray Wav::extensible(int channels, int rate, int bits, int validBits, int subformat)
{
    constexpr int kExtensibleTag = 0xFFFE;
    constexpr int kExtensionBytes = 22;
    const QByteArray plain = fmt(kExtensibleTag, channels, rate, bits).mid(8);
    const QByteArray guidTail = QByteArray::fromHex("000000001000800000aa00389b71");
    return chunk("fmt ", plain + little<quint16>(kExtensionBytes) + little<quint16>(validBits) + little<quint32>(channels == 2 ? 3 : 4)
                             + little<quint16>(subformat) + guidTail);
}

QByteArray Wav::data(int bytes, qint64 claimed)
{
    return chunk("data", QByteArray(bytes, '\0'), claimed);
}

QByteArray Wav::riff(const QByteArray& chunks, qint64 claimed)
{
    return "RIFF" + little<quint32>(claimed < 0 ? chunks.size() + 4 : claimed) + "WAVE" + chunks;
}

QByteArray Wav::plain(int bytes)
{
    return riff(fmt() + data(bytes));
}
