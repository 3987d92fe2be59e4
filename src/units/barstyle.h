#ifndef BARSTYLE_H
#define BARSTYLE_H

#include <QString>
#include <QWidget>

// Looks of the health bars under units and buildings: green when well, red after a hit.
inline QString greenBarStyle()
{
    return QStringLiteral("background-color: rgb(0,150,0); border: 1px solid rgb(20,40,20); border-radius: 2px");
}

inline QString redBarStyle()
{
    return QStringLiteral("background-color: rgb(150,0,0); border: 1px solid rgb(20,40,20); border-radius: 2px");
}

// Setting a style sheet re-polishes the widget, so bars updated every tick only get a new
// one when their colour really changes.
inline void setStyleIfChanged(QWidget* widget, const QString& style)
{
    if (widget->styleSheet() != style)
        widget->setStyleSheet(style);
}

#endif
