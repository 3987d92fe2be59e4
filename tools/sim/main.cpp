// olteria-sim: plays one game of Olteria Defence on the real game window without a person.
//
//   olteria-sim [--data DIR] [--mode easy|standard] [--strategy passive|casual|reference|newcomer] [--seed N]
//               [--chart out.png] [--max-minutes 30] [--screenshot SECONDS out.png] [--sound] [--lang ru|en]
//
// DIR holds config/ and images/ (default: the folder above the executable's, i.e. the build
// tree). Prints one line per game; exits 0 when won, 1 when lost, 2 for bad arguments (after
// the usage), 3 at the time limit and 4 when a data file is missing or unreadable.
#include "chartwriter.h"
#include "commandline.h"
#include "datalocation.h"
#include "dataschema.h"
#include "gamefont.h"
#include "gamelanguage.h"
#include "gameworld.h"
#include "pictureloader.h"
#include "simplayer.h"
#include "simwindow.h"
#include "speaker.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPushButton>
#include <QTextStream>
#include <QTimer>

#include <array>
#include <cstdlib>
#include <initializer_list>

namespace {
constexpr int kOutOfTime = 3;
constexpr int kMissingData = 4;

// The start menu is modal: press its mode button as soon as it is up.
void answerStartMenu(const QString& button)
{
    QTimer::singleShot(0, [button] {
        QWidget* menu = QApplication::activeModalWidget();
        QPushButton* choice = menu ? menu->findChild<QPushButton*>(button) : nullptr;
        if (choice)
            choice->click();
        else
            answerStartMenu(button);
    });
}

}

