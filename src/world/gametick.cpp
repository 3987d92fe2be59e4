#include "gametick.h"

#include "actioncatalogue.h"
#include "gamesounds.h"
#include "gameworld.h"
#include "pony.h"
#include "ponycatalogue.h"
#include "qmybutton.h"

#include <QLabel>

namespace {
constexpr float kStepSeconds = 0.1f;
constexpr int kManyWalkingUnits = 32;
}

GameTick::GameTick(GameWorld* world, const PonyCatalogue* ponies, ActionCatalogue* actions, const Screen& screen,
                   GameSounds* sounds, const Announcer& announceEnd)
    : world(world)
    , ponyCatalogue(ponies)
    , actionCatalogue(actions)
    , screen(screen)
    , sounds(sounds)
    , announceEnd(announceEnd)
{
}

void GameTick::run(bool dialogOpen)
{
    sounds->pause(dialogOpen);
    if (dialogOpen || world->isOver())
        return;
    const bool manyMoves = manyUnitsWalk();
    if (manyMoves)
        holdFieldUpdates(true);
    world->step(kStepSeconds);
    if (manyMoves)
        holdFieldUpdates(false);
    sounds->stepped(*world);
    actionCatalogue->tick(kStepSeconds);
    refreshLabels();
    refreshSummonButtons();
    refreshActionButtons();
    refreshStatusLine();
    announceEndIfOver();
}

// Qt merges two rectangles per moved widget into the window's dirty region and clips every
// widget of the repaint against it, a cost that grows with the square of the moves. Many
// moves are cheaper as one repaint of the whole window, a few as Qt's own small repaints;
// a field of standing units with a few walking ones must not repaint every standing one.
bool GameTick::manyUnitsWalk() const
{
    const int walking = world->walkingUnits();
    return walking >= kManyWalkingUnits && 3 * walking >= world->units();
}

// While the step moves the units, the field's updates are held and the window is then marked
// dirty once. The attribute is set directly, because setUpdatesEnabled(true) would also mark
// every child dirty on its own, which costs Qt a search of its siblings per child.
void GameTick::holdFieldUpdates(bool hold)
{
    screen.field->setAttribute(Qt::WA_UpdatesDisabled, hold);
    for (QObject* child : screen.field->children()) {
        if (child->isWidgetType() && !static_cast<QWidget*>(child)->isWindow())
            static_cast<QWidget*>(child)->setAttribute(Qt::WA_UpdatesDisabled, hold);
    }
    if (!hold)
        screen.field->update();
}

void GameTick::refreshLabels()
{
    screen.magicLabel->setText(QStringLiteral("Магия: ") + QString::number(world->getMagic()));
    screen.foodLabel->setText(QStringLiteral("Еда: ") + QString::number(world->getFood()));
    screen.stoneLabel->setText(QStringLiteral("Камень: ") + QString::number(world->getStone()));
}

void GameTick::refreshSummonButtons()
{
    const QStringList codes = ponyCatalogue->codes();
    for (int i = 0; i < codes.size() && i < screen.ponyButtons.size(); ++i) {
        QMyButton* button = screen.ponyButtons.at(i);
        // Each pony can be summoned once: its button goes for the rest of the game.
        if (world->hasPony(codes.at(i))) {
            button->hide();
        } else {
            button->show();
            button->setEnabled(ponyCatalogue->canSummon(codes.at(i)));
        }
    }
}

void GameTick::refreshActionButtons()
{
    const QStringList codes = actionCatalogue->codes();
    for (int i = 0; i < codes.size() && i < screen.actionButtons.size(); ++i) {
        QMyButton* button = screen.actionButtons.at(i);
        button->setEnabled(actionCatalogue->canUse(codes.at(i)));
        button->setVisible(actionCatalogue->isReady(codes.at(i)));
    }
}

void GameTick::refreshStatusLine()
{
    const Pony* pony = world->selectedPony();
    if (pony)
        screen.infoLabel->setText(pony->statusText());
    screen.infoLabel->setVisible(pony != nullptr);
}

// Only the tick whose step ended the game gets here with the game over: the next one returns
// at once, so the end is announced exactly once.
void GameTick::announceEndIfOver()
{
    if (!world->isOver())
        return;
    sounds->ended(*world);
    if (world->isLost())
        announceEnd(QStringLiteral("Поражение!"), world->defeatText());
    else
        announceEnd(QStringLiteral("Победа!"), QStringLiteral("Восставшие фрукты уничтожены, Ольтерия спасена."));
}
