#include "gamedir.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTextCodec>

namespace {

// Each written file gets a modification time no other write in this process
// had, so a cached copy of an earlier file at the same path never matches.
QDateTime nextStamp()
{
    static const QDateTime base = QDateTime::currentDateTimeUtc().addSecs(-100000);
    static qint64 counter = 0;
    return base.addSecs(++counter);
}

void stamp(const QString& file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadWrite) || !f.setFileTime(nextStamp(), QFileDevice::FileModificationTime))
        qFatal("GameDir: cannot set the time of %s", qPrintable(file));
}

} // namespace

GameDir::GameDir()
    : m_previousCwd(QDir::currentPath())
{
    if (!m_root.isValid())
        qFatal("GameDir: cannot create a temporary folder: %s", qPrintable(m_root.errorString()));
    QDir root(m_root.path());
    for (const char* sub : {"config", "images", "run"}) {
        if (!root.mkpath(QLatin1String(sub)))
            qFatal("GameDir: cannot create %s in %s", sub, qPrintable(m_root.path()));
    }
    if (!QDir::setCurrent(path(QStringLiteral("run"))))
        qFatal("GameDir: cannot enter %s", qPrintable(path(QStringLiteral("run"))));
}

GameDir::~GameDir()
{
    // Leave the folder before QTemporaryDir removes it.
    QDir::setCurrent(m_previousCwd);
}

QString GameDir::path(const QString& rel) const
{
    return rel.isEmpty() ? m_root.path() : m_root.filePath(rel);
}

void GameDir::writeIni(const QString& fileName, const QString& text)
{
    QTextCodec* codec = QTextCodec::codecForName("Windows-1251");
    if (!codec)
        qFatal("GameDir: no Windows-1251 codec in this Qt");
    writeRaw(QStringLiteral("config/") + fileName, codec->fromUnicode(text));
}

void GameDir::writeSchedule(const QString& text)
{
    writeRaw(QStringLiteral("config/monsterscript.dat"), text.toUtf8());
}

void GameDir::writePicture(const QString& fileName, int w, int h, QColor c)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(c);
    const QString file = path(QStringLiteral("images/") + fileName);
    QDir().mkpath(QFileInfo(file).absolutePath());
    if (!image.save(file, "PNG"))
        qFatal("GameDir: cannot write %s", qPrintable(file));
    stamp(file);
}

void GameDir::writeRaw(const QString& relPath, const QByteArray& bytes)
{
    const QString file = path(relPath);
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile f(file);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        qFatal("GameDir: cannot write %s: %s", qPrintable(file), qPrintable(f.errorString()));
    f.close();
    stamp(file);
}