int main(int argc, char* argv[])
{
    CommandLine commandLine(QStringLiteral("Plays one game of Olteria Defence on the real game window without a person.\n"
                                           "Exit status: 0 won, 1 lost, 2 bad arguments, 3 out of time, 4 data missing."));
    // name, what it does, its value's name and its default
    const std::initializer_list<std::array<const char*, 4>> options = {
        { "data", "Game folder with config/ and images/.", "DIR", "" },
        { "mode", "easy or standard.", "MODE", "easy" },
        { "strategy", "passive, casual, reference or newcomer.", "NAME", "reference" },
        { "seed", "Seed of the random generator.", "N", "1" },
        { "chart", "Write a chart of the game.", "PNG", "" },
        { "max-minutes", "Game time limit.", "MINUTES", "30" },
        { "screenshot", "Grab the window at this game time into the PNG after it.", "SECONDS", "" },
        { "sound", "Play the cues through the desktop's sound server, if it has one.", "", "" },
        { "lang", "The game's language, ru or en, whatever the desktop's.", "LANG", "ru" },
    };
    for (const auto& [name, description, valueName, defaultValue] : options)
        commandLine.addOption(QCommandLineOption(QLatin1String(name), QLatin1String(description), QLatin1String(valueName),
                                                 QLatin1String(defaultValue)));
    commandLine.addPositionalArgument(QStringLiteral("PNG"), QStringLiteral("The screenshot's file, with --screenshot."),
                                      QStringLiteral("[PNG]"));
    if (commandLine.answerHelpOrVersion(argc, argv))
        return 0;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Takes Qt's own options out of the arguments that the sim reads next.
    QApplication app(argc, argv);
    if (!commandLine.parse())
        return commandLine.status();
    bool seedOk = false, limitOk = false, shotOk = true;
    const QString mode = commandLine.value(QStringLiteral("mode")), strategy = commandLine.value(QStringLiteral("strategy"));
    const unsigned seed = commandLine.value(QStringLiteral("seed")).toUInt(&seedOk);
    const double limit = commandLine.value(QStringLiteral("max-minutes")).toDouble(&limitOk) * 60;
    const QString screenshot = QStringLiteral("screenshot");
    double shotTime = commandLine.isSet(screenshot) ? commandLine.value(screenshot).toDouble(&shotOk) : -1;
    const QStringList files = commandLine.positionalArguments();
    if (!seedOk || !limitOk || !shotOk || limit <= 0)
        return commandLine.reject(QStringLiteral("--seed, --max-minutes and --screenshot take numbers, the time limit above 0"));
    if (files.size() != (shotTime >= 0 ? 1 : 0))
        return commandLine.reject(QStringLiteral("give one PNG file with --screenshot, and none without"));
    if ((mode != QLatin1String("easy") && mode != QLatin1String("standard")) || !SimPlayer::strategies().contains(strategy))
        return commandLine.reject(QStringLiteral("unknown --mode or --strategy"));
    if (!TextLanguage::isCode(commandLine.value(QStringLiteral("lang"))))
        return commandLine.reject(QStringLiteral("--lang is ru or en"));
    GameLanguage::use(TextLanguage::choose(commandLine.value(QStringLiteral("lang")), QLocale::c()));

    useGameFont();
    QTextStream err(stderr);
    // Paths given on the command line are taken before the game changes the working folder.
    const QString dataOption = QStringLiteral("data"), chartOption = QStringLiteral("chart");
    const QDir data(commandLine.isSet(dataOption) ? QDir(commandLine.value(dataOption)).absolutePath()
                                                  : QDir(app.applicationDirPath() + QStringLiteral("/..")).absolutePath());
    const QString chartFile = commandLine.isSet(chartOption) ? QFileInfo(commandLine.value(chartOption)).absoluteFilePath() : QString();
    const QString shotFile = files.isEmpty() ? QString() : QFileInfo(files.first()).absoluteFilePath();
    const DataLocation location({ data.absolutePath() });
    if (!location.isUsable()) {
        err << location.problem() << "\n";
        return kMissingData;
    }
    // The game reads ../config, ../images and ../sounds: it plays from DIR's own config/, as the
    // game does, so every message names a file of DIR and nothing is written anywhere.
    if (!location.enter()) {
        err << "olteria-sim: cannot play from " << data.absoluteFilePath(QStringLiteral("config")) << "\n";
        return kMissingData;
    }

    // Without --sound the game is muted, as with the game's own --mute.
    const std::unique_ptr<Speaker> speaker = commandLine.isSet(QStringLiteral("sound")) ? Speaker::forThisDesktop() : nullptr;
    answerStartMenu(mode == QLatin1String("easy") ? QStringLiteral("pushButton") : QStringLiteral("pushButton_2"));
    SimWindow window({ PictureLoader(app.devicePixelRatio()), speaker.get() });
    window.show();
    // The world seeds the generator from the clock; the seed makes the game repeatable.
    std::srand(seed);
    SimPlayer player(&window, strategy, seed);
    ChartWriter chart;
    const GameWorld& world = *window.gameWorld();
    for (float nextSample = 0; window.outcome().isEmpty() && world.timeElapsed() < limit;) {
        player.act();
        window.tick();
        // No event loop runs here: objects the game deletes later would pile up for good.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (world.timeElapsed() >= nextSample) {
            chart.sample(world, window.lowestBuildingHealth());
            nextSample += 1;
        }
        if (shotTime >= 0 && world.timeElapsed() >= shotTime) {
            QApplication::processEvents();
            if (!window.grab().save(shotFile))
                err << "olteria-sim: cannot write " << shotFile << "\n";
            shotTime = -1;
        }
    }
    chart.sample(world, window.lowestBuildingHealth());

    const QString outcome = window.outcome().isEmpty() ? QStringLiteral("timeout") : window.outcome();
    QTextStream(stdout) << "outcome=" << outcome << " time=" << QString::number(world.timeElapsed(), 'f', 1)
                        << " lowest_building=" << static_cast<int>(window.lowestBuildingHealth()) << " magic=" << world.getMagic()
                        << " food=" << world.getFood() << " stone=" << world.getStone() << " seed=" << seed
                        << " mode=" << mode << " strategy=" << strategy << "\n";
    const QString title = QStringLiteral("%1 player, %2 mode, seed %3: %4 after %5 s")
                              .arg(strategy, mode).arg(seed).arg(outcome).arg(world.timeElapsed(), 0, 'f', 1);
    if (!chartFile.isEmpty() && !chart.write(chartFile, title))
        err << "olteria-sim: cannot write " << chartFile << "\n";
    return outcome == QLatin1String("won") ? 0 : outcome == QLatin1String("lost") ? 1 : kOutOfTime;
}
