#include "gametick.h"

#include "actioncatalogue.h"
#include "fieldlayers.h"
#include "gameevents.h"
#include "gameworld.h"
#include "pony.h"
#include "ponycatalogue.h"
#include "qmybutton.h"

#include <QCoreApplication>
#include <QLabel>

namespace {
constexpr float kStepSeconds = 0.1f;
constexpr int kManyWalkingUnits = 32;

// The texts the tick shows, translated in the context "GameTick".
const char kMagic[] = QT_TRANSLATE_NOOP("GameTick", "Магия: %1");
const char kFood[] = QT_TRANSLATE_NOOP("GameTick", "Еда: %1");
const char kStone[] = QT_TRANSLATE_NOOP("GameTick", "Камень: %1");
const char kAllFruitsIn[] = QT_TRANSLATE_NOOP("GameTick", "Все фрукты на поле");
const char kNextIn[] = QT_TRANSLATE_NOOP("GameTick", "Ещё фруктов: %1 · следующий через %2 с");
const char kNextNow[] = QT_TRANSLATE_NOOP("GameTick", "Ещё фруктов: %1 · следующий сейчас");
const char kDefeat[] = QT_TRANSLATE_NOOP("GameTick", "Поражение!");
const char kVictory[] = QT_TRANSLATE_NOOP("GameTick", "Победа!");
const char kVictoryText[] = QT_TRANSLATE_NOOP("GameTick", "Восставшие фрукты уничтожены, Ольтерия спасена.");

QString translated(const char* text)
{
    return QCoreApplication::translate("GameTick", text);
}

QString progressText(int toCome, int seconds)
{
    if (toCome <= 0)
        return translated(kAllFruitsIn);
    return seconds > 0 ? translated(kNextIn).arg(toCome).arg(seconds) : translated(kNextNow).arg(toCome);
}
}

GameTick::GameTick(GameWorld* world, const PonyCatalogue* ponies, ActionCatalogue* actions, const Screen& screen,
                   GameEvents* events, const Announcer& announceEnd)
    : world(world)
    , ponyCatalogue(ponies)
    , actionCatalogue(actions)
    , screen(screen)
    , events(events)
    , announceEnd(announceEnd)
    , magicText(translated(kMagic))
    , foodText(translated(kFood))
    , stoneText(translated(kStone))
{
    // Shown from the start: the player sees when the first fruit comes before the clock runs.
    refreshProgressLine();
}

void GameTick::run(bool dialogOpen)
{
    reportPause(dialogOpen);
    if (dialogOpen || world->isOver())
        return;
    const bool manyMoves = manyUnitsWalk();
    if (manyMoves)
        screen.layers->beginManyMoves();
    world->step(kStepSeconds);
    if (manyMoves)
        screen.layers->endManyMoves();
    events->reportStep(*world);
    actionCatalogue->tick(kStepSeconds);
    refreshLabels();
    refreshSummonButtons();
    refreshActionButtons();
    refreshStatusLine();
    refreshProgressLine();
    announceEndIfOver();
}

void GameTick::reportPause(bool paused)
{
    if (paused == reportedPause)
        return;
    reportedPause = paused;
    events->reportPause(paused);
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

// A label's text is built and set only when its amount changed: each new text costs a layout
// and a repaint.
void GameTick::refreshLabels()
{
    showAmount(screen.magicLabel, magicText, world->getMagic(), shownMagic);
    showAmount(screen.foodLabel, foodText, world->getFood(), shownFood);
    showAmount(screen.stoneLabel, stoneText, world->getStone(), shownStone);
}

void GameTick::showAmount(QLabel* label, const QString& text, int amount, int& shown)
{
    if (amount == shown)
        return;
    shown = amount;
    label->setText(text.arg(amount));
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

void GameTick::refreshProgressLine()
{
    const int toCome = world->monstersToCome();
    const int seconds = world->secondsToNextMonster();
    if (toCome == shownToCome && seconds == shownSeconds)
        return;
    shownToCome = toCome;
    shownSeconds = seconds;
    screen.progressLabel->setText(progressText(toCome, seconds));
}

// Only the tick whose step ended the game gets here with the game over: the next one returns
// at once, so the end is announced exactly once.
void GameTick::announceEndIfOver()
{
    if (!world->isOver())
        return;
    events->reportEnd(*world);
    if (world->isLost())
        announceEnd(translated(kDefeat), world->defeatText());
    else
        announceEnd(translated(kVictory), translated(kVictoryText));
}
