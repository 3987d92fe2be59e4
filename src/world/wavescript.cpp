#include "wavescript.h"

#include "dataschema.h"
#include "schedulereader.h"

#include <QPoint>

#include <algorithm>
#include <iterator>

namespace {
// The entry points by their number in the file, from 1.
const QPoint kSpawnPoints[] = { { 70, 30 }, { 70, 350 }, { 70, 700 }, { 450, 700 },
                                { 900, 700 }, { 900, 350 }, { 900, 30 }, { 450, 30 } };
static_assert(static_cast<int>(std::size(kSpawnPoints)) == DataSchema::kLastEntryPoint - DataSchema::kFirstEntryPoint + 1,
              "one spawn point for each entry point a schedule may name");
}

WaveScript::WaveScript()
    : WaveScript(DataSchema::configPath(QLatin1String(DataSchema::kScheduleFile)))
{
}

WaveScript::WaveScript(const QString& path)
{
    load(path);
    sortByTime();
}

void WaveScript::load(const QString& path)
{
    // Wider than a delay, so that many huge delays give huge times, never wrapped ones.
    qint64 releaseSum = 0;
    ScheduleReader::read(path, [this, &releaseSum](const ScheduleLine& line) {
        if (line.fate != ScheduleLine::Fate::Entry)
            return;
        releaseSum += line.delay;
        const QPoint spawnPoint = kSpawnPoints[line.entryPoint - DataSchema::kFirstEntryPoint];
        WaveEntry entry;
        entry.code = line.fields.at(1);
        entry.x = spawnPoint.x();
        entry.y = spawnPoint.y();
        entry.releaseTime = static_cast<float>(releaseSum);
        entries.append(entry);
    });
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

float WaveScript::nextReleaseTime() const
{
    if (!due.empty())
        return entries.at(due.top()).releaseTime;
    return cursor < byTime.size() ? entries.at(byTime.at(cursor)).releaseTime : 0.0f;
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
