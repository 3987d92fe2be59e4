#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>
#include <QTemporaryDir>

// A throw-away game folder for one test case:
//
//   <tmp>/config/   settings and the monster schedule
//   <tmp>/images/   pictures
//   <tmp>/run/      the current working directory while the GameDir lives
//
// so the game's relative paths "../config/..." and "../images/..." land in it.
// The previous working directory comes back when the GameDir is destroyed.
//
// Qt caches settings files by path, size and modification time. A test that
// rewrites the same file could be served the old contents if size and time
// happen to match, so every write here bumps the file's modification time to
// a value never used before. Paths are new for each GameDir anyway.
//
// Failing to create or write anything here is a broken machine, not a game
// fault: it stops the test program with qFatal.
class GameDir
{
public:
    GameDir();
    ~GameDir();

    GameDir(const GameDir&) = delete;
    GameDir& operator=(const GameDir&) = delete;

    // Absolute path of rel inside the temporary root ("" gives the root).
    QString path(const QString& rel = QString()) const;

    // config/<fileName> in Windows-1251, the encoding the game reads.
    void writeIni(const QString& fileName, const QString& text);
    // config/monsterscript.dat in UTF-8.
    void writeSchedule(const QString& text);
    // images/<fileName> as a PNG of one colour.
    void writePicture(const QString& fileName, int w, int h, QColor c = Qt::red);
    // Any bytes at <root>/<relPath>; missing folders are made.
    void writeRaw(const QString& relPath, const QByteArray& bytes);

private:
    QTemporaryDir m_root;
    QString m_previousCwd;
};
