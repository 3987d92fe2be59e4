#ifndef SIMPLAYER_H
#define SIMPLAYER_H

#include <QHash>
#include <QList>
#include <QPointer>
#include <QSet>
#include <QString>

class Monster;
class Pony;
class QMyButton;
class QWidget;
class SimWindow;

// Plays through the window's widgets with mouse presses only, like a person at the screen.
// The passive player never acts. The reference player keeps a pony in the farm and one in
// the mine, sends the others at the monster nearest to the buildings, takes badly hurt
// ponies to the hospital and spends magic on summons, cure, repair and food.
class SimPlayer
{
public:
    SimPlayer(SimWindow* window, bool reference);

    void act();

private:
    bool click(QWidget* widget) const;
    bool press(const QList<QMyButton*>& column, const char* property, const char* code) const;
    void order(Pony* pony, QWidget* target, bool follow);
    void command(Pony* pony);
    QWidget* cell(int kind, int index) const;
    Monster* mostThreatening() const;
    int weakestBuilding(float* share) const;

    SimWindow* window;
    bool reference;
    int ticks = 0;
    QSet<const Pony*> healing;
    QHash<const Pony*, QPointer<QWidget>> orders;
};

#endif
