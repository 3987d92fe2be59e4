#include "actioncatalogue.h"
#include "gamedir.h"
#include "gameworld.h"
#include "inifile.h"
#include "kindtable.h"
#include "monstercatalogue.h"
#include "pony.h"
#include "ponycatalogue.h"

#include <QtTest>

Q_DECLARE_METATYPE(TextLanguage::Language)

// All three catalogues read from the current game folder, with a world to pay from.
struct Catalogues
{
    explicit Catalogues(bool easy = false) : monsters(nullptr, nullptr, &world, PictureLoader(), easy) {}
    GameWorld world{ nullptr };
    PonyCatalogue ponies{ nullptr, nullptr, &world, PictureLoader() };
    MonsterCatalogue monsters;
    ActionCatalogue actions{ &world };
};

static void writeAll(GameDir& dir, const QString& text)
{
    for (const char* file : { "pony.ini", "monster.ini", "action.ini" })
        dir.writeIni(QLatin1String(file), text);
}

// The catalogues, as a modder writing pony.ini, monster.ini and action.ini notices them:
// - the codes are the group names, sorted, case-sensitive; a missing file is no kind at all;
// - every key reads as its text or as a whole number, a word as 0, a missing key as empty or 0;
// - easy mode keeps 60 % of a fruit's health, cut toward zero, without overflow;
// - an information text lists the numbers, labelled, then the description;
// - a pony is offered and an action used when the magic, cut, reaches the cost; an action whose
//   code names no effect is never used, and an unknown code is never ready;
// - a unit picture too large to decode leaves the unit without one;
// - the English game reads Name[en] and Descr[en], and the Russian texts where those are missing.
class TestCatalogues : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { TextLanguage::setCurrent(TextLanguage::Russian); }

    void englishTextsFallBackToRussian_data()
    {
        QTest::addColumn<TextLanguage::Language>("language");
        QTest::addColumn<QString>("ponies");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("descr");
        QTest::addColumn<QString>("bonus");
        const QString both = "[p]\nName=Роза\nName[en]=Rose\nDescr=Красная\nDescr[en]=Red\nBonus=farmfood\n";
        QTest::newRow("the English game reads the English name and description")
            << TextLanguage::English << both << "Rose" << "Red" << "farmfood";
        QTest::newRow("the Russian game never reads the English texts") << TextLanguage::Russian << both << "Роза" << "Красная" << "farmfood";
        QTest::newRow("a catalogue without English texts shows the Russian ones in the English game")
            << TextLanguage::English << "[p]\nName=Роза\nDescr=Красная\n" << "Роза" << "Красная" << "";
        QTest::newRow("an empty English text counts as missing")
            << TextLanguage::English << "[p]\nName=Роза\nName[en]=\nDescr[en]=Red\n" << "Роза" << "Red" << "";
        QTest::newRow("the work bonus is a code, never translated")
            << TextLanguage::English << "[p]\nBonus=farmfood\nBonus[en]=farmstone\n" << "" << "" << "farmfood";
    }
    void englishTextsFallBackToRussian()
    {
        QFETCH(TextLanguage::Language, language);
        QFETCH(QString, ponies);
        GameDir dir;
        dir.writeIni("pony.ini", ponies);
        TextLanguage::setCurrent(language);
        const KindTable<PonyInfo> table(DataSchema::ponies());
        QTEST(table.info("p").name, "name");
        QTEST(table.info("p").descr, "descr");
        QTEST(table.info("p").bonus, "bonus");
    }

    void codesAreSortedAndCaseSensitiveAndMissingFilesEmpty()
    {
        GameDir dir;
        const Catalogues none;
        QCOMPARE(none.ponies.codes() + none.monsters.codes() + none.actions.codes(), QStringList());
        writeAll(dir, "[zebra]\nName=Зебра\n[apple]\nName=Яблоко\n[Apple]\nName=Большое яблоко\n[incfood]\nNeedMagic=250\n");
        const Catalogues c; // with 250 magic
        const QStringList sorted{ "Apple", "apple", "incfood", "zebra" };
        QCOMPARE(c.ponies.codes() + c.monsters.codes() + c.actions.codes(), sorted + sorted + sorted);
        QCOMPARE(c.ponies.name("apple"), "Яблоко");
        QCOMPARE(c.monsters.info("Apple").name, "Большое яблоко");
        QCOMPARE(c.actions.name("APPLE"), "");
        // An action code the catalogue does not hold is never ready; a held one is from the start.
        QCOMPARE(QList<bool>({ c.actions.isReady("apple"), c.actions.isReady("APPLE") }), QList<bool>({ true, false }));
        QCOMPARE(QList<bool>({ c.ponies.canSummon("incfood"), c.actions.canUse("incfood"), c.actions.canUse("apple") }),
                 QList<bool>({ true, true, false }));
    }

    void everyKeyReadsAsTextOrNumber_data()
    {
        QTest::addColumn<QString>("value"); // null: the group has none of the keys
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("easyHealth");
        QTest::newRow("33 is 19 in easy mode, not 20") << "33" << "33" << 33 << 19;
        QTest::newRow("1 is 0 in easy mode") << "1" << "1" << 1 << 0;
        QTest::newRow("-5 is -3 in easy mode") << "-5" << "-5" << -5 << -3;
        QTest::newRow("2000000000 is cut without overflow in easy mode") << "2000000000" << "2000000000" << 2000000000 << 1200000000;
        QTest::newRow("a word reads as the number 0") << "много" << "много" << 0 << 0;
        QTest::newRow("an unquoted text with commas is kept whole") << "Быстрая, но хрупкая" << "Быстрая, но хрупкая" << 0 << 0;
        QTest::newRow("a quoted text with commas is kept whole") << "\"Быстрая, но хрупкая\"" << "Быстрая, но хрупкая" << 0 << 0;
        QTest::newRow("missing keys read as empty texts and 0") << QString() << "" << 0 << 0;
    }
    void everyKeyReadsAsTextOrNumber()
    {
        QFETCH(QString, value);
        QFETCH(QString, text);
        QFETCH(int, number);
        GameDir dir;
        QString group = "[k]\nNote=x\n";
        for (const char* key : { "Name", "Descr", "MaxHealth", "NeedMagic", "Speed", "Attack", "Bonus", "Value" })
            group += value.isNull() ? QString() : QLatin1String(key) + "=" + value + "\n";
        writeAll(dir, group);
        const Catalogues c;
        QCOMPARE(c.ponies.codes() + c.monsters.codes() + c.actions.codes(), (QStringList{ "k", "k", "k" }));
        const PonyInfo p = c.ponies.info("k");
        const MonsterInfo m = c.monsters.info("k");
        const ActionInfo a = c.actions.info("k");
        QCOMPARE((QStringList{ p.name, p.descr, p.bonus, m.name, m.descr, a.name, a.descr }), QVector<QString>(7, text).toList());
        QCOMPARE((QList<int>{ p.maxHealth, p.needMagic, p.speed, p.attack, m.maxHealth, m.speed, m.attack, a.needMagic, a.value }),
                 QVector<int>(9, number).toList());
        QTEST(Catalogues(true).monsters.info("k").maxHealth, "easyHealth");
    }

    void informationTextsShowNumbersThenDescription()
    {
        GameDir dir;
        dir.writeIni("pony.ini", "[rose]\nName=Роза\nDescr=Садовница.\nMaxHealth=100\nNeedMagic=60\nSpeed=50\nAttack=8\n");
        dir.writeIni("monster.ini", "[pear]\nName=Груша\nDescr=Твёрдая груша.\nMaxHealth=100\nSpeed=20\nAttack=4\n");
        dir.writeIni("action.ini", "[incfood]\nName=Урожай\nDescr=Даёт еду.\nNeedMagic=40\nValue=20\n");
        const Catalogues easy(true);
        QCOMPARE(easy.ponies.infoText("rose"),
                 "Максимальное здоровье: 100\nСкорость: 50\nРасход магии на призыв: 60\nАтака: 8\n\nСадовница.");
        QCOMPARE(easy.monsters.infoText("pear"), "Максимальное здоровье: 60\nСкорость: 20\nАтака: 4\n\nТвёрдая груша.");
        QCOMPARE(easy.actions.infoText("incfood"), "Расход магии на использование: 40\n\nДаёт еду.");
    }

    // Read from its header alone: decoded, it would take 1.6 GB and seconds per unit.
    void aHugeUnitPictureLeavesTheUnitWithoutOne()
    {
        GameDir dir;
        dir.writeIni("pony.ini", "[p]\nMaxHealth=5\n");
        dir.writeFile("images/p_ico.png", GameDir::hugePng());
        QWidget window;
        GameWorld world(nullptr);
        PonyCatalogue ponies(&window, nullptr, &world, PictureLoader());
        const Pony* pony = ponies.createPony("p");
        QVERIFY(pony);
        QVERIFY(pony->pixmap(Qt::ReturnByValue).isNull());
    }

    // What the catalogues rely on from the INI reader, byte for byte as a modder's editor saves
    // it; Qt 5 and Qt 6 must give the same on every row.
    void theIniReaderKeepsWhatTheCataloguesRelyOn_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("group"); // empty: the keys outside any group
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("groups");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("tempFolder"); // whether the machine has a temporary folder
        const QByteArray pony = "[p]\r\nName=\xCA\xEB\xE5\xE2\xE5\xF0\xE8\xED\xEA\xE0\r\n"; // Клеверинка in Windows-1251
        QTest::newRow("a group without keys is not listed") << QByteArray("[empty]\n[p]\nName=x\n") << "p" << "Name" << QStringList{ "p" } << "x" << true;
        QTest::newRow("groups are listed sorted, capitals first, whatever their order in the file")
            << QByteArray("[zebra]\nName=z\n[b]\nName=b\n[Apple]\nName=A\n[apple]\nName=a\n") << "b" << "Name" << QStringList{ "Apple", "apple", "b", "zebra" } << "b" << true;
        QTest::newRow("Cyrillic texts in Windows-1251 read as Unicode") << pony << "p" << "Name" << QStringList{ "p" } << "Клеверинка" << true;
        QTest::newRow("a text with commas is kept whole")
            << QByteArray("[p]\nDescr=\xC1\xFB\xF1\xF2\xF0\xE0\xFF, \xED\xEE \xF5\xF0\xF3\xEF\xEA\xE0\xFF\n") << "p" << "Descr"
            << QStringList{ "p" } << "Быстрая, но хрупкая" << true;
        QTest::newRow("quotes keep the spaces and commas inside and are dropped")
            << QByteArray("[p]\nName=\"  a, b ;c \"\n") << "p" << "Name" << QStringList{ "p" } << "  a, b ;c " << true;
        QTest::newRow("escapes in a value become the characters they name")
            << QByteArray("[p]\nName=a\\tb\\\\c\\x0416\\\"\n") << "p" << "Name" << QStringList{ "p" } << "a\tb\\cЖ\"" << true;
        QTest::newRow("a semicolon starts a comment that the value does not keep")
            << QByteArray("[p]\nName=a ; note\n") << "p" << "Name" << QStringList{ "p" } << "a" << true;
        QTest::newRow("a key given twice keeps the last value")
            << QByteArray("[p]\nName=first\nName=last\n") << "p" << "Name" << QStringList{ "p" } << "last" << true;
        QTest::newRow("a group given twice is one group, the later keys winning")
            << QByteArray("[p]\nName=first\n[q]\nName=q\n[p]\nName=last\n") << "p" << "Name" << QStringList{ "p", "q" } << "last" << true;
        QTest::newRow("[General] holds the keys outside any group and is no group itself")
            << QByteArray("Name=outside\n[General]\nName=general\n[p]\nName=x\n") << "" << "Name" << QStringList{ "p" } << "general" << true;
        QTest::newRow("a Cyrillic group name reads as Unicode, as written")
            << QByteArray("[\xCF\xEE\xED\xE8]\nName=x\n") << "Пони" << "Name" << QStringList{ "Пони" } << "x" << true;
        QTest::newRow("a Cyrillic key reads as Unicode, as written")
            << QByteArray("[p]\n\xC8\xEC\xFF=x\n") << "p" << "Имя" << QStringList{ "p" } << "x" << true;
        QTest::newRow("a file saved as UTF-8 with a byte-order mark loses the mark and reads garbled as Windows-1251") << QByteArray("\xEF\xBB\xBF[p]\nName=\xD0\x96\n") << "p" << "Name" << QStringList{ "p" } << "Р–" << true;
        QTest::newRow("a file saved as UTF-8 reads garbled as Windows-1251") << QByteArray("[p]\nName=\xD0\x96\n") << "p" << "Name" << QStringList{ "p" } << "Р–" << true;
        QTest::newRow("a value continued after a lone backslash keeps its Cyrillic")
            << QByteArray("[p]\r\nName=a\\\r\n\xC1\r\n") << "p" << "Name" << QStringList{ "p" } << "aБ" << true;
        QTest::newRow("a doubled backslash at the end continues nothing")
            << QByteArray("[p]\nName=a\\\\\n\xC8\xEC\xFF=x\n") << "p" << "Имя" << QStringList{ "p" } << "x" << true;
        QTest::newRow("without a temporary folder the groups, keys and Latin texts read the same")
            << QByteArray("[p]\nName=Rose\n") << "p" << "Name" << QStringList{ "p" } << "Rose" << false;
        QTest::newRow("a missing file has no groups") << QByteArray() << "p" << "Name" << QStringList() << "" << true;
    }
    void theIniReaderKeepsWhatTheCataloguesRelyOn()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, group);
        QFETCH(QString, key);
        QFETCH(bool, tempFolder);
        GameDir dir;
        if (!file.isEmpty())
            dir.writeFile("config/c.ini", file);
        const QByteArray machineTemp = qgetenv("TMPDIR");
        if (!tempFolder)
            qputenv("TMPDIR", "/nonexistent/olteria-test");
        IniFile ini("../config/c.ini");
        machineTemp.isNull() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", machineTemp);
        QTEST(ini.groups(), "groups");
        if (!group.isEmpty())
            ini.beginGroup(group);
        QTEST(ini.text(key), "text");
    }
};

QTEST_MAIN(TestCatalogues)
#include "tst_catalogues.moc"
