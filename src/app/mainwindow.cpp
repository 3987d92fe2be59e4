#include "mainwindow.h"

#include "actioncatalogue.h"
#include "building.h"
#include "buttoncolumn.h"
#include "dialogmenu.h"
#include "dialogunitinfo.h"
#include "gameworld.h"
#include "monster.h"
#include "monstercatalogue.h"
#include "pony.h"
#include "ponycatalogue.h"
#include "qclicklabel.h"
#include "qmybutton.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

namespace {
constexpr int kFieldWidth = 1024;
constexpr int kFieldHeight = 768;
constexpr int kTickMilliseconds = 100;
constexpr float kStepSeconds = 0.1f;
constexpr int kActionColumnX = 10;
constexpr int kSummonColumnX = 970;
constexpr int kManyWalkingUnits = 32;
const QColor kFieldColour(181, 255, 108, 255);
const char kInfoLabelStyle[] = "background-color: rgba(100,100,100,100); color: rgb(40,40,40); "
                               "border: 3px solid rgb(80,160,80); border-radius: 10px;";
}

int MainWindow::openDialogCount = 0;

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
{
    setupFormFurniture();
    openDialogCount = 0;
    setGeometry(0, 0, kFieldWidth, kFieldHeight);
    centreOnScreen();
    setWindowTitle(QStringLiteral("Оборона Ольтерии"));
    const bool easyMode = runStartMenu();

    world.reset(new GameWorld(this));
    ponyCatalogue.reset(new PonyCatalogue(this, world.get()));
    monsterCatalogue.reset(new MonsterCatalogue(this, world.get(), easyMode));
    world->setCatalogues(monsterCatalogue.get(), ponyCatalogue.get());
    actionCatalogue.reset(new ActionCatalogue(world.get()));

    createBackground();
    Building::createAll(this, world.get());
    buildActionColumn();
    buildSummonColumn();
    magicLabel = createResourceLabel(300);
    magicLabel->setStyleSheet(QStringLiteral("color: rgb(200, 50, 200)"));
    foodLabel = createResourceLabel(500);
    foodLabel->setStyleSheet(QStringLiteral("color: rgb(200, 50, 50)"));
    stoneLabel = createResourceLabel(650);
    stoneLabel->setStyleSheet(QStringLiteral("color: rgb(40, 40, 40)"));
    createInfoLabel();
    startGameTimer();
}

// The units, buildings and buttons are children of the window; the world and the
// catalogues only point at them and release nothing but themselves.
MainWindow::~MainWindow() = default;

void MainWindow::dialogOpened()
{
    ++openDialogCount;
}

void MainWindow::dialogClosed()
{
    --openDialogCount;
}

bool MainWindow::isDialogOpen()
{
    return openDialogCount > 0;
}

int MainWindow::columnCapacity()
{
    return ButtonColumn::capacity(kFieldHeight);
}

// The window's form gives it a menu bar, a tool bar, a status bar and a central widget with
// one button; the field covers them all and they do nothing.
void MainWindow::setupFormFurniture()
{
    QWidget* centralWidget = new QWidget(this);
    QPushButton* pushButton = new QPushButton(centralWidget);
    pushButton->setGeometry(420, 60, 75, 23);
    pushButton->setText(QStringLiteral("PushButton"));
    setCentralWidget(centralWidget);
    QMenuBar* menuBar = new QMenuBar(this);
    menuBar->setGeometry(0, 0, 704, 21);
    setMenuBar(menuBar);
    addToolBar(Qt::TopToolBarArea, new QToolBar(this));
    setStatusBar(new QStatusBar(this));
    setWindowTitle(QStringLiteral("MainWindow"));
}

void MainWindow::centreOnScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

bool MainWindow::runStartMenu()
{
    DialogMenu* menu = new DialogMenu(this);
    menu->exec();
    const bool easyMode = menu->easyMode;
    delete menu;
    return easyMode;
}

