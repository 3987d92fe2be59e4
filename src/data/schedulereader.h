#ifndef SCHEDULEREADER_H
#define SCHEDULEREADER_H

#include "scheduleline.h"

#include <functional>

// Reads the monster schedule: text lines of "delay,code,entry point" in UTF-8, split at LF, each
// ending at a NUL byte if it holds one and trimmed, blank lines and "#" comments skipped. What each line becomes is told line by line, so that the game keeps
// the entries and a checker can say why a line was skipped.
class ScheduleReader
{
public:
    using LineHandler = std::function<void(const ScheduleLine&)>;

    // Every line of the file in order, read as UTF-8 up to DataLimits::kScheduleBytes; a file that
    // cannot be read, is not a regular file or is over the limit has none (said on stderr).
    static void read(const QString& path, const LineHandler& handler);
    // Every line of bytes, the whole content of a schedule file, in order.
    static void readBytes(const QByteArray& bytes, const LineHandler& handler);
    static ScheduleLine readLine(int number, const QString& text);
};

#endif
