#include "commandline.h"
#include "gamelauncher.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    CommandLine commandLine(QStringLiteral("Olteria Defence, a real-time defence game with ponies and risen fruits.\n"
                                           "Qt's own options, such as -platform NAME or -style NAME, go to Qt."));
    commandLine.addOption({ QStringLiteral("mute"), QStringLiteral("Plays without sound.") });
    // Answered before the application object, which needs a display.
    if (commandLine.answerHelpOrVersion(argc, argv))
        return 0;
    GameLauncher::prepareApplication();
    // Narrow string literals are UTF-8 throughout; Qt reads them so without being told. The
    // application object takes Qt's own options out of the arguments that the game reads next.
    QApplication application(argc, argv);
    if (!commandLine.parse())
        return commandLine.status();
    if (!commandLine.positionalArguments().isEmpty())
        return commandLine.reject(QStringLiteral("the game takes no file or word, only options"));
    return GameLauncher::play(QApplication::applicationDirPath(), commandLine.isSet(QStringLiteral("mute")));
}
