#pragma once

#include <QString>
#include <QTemporaryDir>

// A throw-away game folder for one test case, with config/, images/ and run/; run/ is the
// working directory while the GameDir lives, so the game's "../config/..." and "../images/..."
// land in it. Each GameDir is a new path, so Qt's cache of settings files (by path, size and
// time) never serves a file of an earlier case.
class GameDir
{
public:
    GameDir();
    ~GameDir();

    // The game's own config/, images/ and sounds/, as the repository ships them.
    void copyShippedData();
    // config/<fileName> in Windows-1251, the encoding the game reads.
    void writeIni(const QString& fileName, const QString& text);
    // config/monsterscript.dat in UTF-8.
    void writeSchedule(const QString& text);
    // images/<fileName>: a PNG of one colour.
    void writePicture(const QString& fileName, int width, int height);
    // <relPath> as given, byte for byte, in place of any file there.
    void writeFile(const QString& relPath, const QByteArray& bytes);
    // <relPath> no longer exists.
    void remove(const QString& relPath);
    // A folder at <relPath>, in place of the file there.
    void makeFolder(const QString& relPath);

    // A PNG of a 20000 x 20000 picture without its pixels: tiny on disk, 1.6 GB decoded.
    static QByteArray hugePng();

private:

    QTemporaryDir root;
    QString previousDir;
};
