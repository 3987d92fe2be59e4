#include "monster.h"

#include <QCoreApplication>

Monster::Monster(QWidget* parent)
    : QMyLabel(parent)
{
}

QString Monster::statusText() const
{
    return QCoreApplication::translate("Monster", "Описатель монстра %1 %2").arg(code, name);
}
