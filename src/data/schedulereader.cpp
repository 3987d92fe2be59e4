#include "schedulereader.h"

#include "dataschema.h"

#include <QFile>
#include <QTextStream>

void ScheduleReader::read(const QString& path, const LineHandler& handler)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    QTextStream stream(&file);
    int number = 0;
    while (!stream.atEnd())
        handler(readLine(++number, stream.readLine().trimmed()));
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
