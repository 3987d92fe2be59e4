#include "schedulechecker.h"

#include "dataschema.h"
#include "lintreport.h"
#include "schedulereader.h"

namespace {
const QString kFile = QLatin1String(DataSchema::kConfigFolder) + QLatin1Char('/') + QLatin1String(DataSchema::kScheduleFile);
// A schedule that runs longer than this is most likely a slip of a digit.
constexpr qint64 kLongestPlausibleGame = 60 * 60;

bool hasLoneCarriageReturn(const QByteArray& bytes)
{
    for (int i = bytes.indexOf('\r'); i >= 0; i = bytes.indexOf('\r', i + 1)) {
        if (i + 1 >= bytes.size() || bytes.at(i + 1) != '\n')
            return true;
    }
    return false;
}
}

ScheduleChecker::ScheduleChecker(const QString& path, const QStringList& fruitCodes, LintReport& report)
    : path(path)
    , fruitCodes(fruitCodes)
    , report(report)
{
}

void ScheduleChecker::check(const QByteArray& bytes)
{
    if (hasLoneCarriageReturn(bytes))
        report.error(kFile, 1, QStringLiteral("lines end in a bare CR; the game splits lines at LF only and reads the "
                                              "file as fewer, longer lines; save it with LF or CRLF line ends"));
    ScheduleReader::readBytes(bytes, [this](const ScheduleLine& line) { checkLine(line); });
    if (entryCount == 0)
        report.error(kFile, 0, QStringLiteral("no fruit is scheduled; the game is won at once (0.1 s); add lines "
                                              "\"delay,code,entry point\" such as 30,apple,2"));
    else if (lastRelease > kLongestPlausibleGame)
        report.warning(kFile, lastReleaseLine,
                       QStringLiteral("this fruit comes at second %1, after an hour of play, and the game cannot be "
                                      "won before it comes; make sure that is meant").arg(lastRelease));
}

void ScheduleChecker::checkLine(const ScheduleLine& line)
{
    switch (line.fate) {
    case ScheduleLine::Fate::Blank:
    case ScheduleLine::Fate::Comment:
        break;
    case ScheduleLine::Fate::TooFewFields:
        error(line, QStringLiteral("%1 has %2 field(s); the game skips the line; write \"delay,code,entry point\"")
                        .arg(quoted(line.text)).arg(line.fields.size()));
        break;
    case ScheduleLine::Fate::EntryPointOutside:
        error(line, QStringLiteral("entry point %1 is not a whole number from %2 to %3; the game skips the line")
                        .arg(quoted(line.fields.at(2).trimmed()))
                        .arg(DataSchema::kFirstEntryPoint)
                        .arg(DataSchema::kLastEntryPoint));
        break;
    case ScheduleLine::Fate::Entry:
        checkEntry(line);
        break;
    }
}

void ScheduleChecker::checkEntry(const ScheduleLine& line)
{
    ++entryCount;
    releaseSum += line.delay;
    if (entryCount == 1 || releaseSum >= lastRelease) {
        lastRelease = releaseSum;
        lastReleaseLine = line.number;
    }
    const QString code = line.fields.at(1);
    if (!line.delayIsWhole)
        error(line, QStringLiteral("delay %1 is not a whole number of seconds from -2147483648 to 2147483647; the game "
                                   "reads 0, so the fruit comes with the line before; write a whole number")
                        .arg(quoted(line.fields.at(0))));
    else if (line.delay < 0)
        report.warning(kFile, line.number,
                       QStringLiteral("delay %1 is negative; the game moves this and every later line %2 s earlier; "
                                      "make sure that is meant").arg(line.delay).arg(-static_cast<qint64>(line.delay)));
    if (code != code.trimmed() && fruitCodes.contains(code.trimmed()))
        error(line, QStringLiteral("fruit code %1 has spaces around it; the game keeps them and finds no such fruit; "
                                   "remove the spaces").arg(quoted(code)));
    else if (!fruitCodes.contains(code))
        error(line, QStringLiteral("fruit code %1 is not in config/monster.ini; the game releases nothing for this "
                                   "line; the codes are %2").arg(quoted(code), fruitCodes.join(QStringLiteral(", "))));
}

void ScheduleChecker::error(const ScheduleLine& line, const QString& message)
{
    report.error(kFile, line.number, message);
}
