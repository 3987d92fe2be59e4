#ifndef ACTIONINFO_H
#define ACTIONINFO_H

#include <QString>

// The effect of an action, taken from its code. Unknown codes have no effect.
enum class ActionKind {
    Cure = 0,
    Repair = 1,
    IncFood = 2,
    IncStone = 3,
    None = 4,
};

// One action as the action file describes it.
struct ActionInfo
{
    ActionKind kind = ActionKind::None;
    QString name;
    QString descr;
    int needMagic = 0;
    int value = 0;
};

#endif
