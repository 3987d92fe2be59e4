#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include "newgamelauncher.h"
#include "pictureloader.h"

#include <QList>
#include <QMainWindow>

#include <memory>

class ActionCatalogue;
class FieldLayers;
class GameEvents;
class GameSounds;
class GameTick;
class GameWorld;
class MonsterCatalogue;
class PlayerCommands;
class PonyCatalogue;
class QClickLabel;
class QLabel;
class QMouseEvent;
class QMyButton;
class QMyLabel;
class QTimer;
class SoundSink;

// The game window: the whole field, its frame, the two button columns and the game timer.
// Its slots pass the player's commands and the timer's ticks on to the rooms that carry them
// out: PlayerCommands (src/units) and GameTick (src/world).
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // What the window shows and plays through, handed in by whoever makes it: pictures loaded for
    // the screen's pixel ratio, and the sink its cues go to (none: a muted or headless game).
    struct Outputs
    {
        PictureLoader pictures{};
        SoundSink* sound = nullptr;
    };

    // A window that will be shown is shown before its start menu, so the menu opens over the field.
    explicit MainWindow(const Outputs& outputs, QWidget* parent = nullptr, bool fieldUnderMenu = false);
    ~MainWindow() override;

    // One tick of the game clock, exactly as the timer runs it.
    void tick();
    // Stops the timer, for a program or a test that calls tick() itself.
    void holdClock();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    // Shows the end of the game, offering a new game in a fresh run; a headless player or a test
    // answers it without blocking.
    virtual void announceEnd(const QString& title, const QString& text);

    // What a headless player or a test looks at and sets up.
    GameWorld* gameWorld() const { return world.get(); }
    const PonyCatalogue* ponyKinds() const { return ponyCatalogue.get(); }
    MonsterCatalogue* monsterKinds() const { return monsterCatalogue.get(); }
    const QList<QMyButton*>& summonButtons() const { return ponyButtons; }
    const QList<QMyButton*>& actionColumn() const { return actionButtons; }
    // What the end box's «Новая игра» starts.
    void handNewGameLauncher(const NewGameLauncher& launcher) { newGame = launcher; }
    // The magic, food and stone labels, the status line, then the progress line.
    QList<const QLabel*> textLines() const { return { magicLabel, foodLabel, stoneLabel, infoLabel, progressLabel }; }

private Q_SLOTS:
    void pony_clicked(QMyLabel* sender, bool isleft);
    void create_clicked_ex(QMyButton* sender, bool isleft);
    void slotUpdateGame();
    void action_clicked_ex(QMyButton* sender, bool isleft);

public Q_SLOTS:
    void building_cell_clicked(QClickLabel* sender, bool isleft);
    void monster_clicked(QMyLabel* sender, bool isleft);

private:
    void setupFormFurniture();
    void centreOnScreen();
    bool runStartMenu();
    void buildGround();
    void buildControls();
    void createBackground();
    void buildActionColumn();
    void buildSummonColumn();
    QLabel* createResourceLabel(int x);
    void createInfoLabel();
    void createProgressLabel();
    void createStrikeFlash();
    void startGameTimer();

    const Outputs outputs;
    std::unique_ptr<GameWorld> world;
    std::unique_ptr<PonyCatalogue> ponyCatalogue;
    std::unique_ptr<MonsterCatalogue> monsterCatalogue;
    std::unique_ptr<ActionCatalogue> actionCatalogue;
    QLabel* magicLabel = nullptr;
    QLabel* foodLabel = nullptr;
    QLabel* stoneLabel = nullptr;
    QLabel* infoLabel = nullptr;
    QLabel* progressLabel = nullptr;
    QList<QMyButton*> ponyButtons;
    QList<QMyButton*> actionButtons;
    std::unique_ptr<GameEvents> events;
    std::unique_ptr<GameSounds> sounds;
    std::unique_ptr<PlayerCommands> commands;
    std::unique_ptr<GameTick> gameTick;
    QTimer* gameTimer = nullptr;
    FieldLayers* layers = nullptr;
    NewGameLauncher newGame;
};

#endif
