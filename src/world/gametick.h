#ifndef GAMETICK_H
#define GAMETICK_H

#include <QList>
#include <QString>

#include <functional>

class ActionCatalogue;
class FieldLayers;
class GameEvents;
class GameWorld;
class PonyCatalogue;
class QLabel;
class QMyButton;

// The game's clock, 0.1 s of game time a call: it steps the world, counts the actions'
// cooldowns down, shows the stores and the fruits still to come, offers the buttons the player
// can use, follows the selected pony in the status line and announces the end of the game once.
// It reports each step, a pause and the end to whoever listens.
class GameTick
{
public:
    // What the tick shows on the field. The button lists run parallel to the catalogues' codes.
    struct Screen
    {
        FieldLayers* layers;
        QLabel* magicLabel;
        QLabel* foodLabel;
        QLabel* stoneLabel;
        QLabel* infoLabel;
        QLabel* progressLabel;
        QList<QMyButton*> ponyButtons;
        QList<QMyButton*> actionButtons;
    };
    using Announcer = std::function<void(const QString& title, const QString& text)>;

    GameTick(GameWorld* world, const PonyCatalogue* ponies, ActionCatalogue* actions, const Screen& screen,
             GameEvents* events, const Announcer& announceEnd);

    // Paused while an information dialog is open, frozen once the game has ended.
    void run(bool dialogOpen);

private:
    bool manyUnitsWalk() const;
    void refreshLabels();
    // text holds %1 for the amount.
    static void showAmount(QLabel* label, const QString& text, int amount, int& shown);
    void refreshSummonButtons();
    void refreshActionButtons();
    void refreshStatusLine();
    void refreshProgressLine();
    void reportPause(bool paused);
    void announceEndIfOver();

    GameWorld* world;
    const PonyCatalogue* ponyCatalogue;
    ActionCatalogue* actionCatalogue;
    Screen screen;
    GameEvents* events;
    Announcer announceEnd;
    // The stores' texts, translated once rather than on every tick.
    const QString magicText;
    const QString foodText;
    const QString stoneText;
    bool reportedPause = false;
    // What the progress line shows, so that its text is only made when it changes.
    int shownToCome = -1;
    int shownSeconds = -1;
    // The stores as the labels show them; -1 before the first tick, when the labels are empty.
    int shownMagic = -1;
    int shownFood = -1;
    int shownStone = -1;
};

#endif
