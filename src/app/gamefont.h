#ifndef GAMEFONT_H
#define GAMEFONT_H

#include <QApplication>
#include <QFont>

// The window and its dialogs are laid out for Arial's metrics; with a wider default font the
// start menu's rules run past their label and its buttons cut their texts. Liberation Sans
// has Arial's metrics. Where it is missing, Qt falls back to the platform's font.
inline void useGameFont()
{
    QFont font = QApplication::font();
    font.setFamily(QStringLiteral("Liberation Sans"));
    QApplication::setFont(font);
}

#endif
