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

private:
    void write(const QString& relPath, const QByteArray& bytes);

    QTemporaryDir root;
    QString previousDir;
};
