#include "wavescript.h"

#include <QFile>
#include <QTextStream>

namespace {
const QString kScriptPath = QStringLiteral("../config/monsterscript.dat");
}

WaveScript::WaveScript()
{
    load(kScriptPath);
}

void WaveScript::load(const QString& path)
{
    entries.clear();
    spawnPoints = { { 70, 30 }, { 70, 350 }, { 70, 700 }, { 450, 700 },
                    { 900, 700 }, { 900, 350 }, { 900, 30 }, { 450, 30 } };

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    QTextStream stream(&file);
    // Wider than a delay, so that many huge delays give huge times, never wrapped ones.
    qint64 releaseSum = 0;
    while (!stream.atEnd()) {
        const QString line = stream.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(QLatin1Char(','));
        if (fields.size() < 3)
            continue;
        const int point = fields.at(2).toInt();
        if (point < 1 || point > spawnPoints.size())
            continue;
        releaseSum += fields.at(0).toInt();
        WaveEntry entry;
        entry.code = fields.at(1);
        entry.x = spawnPoints.at(point - 1).x();
        entry.y = spawnPoints.at(point - 1).y();
        entry.releaseTime = static_cast<float>(releaseSum);
        entries.append(entry);
    }
}

bool WaveScript::takeDue(float now, int& x, int& y, QString& code)
{
    for (int i = 0; i < entries.size(); ++i) {
        const WaveEntry& entry = entries.at(i);
        if (entry.releaseTime <= now) {
            x = entry.x;
            y = entry.y;
            code = entry.code;
            entries.removeAt(i);
            return true;
        }
    }
    return false;
}

bool WaveScript::isFinished() const
{
    return entries.isEmpty();
}
