#ifndef SIMPLAYER_H
#define SIMPLAYER_H

#include <QHash>
#include <QList>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>

#include <random>

class Monster;
class Pony;
class QMyButton;
class QWidget;
class SimWindow;

// Plays through the window's widgets with mouse presses only, like a person at the screen.
// The passive player never acts. The reference player keeps a pony in the farm and one in
// the mine, sends the others at the monster nearest to the buildings, takes badly hurt
// ponies to the hospital and spends magic on summons, cure, repair and food. The casual
// player does much the same at a person's pace: it looks at the field every few seconds and
// gives at most two commands per look. The newcomer plays as people new to the game were seen
// to play: rarely, one command at a time, with clicks that may land on the wrong unit, and with
// none of the tricks the game does not teach.
class SimPlayer
{
public:
    // The strategies by name: "passive", "casual", "reference", "newcomer".
    static QStringList strategies();
    SimPlayer(SimWindow* window, const QString& strategy, unsigned seed);

    void act();

private:
    enum Strategy { Passive, Casual, Reference, Newcomer };

    void chooseSummons();
    void actLikeAMachine();
    void lookAtTheField();
    bool giveCommand(bool given);
    bool sendToHospital(Pony* pony);
    bool summonNext();
    bool putToWork(Pony* pony);
    bool sendFighter(Pony* pony);

    void lookLikeANewcomer();
    bool pressIfOffered(const QList<QMyButton*>& column, const char* property, const QString& code);
    bool summonTopMost();
    bool takeToHospital(Pony* pony);
    bool keepAtPost(Pony* pony);
    bool sendIdleFighter(Pony* pony);
    bool aim(QWidget* selection, QWidget* target);
    void clickNear(QWidget* widget);
    QWidget* post(const Pony* pony) const;
    QWidget* freeHospitalCell() const;
    bool inHospital(const Pony* pony) const;
    bool standsOn(const Pony* pony, const QWidget* cell) const;
    bool inAFight(const Pony* pony) const;

    bool click(QWidget* widget) const;
    bool press(const QList<QMyButton*>& column, const char* property, const QString& code) const;
    void order(Pony* pony, QWidget* target, bool follow);
    void command(Pony* pony);
    QWidget* cell(int kind, int index) const;
    Monster* mostThreatening() const;
    int weakestBuilding(float* share) const;

    SimWindow* window;
    Strategy strategy;
    // Pony codes, chosen by the rules the kinds carry: what the reference player summons at
    // once, the striker it saves for, what it buys with the rest; the casual player's order.
    QStringList firstSummons;
    QString striker;
    QStringList laterSummons;
    QStringList casualSummons;
    int ticks = 0;
    int nextLook = 0;
    int commandsLeft = 0;
    std::minstd_rand glances;
    QSet<const Pony*> healing;
    std::minstd_rand hand;
    QHash<const Pony*, QPointer<QWidget>> orders;
};

#endif
