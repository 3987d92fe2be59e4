// olteria-sim: plays one game of Olteria Defence on the real game window without a person.
//
//   olteria-sim [--data DIR] [--mode easy|standard] [--strategy passive|casual|reference|newcomer] [--seed N]
//               [--chart out.png] [--max-minutes 30] [--screenshot SECONDS out.png] [--sound]
//
// DIR holds config/ and images/ (default: the folder above the executable's, i.e. the build
// tree). Prints one line per game; exits 0 when won, 1 when lost, 2 at the time limit,
// 3 for bad arguments and 4 when a data file is missing or unreadable.
#include "chartwriter.h"
#include "datalocation.h"
#include "gamefont.h"
#include "gamesounds.h"
#include "gameworld.h"
#include "pictureloader.h"
#include "simplayer.h"
#include "simwindow.h"
#include "speaker.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <cstdlib>

namespace {
constexpr int kBadArguments = 3;
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

// The game reads ../config, ../images and ../sounds: it plays in run/ beside links to DIR's folders.
bool enterScratchFolder(const QTemporaryDir& scratch, const QDir& data)
{
    return scratch.isValid() && data.exists(QStringLiteral("config")) && QDir(scratch.path()).mkdir(QStringLiteral("run"))
        && QFile::link(data.absoluteFilePath(QStringLiteral("config")), scratch.filePath(QStringLiteral("config")))
        && QFile::link(data.absoluteFilePath(QStringLiteral("images")), scratch.filePath(QStringLiteral("images")))
        && QFile::link(data.absoluteFilePath(QStringLiteral("sounds")), scratch.filePath(QStringLiteral("sounds")))
        && QDir::setCurrent(scratch.filePath(QStringLiteral("run")));
}
}

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    useGameFont();
    PictureLoader::setPixelRatio(app.devicePixelRatio());
    QTextStream err(stderr);
    QCommandLineParser parser;
    parser.addOptions({ { "data", "Game folder with config/ and images/.", "DIR" },
                        { "mode", "easy or standard.", "MODE", "easy" },
                        { "strategy", "passive, casual, reference or newcomer.", "NAME", "reference" },
                        { "seed", "Seed of the random generator.", "N", "1" },
                        { "chart", "Write a chart of the game.", "PNG" },
                        { "max-minutes", "Game time limit.", "MINUTES", "30" },
                        { "screenshot", "Grab the window at this game time into the PNG after it.", "SECONDS" },
                        { "sound", "Play the cues through the desktop's sound server, if it has one." } });
    bool seedOk = false, limitOk = false, shotOk = true;
    const bool parsed = parser.parse(app.arguments());
    const QString mode = parser.value("mode"), strategy = parser.value("strategy");
    const unsigned seed = parser.value("seed").toUInt(&seedOk);
    const double limit = parser.value("max-minutes").toDouble(&limitOk) * 60;
    double shotTime = parser.isSet("screenshot") ? parser.value("screenshot").toDouble(&shotOk) : -1;
    const QStringList files = parser.positionalArguments();
    if (!parsed || !seedOk || !limitOk || !shotOk || limit <= 0 || files.size() != (shotTime >= 0 ? 1 : 0)
        || (mode != QLatin1String("easy") && mode != QLatin1String("standard"))
        || !SimPlayer::strategies().contains(strategy)) {
        err << "usage: olteria-sim [--data DIR] [--mode easy|standard] [--strategy passive|casual|reference|newcomer]"
               " [--seed N] [--chart out.png] [--max-minutes 30] [--screenshot SECONDS out.png] [--sound]\n";
        return kBadArguments;
    }
    // Paths given on the command line are taken before the game changes the working folder.
    const QDir data(QDir(parser.isSet("data") ? parser.value("data") : app.applicationDirPath() + "/..").absolutePath());
    const QString chartFile = parser.isSet("chart") ? QFileInfo(parser.value("chart")).absoluteFilePath() : QString();
    const QString shotFile = files.isEmpty() ? QString() : QFileInfo(files.first()).absoluteFilePath();
    const DataLocation location({ data.absolutePath() });
    if (!location.isUsable()) {
        err << location.problem() << "\n";
        return kMissingData;
    }
    QTemporaryDir scratch;
    if (!enterScratchFolder(scratch, data)) {
        err << "olteria-sim: no game data in " << data.absolutePath() << "\n";
        return kBadArguments;
    }

    // Without --sound the game is muted, as with the game's own --mute.
    const std::unique_ptr<Speaker> speaker = parser.isSet("sound") ? Speaker::forThisDesktop() : nullptr;
    GameSounds::setOutput(speaker.get());
    answerStartMenu(mode == QLatin1String("easy") ? QStringLiteral("pushButton") : QStringLiteral("pushButton_2"));
    SimWindow window;
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
    return outcome == QLatin1String("won") ? 0 : outcome == QLatin1String("lost") ? 1 : 2;
}
