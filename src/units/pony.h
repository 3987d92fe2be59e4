#ifndef PONY_H
#define PONY_H

#include "qmylabel.h"

// The player's unit: works in buildings, fights monsters, is selected with a left click.
class Pony : public QMyLabel
{
    Q_OBJECT

public:
    explicit Pony(QWidget* parent = nullptr);

    void toggleSelected();
    void deselect();
    // Border and cursor of the current selection state.
    void applyLook();
    bool isSelected() const { return selected; }
    QString statusText() const override;

    QString code;
    QString name;
    QString bonus;

private:
    bool selected = false;
};

#endif
