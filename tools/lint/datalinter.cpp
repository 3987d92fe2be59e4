#include "datalinter.h"

#include "cataloguechecker.h"
#include "dialogmenu.h"
#include "pictureloader.h"
#include "schedulechecker.h"

#include <QFile>
#include <QFileInfo>

namespace {
const QString kPicturesBecome = QStringLiteral("the game shows %1 without a picture");

CatalogueRules ponyRules()
{
    CatalogueRules rules;
    rules.file = QStringLiteral("config/pony.ini");
    rules.kind = QStringLiteral("pony");
    rules.picture = QStringLiteral("images/%1_ico.png");
    rules.texts = QStringList{ QStringLiteral("Name"), QStringLiteral("Descr") };
    rules.optionalTexts = QStringList{ QStringLiteral("Bonus") };
    rules.numbers = {
        { QStringLiteral("MaxHealth"), 1, QStringLiteral("a pony with no health counts as fallen at once and the game is lost"), false, {} },
        { QStringLiteral("NeedMagic"), 0, QStringLiteral("a negative cost gives magic for each summon"), false, {} },
        { QStringLiteral("Speed"), 0, QStringLiteral("a negative speed sends the pony away from where it is sent"), true,
          QStringLiteral("the pony never moves") },
        { QStringLiteral("Attack"), 0, QStringLiteral("a negative attack heals the fruits it hits"), false, {} },
    };
    return rules;
}

CatalogueRules fruitRules()
{
    CatalogueRules rules;
    rules.file = QStringLiteral("config/monster.ini");
    rules.kind = QStringLiteral("fruit");
    rules.picture = QStringLiteral("images/monster_%1.png");
    rules.texts = QStringList{ QStringLiteral("Name"), QStringLiteral("Descr") };
    rules.numbers = {
        { QStringLiteral("MaxHealth"), 1, QStringLiteral("a fruit with no health dies at the first blow it takes, "
                                                         "but fights until then"), false, {} },
        { QStringLiteral("Speed"), 0, QStringLiteral("a negative speed sends the fruit away from the buildings"), true,
          QStringLiteral("the fruit never moves, so it never reaches a building and the waves never end") },
        { QStringLiteral("Attack"), 0, QStringLiteral("a negative attack heals what it hits"), false, {} },
    };
    return rules;
}

CatalogueRules actionRules()
{
    CatalogueRules rules;
    rules.file = QStringLiteral("config/action.ini");
    rules.kind = QStringLiteral("action");
    rules.picture = QStringLiteral("images/action_%1.png");
    rules.mayBeEmpty = true;
    rules.texts = QStringList{ QStringLiteral("Name"), QStringLiteral("Descr") };
    rules.numbers = {
        { QStringLiteral("NeedMagic"), 0, QStringLiteral("a negative cost gives magic for each use"), false, {} },
        { QStringLiteral("Value"), 0, QStringLiteral("a negative value takes away what the action should give"), false, {} },
    };
    return rules;
}
}

DataLinter::DataLinter(const QDir& dataDir)
    : dataDir(dataDir)
{
}

void DataLinter::run()
{
    QStringList ponyNames;
    checkCatalogue(ponyRules(), QStringLiteral("the summon column is empty"), &ponyNames);
    const QStringList fruits = checkCatalogue(fruitRules(), QStringLiteral("no fruit can enter the field"));
    checkCatalogue(actionRules(), QStringLiteral("the action column is empty"));
    const QString schedule = QStringLiteral("config/monsterscript.dat");
    const QByteArray scheduleBytes = readFile(schedule, QStringLiteral("no fruit comes and the game is won at once"));
    if (!scheduleBytes.isNull())
        ScheduleChecker(dataDir.filePath(schedule), fruits, findings).check(scheduleBytes);
    checkPicture(QStringLiteral("images/building_farmfood.png"), QStringLiteral("the farm"));
    checkPicture(QStringLiteral("images/building_farmstone.png"), QStringLiteral("the mine"));
    checkPicture(QStringLiteral("images/building_hospital.png"), QStringLiteral("the hospital"));
    checkStartMenu(ponyNames);
}

QByteArray DataLinter::readFile(const QString& relPath, const QString& withoutIt)
{
    const QFileInfo info(dataDir.filePath(relPath));
    QString problem;
    if (!info.exists())
        problem = QStringLiteral("the file is missing");
    else if (!info.isFile())
        problem = QStringLiteral("this is not a regular file");
    QFile file(info.filePath());
    if (problem.isEmpty() && !file.open(QIODevice::ReadOnly))
        problem = QStringLiteral("the file cannot be read (") + file.errorString() + QLatin1Char(')');
    if (!problem.isEmpty()) {
        findings.error(relPath, 0, problem + QStringLiteral("; the game reads nothing from it, so ") + withoutIt
                                       + QStringLiteral("; put a readable file there"));
        return QByteArray();
    }
    QByteArray bytes = file.readAll();
    // An empty file is readable: a non-null array tells it from one that is not.
    if (bytes.isNull())
        bytes = QByteArray("");
    return bytes;
}

QStringList DataLinter::checkCatalogue(const CatalogueRules& rules, const QString& withoutIt, QStringList* names)
{
    const QByteArray bytes = readFile(rules.file, withoutIt);
    if (bytes.isNull())
        return QStringList();
    CatalogueChecker checker(dataDir, rules, bytes, findings);
    checker.check();
    const QStringList codes = checker.codes();
    for (const QString& code : codes) {
        checkPicture(checker.picturePath(code), QStringLiteral("the %1 [%2]").arg(rules.kind, code));
        if (names)
            names->append(checker.name(code));
    }
    return codes;
}

void DataLinter::checkPicture(const QString& relPath, const QString& shownFor)
{
    const QString path = dataDir.filePath(relPath);
    const QString becomes = kPicturesBecome.arg(shownFor);
    switch (PictureLoader::check(path)) {
    case PictureLoader::Verdict::Missing:
        findings.warning(relPath, 0, QStringLiteral("the picture is missing; ") + becomes + QStringLiteral("; add a PNG"));
        return;
    case PictureLoader::Verdict::TooLarge:
        findings.error(relPath, 0, QStringLiteral("the picture is larger than %1 pixels a side; ").arg(PictureLoader::kMaxSide)
                                       + becomes + QStringLiteral("; scale it down (units show 33 x 33)"));
        return;
    case PictureLoader::Verdict::Unreadable:
    case PictureLoader::Verdict::Fine:
        break;
    }
    if (PictureLoader::loadImage(path).isNull())
        findings.error(relPath, 0, QStringLiteral("the picture cannot be read as an image; ") + becomes
                                       + QStringLiteral("; save it again as PNG"));
}

void DataLinter::checkStartMenu(const QStringList& ponyNames)
{
    for (const QString& name : DialogMenu::ponyNamesInRules()) {
        if (!ponyNames.contains(name))
            findings.warning(QStringLiteral("config/pony.ini"), 0,
                             QStringLiteral("the start menu's rules promise the pony \"%1\", but no pony has that Name; "
                                            "the player looks for her in vain; keep a pony named %1").arg(name));
    }
}
