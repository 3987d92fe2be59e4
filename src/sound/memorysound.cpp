#include "memorysound.h"

#include <QDateTime>
#include <QResource>
#include <QtEndian>

#include <atomic>

namespace {
const QString kFileName = QStringLiteral("sound.wav");
constexpr quint32 kFormatVersion = 2;
// The header: "qres", the version and where the tree, the file data and the names begin.
constexpr int kHeaderBytes = 20;
// A node of the tree: its name's offset, flags, then a folder's child count and first child, or
// a file's territory, language and data offset; then, from version 2 on, a time of change.
constexpr int kNodeBytes = 22;
constexpr quint16 kFolderFlag = 0x02;
// The language a resource for any locale is filed under (QLocale::C).
constexpr quint16 kAnyLanguage = 1;

template <typename T>
void appendBig(QByteArray& bytes, T value)
{
    char big[sizeof(T)];
    qToBigEndian(value, big);
    bytes.append(big, sizeof(T));
}

// The hash Qt's resource lookup finds a name by.
quint32 nameHash(const QString& name)
{
    quint32 h = 0;
    for (const QChar c : name) {
        h = (h << 4) + c.unicode();
        h ^= (h & 0xf0000000) >> 23;
        h &= 0x0fffffff;
    }
    return h;
}
}

MemorySound::MemorySound(const QByteArray& wav)
    : data(resourceData(wav))
{
    // Every sound of the process, of every speaker, has a root of its own.
    static std::atomic<int> count{ 0 };
    root = QStringLiteral("/olteria-sounds/%1").arg(++count);
    registered = QResource::registerResource(reinterpret_cast<const uchar*>(data.constData()), root);
}

MemorySound::~MemorySound()
{
    if (registered)
        QResource::unregisterResource(reinterpret_cast<const uchar*>(data.constData()), root);
}

QString MemorySound::path() const
{
    return QLatin1Char(':') + root + QLatin1Char('/') + kFileName;
}

QUrl MemorySound::url() const
{
    return QUrl(QStringLiteral("qrc:") + root + QLatin1Char('/') + kFileName);
}

QByteArray MemorySound::resourceData(const QByteArray& wav)
{
    QByteArray tree;
    // The root folder: one child, node 1.
    appendBig<quint32>(tree, 0);
    appendBig<quint16>(tree, kFolderFlag);
    appendBig<quint32>(tree, 1);
    appendBig<quint32>(tree, 1);
    appendBig<quint64>(tree, 0);
    // The file, its name and its data each at offset 0 of their part.
    appendBig<quint32>(tree, 0);
    appendBig<quint16>(tree, 0);
    appendBig<quint16>(tree, 0);
    appendBig<quint16>(tree, kAnyLanguage);
    appendBig<quint32>(tree, 0);
    // Made now. Without a time of change Qt 6's network access, which its multimedia reads a
    // qrc: sound through, warns on standard error about the file's invalid date at every load.
    appendBig<quint64>(tree, static_cast<quint64>(QDateTime::currentMSecsSinceEpoch()));
    Q_ASSERT(tree.size() == 2 * kNodeBytes);

    QByteArray names;
    appendBig<quint16>(names, static_cast<quint16>(kFileName.size()));
    appendBig<quint32>(names, nameHash(kFileName));
    for (const QChar c : kFileName)
        appendBig<quint16>(names, c.unicode());

    QByteArray payload;
    appendBig<quint32>(payload, static_cast<quint32>(wav.size()));
    payload += wav;

    QByteArray resource("qres");
    appendBig<quint32>(resource, kFormatVersion);
    appendBig<quint32>(resource, kHeaderBytes);
    appendBig<quint32>(resource, static_cast<quint32>(kHeaderBytes + tree.size() + names.size()));
    appendBig<quint32>(resource, static_cast<quint32>(kHeaderBytes + tree.size()));
    return resource + tree + names + payload;
}
