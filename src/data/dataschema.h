#ifndef DATASCHEMA_H
#define DATASCHEMA_H

#include "actioninfo.h"
#include "monsterinfo.h"
#include "ponyinfo.h"

#include <QString>
#include <QStringList>
#include <QVector>

template <typename Info>
class KindTable;

// What the game's data files may hold, written once. The catalogues, the start menu and the
// schedule read by it; olteria-lint checks by it; olteria-sim plays by it.
namespace DataSchema {

// The folders beside the one the game runs in, and the four files in config/.
constexpr char kConfigFolder[] = "config";
constexpr char kImagesFolder[] = "images";
constexpr char kSoundsFolder[] = "sounds";
constexpr char kPonyFile[] = "pony.ini";
constexpr char kMonsterFile[] = "monster.ini";
constexpr char kActionFile[] = "action.ini";
constexpr char kScheduleFile[] = "monsterscript.dat";
// Where the game reads a file of config/ or images/: one level above the folder it runs in.
QString configPath(const QString& file);
QString imagePath(const QString& file);
QString soundsPath();

// The keys inside a catalogue's groups; key names are case-sensitive.
constexpr char kName[] = "Name";
constexpr char kDescr[] = "Descr";
constexpr char kMaxHealth[] = "MaxHealth";
constexpr char kNeedMagic[] = "NeedMagic";
constexpr char kSpeed[] = "Speed";
constexpr char kAttack[] = "Attack";
constexpr char kBonus[] = "Bonus";
constexpr char kValue[] = "Value";

// The values of a pony's Bonus that the buildings reward.
constexpr char kFarmFood[] = "farmfood";
constexpr char kFarmStone[] = "farmstone";
constexpr char kFastRepair[] = "fastrepair";
// Pony codes that carry a rule of their own.
constexpr char kFastHeal[] = "fastheal";
constexpr char kFastMagic[] = "fastmagic";
constexpr char kSummonStrike[] = "summonstrike";
// Action codes, each naming its effect; any other code has none.
constexpr char kCure[] = "cure";
constexpr char kRepair[] = "repair";
constexpr char kIncFood[] = "incfood";
constexpr char kIncStone[] = "incstone";

// The schedule's entry points are numbered from 1 to 8.
constexpr int kFirstEntryPoint = 1;
constexpr int kLastEntryPoint = 8;

// The building pictures in images/.
constexpr char kFarmPicture[] = "building_farmfood.png";
constexpr char kMinePicture[] = "building_farmstone.png";
constexpr char kHospitalPicture[] = "building_hospital.png";

// The field that the buildings, the columns and the fruits' entry points are placed on.
constexpr int kFieldWidth = 1024;
constexpr int kFieldHeight = 768;
// The window's columns put one button per kind from y 50 every 45 px; a button past the bottom
// of the field cannot be clicked.
constexpr int kColumnTop = 50;
constexpr int kColumnStep = 45;
constexpr int kColumnButtonSize = 40;
constexpr int kColumnCapacity = (kFieldHeight - kColumnTop - kColumnButtonSize) / kColumnStep + 1;

// A catalogue file: one group per code, each key filling one field of the code's record.
template <typename Info>
struct Catalogue
{
    struct Text
    {
        const char* key;
        QString Info::*field;
        bool expected; // false: most kinds go without it (a pony without a work bonus)
        bool translated; // also given in English, as key[en]; a code (the work bonus) is not
    };
    struct Number
    {
        const char* key;
        int Info::*field;
        const char* shownAs; // the number's line in the information text, %1 the number, to translate in
                             // the context "DataSchema"; none: not shown
    };

    const char* file; // in config/
    const char* picture; // in images/, %1 standing for the code
    QVector<Text> texts;
    QVector<Number> numbers; // in the order of the information text

    QString picturePath(const QString& code) const { return QString::fromLatin1(picture).arg(code); }
};

// A translatable text of the schema (a number's line, a bonus sentence) in the current language.
QString translated(const char* text);

const Catalogue<PonyInfo>& ponies();
const Catalogue<MonsterInfo>& monsters();
const Catalogue<ActionInfo>& actions();

// The effect an action's code names.
ActionKind actionKind(const QString& code);

// A rule a pony kind carries, by its work bonus or by its code.
struct PonyRule
{
    enum class By { Bonus, Code };
    By by;
    const char* value;

    bool isCarriedBy(const QString& code, const QString& bonus) const;
    // The first pony kind in column order that carries the rule; empty when none does.
    QString carrierIn(const KindTable<PonyInfo>& ponies) const;
};

// The start menu's rules end with one sentence per bonus, opened by the name of the pony kind
// that carries it: "Клеверинка - ускоренно добывает еду на ферме."
struct BonusSentence
{
    PonyRule rule;
    const char* sentence; // %1 the pony's name; to translate in the context "DataSchema"
};
const QVector<BonusSentence>& bonusSentences();
// The sentences of the bonuses that a kind carries, in the table's order and the current language;
// a bonus that no kind carries is left out, since the menu cannot name a pony for it.
QStringList bonusSentencesFor(const KindTable<PonyInfo>& ponies);

}

#endif