void MainWindow::createBackground()
{
    QLabel* background = new QLabel(this);
    background->setGeometry(0, 0, kFieldWidth, kFieldHeight);
    QPixmap field(kFieldWidth, kFieldHeight);
    field.fill(kFieldColour);
    background->setPixmap(field);
}

void MainWindow::buildActionColumn()
{
    actionButtons = ButtonColumn::build(
        this, kActionColumnX, actionCatalogue->codes(), "actioncode",
        [](const QString& code) { return QStringLiteral("../images/action_") + code + QStringLiteral(".png"); },
        [this](const QString& code) { return actionCatalogue->name(code); });
    for (QMyButton* button : qAsConst(actionButtons))
        connect(button, &QMyButton::clicked_ex, this, &MainWindow::action_clicked_ex);
}

void MainWindow::buildSummonColumn()
{
    ponyButtons = ButtonColumn::build(
        this, kSummonColumnX, ponyCatalogue->codes(), "ponycode",
        [](const QString& code) { return QStringLiteral("../images/") + code + QStringLiteral("_ico.png"); },
        [this](const QString& code) { return QStringLiteral("Призыв ") + ponyCatalogue->name(code); });
    for (QMyButton* button : qAsConst(ponyButtons))
        connect(button, &QMyButton::clicked_ex, this, &MainWindow::create_clicked_ex);
}

QLabel* MainWindow::createResourceLabel(int x)
{
    QLabel* label = new QLabel(this);
    label->setGeometry(x, 20, 200, 20);
    QFont font = label->font();
    font.setWeight(75);
    font.setPointSize(16);
    label->setFont(font);
    return label;
}

void MainWindow::createInfoLabel()
{
    infoLabel = new QLabel(this);
    infoLabel->setGeometry(20, 730, 984, 33);
    QFont font = infoLabel->font();
    font.setPointSize(15);
    infoLabel->setFont(font);
    infoLabel->setAlignment(Qt::AlignCenter);
    infoLabel->setStyleSheet(QString::fromUtf8(kInfoLabelStyle));
    infoLabel->hide();
}

void MainWindow::startGameTimer()
{
    QTimer* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &MainWindow::slotUpdateGame);
    timer->start(kTickMilliseconds);
}

void MainWindow::slotUpdateGame()
{
    // Paused while an information dialog exists; frozen once the game has ended.
    if (openDialogCount > 0)
        return;
    if (world->isOver())
        return;
    const bool manyMoves = manyUnitsWalk();
    if (manyMoves)
        holdFieldUpdates(true);
    world->step(kStepSeconds);
    if (manyMoves)
        holdFieldUpdates(false);
    actionCatalogue->tick(kStepSeconds);
    refreshLabels();
    refreshSummonButtons();
    refreshActionButtons();
    refreshStatusLine();
    if (!world->isOver())
        return;
    if (world->isLost())
        announceEnd(QStringLiteral("Поражение!"), world->defeatText());
    else
        announceEnd(QStringLiteral("Победа!"), QStringLiteral("Восставшие фрукты уничтожены, Ольтерия спасена."));
}

// Qt merges two rectangles per moved widget into the window's dirty region and clips every
// widget of the repaint against it, a cost that grows with the square of the moves. Many
// moves are cheaper as one repaint of the whole window, a few as Qt's own small repaints;
// a field of standing units with a few walking ones must not repaint every standing one.
bool MainWindow::manyUnitsWalk() const
{
    const int walking = world->walkingUnits();
    return walking >= kManyWalkingUnits && 3 * walking >= world->units();
}

// While the step moves the units, the field's updates are held and the window is then marked
// dirty once. The attribute is set directly, because setUpdatesEnabled(true) would also mark
// every child dirty on its own, which costs Qt a search of its siblings per child.
void MainWindow::holdFieldUpdates(bool hold)
{
    setAttribute(Qt::WA_UpdatesDisabled, hold);
    for (QObject* child : children()) {
        if (child->isWidgetType() && !static_cast<QWidget*>(child)->isWindow())
            static_cast<QWidget*>(child)->setAttribute(Qt::WA_UpdatesDisabled, hold);
    }
    if (!hold)
        update();
}

