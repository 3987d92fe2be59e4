#include "textlanguage.h"

#include <QLocale>
#include <QStringList>

namespace {
const char kRussianCode[] = "ru";
const char kEnglishCode[] = "en";
}

TextLanguage::Language TextLanguage::chosen = TextLanguage::Russian;

TextLanguage::Language TextLanguage::choose(const QString& asked, const QLocale& desktop)
{
    if (!asked.isEmpty())
        return asked == QLatin1String(kEnglishCode) ? English : Russian;
    // The C locale (LANG=C, or no locale at all) is Russian, as the game was made, even where
    // LANGUAGE lists English: the C locale asks for no language, as gettext reads it.
    if (desktop.language() == QLocale::C)
        return Russian;
    const QStringList languages = desktop.uiLanguages();
    if (languages.isEmpty())
        return Russian;
    return QLocale(languages.constFirst()).language() == QLocale::English ? English : Russian;
}

bool TextLanguage::isCode(const QString& code)
{
    return code == QLatin1String(kRussianCode) || code == QLatin1String(kEnglishCode);
}

QString TextLanguage::keyIn(const QString& key, Language language)
{
    if (language == Russian)
        return key;
    return key + QLatin1Char('[') + code(language) + QLatin1Char(']');
}

QString TextLanguage::code(Language language)
{
    return QLatin1String(language == English ? kEnglishCode : kRussianCode);
}
