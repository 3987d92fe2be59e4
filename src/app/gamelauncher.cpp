#include "gamelauncher.h"

#include "datalocation.h"
#include "gamefont.h"
#include "logcategories.h"
#include "mainwindow.h"
#include "pictureloader.h"
#include "speaker.h"

#include <QApplication>
#include <QDir>
#include <QLoggingCategory>
#include <QMessageBox>

void GameLauncher::prepareApplication()
{
    // The game draws no OpenGL; on X11 the GL integration alone loads a graphics library of
    // about 44 MB and doubles the start-up time. A player who sets it keeps their choice.
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    // Qt 6 hands large fills to a pool of threads and waits for them. The field's fills are
    // small: on two cores the hand-off cost more than the fill, and a repaint of the whole field
    // took 2.0 ms with the pool and 1.1 ms without it (Qt 6.8, 50 walking fruits). Qt 6.8 can
    // be told to fill on the calling thread; Qt 6.4 cannot. A player who sets it keeps their choice.
    if (!qEnvironmentVariableIsSet("QT_NO_GUI_THREADPOOL"))
        qputenv("QT_NO_GUI_THREADPOOL", "1");
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    // Qt 6.5 and later name their FFmpeg build on standard error when the sounds load; a game
    // started from a terminal stays quiet there. QT_LOGGING_RULES still turns it back on.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.multimedia.ffmpeg.info=false"));
#else
    // On a scaled desktop the 1024 x 768 field is drawn at the desktop's scale, not tiny (Qt 6
    // always does).
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
#endif
}

int GameLauncher::play(const QString& executableDirectory, bool mute)
{
    const DataLocation data(DataLocation::searchOrder(QDir::currentPath(), executableDirectory));
    if (!data.isUsable())
        return reportMissingData(data.problem());
    if (!data.enter())
        return reportMissingData(QCoreApplication::translate("GameLauncher", "Игра не может перейти в папку %1.").arg(data.root()));
    useGameFont();
    const std::unique_ptr<Speaker> speaker = mute ? nullptr : Speaker::forThisDesktop();
    // Pictures are drawn from their sharp 2x files on a screen that has the pixels for them.
    MainWindow window({ PictureLoader(qApp->devicePixelRatio()), speaker.get() }, nullptr, true);
    window.show();
    return QApplication::exec();
}

int GameLauncher::reportMissingData(const QString& message)
{
    qCCritical(lcData).noquote() << message;
    QMessageBox::critical(nullptr, QCoreApplication::translate("GameLauncher", "Оборона Ольтерии"), message);
    return kMissingDataStatus;
}
