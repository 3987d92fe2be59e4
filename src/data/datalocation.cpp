#include "datalocation.h"

#include "datalimits.h"
#include "dataschema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {
// Where an installed game keeps its data, seen from the folder of its executable; CMake
// derives it from the install layout, so that a staged install (DESTDIR) finds its own data.
const QString kInstalledDataFromExecutable = QStringLiteral(OLTERIA_INSTALLED_DATA_FROM_BINDIR);

QString missingFile(const QString& path)
{
    return QCoreApplication::translate("DataLocation", "нет файла %1").arg(path);
}

// Why the file cannot be read, or an empty text when it can; the file is opened, not read.
QString fileProblem(const QString& path, qint64 limit)
{
    const QFileInfo info(path);
    if (!info.exists())
        return missingFile(path);
    if (!info.isFile())
        return QCoreApplication::translate("DataLocation", "%1 — не обычный файл").arg(path);
    if (info.size() > limit)
        return QCoreApplication::translate("DataLocation", "файл %1 больше %2 байт, а игра читает не больше")
            .arg(path, QString::number(limit));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QCoreApplication::translate("DataLocation", "файл %1 не читается").arg(path);
    return QString();
}

// The folder as the system resolves it (so "/.." is "/"), or as written when it does not exist.
QString resolved(const QString& path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(path) : canonical;
}

// A config/ folder counts when it holds one of the game's files at least: a modder's
// half-finished folder is chosen and its missing file named, another program's is passed over.
bool holdsGameData(const QString& folder)
{
    const QDir config(QDir(folder).filePath(QLatin1String(DataSchema::kConfigFolder)));
    const QStringList files = DataLocation::dataFiles();
    return std::any_of(files.begin(), files.end(), [&config](const QString& file) { return QFileInfo::exists(config.filePath(file)); });
}

QString folderList(const QStringList& folders)
{
    return QStringLiteral("  ") + folders.join(QStringLiteral("\n  "));
}
}

QStringList DataLocation::searchOrder(const QString& workingDirectory, const QString& executableDirectory)
{
    QStringList order = { resolved(workingDirectory + QStringLiteral("/..")), resolved(executableDirectory + QStringLiteral("/..")),
                          resolved(executableDirectory + QLatin1Char('/') + kInstalledDataFromExecutable) };
    order.removeDuplicates();
    return order;
}

QStringList DataLocation::dataFiles()
{
    return { QLatin1String(DataSchema::kPonyFile), QLatin1String(DataSchema::kMonsterFile), QLatin1String(DataSchema::kActionFile),
             QLatin1String(DataSchema::kScheduleFile) };
}

DataLocation::DataLocation(const QStringList& candidates)
{
    QStringList searched;
    for (const QString& candidate : candidates) {
        searched << QDir::cleanPath(QDir(candidate).absolutePath());
        if (holdsGameData(candidate)) {
            chosen = searched.last();
            break;
        }
    }
    const QStringList files = dataFiles();
    const QString config = QLatin1String(DataSchema::kConfigFolder) + QLatin1Char('/');
    QString reason = chosen.isEmpty() ? missingFile(config + files.first()) : QString();
    for (int n = 0; reason.isEmpty() && n < files.size(); ++n)
        reason = fileProblem(QDir(chosen).filePath(config + files.at(n)),
                             files.at(n) == QLatin1String(DataSchema::kScheduleFile) ? DataLimits::kScheduleBytes : DataLimits::kCatalogueBytes);
    if (!reason.isEmpty())
        problemText = QCoreApplication::translate("DataLocation", "Игре не хватает данных: %1.\nОна искала свои данные "
                                                                  "(папки config и images) в папках:\n%2")
                          .arg(reason, folderList(searched));
}

bool DataLocation::enter() const
{
    const QString configFolder = QDir(chosen).filePath(QLatin1String(DataSchema::kConfigFolder));
    if (QFileInfo(QStringLiteral("../config")).canonicalFilePath() == QFileInfo(configFolder).canonicalFilePath())
        return true;
    return QDir::setCurrent(configFolder);
}
