#include "pony.h"

#include "fieldlayers.h"
#include "numeric.h"

namespace {
const QString kUnselectedStyle = QStringLiteral("border: 1px solid rgb(40,100,40); border-radius: 5px");
const QString kSelectedStyle = QStringLiteral("border: 2px solid rgb(40,100,40); border-radius: 5px");
}

Pony::Pony(QWidget* parent)
    : QMyLabel(parent)
{
}

void Pony::toggleSelected()
{
    selected = !selected;
    applyLook();
    if (selected && fieldLayers())
        fieldLayers()->bringToTop(this);
}

void Pony::applyLook()
{
    if (selected) {
        setStyleSheet(kSelectedStyle);
        setCursor(Qt::ArrowCursor);
    } else {
        setStyleSheet(kUnselectedStyle);
        setCursor(Qt::PointingHandCursor);
    }
}

void Pony::deselect()
{
    if (selected)
        toggleSelected();
}

QString Pony::statusText() const
{
    return name + QStringLiteral(": здоровье ") + QString::number(truncateToInt(health))
        + QLatin1Char('/') + QString::number(maxHealth);
}
