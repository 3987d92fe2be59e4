#include "healthbar.h"

#include "looklabel.h"
#include "numeric.h"

#include <utility>

namespace {
// A press on a bar goes to whatever lies beneath it, unless the field lets the bar take presses
// for its unit.
QLabel* newBarLabel(QWidget* parent, const char* name, const QRect& geometry, const QString& style)
{
    QLabel* label = new LookLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->setGeometry(geometry);
    label->setStyleSheet(style);
    return label;
}
}

const char HealthBar::kBarName[] = "healthBar";
const char HealthBar::kTrackName[] = "healthBarTrack";
const char HealthBar::kSideMarkName[] = "healthBarSideMark";

QString HealthBar::greenStyle()
{
    return QStringLiteral("background-color: rgb(0,150,0); border: 1px solid rgb(20,40,20); border-radius: 2px");
}

QString HealthBar::redStyle()
{
    return QStringLiteral("background-color: rgb(150,0,0); border: 1px solid rgb(20,40,20); border-radius: 2px");
}

// Pale and see-through inside, with the bar's own outline faded: the full length reads on the
// field and on the pictures alike, and never as health.
QString HealthBar::trackStyle()
{
    return QStringLiteral(
        "background-color: rgba(255,255,255,120); border: 1px solid rgba(20,40,20,150); border-radius: 2px");
}

// The magic label's violet: the colour of what the player summons.
QString HealthBar::sideMarkStyle()
{
    return QStringLiteral("background-color: rgb(200,50,200); border: 1px solid rgb(20,40,20); border-radius: 2px");
}

// The track is made first, so that it lies right beneath the bar. A full bar covers it, so it
// is shown only while the bar is shorter: the field's many unhurt units draw no track at all.
// The colour not shown lies hidden beside the one shown, and is brought along when it is shown.
HealthBar::HealthBar(QWidget* parent, int x, int y, int fullWidth, bool red)
    : track(newBarLabel(parent, kTrackName, QRect(x, y, fullWidth, kHeight), trackStyle()))
    , bar(newBarLabel(parent, kBarName, QRect(x, y, fullWidth, kHeight), red ? redStyle() : greenStyle()))
    , otherColour(newBarLabel(parent, kBarName, QRect(x, y, fullWidth, kHeight), red ? greenStyle() : redStyle()))
    , placeX(x)
    , placeY(y)
    , trackWidth(fullWidth)
    , red(red)
{
    track->hide();
    otherColour->hide();
    // Polished now, while the unit comes, not at its first hit.
    otherColour->ensurePolished();
    bar->show();
}

// The labels are siblings of their unit or building, not children: they go with the bar, unless
// the field has already deleted them.
HealthBar::~HealthBar()
{
    delete mark.data();
    delete otherColour.data();
    delete bar.data();
    delete track.data();
}

QList<QLabel*> HealthBar::labels() const
{
    QList<QLabel*> all = { track, bar, otherColour };
    if (mark)
        all << mark;
    return all;
}

// Left of the bar, so that the bar keeps its designed look and length.
void HealthBar::addSideMark()
{
    if (mark)
        return;
    mark = newBarLabel(bar->parentWidget(), kSideMarkName, QRect(), sideMarkStyle());
    showAt();
    mark->show();
}

void HealthBar::moveTo(int x, int y)
{
    placeX = x;
    placeY = y;
    showAt();
}

void HealthBar::setLift(int levels, bool moveNow)
{
    if (levels == lifted)
        return;
    lifted = levels;
    if (moveNow)
        showAt();
}

void HealthBar::setShift(int pixels, bool moveNow)
{
    if (pixels == shifted)
        return;
    shifted = pixels;
    if (moveNow)
        showAt();
}

// A hidden track is left behind; it is brought along when it is shown.
void HealthBar::showAt()
{
    const int x = placeX + shifted;
    const int y = placeY - lifted * kHeight;
    bar->move(x, y);
    if (mark)
        mark->setGeometry(x - kHeight, y, kHeight, kHeight);
    if (!track->isHidden())
        track->move(x, y);
}

void HealthBar::showTrack(bool show)
{
    if (show)
        track->setGeometry(bar->x(), bar->y(), trackWidth, kHeight);
    track->setVisible(show);
}

void HealthBar::hit()
{
    if (hurt)
        return;
    hurt = true;
    paintRed(true);
}

void HealthBar::showHealth(float health, int maxHealth, int fullWidth)
{
    // Every geometry change costs Qt a repaint of both rectangles, so an unchanged bar is left alone.
    const int width = barWidth(health, maxHealth, fullWidth);
    if (bar->width() != width || bar->height() != kHeight) {
        bar->resize(width, kHeight);
        trackWidth = fullWidth;
        showTrack(width < fullWidth);
    }
    // A bar stays red for one update after the last hit, then turns green.
    if (hurt)
        hurt = false;
    else
        paintRed(false);
}

void HealthBar::paintRed(bool paint)
{
    if (red == paint)
        return;
    red = paint;
    QLabel* shown = bar;
    std::swap(bar, otherColour);
    bar->setGeometry(shown->geometry());
    bar->show();
    shown->hide();
}
