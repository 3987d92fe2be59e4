#include "pony.h"

#include "fieldlayers.h"
#include "numeric.h"

#include <QCoreApplication>

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
    // One arg() for all three, so that a "%2" in a modder's name stays as written.
    return QCoreApplication::translate("Pony", "%1: здоровье %2/%3")
        .arg(name, QString::number(truncateToInt(health)), QString::number(maxHealth));
}
