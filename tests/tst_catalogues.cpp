#include "actioncatalogue.h"
#include "gamedir.h"
#include "gameworld.h"
#include "monstercatalogue.h"
#include "ponycatalogue.h"

#include <QtTest>

// All three catalogues read from the current game folder, with a world to pay from.
struct Catalogues
{
    explicit Catalogues(bool easy = false) : monsters(nullptr, &world, easy) {}
    GameWorld world{ nullptr };
    PonyCatalogue ponies{ nullptr, &world };
    MonsterCatalogue monsters;
    ActionCatalogue actions{ &world };
};

static void writeAll(GameDir& dir, const QString& text)
{
    for (const char* file : { "pony.ini", "monster.ini", "action.ini" })
        dir.writeIni(QLatin1String(file), text);
}

class TestCatalogues : public QObject
{
    Q_OBJECT
private slots:
    void codesAreSortedGroupNamesMatchedExactly()
    {
        GameDir dir;
        writeAll(dir, "[zebra]\nName=Зебра\n[apple]\nName=Яблоко\n[Apple]\nName=Большое яблоко\n");
        Catalogues c;
        const QStringList sorted{ "Apple", "apple", "zebra" };
        QVERIFY(c.ponies.codes() == sorted && c.monsters.codes() == sorted && c.actions.codes() == sorted);
        const auto names = [&c](const QString& code) {
            return c.ponies.name(code) + "|" + c.monsters.info(code).name + "|" + c.actions.name(code);
        };
        QCOMPARE(names("apple"), "Яблоко|Яблоко|Яблоко");
        QCOMPARE(names("Apple"), "Большое яблоко|Большое яблоко|Большое яблоко");
        QCOMPARE(names("APPLE"), "||");
    }

    void everyKeyReadsAsTextOrNumber_data()
    {
        QTest::addColumn<QString>("value"); // null: the group has none of the keys
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("easyHealth");
        QTest::newRow("33, easy 19 not 20") << "33" << "33" << 33 << 19;
        QTest::newRow("100, easy 60") << "100" << "100" << 100 << 60;
        QTest::newRow("1, easy 0") << "1" << "1" << 1 << 0;
        QTest::newRow("-5, easy -3") << "-5" << "-5" << -5 << -3;
        QTest::newRow("2000000000, easy without overflow") << "2000000000" << "2000000000" << 2000000000 << 1200000000;
        QTest::newRow("just beyond int reads as 0") << "2147483648" << "2147483648" << 0 << 0;
        QTest::newRow("a word reads as 0") << "много" << "много" << 0 << 0;
        QTest::newRow("unquoted text with commas") << "Быстрая, но хрупкая" << "Быстрая, но хрупкая" << 0 << 0;
        QTest::newRow("quoted text with commas") << "\"Быстрая, но хрупкая\"" << "Быстрая, но хрупкая" << 0 << 0;
        QTest::newRow("missing keys") << QString() << "" << 0 << 0;
    }
    void everyKeyReadsAsTextOrNumber()
    {
        QFETCH(QString, value);
        QFETCH(QString, text);
        QFETCH(int, number);
        QFETCH(int, easyHealth);
        GameDir dir;
        QString group = "[k]\nNote=x\n";
        for (const char* key : { "Name", "Descr", "MaxHealth", "NeedMagic", "Speed", "Attack", "Bonus", "Value" })
            group += value.isNull() ? QString() : QLatin1String(key) + "=" + value + "\n";
        writeAll(dir, group);
        Catalogues c;
        QCOMPARE(c.ponies.codes() + c.monsters.codes() + c.actions.codes(), (QStringList{ "k", "k", "k" }));
        const PonyInfo p = c.ponies.info("k");
        const MonsterInfo m = c.monsters.info("k");
        const ActionInfo a = c.actions.info("k");
        QCOMPARE((QStringList{ p.name, p.descr, p.bonus, m.name, m.descr, a.name, a.descr }),
                 QStringList(QVector<QString>(7, text).toList()));
        QCOMPARE((QList<int>{ p.maxHealth, p.needMagic, p.speed, p.attack, m.maxHealth, m.speed, m.attack, a.needMagic,
                              a.value }), QVector<int>(9, number).toList());
        QCOMPARE(MonsterCatalogue(nullptr, &c.world, true).info("k").maxHealth, easyHealth);
    }

