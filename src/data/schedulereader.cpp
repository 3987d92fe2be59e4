#include "schedulereader.h"

#include "boundedfile.h"
#include "datalimits.h"
#include "dataschema.h"

void ScheduleReader::read(const QString& path, const LineHandler& handler)
{
    const BoundedFile file = BoundedFile::read(path, DataLimits::kScheduleBytes);
    if (!file.isRead()) {
        if (file.verdict() != BoundedFile::Verdict::Missing)
            BoundedFile::sayOnce(path, file.problem(), QStringLiteral("no fruit is read from it"));
        return;
    }
    readBytes(file.bytes(), handler);
}

void ScheduleReader::readBytes(const QByteArray& bytes, const LineHandler& handler)
{
    int number = 0;
    for (int start = 0; start < bytes.size();) {
        int end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        // A NUL byte ends the line's text, on Qt 5 as on Qt 6 (whose number reader stopped at one
        // while Qt 5's line reader did not).
        const int nul = bytes.indexOf('\0', start);
        const int textEnd = nul >= 0 && nul < end ? nul : end;
        handler(readLine(++number, QString::fromUtf8(bytes.constData() + start, textEnd - start).trimmed()));
        start = end + 1;
    }
}

ScheduleLine ScheduleReader::readLine(int number, const QString& text)
{
    ScheduleLine line;
    line.number = number;
    line.text = text;
    if (text.isEmpty())
        return line;
    line.fate = ScheduleLine::Fate::Comment;
    if (text.startsWith(QLatin1Char('#')))
        return line;
    line.fields = text.split(QLatin1Char(','));
    line.fate = ScheduleLine::Fate::TooFewFields;
    if (line.fields.size() < 3)
        return line;
    line.entryPoint = line.fields.at(2).toInt();
    line.fate = ScheduleLine::Fate::EntryPointOutside;
    if (line.entryPoint < DataSchema::kFirstEntryPoint || line.entryPoint > DataSchema::kLastEntryPoint)
        return line;
    line.fate = ScheduleLine::Fate::Entry;
    line.delay = line.fields.at(0).toInt(&line.delayIsWhole);
    return line;
}
