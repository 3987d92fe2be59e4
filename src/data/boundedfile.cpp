#include "boundedfile.h"

#include "logcategories.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

BoundedFile::BoundedFile(Verdict result, qint64 limit)
    : result(result)
    , limit(limit)
{
}

BoundedFile BoundedFile::read(const QString& path, qint64 limit)
{
    // QFileInfo follows links, so a link to a FIFO or to /dev/zero is what it points to.
    const QFileInfo info(path);
    if (!info.exists())
        return BoundedFile(Verdict::Missing, limit);
    if (!info.isFile())
        return BoundedFile(Verdict::NotRegular, limit);
    if (info.size() > limit) {
        BoundedFile tooLarge(Verdict::TooLarge, limit);
        tooLarge.size = info.size();
        return tooLarge;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        BoundedFile unreadable(Verdict::Unreadable, limit);
        unreadable.error = file.errorString();
        return unreadable;
    }
    // One byte past the limit tells a file that grew since it was measured.
    BoundedFile whole(Verdict::Read, limit);
    whole.content = file.read(limit + 1);
    if (whole.content.size() > limit) {
        whole.result = Verdict::TooLarge;
        whole.size = whole.content.size();
        whole.content = QByteArray();
        return whole;
    }
    if (whole.content.isNull())
        whole.content = QByteArray("");
    return whole;
}

QString BoundedFile::problem() const
{
    switch (result) {
    case Verdict::Read:
        return QString();
    case Verdict::Missing:
        return QStringLiteral("missing");
    case Verdict::NotRegular:
        return QStringLiteral("not a regular file");
    case Verdict::TooLarge:
        return QStringLiteral("%1 bytes, more than the %2 the game loads").arg(size).arg(limit);
    case Verdict::Unreadable:
        return QStringLiteral("unreadable (%1)").arg(error);
    }
    return QString();
}

void BoundedFile::sayOnce(const QString& path, const QString& problem, const QString& instead)
{
    static QSet<QString> said;
    const QString file = QDir::cleanPath(QDir::current().absoluteFilePath(path));
    if (said.contains(file + problem))
        return;
    said.insert(file + problem);
    qCWarning(lcData).noquote() << QStringLiteral("%1: %2; %3").arg(file, problem, instead);
}
