#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include <QList>
#include <QMainWindow>

#include <memory>

class ActionCatalogue;
class GameWorld;
class MonsterCatalogue;
class PonyCatalogue;
class QClickLabel;
class QLabel;
class QMouseEvent;
class QMyButton;
class QMyLabel;

// The game window: the whole field, its frame, the two button columns and the game timer.
// Its slots are the player's commands; slotUpdateGame() is the game's clock.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    static void dialogOpened();
    static void dialogClosed();
    static bool isDialogOpen();
    // How many buttons a side column shows before they run past the bottom of the field.
    static int columnCapacity();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    // Shows the end of the game; a headless player or a test answers it without blocking.
    virtual void announceEnd(const QString& title, const QString& text);

    std::unique_ptr<GameWorld> world;
    std::unique_ptr<PonyCatalogue> ponyCatalogue;
    std::unique_ptr<MonsterCatalogue> monsterCatalogue;
    std::unique_ptr<ActionCatalogue> actionCatalogue;
    QLabel* magicLabel = nullptr;
    QLabel* foodLabel = nullptr;
    QLabel* stoneLabel = nullptr;
    QLabel* infoLabel = nullptr;
    QList<QMyButton*> ponyButtons;
    QList<QMyButton*> actionButtons;

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
    void createBackground();
    void buildActionColumn();
    void buildSummonColumn();
    QLabel* createResourceLabel(int x);
    void createInfoLabel();
    void startGameTimer();
    bool manyUnitsWalk() const;
    void holdFieldUpdates(bool hold);
    void refreshLabels();
    void refreshSummonButtons();
    void refreshActionButtons();
    void refreshStatusLine();
    void sendSelectedPonyTo(int x, int y);

    static int openDialogCount;
};

#endif
