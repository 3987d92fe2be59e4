#ifndef FIELDLAYERS_H
#define FIELDLAYERS_H

#include "barfan.h"
#include "crowdspread.h"

#include <QObject>
#include <QPointer>
#include <QRect>

#include <vector>

class HealthBar;
class QLabel;
class QMouseEvent;
class QMyLabel;
class QWidget;

// How the widgets of the field lie on each other, from the bottom: what the field held when its
// layers were made (the background, the buildings with their long bars), the fruits, the ponies
// with the selected one on top, every unit's health bar and the selected pony's marker, and then
// all that the field gets later (resource labels, button columns, status line). A widget takes
// its layer once, when it comes or is selected, never in a tick. The bars of units standing on
// each other are spread out side by side (CrowdSpread), each with its bar, and bars that still
// meet are fanned upwards (BarFan), units in the order they came, once per tick and only when a
// standing unit has moved, come, gone or stopped. A walking unit is drawn at its place, and so is
// its bar: it passes over the others.
//
// The layers also decide which unit a press means. A unit drawn beside its place takes presses
// there, through a handle, and lets those on its place through. A unit's bar takes presses for
// its unit. With a pony selected, a left press on a pony's picture over a fruit is a command at
// that fruit, not a new selection; with none, a left press on a fruit that ponies stand on
// selects the uppermost of them.
class FieldLayers : public QObject
{
    Q_OBJECT

public:
    // Made when the field's ground is built, with the rectangles of the buildings' long bars,
    // which stay in the ground and which the units' bars keep clear of.
    FieldLayers(QWidget* field, const std::vector<QRect>& buildingBars);

    // A unit that has its bar: a fruit goes beneath the ponies, a pony beneath the selected one.
    void addUnit(QMyLabel* unit, HealthBar* bar);
    void removeUnit(const HealthBar* bar);
    // The selected pony lies above every unit and carries the marker.
    void bringToTop(QMyLabel* pony);
    void settleBars();
    // Once a tick: the marker follows the selected pony as she walks.
    void markSelectedPony();
    // A tick that moves many units repaints the whole field once, between these two calls.
    void beginManyMoves();
    void endManyMoves();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Member
    {
        QMyLabel* unit;
        HealthBar* bar;
        bool pony;
        QRect place;
        bool standing;
        int shift;
        // Takes the presses on the picture while it is drawn beside its place.
        QWidget* handle;
    };

    QWidget* newFloor();
    QWidget* newRepaintCover();
    QLabel* newSelectionMarker();
    void putBarInLayer(QWidget* label);
    void letBarTakePresses(QWidget* label);
    // Notes who stands now; true when a standing unit moved, stopped or started walking.
    bool recordStanding();
    void spreadCrowds();
    void showShifted(Member& member, int shift);
    QWidget* newHandle();
    void fanStandingBars();
    QMyLabel* unitMeantBy(QObject* pressed, const QMouseEvent& press) const;
    const Member* memberOf(const QObject* object) const;
    QMyLabel* topFruitAt(const QPoint& point) const;
    QMyLabel* topPonyOn(const Member& fruit) const;
    bool ponySelected() const;

    QWidget* field;
    // A see-through widget the size of the field, beneath everything; hidden only while many
    // units move.
    QWidget* repaintCover;
    // Hidden markers that part the layers: fruits lie beneath ponyFloor, ponies beneath barFloor,
    // bars beneath topFloor.
    QWidget* ponyFloor;
    QWidget* barFloor;
    QLabel* marker;
    QWidget* topFloor;
    QPointer<QMyLabel> topPony;
    std::vector<Member> members;
    std::vector<QRect> fixedBars;
    bool membersChanged = false;
    BarFan fan;
    CrowdSpread spread;
    std::vector<CrowdSpread::Unit> spreadUnits;
};

#endif
