#ifndef TEXTLANGUAGE_H
#define TEXTLANGUAGE_H

#include <QString>

class QLocale;

// The language the game speaks: Russian, its own, or English, a translation. It is chosen once at
// start; the window's texts come from Qt's translator for it, the catalogues' names and
// descriptions from the keys of its language, Russian standing in for a missing English text.
class TextLanguage
{
public:
    enum Language { Russian, English };

    // The language the player asked for with --lang ("ru", "en"; empty: none), else the
    // desktop's: English when its first interface language is English, Russian otherwise.
    static Language choose(const QString& asked, const QLocale& desktop);
    static bool isCode(const QString& code);

    static Language current() { return chosen; }
    static void setCurrent(Language language) { chosen = language; }

    // A translated catalogue key in the language: "Name" in Russian, "Name[en]" in English.
    static QString keyIn(const QString& key, Language language);
    // The language's code, as --lang and the catalogue keys write it.
    static QString code(Language language);

private:
    static Language chosen;
};

#endif
