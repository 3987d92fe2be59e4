#ifndef SCHEDULELINE_H
#define SCHEDULELINE_H

#include <QString>
#include <QStringList>

// What the schedule reader made of one line of the file: the game keeps the entries, and a
// checker explains the other lines to the schedule's author.
struct ScheduleLine
{
    enum class Fate { Blank, Comment, TooFewFields, EntryPointOutside, Entry };

    int number = 0; // 1 for the first line of the file
    QString text; // as read, trimmed
    Fate fate = Fate::Blank;
    QStringList fields;
    int delay = 0; // what the game added to the release time (Entry only)
    bool delayIsWhole = false; // false: the delay was no whole number in range and read as 0
    int entryPoint = 0;
};

#endif
