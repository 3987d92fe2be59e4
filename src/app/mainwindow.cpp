#include "mainwindow.h"

#include "actioncatalogue.h"
#include "building.h"
#include "buttoncolumn.h"
#include "dataschema.h"
#include "dialogmenu.h"
#include "dialogunitinfo.h"
#include "gameevents.h"
#include "fieldlayers.h"
#include "gametick.h"
#include "gameworld.h"
#include "monstercatalogue.h"
#include "gamesounds.h"
#include "playercommands.h"
#include "qhalolabel.h"
#include "ponycatalogue.h"
#include "qmybutton.h"
#include "strikeflash.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include <utility>

namespace {
using DataSchema::kFieldHeight;
using DataSchema::kFieldWidth;
constexpr int kTickMilliseconds = 100;
constexpr int kActionColumnX = 10;
constexpr int kSummonColumnX = 970;
const QColor kFieldColour(181, 255, 108, 255);
const char kInfoLabelStyle[] = "background-color: rgba(100,100,100,100); color: rgb(40,40,40); "
                               "border: 3px solid rgb(80,160,80); border-radius: 10px;";
// Under the magic label, in the strip that no building, column or label of the field takes.
const QRect kProgressLine(300, 44, 420, 20);
const char kProgressLineStyle[] = "color: rgb(30, 70, 30)";
}

MainWindow::MainWindow(const Outputs& outputs, QWidget* parent, bool fieldUnderMenu)
    : QMainWindow(parent)
    , outputs(outputs)
{
    setupFormFurniture();
    setGeometry(0, 0, kFieldWidth, kFieldHeight);
    centreOnScreen();
    setWindowTitle(tr("Оборона Ольтерии"));
    // Everything but the fruits' kinds is made first, so that the start menu, whose choice only
    // the fruits' health takes, opens over the whole field.
    world.reset(new GameWorld(this));
    buildGround();
    ponyCatalogue.reset(new PonyCatalogue(this, layers, world.get(), outputs.pictures));
    actionCatalogue.reset(new ActionCatalogue(world.get()));
    buildControls();
    if (fieldUnderMenu)
        show();
    const bool easyMode = runStartMenu();

    monsterCatalogue.reset(new MonsterCatalogue(this, layers, world.get(), outputs.pictures, easyMode));
    world->setCatalogues(monsterCatalogue.get(), ponyCatalogue.get());
    events.reset(new GameEvents);
    sounds = GameSounds::forGame(outputs.sound, ponyCatalogue->codes(), monsterCatalogue->codes(), actionCatalogue->codes());
    sounds->listenTo(*events);
    commands.reset(new PlayerCommands(this, world.get(), ponyCatalogue.get(), monsterCatalogue.get(),
                                      actionCatalogue.get(), events.get()));
    createStrikeFlash();
    startGameTimer();
}

// The units, buildings and buttons are children of the window; the world and the
// catalogues only point at them and release nothing but themselves.
MainWindow::~MainWindow() = default;

// The background, the buildings and, above them, the layers that the catalogues' units join.
void MainWindow::buildGround()
{
    createBackground();
    Building::createAll(this, world.get(), outputs.pictures);
    std::vector<QRect> buildingBars;
    for (const Building* building : world->buildings())
        buildingBars.push_back(building->healthBarPlace());
    layers = new FieldLayers(this, buildingBars);
}

// Made after the layers, so that the columns and the labels lie above every unit.
void MainWindow::buildControls()
{
    buildActionColumn();
    buildSummonColumn();
    magicLabel = createResourceLabel(300);
    magicLabel->setStyleSheet(QStringLiteral("color: rgb(200, 50, 200)"));
    foodLabel = createResourceLabel(500);
    foodLabel->setStyleSheet(QStringLiteral("color: rgb(200, 50, 50)"));
    stoneLabel = createResourceLabel(650);
    stoneLabel->setStyleSheet(QStringLiteral("color: rgb(40, 40, 40)"));
    createInfoLabel();
    createProgressLabel();
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
    DialogMenu menu(this);
    menu.exec();
    return menu.easyMode;
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
        [this](const QString& code) { return outputs.pictures.load(DataSchema::imagePath(DataSchema::actions().picturePath(code))); },
        [this](const QString& code) { return actionCatalogue->name(code); });
    for (QMyButton* button : std::as_const(actionButtons))
        connect(button, &QMyButton::clicked_ex, this, &MainWindow::action_clicked_ex);
}

