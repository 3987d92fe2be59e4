#include "datalocation.h"

#include <QTemporaryDir>
#include <QtTest>

// The data lookup, as a player starting the game from anywhere and a modder with a folder of
// their own notice it:
// - the folder above the working directory is looked in first, then the one above the
//   executable's, then the installed data; a folder met twice is looked in once;
// - a config/ folder holding none of the four data files is passed over;
// - the first folder holding one of them is played, and its first missing file, in the order
//   pony.ini, monster.ini, action.ini, monsterscript.dat, is named;
// - with no data anywhere, config/pony.ini is named;
// - a folder in place of a data file is named as no regular file;
// - empty files are data;
// - a refusal lists every folder looked in, up to the one played;
// - the game then reads "../config" of the folder played.
class TestDataLocation : public QObject
{
    Q_OBJECT
private slots:
    void theFirstFolderWithGameDataIsPlayedOrItsMissingFileNamed_data()
    {
        QTest::addColumn<QList<QStringList>>("candidates"); // what each one's config/ holds, all files empty; "name/" is a folder
        QTest::addColumn<int>("played"); // -1: none
        QTest::addColumn<QString>("named"); // what the refusal names; empty: the game plays
        using C = QList<QStringList>;
        const QStringList all{ "pony.ini", "monster.ini", "action.ini", "monsterscript.dat" };
        QTest::newRow("the first of two complete folders is played, its empty files as data") << C{ all, all } << 0 << "";
        QTest::newRow("another program's config folder is passed over") << C{ { "settings.ini" }, all } << 1 << "";
        QTest::newRow("a folder with only the schedule is played, and its missing pony.ini named") << C{ { "monsterscript.dat" }, all } << 0 << "нет файла %0/config/pony.ini";
        QTest::newRow("of several missing files the first in the game's order is named") << C{ { "pony.ini", "monsterscript.dat" } } << 0 << "нет файла %0/config/monster.ini";
        QTest::newRow("a missing schedule is named, never played as an instant victory") << C{ { "pony.ini", "monster.ini", "action.ini" } } << 0 << "нет файла %0/config/monsterscript.dat";
        QTest::newRow("with no data anywhere config/pony.ini is named") << C{ {}, { "settings.ini" } } << -1 << "нет файла config/pony.ini";
        QTest::newRow("a folder in place of the schedule is named") << C{ QStringList(all).replaceInStrings(".dat", ".dat/") } << 0 << "%0/config/monsterscript.dat — не обычный файл";
    }
    void theFirstFolderWithGameDataIsPlayedOrItsMissingFileNamed()
    {
        QFETCH(QList<QStringList>, candidates);
        QFETCH(int, played);
        QFETCH(QString, named);
        QTemporaryDir root;
        QStringList folders;
        for (int n = 0; n < candidates.size(); ++n) {
            folders << root.filePath(QString::number(n));
            QVERIFY(QDir(root.path()).mkpath(QString::number(n) + "/config"));
            for (const QString& file : candidates.at(n))
                QVERIFY(file.endsWith('/') ? QDir(folders.last()).mkpath("config/" + file) : QFile(folders.last() + "/config/" + file).open(QIODevice::WriteOnly));
        }
        const DataLocation data(folders);
        QCOMPARE(data.root(), played < 0 ? QString() : folders.at(played));
        QCOMPARE(data.isUsable(), named.isEmpty());
        if (named.isEmpty())
            return;
        QVERIFY2(data.problem().contains(named.replace("%0", folders.first())), qPrintable(data.problem()));
        for (const QString& folder : folders.mid(0, played + 1 > 0 ? played + 1 : folders.size()))
            QVERIFY2(data.problem().contains("\n  " + folder), qPrintable(data.problem()));
    }

    void theWorkingFolderComesFirstAndEachFolderOnce()
    {
        const QStringList order = DataLocation::searchOrder("/nowhere/w/run", "/nowhere/x/bin");
        QCOMPARE(order.mid(0, 2), QStringList({ "/nowhere/w", "/nowhere/x" }));
        QCOMPARE(order.size(), 3);
        QCOMPARE(DataLocation::searchOrder("/nowhere/g/run", "/nowhere/g/bin").size(), 2);
    }

    void theGameReadsTheConfigFolderOfTheFolderPlayed()
    {
        QTemporaryDir root;
        QVERIFY(QDir(root.path()).mkpath("game/config") && QDir(root.path()).mkpath("elsewhere"));
        QVERIFY(QFile(root.filePath("game/config/pony.ini")).open(QIODevice::WriteOnly));
        const QString before = QDir::currentPath();
        QDir::setCurrent(root.filePath("elsewhere"));
        const bool entered = DataLocation({ root.filePath("game") }).enter();
        const bool seesPonies = QFile::exists("../config/pony.ini");
        QDir::setCurrent(before);
        QVERIFY(entered && seesPonies);
    }
};

QTEST_MAIN(TestDataLocation)
#include "tst_datalocation.moc"
