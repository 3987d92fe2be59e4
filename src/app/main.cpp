#include "commandline.h"
#include "gamelauncher.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // Read before the application object, which needs a display: --help and --version need none.
    CommandLine commandLine(QStringLiteral("Olteria Defence, a real-time defence game with ponies and risen fruits.\n"
                                           "Qt's own options, such as -platform NAME or -style NAME, go to Qt."));
    commandLine.addOption({ QStringLiteral("mute"), QStringLiteral("Plays without sound.") });
    commandLine.acceptQtOptions();
    if (!commandLine.parse(argc, argv))
        return commandLine.status();
    if (!commandLine.positionalArguments().isEmpty())
        return commandLine.reject(QStringLiteral("the game takes no file or word, only options"));
    GameLauncher::prepareApplication();
    // Narrow string literals are UTF-8 throughout; Qt reads them so without being told.
    QApplication application(argc, argv);
    return GameLauncher::play(QApplication::applicationDirPath(), commandLine.isSet(QStringLiteral("mute")));
}
