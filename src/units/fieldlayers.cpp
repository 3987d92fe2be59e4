#include "fieldlayers.h"

#include "healthbar.h"
#include "pony.h"

#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {
// A gold arrow over the selected pony's head, outlined in her frame's green.
constexpr int kMarkerWidth = 14;
constexpr int kMarkerHeight = 9;
constexpr int kMarkerGap = 2;
const QColor kMarkerFill(255, 215, 40);
const QColor kMarkerOutline(40, 100, 40);
// Drawn at twice its size, so that it stays sharp on a screen scaled up to 200 %.
constexpr qreal kMarkerRatio = 2.0;

QPixmap markerPicture()
{
    QPixmap picture(QSize(kMarkerWidth, kMarkerHeight) * kMarkerRatio);
    picture.setDevicePixelRatio(kMarkerRatio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath arrow;
    arrow.moveTo(1, 1);
    arrow.lineTo(kMarkerWidth - 1, 1);
    arrow.lineTo(kMarkerWidth / 2.0, kMarkerHeight - 1);
    arrow.closeSubpath();
    painter.setPen(QPen(kMarkerOutline, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(kMarkerFill);
    painter.drawPath(arrow);
    return picture;
}

// A unit counts as covered when more than half of its picture lies under the other's.
bool covers(const QRect& upper, const QRect& lower)
{
    const QRect common = upper.intersected(lower);
    const qint64 commonArea = static_cast<qint64>(common.width()) * common.height();
    const qint64 lowerArea = static_cast<qint64>(lower.width()) * lower.height();
    return lowerArea > 0 && 2 * commonArea > lowerArea;
}

// Ponies standing on each other show alike: each upper one lets those beneath through.
void setSeeThrough(QWidget* unit, int coveredUnits)
{
    auto* effect = qobject_cast<QGraphicsOpacityEffect*>(unit->graphicsEffect());
    if (coveredUnits == 0) {
        if (effect)
            unit->setGraphicsEffect(nullptr);
        return;
    }
    const qreal opacity = 1.0 / (coveredUnits + 1);
    if (!effect) {
        effect = new QGraphicsOpacityEffect;
        unit->setGraphicsEffect(effect);
    }
    if (!qFuzzyCompare(effect->opacity(), opacity))
        effect->setOpacity(opacity);
}

bool isPress(const QEvent* event)
{
    return event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
}
}

FieldLayers::FieldLayers(QWidget* field)
    : QObject(field)
    , field(field)
    , ponyFloor(newFloor())
    , barFloor(newFloor())
    , marker(newSelectionMarker())
    , topFloor(newFloor())
    , fan(field->size())
    , outlines(field, marker)
{
    // The buildings' long bars stay in the ground, beneath every unit's picture; the units' bars
    // keep clear of them.
    const QList<QLabel*> labels = field->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
    for (const QLabel* label : labels) {
        if (label->objectName() == QLatin1String(HealthBar::kTrackName))
            fixedBars.push_back(label->geometry());
    }
}

FieldLayers* FieldLayers::of(QWidget* field)
{
    if (!field)
        return nullptr;
    FieldLayers* layers = field->findChild<FieldLayers*>(QString(), Qt::FindDirectChildrenOnly);
    return layers ? layers : new FieldLayers(field);
}

// A floor is never shown: it only holds its place among the field's children.
QWidget* FieldLayers::newFloor()
{
    QWidget* floor = new QWidget(field);
    floor->setGeometry(0, 0, 0, 0);
    floor->setAttribute(Qt::WA_TransparentForMouseEvents);
    floor->hide();
    return floor;
}

// Made between the bar floor and the top floor: above every pony, and beneath the bars, which
// are put right under the top floor.
QLabel* FieldLayers::newSelectionMarker()
{
    QLabel* label = new QLabel(field);
    label->setObjectName(QStringLiteral("selectionMarker"));
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->setPixmap(markerPicture());
    label->setGeometry(0, 0, kMarkerWidth, kMarkerHeight);
    label->hide();
    return label;
}

// Beneath topFloor, above every bar put before it: a bar's track, put first, stays beneath it.
void FieldLayers::putBarInLayer(QWidget* label)
{
    label->stackUnder(topFloor);
}

void FieldLayers::letBarTakePresses(QWidget* label)
{
    label->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    label->installEventFilter(this);
}

void FieldLayers::addUnit(QMyLabel* unit, HealthBar* bar)
{
    const bool pony = qobject_cast<Pony*>(unit) != nullptr;
    if (pony) {
        unit->stackUnder(topPony ? topPony.data() : barFloor);
        bar->addSideMark();
    } else {
        unit->stackUnder(ponyFloor);
    }
    unit->installEventFilter(this);
    for (QWidget* label : { static_cast<QWidget*>(bar->trackLabel()), static_cast<QWidget*>(bar->label()),
                            static_cast<QWidget*>(bar->sideMarkLabel()) }) {
        if (!label)
            continue;
        putBarInLayer(label);
        letBarTakePresses(label);
    }
    members.push_back({ unit, bar, pony, QRect(), false });
    membersChanged = true;
}

void FieldLayers::removeUnit(const HealthBar* bar)
{
    const auto gone = std::find_if(members.begin(), members.end(), [bar](const Member& m) { return m.bar == bar; });
    if (gone == members.end())
        return;
    members.erase(gone);
    membersChanged = true;
}

void FieldLayers::bringToTop(QMyLabel* pony)
{
    pony->stackUnder(barFloor);
    topPony = pony;
    membersChanged = true;
    markSelectedPony();
}

void FieldLayers::markSelectedPony()
{
    const Pony* pony = qobject_cast<const Pony*>(topPony.data());
    if (!pony || !pony->isSelected()) {
        marker->hide();
        return;
    }
    marker->move(pony->centerX() - kMarkerWidth / 2, pony->y() - kMarkerHeight - kMarkerGap);
    marker->show();
}

// Walking bars are let down as they go.
bool FieldLayers::recordStanding()
{
    bool moved = false;
    for (Member& member : members) {
        const bool standing = !member.unit->isMoving();
        if (!standing)
            member.bar->setLift(0, false);
        if (standing != member.standing || (standing && member.bar->placeRect() != member.place))
            moved = true;
        member.standing = standing;
    }
    return moved;
}

void FieldLayers::settleBars()
{
    if (!recordStanding() && !membersChanged)
        return;
    membersChanged = false;
    fanStandingBars();
    showCoveredUnits();
}

void FieldLayers::fanStandingBars()
{
    fan.clear();
    for (const QRect& fixed : fixedBars)
        fan.block(fixed);
    for (Member& member : members) {
        if (!member.standing)
            continue;
        member.place = member.bar->placeRect();
        member.bar->setLift(fan.liftFor(member.place, HealthBar::kHeight), true);
    }
}

// Only ponies lie on other units' pictures: fruits are beneath them all. A pony keeps her own
// look over a fruit, whose outline is drawn above her, and lets the ponies she stands on show
// through. A walking unit is drawn as it is; it only passes over the others.
void FieldLayers::showCoveredUnits()
{
    outlines.begin();
    for (const Member& member : members) {
        if (member.pony)
            setSeeThrough(member.unit, member.standing ? poniesCoveredBy(member) : 0);
        else if (member.standing && coveredByAPony(member))
            outlines.outline(member.unit);
    }
    outlines.end();
}

int FieldLayers::poniesCoveredBy(const Member& pony) const
{
    int covered = 0;
    for (const Member& other : members) {
        if (&other != &pony && other.pony && other.standing && covers(pony.unit->geometry(), other.unit->geometry())
            && liesBeneath(other, pony))
            ++covered;
    }
    return covered;
}

bool FieldLayers::coveredByAPony(const Member& fruit) const
{
    return std::any_of(members.begin(), members.end(), [&fruit](const Member& other) {
        return other.pony && other.standing && covers(other.unit->geometry(), fruit.unit->geometry());
    });
}

bool FieldLayers::liesBeneath(const Member& lower, const Member& upper) const
{
    if (!lower.pony)
        return true;
    const QObjectList& order = field->children();
    return order.indexOf(lower.unit) < order.indexOf(upper.unit);
}

// Presses on a unit's picture or on its bar come here first.
bool FieldLayers::eventFilter(QObject* watched, QEvent* event)
{
    if (!isPress(event))
        return false;
    auto* press = static_cast<QMouseEvent*>(event);
    QMyLabel* meant = unitMeantBy(watched, *press);
    if (!meant || meant == watched)
        return false;
    // The unit's own handler turns the press into its click, as if the press had been on it.
    meant->mousePressEvent(press);
    return true;
}

QMyLabel* FieldLayers::unitMeantBy(QObject* pressed, const QMouseEvent& press) const
{
    const Member* member = memberOf(pressed);
    if (!member)
        return nullptr;
    const bool onPonyPicture = member->pony && pressed == member->unit;
    if (onPonyPicture && press.button() == Qt::LeftButton && ponySelected()) {
        // With a unit selected, a click on an enemy is an attack, whoever stands above it.
        const QPoint point = member->unit->pos() + press.pos();
        if (QMyLabel* fruit = topFruitAt(point))
            return fruit;
    }
    return member->unit;
}

const FieldLayers::Member* FieldLayers::memberOf(const QObject* object) const
{
    for (const Member& member : members) {
        if (object == member.unit || object == member.bar->label() || object == member.bar->trackLabel()
            || object == member.bar->sideMarkLabel())
            return &member;
    }
    return nullptr;
}

// Fruits lie in the order they came, the last on top.
QMyLabel* FieldLayers::topFruitAt(const QPoint& point) const
{
    for (auto member = members.rbegin(); member != members.rend(); ++member) {
        if (!member->pony && member->unit->geometry().contains(point))
            return member->unit;
    }
    return nullptr;
}

bool FieldLayers::ponySelected() const
{
    const Pony* pony = qobject_cast<const Pony*>(topPony.data());
    return pony && pony->isSelected();
}
