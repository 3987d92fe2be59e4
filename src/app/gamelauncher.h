#ifndef GAMELAUNCHER_H
#define GAMELAUNCHER_H

#include <QString>

// The start of the game around the window: the settings that must precede the application
// object, finding the data, and the one error box when there is none to play from.
class GameLauncher
{
public:
    static constexpr int kMissingDataStatus = 1;

    // Called before the QApplication exists.
    static void prepareApplication();
    // Plays one game from the first place that holds the data and returns the exit status.
    static int play(const QString& executableDirectory, bool mute);
    // On standard error and in one critical box; returns kMissingDataStatus.
    static int reportMissingData(const QString& message);
};

#endif
