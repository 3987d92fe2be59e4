#ifndef SIMWINDOW_H
#define SIMWINDOW_H

#include "mainwindow.h"
#include "ponycatalogue.h"

class GameWorld;

// The real game window, played by a program: the end of the game is recorded instead of
// shown in a box, and the player may look at everything a person sees on the screen.
class SimWindow : public MainWindow
{
    Q_OBJECT

public:
    explicit SimWindow(const Outputs& outputs, QWidget* parent = nullptr);

    // "won" or "lost" once the game has ended, empty before.
    QString outcome() const { return result; }
    // Health of the most damaged building, the figure that decides a defeat by siege.
    float lowestBuildingHealth() const;
    const GameWorld* gameWorld() const { return MainWindow::gameWorld(); }
    using MainWindow::ponyKinds;
    using MainWindow::summonButtons;
    using MainWindow::actionColumn;

protected:
    void announceEnd(const QString& title, const QString& text) override;

private:
    QString result;
};

#endif
