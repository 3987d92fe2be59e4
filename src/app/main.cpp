#include "commandline.h"
#include "gamelanguage.h"
#include "gamelauncher.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char* argv[])
{
    CommandLine commandLine(QStringLiteral("Olteria Defence, a real-time defence game with ponies and risen fruits.\n"
                                           "Qt's own options, such as -platform NAME or -style NAME, go to Qt."));
    commandLine.addOption({ QStringLiteral("mute"), QStringLiteral("Plays without sound.") });
    commandLine.addOption({ QStringLiteral("lang"),
                            QStringLiteral("Speaks LANG: ru (Russian) or en (English). Without it the game speaks "
                                           "English when the desktop's first language is English, else Russian."),
                            QStringLiteral("LANG") });
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
    const QString language = commandLine.value(QStringLiteral("lang"));
    if (!language.isEmpty() && !TextLanguage::isCode(language))
        return commandLine.reject(QStringLiteral("--lang is ru or en"));
    // Before the first text is made: a missing file's box speaks the game's language too.
    GameLanguage::use(TextLanguage::choose(language, QLocale::system()));
    return GameLauncher::play(QApplication::applicationDirPath(), commandLine.isSet(QStringLiteral("mute")));
}
