#include "gameworld.h"
#include "monstercatalogue.h"
#include "ponycatalogue.h"
#include "wavescript.h"

#include <QSet>
#include <QtTest>

// The data this repository ships, read as the game reads it (olteria-lint checks its pictures).
class TestShippedData : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        // From any folder one level below the repository, "../config" is the shipped data.
        QVERIFY(QDir::setCurrent(QStringLiteral(OLTERIA_SOURCE_DIR "/tests")));
    }

    void scheduleSendsKnownFruitsThroughAllEightPoints()
    {
        GameWorld world(nullptr);
        const MonsterCatalogue monsters(nullptr, &world, false);
        QSet<QPair<int, int>> points;
        for (const WaveEntry& entry : world.script()->pendingEntries()) {
            QVERIFY2(!monsters.info(entry.code).name.isEmpty(), qPrintable(entry.code));
            points.insert({ entry.x, entry.y });
        }
        QCOMPARE(points.size(), 8);
    }

    // The start menu's rules name a pony for each bonus; the pony file must agree, and the
    // Cyrillic names read back only if the file really is Windows-1251.
    void startMenuNamesThePonyOfEachBonus()
    {
        GameWorld world(nullptr);
        const PonyCatalogue ponies(nullptr, &world);
        QMap<QString, QString> nameOfBonus;
        for (const QString& code : ponies.codes())
            nameOfBonus.insert(ponies.info(code).bonus.isEmpty() ? code : ponies.info(code).bonus, ponies.name(code));
        QCOMPARE(nameOfBonus.value("farmfood"), QStringLiteral("Клеверинка"));
        QCOMPARE(nameOfBonus.value("farmstone"), QStringLiteral("Кремнинка"));
        QCOMPARE(nameOfBonus.value("fastrepair"), QStringLiteral("Мастерица"));
        QCOMPARE(nameOfBonus.value("fastheal"), QStringLiteral("Ромашка"));
        QCOMPARE(nameOfBonus.value("fastmagic"), QStringLiteral("Звёздочка"));
        QCOMPARE(nameOfBonus.value("summonstrike"), QStringLiteral("Гроза"));
    }
};

QTEST_MAIN(TestShippedData)
#include "tst_shippeddata.moc"
