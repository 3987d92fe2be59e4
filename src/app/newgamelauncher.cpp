#include "newgamelauncher.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

namespace {
bool startDetached(const QString& program, const QStringList& arguments, const QString& folder)
{
    return QProcess::startDetached(program, arguments, folder);
}
}

NewGameLauncher::NewGameLauncher()
    : NewGameLauncher(Start())
{
}

NewGameLauncher::NewGameLauncher(const Start& start)
    : start(start ? start : Start(&startDetached))
{
}

bool NewGameLauncher::launch() const
{
    const QString program = QCoreApplication::applicationFilePath();
    // The player's own options, such as --mute; Qt takes its own out of the list.
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    // The data was found from the start folder and entered; from here the new run finds it first.
    const QString folder = QDir::currentPath();
    return start(program, arguments, folder);
}
