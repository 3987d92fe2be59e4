#include "fieldlayers.h"

#include "healthbar.h"
#include "pony.h"
#include "shifteffect.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {
// A gold arrow over the selected pony's head, outlined in the bars' dark green, which stands out
// on the pale fruits and on the buildings alike.
constexpr int kMarkerWidth = 14;
constexpr int kMarkerHeight = 9;
constexpr int kMarkerGap = 2;
const QColor kMarkerFill(255, 215, 40);
const QColor kMarkerOutline(20, 40, 20);
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

bool isPress(const QEvent* event)
{
    return event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
}
}

FieldLayers::FieldLayers(QWidget* field, const std::vector<QRect>& buildingBars)
    : QObject(field)
    , field(field)
    , repaintCover(newRepaintCover())
    , ponyFloor(newFloor())
    , barFloor(newFloor())
    , marker(newSelectionMarker())
    , topFloor(newFloor())
    , fixedBars(buildingBars)
    , fan(field->size())
    , spread(field->width())
{
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

// Beneath the background, where it is never seen: it draws nothing and lets every press through.
QWidget* FieldLayers::newRepaintCover()
{
    QWidget* cover = new QWidget(field);
    cover->setObjectName(QStringLiteral("repaintCover"));
    cover->setGeometry(field->rect());
    cover->setAttribute(Qt::WA_TransparentForMouseEvents);
    cover->lower();
    cover->show();
    return cover;
}

// Qt marks two rectangles of the field for every unit that moves and merges each into the
// field's dirty region, a cost that grows with the square of the moves. Hiding the cover marks
// the whole field at once; Qt finds every later move's rectangles already marked and merges
// nothing. Showing it again only asks for the repaint that is already due. The usual way,
// setUpdatesEnabled(), marks every unit again on its own when updates come back, and Qt then
// searches each one's siblings: at 200 fruits that costs more than the repaint itself.
void FieldLayers::beginManyMoves()
{
    repaintCover->hide();
}

void FieldLayers::endManyMoves()
{
    repaintCover->show();
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
    for (QLabel* label : bar->labels()) {
        putBarInLayer(label);
        letBarTakePresses(label);
    }
    members.push_back({ unit, bar, pony, QRect(), false, 0, nullptr });
    membersChanged = true;
}

void FieldLayers::removeUnit(const HealthBar* bar)
{
    const auto gone = std::find_if(members.begin(), members.end(), [bar](const Member& m) { return m.bar == bar; });
    if (gone == members.end())
        return;
    delete gone->handle;
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
    const Member* member = memberOf(pony);
    const int shift = member ? member->shift : 0;
    marker->move(pony->centerX() + shift - kMarkerWidth / 2, pony->y() - kMarkerHeight - kMarkerGap);
    marker->show();
}

// Walking bars are let down as they go.
bool FieldLayers::recordStanding()
{
    bool moved = false;
    for (Member& member : members) {
        const bool standing = !member.unit->isMoving();
        if (!standing) {
            member.bar->setLift(0, false);
            member.bar->setShift(0, false);
        }
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
    spreadCrowds();
    fanStandingBars();
}

void FieldLayers::spreadCrowds()
{
    spreadUnits.clear();
    for (const Member& member : members)
        spreadUnits.push_back({ member.unit->geometry(), !member.pony, member.standing });
    const std::vector<int>& shifts = spread.shiftsFor(spreadUnits);
    for (std::size_t i = 0; i < members.size(); ++i)
        showShifted(members[i], shifts[i]);
}

void FieldLayers::showShifted(Member& member, int shift)
{
    member.bar->setShift(shift, member.standing);
    // Qt repaints only where the widget now draws: where it was drawn is cleared here.
    if (shift != member.shift) {
        field->update(member.unit->geometry().translated(member.shift, 0));
        field->update(member.unit->geometry().translated(shift, 0));
    }
    // Presses on the place go to whoever is drawn there.
    member.unit->setAttribute(Qt::WA_TransparentForMouseEvents, shift != 0);
    if (shift == 0) {
        if (member.shift != 0) {
            member.unit->setGraphicsEffect(nullptr);
            member.handle->hide();
        }
        member.shift = 0;
        return;
    }
    if (auto* effect = qobject_cast<ShiftEffect*>(member.unit->graphicsEffect()))
        effect->setShift(shift);
    else
        member.unit->setGraphicsEffect(new ShiftEffect(shift));
    if (!member.handle)
        member.handle = newHandle();
    member.handle->setGeometry(member.unit->geometry().translated(shift, 0));
    member.handle->show();
    member.shift = shift;
}

// Unseen, above every picture and beneath the bars: the pictures drawn beside their places never
// lie on each other.
QWidget* FieldLayers::newHandle()
{
    QWidget* handle = new QWidget(field);
    handle->setObjectName(QStringLiteral("unitHandle"));
    handle->stackUnder(marker);
    handle->installEventFilter(this);
    return handle;
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
        member.bar->setLift(fan.liftFor(member.place.translated(member.shift, 0), HealthBar::kHeight), true);
    }
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
    const bool onPicture = pressed == member->unit || pressed == member->handle;
    if (!onPicture || press.button() != Qt::LeftButton)
        return member->unit;
    if (member->pony && ponySelected()) {
        // With a unit selected, a click on an enemy is an attack, whoever stands above it.
        const QPoint point = static_cast<const QWidget*>(pressed)->pos() + press.pos();
        if (QMyLabel* fruit = topFruitAt(point))
            return fruit;
    }
    if (!member->pony && !ponySelected()) {
        if (QMyLabel* pony = topPonyOn(*member))
            return pony;
    }
    return member->unit;
}

const FieldLayers::Member* FieldLayers::memberOf(const QObject* object) const
{
    for (const Member& member : members) {
        if (object == member.unit || object == member.bar->label() || object == member.bar->trackLabel()
            || object == member.bar->sideMarkLabel() || (member.handle && object == member.handle))
            return &member;
    }
    return nullptr;
}

// Fruits lie in the order they came, the last on top.
QMyLabel* FieldLayers::topFruitAt(const QPoint& point) const
{
    for (auto member = members.rbegin(); member != members.rend(); ++member) {
        if (!member->pony && member->unit->geometry().translated(member->shift, 0).contains(point))
            return member->unit;
    }
    return nullptr;
}

// The uppermost of the ponies standing on the fruit's place, wherever the crowd draws them.
QMyLabel* FieldLayers::topPonyOn(const Member& fruit) const
{
    const QObjectList& order = field->children();
    QMyLabel* top = nullptr;
    int topIndex = -1;
    for (const Member& member : members) {
        if (!member.pony || !member.standing || !CrowdSpread::onEachOther(member.unit->geometry(), fruit.unit->geometry()))
            continue;
        const int index = order.indexOf(member.unit);
        if (index > topIndex) {
            top = member.unit;
            topIndex = index;
        }
    }
    return top;
}

bool FieldLayers::ponySelected() const
{
    const Pony* pony = qobject_cast<const Pony*>(topPony.data());
    return pony && pony->isSelected();
}
