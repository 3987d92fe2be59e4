#ifndef HEALTHBAR_H
#define HEALTHBAR_H

#include <QLabel>
#include <QList>
#include <QPointer>
#include <QRect>
#include <QString>

class QWidget;

// Health after a change of either sign, as data may give it: between 0 and the maximum
// (0 for a maximum below 0).
inline float boundedHealth(float health, int maxHealth)
{
    if (health > maxHealth)
        health = static_cast<float>(maxHealth);
    return health < 0 ? 0.0f : health;
}

// The 5-pixel bar under a unit or a building. Its width follows the health; it turns red at a
// hit and green again on the second update after the last one. Each colour is a label of its
// own, styled once, and a switch shows the other: a new style sheet would cost Qt a parse and a
// polish of the label at every hit. A faint track of the full width
// lies behind it while it is shorter, so that the empty part shows too. A unit's bar follows its
// picture sideways in a crowd, and may be lifted a few bar heights above its place, where it
// would cover another unit's bar.
class HealthBar
{
public:
    static constexpr int kHeight = 5;
    // The object names of the bar's labels, which tell them apart in the field's widget tree.
    static const char kBarName[];
    static const char kTrackName[];
    static const char kSideMarkName[];
    static QString greenStyle();
    static QString redStyle();
    static QString trackStyle();
    static QString sideMarkStyle();

    // A bar of the full width with its top-left corner at (x, y), shown at once.
    HealthBar(QWidget* parent, int x, int y, int fullWidth, bool red);
    ~HealthBar();
    HealthBar(const HealthBar&) = delete;
    HealthBar& operator=(const HealthBar&) = delete;

    void moveTo(int x, int y);
    void hit();
    // Once per update: the width for the health, and green unless hit since the last update.
    void showHealth(float health, int maxHealth, int fullWidth);
    // A pony's bar starts with a violet mark, a fruit's has none: the sides read at a glance even
    // when both bars are red.
    void addSideMark();
    // The label of the colour shown now.
    QLabel* label() const { return bar; }
    // Every label the bar has: the track, both colours and the side mark if it has one.
    QList<QLabel*> labels() const;
    QLabel* trackLabel() const { return track; }
    QLabel* sideMarkLabel() const { return mark; }
    // Hit since the last update: in a world step, hit by a fruit in this step's fight.
    bool wasHit() const { return hurt; }

    // Where the full bar belongs, and how many bar heights above that it is drawn.
    QRect placeRect() const { return QRect(placeX, placeY, trackWidth, kHeight); }
    int lift() const { return lifted; }
    // Moved at once, or with the next moveTo(): a walking unit's bar moves in every step anyway.
    void setLift(int levels, bool moveNow);
    // Drawn sideways of its place, under its unit's picture when that is shifted in a crowd.
    void setShift(int pixels, bool moveNow);

private:
    void paintRed(bool red);
    void showAt();
    void showTrack(bool show);

    // The labels are the field's children: the field deletes them with itself, the bar when its
    // unit or building goes first. Watched, so that neither deletes a label the other has.
    QPointer<QLabel> track;
    QPointer<QLabel> bar;
    QPointer<QLabel> otherColour;
    QPointer<QLabel> mark;
    int placeX;
    int placeY;
    int trackWidth;
    int lifted = 0;
    int shifted = 0;
    bool hurt = false;
    bool red;
};

#endif
