#include "wavescript.h"

#include <QFile>
#include <QTextStream>

#include <algorithm>

namespace {
const QString kScriptPath = QStringLiteral("../config/monsterscript.dat");
}

WaveScript::WaveScript()
    : WaveScript(kScriptPath)
{
}

WaveScript::WaveScript(const QString& path, const LineObserver& observer)
    : spawnPoints({ { 70, 30 }, { 70, 350 }, { 70, 700 }, { 450, 700 },
                    { 900, 700 }, { 900, 350 }, { 900, 30 }, { 450, 30 } })
{
    load(path, observer);
    sortByTime();
}

ScheduleLine WaveScript::readLine(int number, const QString& text) const
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
    if (line.entryPoint < 1 || line.entryPoint > spawnPoints.size())
        return line;
    line.fate = ScheduleLine::Fate::Entry;
    line.delay = line.fields.at(0).toInt(&line.delayIsWhole);
    return line;
}

void WaveScript::load(const QString& path, const LineObserver& observer)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    QTextStream stream(&file);
    // Wider than a delay, so that many huge delays give huge times, never wrapped ones.
    qint64 releaseSum = 0;
    int number = 0;
    while (!stream.atEnd()) {
        const ScheduleLine line = readLine(++number, stream.readLine().trimmed());
        if (observer)
            observer(line);
        if (line.fate != ScheduleLine::Fate::Entry)
            continue;
        releaseSum += line.delay;
        WaveEntry entry;
        entry.code = line.fields.at(1);
        entry.x = spawnPoints.at(line.entryPoint - 1).x();
        entry.y = spawnPoints.at(line.entryPoint - 1).y();
        entry.releaseTime = static_cast<float>(releaseSum);
        entries.append(entry);
    }
}

void WaveScript::sortByTime()
{
    remaining = entries.size();
    taken.fill(false, entries.size());
    byTime.resize(entries.size());
    for (int i = 0; i < byTime.size(); ++i)
        byTime[i] = i;
    const auto earlier = [this](int a, int b) { return entries.at(a).releaseTime < entries.at(b).releaseTime; };
    // Without negative delays the file is already in order of time.
    if (!std::is_sorted(byTime.begin(), byTime.end(), earlier))
        std::stable_sort(byTime.begin(), byTime.end(), earlier);
}

bool WaveScript::takeDue(float now, int& x, int& y, QString& code)
{
    // Since the clock only grows, an entry once due stays due: each entry is moved past the
    // cursor once and leaves the heap once, whatever the length of the schedule.
    while (cursor < byTime.size() && entries.at(byTime.at(cursor)).releaseTime <= now)
        due.push(byTime.at(cursor++));
    if (due.empty())
        return false;
    const int index = due.top();
    due.pop();
    const WaveEntry& entry = entries.at(index);
    x = entry.x;
    y = entry.y;
    code = entry.code;
    taken[index] = true;
    --remaining;
    return true;
}

bool WaveScript::isFinished() const
{
    return remaining == 0;
}

QList<WaveEntry> WaveScript::pendingEntries() const
{
    QList<WaveEntry> pending;
    for (int i = 0; i < entries.size(); ++i) {
        if (!taken.at(i))
            pending.append(entries.at(i));
    }
    return pending;
}
