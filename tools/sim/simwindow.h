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
    explicit SimWindow(QWidget* parent = nullptr);

    // One tick of the game clock, exactly as the window's timer would run it.
    void tick();
    // "won" or "lost" once the game has ended, empty before.
    QString outcome() const { return result; }
    const GameWorld* gameWorld() const { return world.get(); }
    // Health of the most damaged building, the figure that decides a defeat by siege.
    float lowestBuildingHealth() const;
    const PonyCatalogue* ponyKinds() const { return ponyCatalogue.get(); }
    const QList<QMyButton*>& summonButtons() const { return ponyButtons; }
    const QList<QMyButton*>& actionColumn() const { return actionButtons; }

protected:
    void announceEnd(const QString& title, const QString& text) override;

private:
    QString result;
};

#endif
