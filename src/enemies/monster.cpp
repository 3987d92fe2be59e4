#include "monster.h"

Monster::Monster(QWidget* parent)
    : QMyLabel(parent)
{
}

QString Monster::statusText() const
{
    return QStringLiteral("Описатель монстра ") + code + QLatin1Char(' ') + name;
}
