#include "gamedir.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTextCodec>

GameDir::GameDir()
    : previousDir(QDir::currentPath())
{
    QDir dir(root.path());
    // A machine that cannot make a temporary folder cannot run the tests at all.
    if (!root.isValid() || !dir.mkdir(QStringLiteral("config")) || !dir.mkdir(QStringLiteral("images"))
        || !dir.mkdir(QStringLiteral("run")) || !QDir::setCurrent(root.filePath(QStringLiteral("run"))))
        qFatal("GameDir: cannot prepare a temporary game folder");
}

GameDir::~GameDir()
{
    QDir::setCurrent(previousDir);
}

void GameDir::copyShippedData()
{
    QDir(root.path()).mkdir(QStringLiteral("sounds"));
    for (const char* folder : { "config", "images", "sounds" }) {
        const QDir shipped(QStringLiteral(OLTERIA_SOURCE_DIR "/") + QLatin1String(folder));
        for (const QString& name : shipped.entryList(QDir::Files)) {
            if (!QFile::copy(shipped.filePath(name), root.filePath(QLatin1String(folder) + QLatin1Char('/') + name)))
                qFatal("GameDir: cannot copy %s", qPrintable(name));
        }
    }
}

void GameDir::writeIni(const QString& fileName, const QString& text)
{
    write(QStringLiteral("config/") + fileName, QTextCodec::codecForName("Windows-1251")->fromUnicode(text));
}

void GameDir::writeSchedule(const QString& text)
{
    write(QStringLiteral("config/monsterscript.dat"), text.toUtf8());
}

void GameDir::writePicture(const QString& fileName, int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::red);
    if (!image.save(root.filePath(QStringLiteral("images/") + fileName), "PNG"))
        qFatal("GameDir: cannot write a picture");
}

void GameDir::write(const QString& relPath, const QByteArray& bytes)
{
    QFile file(root.filePath(relPath));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("GameDir: cannot write %s", qPrintable(relPath));
}
