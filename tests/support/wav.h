#pragma once

#include <QByteArray>

// WAV files as a test writes them, piece by piece, so that a row can spoil any one field the
// way a damaged download or a modder's odd tool does. A claimed size of -1 is the true one.
class Wav
{
public:
    // A chunk: its four-letter name, its size field, its bytes.
    static QByteArray chunk(const QByteArray& id, const QByteArray& body, qint64 claimed = -1);
    // A "fmt " chunk; block align and byte rate follow from the others unless given.
    static QByteArray fmt(int tag, int channels, int rate, int bits, int blockAlign = -1, qint64 byteRate = -1);
    // 16-bit mono PCM at 22050 Hz, the shipped sounds' format.
    static QByteArray fmt();
    // A 40-byte "fmt " chunk in the extensible format, its subformat the GUID of the given tag.
    static QByteArray extensible(int channels, int rate, int bits, int validBits, int subformat);
    static QByteArray data(int bytes, qint64 claimed = -1);
    // The RIFF header around the chunks.
    static QByteArray riff(const QByteArray& chunks, qint64 claimed = -1);
    // The plainest playable file: fmt() and data of `bytes` bytes of silence.
    static QByteArray plain(int bytes = 4);
};
