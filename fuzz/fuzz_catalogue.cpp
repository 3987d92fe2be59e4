// Feeds any bytes to the INI reader as a catalogue and reads every group and key the way the
// catalogues and the checker do.
#include "inifile.h"
#include "kindtable.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir dir;
    static int run = 0;
    // A new name per input: the settings cache would serve a same-sized file of the same second.
    const QString path = dir.filePath(QStringLiteral("catalogue%1.ini").arg(++run));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(reinterpret_cast<const char*>(data), size) != qint64(size))
            std::abort();
    }
    {
        IniFile file(path);
        for (const QString& group : file.groups()) {
            file.beginGroup(group);
            for (const QString& key : file.keys() + QStringList{ DataSchema::kName, DataSchema::kMaxHealth }) {
                bool isWhole = true;
                const int number = file.number(key, &isWhole);
                if ((!isWhole && number != 0) || (!file.contains(key) && (isWhole || !file.text(key).isEmpty())))
                    std::abort();
            }
            file.endGroup();
        }
        // The catalogues' shared loader keeps one record for each group.
        if (KindTable<PonyInfo>(path, DataSchema::ponies()).codes() != file.groups())
            std::abort();
    }
    QFile::remove(path);
    return 0;
}
