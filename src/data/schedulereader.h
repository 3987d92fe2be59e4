#ifndef SCHEDULEREADER_H
#define SCHEDULEREADER_H

#include "scheduleline.h"

#include <functional>

// Reads the monster schedule: text lines of "delay,code,entry point", each trimmed, blank lines
// and "#" comments skipped. What each line becomes is told line by line, so that the game keeps
// the entries and a checker can say why a line was skipped.
class ScheduleReader
{
public:
    using LineHandler = std::function<void(const ScheduleLine&)>;

    // Every line of the file in order; a file that cannot be opened has none.
    static void read(const QString& path, const LineHandler& handler);
    static ScheduleLine readLine(int number, const QString& text);
};

#endif
