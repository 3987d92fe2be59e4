#ifndef MONSTER_H
#define MONSTER_H

#include "qmylabel.h"

// A risen fruit on the field: walks to the buildings and fights whatever it reaches.
class Monster : public QMyLabel
{
    Q_OBJECT

public:
    explicit Monster(QWidget* parent = nullptr);

    QString statusText() const override;

    QString code;
    QString name;
    // Set in a step in which the monster hit something; the next step's walk reads it.
    bool attacking = false;
};

#endif
