// Feeds any bytes to the game's own INI reader, in memory, and checks what every reader of a
// catalogue relies on: groups listed once each, sorted, never empty or holding a "/"; every
// listed key found in its group; a number that is not whole read as 0; and entering and leaving
// a group coming back to where it started.
#include "inifile.h"

#include <cstdint>
#include <cstdlib>

namespace {
void require(bool condition)
{
    if (!condition)
        std::abort();
}

void checkGroup(IniFile& file, const QString& group, int depth)
{
    constexpr int kDeepestChecked = 3;
    file.beginGroup(group);
    for (const QString& key : file.keys()) {
        bool isWhole = true;
        const int number = file.number(key, &isWhole);
        require(file.contains(key) && !key.isEmpty() && !key.contains(QLatin1Char('/')));
        require(isWhole || number == 0);
    }
    QStringList sorted = file.groups();
    sorted.sort();
    sorted.removeDuplicates();
    require(sorted == file.groups());
    if (depth < kDeepestChecked) {
        for (const QString& child : sorted) {
            require(!child.isEmpty() && !child.contains(QLatin1Char('/')));
            checkGroup(file, child, depth + 1);
        }
    }
    const QStringList keysBefore = file.keys();
    file.endGroup();
    file.beginGroup(group);
    require(file.keys() == keysBefore);
    file.endGroup();
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    IniFile file = IniFile::fromBytes(QByteArray(reinterpret_cast<const char*>(data), static_cast<int>(size)));
    const QStringList groups = file.groups();
    for (const QString& group : groups)
        checkGroup(file, group, 1);
    require(file.groups() == groups);
    return 0;
}
