#pragma once

#include "gamedir.h"
#include "mainwindow.h"
#include "modalanswerer.h"

#include <QStringList>

#include <functional>

class GameWorld;
class Monster;
class Pony;
class QLabel;
class QMyButton;
class QMyLabel;

// What the window needs before it is built: its game folder, written by the test, and the
// answer to the start menu that its constructor runs modally.
struct TestGameFolder
{
    using Writer = std::function<void(GameDir&)>;
    TestGameFolder(const Writer& write, MenuChoice choice);

    GameDir dir;
    ModalAnswerer menu;
};

// The real game window on a temporary game folder. Ticks are driven by hand, the end-of-game
// box is recorded instead of shown, and rand() is seeded so that monsters choose alike. Unless
// the test hands in its own, the window is silent and loads its pictures for a ratio of 1.
class TestWindow : private TestGameFolder, public MainWindow
{
public:
    explicit TestWindow(const Writer& write = {}, MenuChoice choice = MenuChoice::Standard, const Outputs& outputs = {});

    using TestGameFolder::menu;
    // The parts of the window that the tests look at and set up.
    GameWorld* const world;
    const QLabel* const magicLabel;
    const QLabel* const foodLabel;
    const QLabel* const stoneLabel;
    const QLabel* const infoLabel;
    const QLabel* const progressLabel;
    const QList<QMyButton*>& ponyButtons;
    const QList<QMyButton*>& actionButtons;

    // A small game: ponies "plain" (Простушка), "small" (Крошка, 30 health, a description longer
    // than a line), "strong" (1000 health, attack 500, speed 200, summoned for 100 magic),
    // "fastheal", "fastmagic" and "healer" (whose bonus, not code, is "fastheal"), the others with
    // 100 health, attack 10, speed 100 and free; monsters "apple" (Яблочко: 100 health, attack 10),
    // "weak" (Кислица: 10 health, harmless) and "brute" (Громила: attack 5000); the given
    // schedule and actions.
    static Writer smallGame(const QString& schedule = QStringLiteral("9999,apple,1"),
                            const QString& actions = QString());

    void tick(int count);
    using MainWindow::tick;
    using MainWindow::handNewGameLauncher;
    using MainWindow::ponyKinds;
    QMyButton* summonButton(const QString& code) const;
    // Through its summon button; null if the summon failed.
    Pony* summon(const QString& code);
    // A known monster from the catalogue, centred on (x, y), as the schedule releases monsters.
    Monster* addMonster(const QString& code, int x, int y);
    // A pony through its summon button, else a monster from the catalogue, centred on (x, y).
    QMyLabel* place(const QString& code, int x, int y);
    // The end box as the game shows it, modal: a ModalAnswerer answers it.
    void showEndBox(const QString& title, const QString& text) { MainWindow::announceEnd(title, text); }
    // Each end box, as it would have been shown.
    struct End
    {
        QString title;
        QString text;
    };
    QList<End> ends;

protected:
    void announceEnd(const QString& title, const QString& text) override;
};
