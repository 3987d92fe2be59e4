// Feeds any bytes to the schedule reader as monsterscript.dat, then plays the clock forward
// and checks each release against the plain rule: the first pending entry in file order
// whose time has come.
#include "dataschema.h"
#include "schedulereader.h"
#include "wavescript.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <limits>

namespace {
void write(const QString& path, const uint8_t* data, size_t size)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(reinterpret_cast<const char*>(data), size) != qint64(size))
        std::abort();
}

bool releaseByRule(QList<WaveEntry>& pending, float now, WaveEntry& released)
{
    for (int i = 0; i < pending.size(); ++i) {
        if (pending.at(i).releaseTime <= now) {
            released = pending.takeAt(i);
            return true;
        }
    }
    return false;
}

void playAndCompare(WaveScript& script)
{
    QList<WaveEntry> pending = script.pendingEntries();
    for (int step = 0; step <= 400; ++step) {
        const float now = step < 400 ? step * 0.5f : std::numeric_limits<float>::max();
        int x = 0;
        int y = 0;
        QString code;
        WaveEntry expected;
        while (script.takeDue(now, x, y, code)) {
            if (!releaseByRule(pending, now, expected) || expected.code != code || expected.x != x || expected.y != y)
                std::abort();
        }
        if (releaseByRule(pending, now, expected))
            std::abort();
    }
    if (!script.isFinished() || !pending.isEmpty())
        std::abort();
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("monsterscript.dat"));
    write(path, data, size);
    int entries = 0;
    ScheduleReader::read(path, [&entries](const ScheduleLine& line) {
        const bool outside = line.entryPoint < DataSchema::kFirstEntryPoint || line.entryPoint > DataSchema::kLastEntryPoint;
        if (line.fate == ScheduleLine::Fate::Entry && (line.fields.size() < 3 || outside))
            std::abort();
        entries += line.fate == ScheduleLine::Fate::Entry;
    });
    WaveScript script(path);
    if (script.pendingEntries().size() != entries)
        std::abort();
    playAndCompare(script);
    return 0;
}
