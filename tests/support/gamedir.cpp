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
    writeFile(QStringLiteral("config/") + fileName, QTextCodec::codecForName("Windows-1251")->fromUnicode(text));
}

void GameDir::writeSchedule(const QString& text)
{
    writeFile(QStringLiteral("config/monsterscript.dat"), text.toUtf8());
}

void GameDir::writePicture(const QString& fileName, int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::red);
    if (!image.save(root.filePath(QStringLiteral("images/") + fileName), "PNG"))
        qFatal("GameDir: cannot write a picture");
}

void GameDir::writeFile(const QString& relPath, const QByteArray& bytes)
{
    QFile file(root.filePath(relPath));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("GameDir: cannot write %s", qPrintable(relPath));
}

void GameDir::remove(const QString& relPath)
{
    if (QFile::exists(root.filePath(relPath)) && !QFile::remove(root.filePath(relPath)))
        qFatal("GameDir: cannot remove %s", qPrintable(relPath));
}

void GameDir::makeFolder(const QString& relPath)
{
    remove(relPath);
    if (!QDir(root.path()).mkpath(relPath))
        qFatal("GameDir: cannot make the folder %s", qPrintable(relPath));
}

QByteArray GameDir::hugePng()
{
    return QByteArray("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\x4e\x20\0\0\x4e\x20\x08\x06\0\0\0\xe3\x70\x46\x39"
                      "\0\0\0\x08IDAT\x78\x9c\x03\0\0\0\0\x01\x48\x06\x89\xd2\0\0\0\0IEND\xae\x42\x60\x82", 65);
}
