#ifndef CATALOGUERULES_H
#define CATALOGUERULES_H

#include "dataschema.h"
#include "textlanguage.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <limits>

// What one catalogue must hold, in the words its messages use. The keys, the file and the
// picture come from the data schema; the sane ranges of the numbers are the checker's own.
struct CatalogueRules
{
    struct Number
    {
        QString key;
        int least = std::numeric_limits<int>::min(); // smaller values make no sense for the key's meaning
        QString belowLeast; // what the game does with a smaller value
        bool zeroWarns = false;
        QString atZero; // what the game does with 0, when zeroWarns
    };

    template <typename Info>
    CatalogueRules(const DataSchema::Catalogue<Info>& schema, const QString& kind, const QVector<Number>& limits)
        : file(QLatin1String(DataSchema::kConfigFolder) + QLatin1Char('/') + QLatin1String(schema.file))
        , kind(kind)
        , picture(QLatin1String(DataSchema::kImagesFolder) + QLatin1Char('/') + QLatin1String(schema.picture))
    {
        for (const auto& text : schema.texts) {
            (text.expected ? texts : optionalTexts) << QLatin1String(text.key);
            if (text.translated)
                translatedTexts << QLatin1String(text.key);
        }
        for (const auto& number : schema.numbers)
            numbers << limitOf(QLatin1String(number.key), limits);
    }

    QString file; // "config/pony.ini"
    QString kind; // "pony"
    QString picture; // "images/%1_ico.png", %1 the code
    bool mayBeEmpty = false;
    bool fillsAColumn = true; // one button per kind in a column of the window
    QStringList texts; // missing: a warning
    QStringList optionalTexts;
    QStringList translatedTexts; // also given in English as key[en]; a missing one falls back to Russian
    bool englishExpected = false; // a missing English text is a warning (--strict)
    QVector<Number> numbers; // missing: an error, since the game reads 0

    QStringList englishKeys() const
    {
        QStringList keys;
        for (const QString& key : translatedTexts)
            keys << TextLanguage::keyIn(key, TextLanguage::English);
        return keys;
    }

private:
    static Number limitOf(const QString& key, const QVector<Number>& limits)
    {
        for (const Number& limit : limits) {
            if (limit.key == key)
                return limit;
        }
        Number anyWholeNumber;
        anyWholeNumber.key = key;
        return anyWholeNumber;
    }
};

#endif
