#include "healthbar.h"

#include "numeric.h"

#include <QLabel>

namespace {
constexpr int kBarHeight = 5;
}

QString HealthBar::greenStyle()
{
    return QStringLiteral("background-color: rgb(0,150,0); border: 1px solid rgb(20,40,20); border-radius: 2px");
}

QString HealthBar::redStyle()
{
    return QStringLiteral("background-color: rgb(150,0,0); border: 1px solid rgb(20,40,20); border-radius: 2px");
}

HealthBar::HealthBar(QWidget* parent, int x, int y, int fullWidth, bool red)
    : bar(new QLabel(parent))
    , red(red)
{
    bar->setGeometry(x, y, fullWidth, kBarHeight);
    bar->setStyleSheet(red ? redStyle() : greenStyle());
    bar->show();
}

// The label is a sibling of its unit or building, not a child: it goes with the bar.
HealthBar::~HealthBar()
{
    delete bar;
}

void HealthBar::moveTo(int x, int y)
{
    bar->move(x, y);
}

void HealthBar::hit()
{
    if (hurt)
        return;
    hurt = true;
    paintRed(true);
}

void HealthBar::update(float health, int maxHealth, int fullWidth)
{
    // Every geometry change costs Qt a repaint of both rectangles, so an unchanged bar is left alone.
    const int width = barWidth(health, maxHealth, fullWidth);
    if (bar->width() != width || bar->height() != kBarHeight)
        bar->resize(width, kBarHeight);
    // A bar stays red for one update after the last hit, then turns green.
    if (hurt)
        hurt = false;
    else
        paintRed(false);
}

void HealthBar::paintRed(bool paint)
{
    // Setting a style sheet re-polishes the label: the colour is remembered, so that a step
    // sets one only when the colour changes and never compares style sheets as text.
    if (red == paint)
        return;
    red = paint;
    bar->setStyleSheet(red ? redStyle() : greenStyle());
}
