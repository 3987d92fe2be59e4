#ifndef SCHEDULECHECKER_H
#define SCHEDULECHECKER_H

#include "scheduleline.h"

#include <QStringList>

class LintReport;

// Checks the monster schedule: the game's own reader reads it and tells, line by line, what
// it kept and what it skipped; this class turns that into findings.
class ScheduleChecker
{
public:
    ScheduleChecker(const QString& path, const QStringList& fruitCodes, LintReport& report);

    void check(const QByteArray& bytes);

private:
    void checkLine(const ScheduleLine& line);
    void checkEntry(const ScheduleLine& line);
    void error(const ScheduleLine& line, const QString& message);

    const QString path;
    const QStringList fruitCodes;
    LintReport& report;
    int entryCount = 0;
    qint64 releaseSum = 0; // as the game adds the delays up
    qint64 lastRelease = 0;
    int lastReleaseLine = 0;
};

#endif
