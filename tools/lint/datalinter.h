#ifndef DATALINTER_H
#define DATALINTER_H

#include "cataloguerules.h"
#include "lintreport.h"

#include <QDir>

class CatalogueChecker;

// Checks a whole data folder (config/ and images/) the way the game will read it.
class DataLinter
{
public:
    // strict: also warn about what is merely incomplete (a missing English text).
    DataLinter(const QDir& dataDir, bool strict);

    void run();
    const LintReport& report() const { return findings; }

private:
    // The bytes of the file, read as the game reads it (never past limit), or a null array after
    // reporting why the game cannot read it.
    QByteArray readFile(const QString& relPath, qint64 limit, const QString& withoutIt);
    QStringList checkCatalogue(const CatalogueRules& rules, const QString& withoutIt);
    void checkPicture(const QString& relPath, const QString& shownFor);
    void checkSharpPictures();
    void checkSounds();
    void checkStartMenu();

    const QDir dataDir;
    const bool strict;
    LintReport findings;
};

#endif
