#ifndef PLAYERCOMMANDS_H
#define PLAYERCOMMANDS_H

#include <QString>

class ActionCatalogue;
class GameEvents;
class GameWorld;
class MonsterCatalogue;
class PonyCatalogue;
class QClickLabel;
class QMouseEvent;
class QMyButton;
class QMyLabel;
class QWidget;

// What the player's clicks do. The left button commands: select a pony, send the selected one
// to a point, a cell or a monster, summon a pony, use an action. The right button asks: it opens
// the information dialog on whatever was clicked. A summon, the fruits it struck and a used
// action are reported to whoever listens.
class PlayerCommands
{
public:
    PlayerCommands(QWidget* window, GameWorld* world, PonyCatalogue* ponies, const MonsterCatalogue* monsters,
                   ActionCatalogue* actions, GameEvents* events);

    void ponyClicked(QMyLabel* sender, bool isleft);
    void summonButtonClicked(const QMyButton* sender, bool isleft);
    void actionButtonClicked(const QMyButton* sender, bool isleft);
    void cellClicked(const QClickLabel* sender, bool isleft);
    void monsterClicked(const QMyLabel* sender, bool isleft);
    void fieldPressed(const QMouseEvent* event);

private:
    void summon(const QString& code);
    void sendSelectedPonyTo(int x, int y);

    QWidget* window;
    GameWorld* world;
    PonyCatalogue* ponyCatalogue;
    const MonsterCatalogue* monsterCatalogue;
    ActionCatalogue* actionCatalogue;
    GameEvents* events;
};

#endif
