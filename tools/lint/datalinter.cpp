#include "datalinter.h"

#include "boundedfile.h"
#include "cataloguechecker.h"
#include "datalimits.h"
#include "kindtable.h"
#include "pictureloader.h"
#include "schedulechecker.h"
#include "soundfile.h"

#include <QFileInfo>

namespace {
using namespace DataSchema;

const QString kPicturesBecome = QStringLiteral("the game shows %1 without a picture");

CatalogueRules ponyRules()
{
    return CatalogueRules(ponies(), QStringLiteral("pony"), {
        { QLatin1String(kMaxHealth), 1, QStringLiteral("a pony with no health counts as fallen at once and the game is lost"), false, {} },
        { QLatin1String(kNeedMagic), 0, QStringLiteral("a negative cost gives magic for each summon"), false, {} },
        { QLatin1String(kSpeed), 0, QStringLiteral("a negative speed sends the pony away from where it is sent"), true,
          QStringLiteral("the pony never moves") },
        { QLatin1String(kAttack), 0, QStringLiteral("a negative attack heals the fruits it hits"), false, {} },
    });
}

CatalogueRules fruitRules()
{
    CatalogueRules rules(monsters(), QStringLiteral("fruit"), {
        { QLatin1String(kMaxHealth), 1, QStringLiteral("a fruit with no health dies at the first blow it takes, but fights until then"),
          false, {} },
        { QLatin1String(kSpeed), 0, QStringLiteral("a negative speed sends the fruit away from the buildings"), true,
          QStringLiteral("the fruit never moves, so it never reaches a building and the waves never end") },
        { QLatin1String(kAttack), 0, QStringLiteral("a negative attack heals what it hits"), false, {} },
    });
    rules.fillsAColumn = false;
    return rules;
}

CatalogueRules actionRules()
{
    CatalogueRules rules(actions(), QStringLiteral("action"), {
        { QLatin1String(kNeedMagic), 0, QStringLiteral("a negative cost gives magic for each use"), false, {} },
        { QLatin1String(kValue), 0, QStringLiteral("a negative value takes away what the action should give"), false, {} },
    });
    rules.mayBeEmpty = true;
    return rules;
}

QString configFile(const char* name)
{
    return QLatin1String(kConfigFolder) + QLatin1Char('/') + QLatin1String(name);
}

QString imageFile(const char* name)
{
    return QLatin1String(kImagesFolder) + QLatin1Char('/') + QLatin1String(name);
}

QString sharpProblem(const QString& path)
{
    const PictureLoader::Verdict verdict = PictureLoader::check(path);
    return PictureLoader::problem(verdict == PictureLoader::Verdict::Fine ? PictureLoader::Verdict::Unreadable : verdict);
}

QString missingCarrier(const PonyRule& rule, const QString& sentence)
{
    const QString value = QLatin1String(rule.value);
    if (rule.by == PonyRule::By::Bonus)
        return QStringLiteral("no pony has Bonus=%1, so the start menu's rules leave out \"%2\"; give one pony "
                              "Bonus=%1").arg(value, sentence);
    return QStringLiteral("no pony has the code %1, so the start menu's rules leave out \"%2\"; add a pony [%1]")
        .arg(value, sentence);
}
}

DataLinter::DataLinter(const QDir& dataDir, bool strict)
    : dataDir(dataDir)
    , strict(strict)
{
}

void DataLinter::run()
{
    const QStringList ponyCodes = checkCatalogue(ponyRules(), QStringLiteral("the summon column is empty"));
    const QStringList fruits = checkCatalogue(fruitRules(), QStringLiteral("no fruit can enter the field"));
    checkCatalogue(actionRules(), QStringLiteral("the action column is empty"));
    const QString schedule = configFile(kScheduleFile);
    const QByteArray scheduleBytes = readFile(schedule, DataLimits::kScheduleBytes, QStringLiteral("the game does not start"));
    if (!scheduleBytes.isNull())
        ScheduleChecker(dataDir.filePath(schedule), fruits, findings).check(scheduleBytes);
    checkPicture(imageFile(kFarmPicture), QStringLiteral("the farm"));
    checkPicture(imageFile(kMinePicture), QStringLiteral("the mine"));
    checkPicture(imageFile(kHospitalPicture), QStringLiteral("the hospital"));
    checkSharpPictures();
    checkSounds();
    // Without ponies there is no menu sentence to miss; that is an error of its own.
    if (!ponyCodes.isEmpty())
        checkStartMenu();
}

QByteArray DataLinter::readFile(const QString& relPath, qint64 limit, const QString& withoutIt)
{
    const BoundedFile file = BoundedFile::read(dataDir.filePath(relPath), limit);
    QString problem;
    switch (file.verdict()) {
    case BoundedFile::Verdict::Read:
        return file.bytes();
    case BoundedFile::Verdict::Missing:
        problem = QStringLiteral("the file is missing");
        break;
    case BoundedFile::Verdict::NotRegular:
        problem = QStringLiteral("this is not a regular file");
        break;
    case BoundedFile::Verdict::TooLarge:
    case BoundedFile::Verdict::Unreadable:
        problem = QStringLiteral("the file is ") + file.problem();
        break;
    }
    findings.error(relPath, 0, problem + QStringLiteral("; the game reads nothing from it, so ") + withoutIt
                                   + QStringLiteral("; put a readable file there"));
    return QByteArray();
}