    void informationTextsShowNumbersThenDescription()
    {
        GameDir dir;
        dir.writeIni("pony.ini", "[rose]\nName=Роза\nDescr=Садовница.\nMaxHealth=100\nNeedMagic=60\nSpeed=50\n"
                                 "Attack=8\n"
                                 "[mute]\nName=Тихоня\n");
        dir.writeIni("monster.ini", "[pear]\nName=Груша\nDescr=Твёрдая груша.\nMaxHealth=100\nSpeed=20\nAttack=4\n");
        dir.writeIni("action.ini", "[incfood]\nName=Урожай\nDescr=Даёт еду.\nNeedMagic=40\nValue=20\n");
        Catalogues c(true);
        QCOMPARE(c.ponies.infoText("rose"),
                 "Максимальное здоровье: 100\nСкорость: 50\nРасход магии на призыв: 60\nАтака: 8\n\nСадовница.");
        QCOMPARE(c.ponies.infoText("mute"),
                 "Максимальное здоровье: 0\nСкорость: 0\nРасход магии на призыв: 0\nАтака: 0\n\n");
        QCOMPARE(c.monsters.infoText("pear"), "Максимальное здоровье: 60\nСкорость: 20\nАтака: 4\n\nТвёрдая груша.");
        QCOMPARE(c.actions.infoText("incfood"), "Расход магии на использование: 40\n\nДаёт еду.");
    }

    void missingFilesGiveEmptyCatalogues()
    {
        GameDir dir;
        Catalogues c;
        QVERIFY(c.ponies.codes().isEmpty() && c.monsters.codes().isEmpty() && c.actions.codes().isEmpty());
        QVERIFY((c.ponies.name("rose") + c.ponies.infoText("rose") + c.monsters.info("pear").name
                 + c.monsters.infoText("pear") + c.actions.name("cure") + c.actions.infoText("cure")).isEmpty());
        QVERIFY(!c.ponies.canSummon("rose") && !c.actions.canUse("cure") && !c.actions.isReady("cure"));
        QVERIFY(!c.ponies.createPony("rose") && !c.monsters.createMonster("pear", 100, 100));
    }

    void actionsAndSummonsNeedTheTruncatedMagicAndActionsCoolDown()
    {
        GameDir dir;
        writeAll(dir, "[incfood]\nNeedMagic=50\nValue=20\n[dance]\nName=Танец\nDescr=Па.\nNeedMagic=10\nValue=50\n");
        Catalogues c;
        c.world.magic = 49.99f;
        QVERIFY(!c.ponies.canSummon("incfood") && !c.actions.canUse("incfood"));
        c.actions.apply("incfood"); // too little magic: no cost, no effect, no cooldown
        QVERIFY(c.actions.isReady("incfood") && c.world.food == 100.0f);
        c.world.magic = 50.0f;
        QVERIFY(c.ponies.canSummon("incfood") && c.actions.canUse("incfood"));
        c.actions.apply("incfood");
        QCOMPARE((QList<int>{ c.world.getMagic(), c.world.getFood() }), (QList<int>{ 0, 120 }));
        for (int tick = 1; tick <= 10; ++tick) {
            QVERIFY2(!c.actions.isReady("incfood"), qPrintable(QString("ready after %1 ticks").arg(tick - 1)));
            c.actions.tick(0.1f);
        }
        QVERIFY(c.actions.isReady("incfood"));
        // A code with no known effect is never usable and costs nothing, but still describes itself.
        c.world.magic = 20.0f;
        QVERIFY(!c.actions.canUse("dance"));
        c.actions.apply("dance");
        QCOMPARE((QList<float>{ c.world.magic, c.world.food, c.world.stone }), (QList<float>{ 20.0f, 120.0f, 50.0f }));
        QVERIFY(c.actions.isReady("dance"));
        QCOMPARE(c.actions.name("dance") + "|" + c.actions.infoText("dance"),
                 "Танец|Расход магии на использование: 10\n\nПа.");
    }
};

QTEST_MAIN(TestCatalogues)
#include "tst_catalogues.moc"
