#ifndef DATALOCATION_H
#define DATALOCATION_H

#include <QString>
#include <QStringList>

// Where the game's data lies: the first of the candidate folders whose config/ folder holds at
// least one of the four data files, and whether all four can be read there. An empty file is
// data (an empty catalogue or schedule, as designed); a missing, unreadable or irregular one is
// a problem named in one message, so that a missing schedule is never played as an instant
// victory.
class DataLocation
{
public:
    // The game's own order: the folder above the working directory (where it has always
    // looked), the one above its executable's (the staged build tree), the installed data.
    static QStringList searchOrder(const QString& workingDirectory, const QString& executableDirectory);
    static QStringList dataFiles();

    explicit DataLocation(const QStringList& candidates);

    bool isUsable() const { return problemText.isEmpty(); }
    // The chosen folder, holding config/ and images/; empty when no candidate has one of the files.
    const QString& root() const { return chosen; }
    // Empty when usable; else which file is wrong and every folder that was looked in.
    const QString& problem() const { return problemText; }
    // Makes "../config" and "../images" the chosen folder's, unless they are already.
    bool enter() const;

private:
    QString chosen;
    QString problemText;
};

#endif
