#ifndef CATALOGUERULES_H
#define CATALOGUERULES_H

#include <QString>
#include <QStringList>
#include <QVector>

// What one catalogue must hold, in the words its messages use.
struct CatalogueRules
{
    struct Number
    {
        QString key;
        int least = 0; // smaller values make no sense for the key's meaning
        QString belowLeast; // what the game does with a smaller value
        bool zeroWarns = false;
        QString atZero; // what the game does with 0, when zeroWarns
    };

    QString file; // "config/pony.ini"
    QString kind; // "pony"
    QString picture; // "images/%1_ico.png", %1 the code
    bool mayBeEmpty = false;
    QStringList texts; // missing: a warning
    QStringList optionalTexts;
    QVector<Number> numbers; // missing: an error, since the game reads 0
};

#endif
