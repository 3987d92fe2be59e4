#ifndef FIELDLAYERS_H
#define FIELDLAYERS_H

#include "barfan.h"

#include <QObject>
#include <QPointer>
#include <QRect>

#include <vector>

class HealthBar;
class QMyLabel;
class QWidget;

// How the widgets of the field lie on each other, from the bottom: what the field held when its
// layers were made (the background, the buildings), the fruits, the ponies with the selected one
// on top, every health bar, and then all that the field gets later (resource labels, button
// columns, status line). A widget takes its layer once, when it comes or is selected, never in a
// tick. The bars of units standing on each other are fanned upwards (BarFan), units in the order
// they came, once per tick and only when a standing unit has moved, come, gone or stopped. A
// walking unit's bar keeps its own place: it passes over the others, as the unit does.
class FieldLayers : public QObject
{
    Q_OBJECT

public:
    // Made when the field's ground is built: the buildings' bars are lifted into the bars' layer.
    explicit FieldLayers(QWidget* field);

    // The field's layers, made on first use for a field that has none.
    static FieldLayers* of(QWidget* field);

    // A unit that has its bar: a fruit goes beneath the ponies, a pony beneath the selected one.
    void addUnit(QMyLabel* unit, HealthBar* bar);
    void removeUnit(const HealthBar* bar);
    // The selected pony lies above every unit.
    void bringToTop(QMyLabel* pony);
    void settleBars();

private:
    struct Member
    {
        const QMyLabel* unit;
        HealthBar* bar;
        QRect place;
        bool standing;
    };

    QWidget* newFloor();
    void putBarInLayer(QWidget* label);
    bool standingMoved();

    QWidget* field;
    // Hidden markers that part the layers: fruits lie beneath ponyFloor, ponies beneath barFloor,
    // bars beneath topFloor.
    QWidget* ponyFloor;
    QWidget* barFloor;
    QWidget* topFloor;
    QPointer<QMyLabel> topPony;
    std::vector<Member> members;
    std::vector<QRect> fixedBars;
    bool membersChanged = false;
    BarFan fan;
};

#endif