QStringList DataLinter::checkCatalogue(const CatalogueRules& rules, const QString& withoutIt)
{
    const QByteArray bytes = readFile(rules.file, DataLimits::kCatalogueBytes, withoutIt);
    if (bytes.isNull())
        return QStringList();
    CatalogueRules asked = rules;
    // A mod in Russian alone plays in English too, in Russian: only a strict check asks for English.
    asked.englishExpected = strict;
    CatalogueChecker checker(asked, bytes, findings);
    checker.check();
    const QStringList codes = checker.codes();
    for (const QString& code : codes)
        checkPicture(checker.picturePath(code), QStringLiteral("the %1 [%2]").arg(rules.kind, code));
    return codes;
}

void DataLinter::checkPicture(const QString& relPath, const QString& shownFor)
{
    const QString path = dataDir.filePath(relPath);
    const QString becomes = kPicturesBecome.arg(shownFor);
    const PictureLoader::Verdict verdict = PictureLoader::check(path);
    const QString problem = PictureLoader::problem(verdict) + QStringLiteral("; ") + becomes;
    switch (verdict) {
    case PictureLoader::Verdict::Missing:
        findings.warning(relPath, 0, problem + QStringLiteral("; add a PNG"));
        return;
    case PictureLoader::Verdict::TooLarge:
        findings.error(relPath, 0, problem + QStringLiteral("; scale it down (units show 33 x 33)"));
        return;
    case PictureLoader::Verdict::NotRegular:
    case PictureLoader::Verdict::FileTooLarge:
        findings.error(relPath, 0, problem + QStringLiteral("; put a PNG file there"));
        return;
    case PictureLoader::Verdict::Unreadable:
    case PictureLoader::Verdict::Fine:
        break;
    }
    if (PictureLoader::loadImage(path).isNull())
        findings.error(relPath, 0, PictureLoader::problem(PictureLoader::Verdict::Unreadable) + QStringLiteral("; ") + becomes
                                       + QStringLiteral("; save it again as PNG"));
}

// A sound the game cannot play is silence: worth a warning, not an error. The reason is the
// one the game gives on stderr.
void DataLinter::checkSounds()
{
    const QDir sounds(dataDir.filePath(QLatin1String(kSoundsFolder)));
    const QDir::Filters entries = QDir::Files | QDir::Dirs | QDir::System | QDir::NoDotAndDotDot;
    qint64 together = 0;
    for (const QString& name : sounds.entryList({ QStringLiteral("*.wav") }, entries, QDir::Name)) {
        const SoundFile sound = SoundFile::read(sounds.filePath(name));
        together += sound.plainWav().size();
        if (!sound.isPlayable())
            findings.warning(QLatin1String(kSoundsFolder) + QLatin1Char('/') + name, 0,
                             QStringLiteral("%1; the game plays silence in its place; save it as an uncompressed 8- or 16-bit "
                                            "PCM WAV file of at most %2 bytes").arg(sound.problem()).arg(SoundFile::kMaxBytes));
    }
    // The game loads its cues in its own order and stops at the bound: the last ones are silent.
    if (together > DataLimits::kSoundsTogetherBytes)
        findings.warning(QStringLiteral("sounds"), 0,
                         QStringLiteral("the playable sounds take %1 bytes together, more than the %2 the game loads; the "
                                        "sounds it loads last are silent, each named on stderr; make the sounds shorter")
                             .arg(together).arg(DataLimits::kSoundsTogetherBytes));
}

// A sharp picture is only drawn in place of its 1x picture, and at exactly twice its size; one
// the game cannot use leaves the 1x picture on a scaled screen.
void DataLinter::checkSharpPictures()
{
    const QDir images(dataDir.filePath(QLatin1String(kImagesFolder)));
    // System: a FIFO or a device named like a sharp picture is named too, as the game passes it over.
    const QDir::Filters entries = QDir::Files | QDir::Dirs | QDir::System | QDir::NoDotAndDotDot;
    for (const QString& name : images.entryList({ QStringLiteral("*@2x.png") }, entries, QDir::Name)) {
        const QString sharpFile = imageFile(qPrintable(name));
        const QString plainFile = imageFile(qPrintable(QString(name).replace(QStringLiteral("@2x.png"), QStringLiteral(".png"))));
        if (!QFileInfo::exists(dataDir.filePath(plainFile))) {
            findings.warning(sharpFile, 0, QStringLiteral("there is no %1 beside it; the game draws a 2x picture only in place "
                                                          "of its 1x picture, so it never shows this one; add %1 or remove it")
                                               .arg(plainFile));
            continue;
        }
        const QImage sharp = PictureLoader::loadImage(dataDir.filePath(sharpFile));
        if (sharp.isNull()) {
            findings.warning(sharpFile, 0, sharpProblem(dataDir.filePath(sharpFile))
                                               + QStringLiteral("; on a scaled screen the game draws %1 instead").arg(plainFile));
            continue;
        }
        const QImage plain = PictureLoader::loadImage(dataDir.filePath(plainFile));
        if (!plain.isNull() && sharp.size() != plain.size() * 2)
            findings.warning(sharpFile, 0, QStringLiteral("it is %1 x %2, not twice %3 (%4 x %5); on a scaled screen the game "
                                                          "scales it to twice the size it draws %3 at, blurring it; render it at exactly twice "
                                                          "the size")
                                               .arg(sharp.width()).arg(sharp.height()).arg(plainFile).arg(plain.width())
                                               .arg(plain.height()));
    }
}

void DataLinter::checkStartMenu()
{
    const QString file = configFile(kPonyFile);
    const KindTable<PonyInfo> ponyKinds(dataDir.filePath(file), ponies());
    for (const BonusSentence& bonus : bonusSentences()) {
        if (bonus.rule.carrierIn(ponyKinds).isEmpty())
            findings.warning(file, 0, missingCarrier(bonus.rule, QString::fromUtf8(bonus.sentence).arg(QStringLiteral("..."))));
    }
}