void MainWindow::buildSummonColumn()
{
    ponyButtons = ButtonColumn::build(
        this, kSummonColumnX, ponyCatalogue->codes(), "ponycode",
        [this](const QString& code) { return outputs.pictures.load(DataSchema::imagePath(DataSchema::ponies().picturePath(code))); },
        [this](const QString& code) { return tr("Призыв %1").arg(ponyCatalogue->name(code)); });
    for (QMyButton* button : std::as_const(ponyButtons))
        connect(button, &QMyButton::clicked_ex, this, &MainWindow::create_clicked_ex);
}

QLabel* MainWindow::createResourceLabel(int x)
{
    QLabel* label = new QHaloLabel(this);
    label->setGeometry(x, 20, 200, 20);
    // A label of fixed size changes no layout when its text changes, as the stores do often.
    label->setFixedSize(label->size());
    QFont font = label->font();
    font.setWeight(QFont::Bold);
    font.setPointSize(16);
    label->setFont(font);
    return label;
}

void MainWindow::createInfoLabel()
{
    infoLabel = new QHaloLabel(this);
    infoLabel->setGeometry(20, 730, 984, 33);
    infoLabel->setFixedSize(infoLabel->size());
    QFont font = infoLabel->font();
    font.setPointSize(15);
    infoLabel->setFont(font);
    infoLabel->setAlignment(Qt::AlignCenter);
    infoLabel->setStyleSheet(QString::fromUtf8(kInfoLabelStyle));
    infoLabel->hide();
}

void MainWindow::createProgressLabel()
{
    progressLabel = new QHaloLabel(this);
    progressLabel->setGeometry(kProgressLine);
    progressLabel->setFixedSize(progressLabel->size());
    QFont font = progressLabel->font();
    font.setPointSize(11);
    progressLabel->setFont(font);
    progressLabel->setStyleSheet(QString::fromUtf8(kProgressLineStyle));
}

void MainWindow::createStrikeFlash()
{
    StrikeFlash* flash = new StrikeFlash(this);
    connect(events.get(), &GameEvents::fruitsStruck, flash, &StrikeFlash::strike);
}

void MainWindow::startGameTimer()
{
    const GameTick::Screen screen = { layers, magicLabel, foodLabel, stoneLabel, infoLabel, progressLabel, ponyButtons, actionButtons };
    gameTick.reset(new GameTick(world.get(), ponyCatalogue.get(), actionCatalogue.get(), screen, events.get(),
                                [this](const QString& title, const QString& text) { announceEnd(title, text); }));
    gameTimer = new QTimer(this);
    connect(gameTimer, &QTimer::timeout, this, &MainWindow::slotUpdateGame);
    gameTimer->start(kTickMilliseconds);
}

void MainWindow::tick()
{
    gameTick->run(DialogUnitInfo::isAnyOpen());
    layers->settleBars();
    layers->markSelectedPony();
}

void MainWindow::holdClock()
{
    gameTimer->stop();
}

void MainWindow::announceEnd(const QString& title, const QString& text)
{
    // Parented to the window, so that it is centred over the field and goes with it.
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, this);
    const QAbstractButton* newGameButton = box.addButton(tr("Новая игра"), QMessageBox::ActionRole);
    // A defeat names the pony or building as the data writes it, never as markup.
    box.setTextFormat(Qt::PlainText);
    // Enter and Escape still mean the box's own button.
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
    if (box.clickedButton() == newGameButton && newGame.launch())
        close();
}

void MainWindow::mousePressEvent(QMouseEvent* event)
{
    commands->fieldPressed(event);
}

void MainWindow::pony_clicked(QMyLabel* sender, bool isleft)
{
    commands->ponyClicked(sender, isleft);
}

void MainWindow::create_clicked_ex(QMyButton* sender, bool isleft)
{
    commands->summonButtonClicked(sender, isleft);
}

void MainWindow::slotUpdateGame()
{
    tick();
}

void MainWindow::action_clicked_ex(QMyButton* sender, bool isleft)
{
    commands->actionButtonClicked(sender, isleft);
}

void MainWindow::building_cell_clicked(QClickLabel* sender, bool isleft)
{
    commands->cellClicked(sender, isleft);
}

void MainWindow::monster_clicked(QMyLabel* sender, bool isleft)
{
    commands->monsterClicked(sender, isleft);
}
