#ifndef CATALOGUECHECKER_H
#define CATALOGUECHECKER_H

#include "cataloguerules.h"
#include "inifile.h"
#include "initext.h"

#include <QDir>

class LintReport;

// Checks one INI catalogue: reads it with the game's IniFile and says, line by line, what the
// game will make of it. The codes and names it read are kept for the checks across files.
class CatalogueChecker
{
public:
    CatalogueChecker(const CatalogueRules& rules, const QByteArray& bytes, LintReport& report);

    void check();
    QStringList codes() const { return codeList; }
    int lineOfGroup(const QString& code) const { return text.lineOfGroup(code); }
    // The code's picture as the game would find it, for the checks of pictures.
    QString picturePath(const QString& code) const { return rules.picture.arg(code); }

private:
    void checkEncoding();
    void checkHeaders();
    void checkGroup(const QString& code);
    void checkKeys(const QString& code);
    void checkMarkup(const QString& code, const QString& key);
    void checkEnglish(const QString& code);
    bool isOtherLanguage(const QString& key) const;
    void checkGivenOnce(const QString& code, const QString& key);
    void checkNumber(const QString& code, const CatalogueRules::Number& rule);
    void checkColumn();
    QString nearestKey(const QString& key) const;
    QStringList knownKeys() const;

    const CatalogueRules rules;
    const IniText text;
    IniFile file;
    LintReport& report;
    QStringList codeList;
};

#endif