void MainWindow::announceEnd(const QString& title, const QString& text)
{
    QMessageBox::information(nullptr, title, text, QMessageBox::Ok, QMessageBox::NoButton);
}

void MainWindow::refreshLabels()
{
    magicLabel->setText(QStringLiteral("Магия: ") + QString::number(world->getMagic()));
    foodLabel->setText(QStringLiteral("Еда: ") + QString::number(world->getFood()));
    stoneLabel->setText(QStringLiteral("Камень: ") + QString::number(world->getStone()));
}

void MainWindow::refreshSummonButtons()
{
    const QStringList codes = ponyCatalogue->codes();
    for (int i = 0; i < codes.size() && i < ponyButtons.size(); ++i) {
        QMyButton* button = ponyButtons.at(i);
        // Each pony can be summoned once: its button goes for the rest of the game.
        if (world->hasPony(codes.at(i))) {
            button->hide();
        } else {
            button->show();
            button->setEnabled(ponyCatalogue->canSummon(codes.at(i)));
        }
    }
}

void MainWindow::refreshActionButtons()
{
    const QStringList codes = actionCatalogue->codes();
    for (int i = 0; i < codes.size() && i < actionButtons.size(); ++i) {
        QMyButton* button = actionButtons.at(i);
        button->setEnabled(actionCatalogue->canUse(codes.at(i)));
        button->setVisible(actionCatalogue->isReady(codes.at(i)));
    }
}

void MainWindow::refreshStatusLine()
{
    const Pony* pony = world->selectedPony();
    if (pony)
        infoLabel->setText(pony->statusText());
    infoLabel->setVisible(pony != nullptr);
}

void MainWindow::sendSelectedPonyTo(int x, int y)
{
    if (Pony* pony = world->selectedPony())
        pony->moveTo(x, y);
}

void MainWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        sendSelectedPonyTo(event->pos().x(), event->pos().y());
}

void MainWindow::pony_clicked(QMyLabel* sender, bool isleft)
{
    Pony* pony = qobject_cast<Pony*>(sender);
    if (!pony)
        return;
    if (isleft)
        world->selectPony(pony);
    else
        DialogUnitInfo::showUnitInfo(this, pony->name, ponyCatalogue->infoText(pony->code));
}

void MainWindow::create_clicked_ex(QMyButton* sender, bool isleft)
{
    const QString code = sender->property("ponycode").toString();
    if (!isleft) {
        DialogUnitInfo::showUnitInfo(this, ponyCatalogue->name(code), ponyCatalogue->infoText(code));
        return;
    }
    Pony* pony = ponyCatalogue->createPony(code);
    if (!pony)
        return;
    connect(pony, &QMyLabel::clicked, this, &MainWindow::pony_clicked);
    world->addPony(pony);
}

void MainWindow::action_clicked_ex(QMyButton* sender, bool isleft)
{
    const QString code = sender->property("actioncode").toString();
    if (isleft)
        actionCatalogue->apply(code);
    else
        DialogUnitInfo::showUnitInfo(this, actionCatalogue->name(code), actionCatalogue->infoText(code));
}

void MainWindow::building_cell_clicked(QClickLabel* sender, bool isleft)
{
    if (isleft)
        sendSelectedPonyTo(sender->centerX(), sender->centerY());
}

void MainWindow::monster_clicked(QMyLabel* sender, bool isleft)
{
    if (isleft) {
        sendSelectedPonyTo(sender->centerX(), sender->centerY());
        return;
    }
    const Monster* monster = qobject_cast<Monster*>(sender);
    if (monster)
        DialogUnitInfo::showUnitInfo(this, monster->name, monsterCatalogue->infoText(monster->code));
}
