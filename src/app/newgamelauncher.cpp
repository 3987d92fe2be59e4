#include "newgamelauncher.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

namespace {
NewGameLauncher::Start& replacedStart()
{
    static NewGameLauncher::Start start;
    return start;
}
}

void NewGameLauncher::setStart(const Start& start)
{
    replacedStart() = start;
}

bool NewGameLauncher::launch()
{
    const QString program = QCoreApplication::applicationFilePath();
    // The player's own options, such as --mute; Qt takes its own out of the list.
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    // The data was found from the start folder and entered; from here the new run finds it first.
    const QString folder = QDir::currentPath();
    if (replacedStart())
        return replacedStart()(program, arguments, folder);
    return QProcess::startDetached(program, arguments, folder);
}
