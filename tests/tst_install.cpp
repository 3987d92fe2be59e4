#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The environment of a game started with the probe, in the locale lang ("": none at all) with
// the list of languages of LANGUAGE ("": none).
static QProcessEnvironment probedGame(const QString& lang, const QString& languages = QString())
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_PLUGIN_PATH", OLTERIA_PROBE_DIR);
    env.insert("QT_QPA_GENERIC_PLUGINS", "olteriaprobe");
    for (const char* name : { "LANG", "LANGUAGE", "LC_ALL", "LC_MESSAGES" })
        env.remove(name);
    if (!lang.isEmpty())
        env.insert("LANG", lang);
    if (!languages.isEmpty())
        env.insert("LANGUAGE", languages);
    return env;
}

// The game as ctest's install_staged fixture installs it, started the way a menu entry starts
// it: from a working directory that has nothing to do with the game.
class TestInstall : public QObject
{
    Q_OBJECT
private slots:
    // The translations are built into the game: the staged game speaks English from any folder.
    void stagedGameSpeaksTheDesktopsLanguageOrTheOneAskedFor_data()
    {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("languages"); // LANGUAGE
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("says");
        const QString russian = "window Оборона Ольтерии: 6 summons, 4 actions, 3 buildings, 6 cells\nGL integration none, high-DPI scaling on\n"
                                "first summon: Призыв Клеверинка\n";
        const QString english = "window Olteria Defence: 6 summons, 4 actions, 3 buildings, 6 cells\nGL integration none, high-DPI scaling on\n"
                                "first summon: Summon Clover\n";
        QTest::newRow("LANG=C speaks Russian") << "C" << "" << QStringList() << russian;
        QTest::newRow("no locale at all speaks Russian") << "" << "" << QStringList() << russian;
        QTest::newRow("LANG=ru_RU.UTF-8 speaks Russian") << "ru_RU.UTF-8" << "" << QStringList() << russian;
        QTest::newRow("LANG=en_GB.UTF-8 speaks English") << "en_GB.UTF-8" << "" << QStringList() << english;
        QTest::newRow("LANG=C speaks Russian even where LANGUAGE lists English") << "C" << "en" << QStringList() << russian;
        QTest::newRow("LANGUAGE's first language is the desktop's first") << "ru_RU.UTF-8" << "en:ru" << QStringList() << english;
        QTest::newRow("LANG=de_DE.UTF-8 speaks Russian, the game's own") << "de_DE.UTF-8" << "" << QStringList() << russian;
        QTest::newRow("--lang en speaks English on a Russian desktop") << "ru_RU.UTF-8" << "" << QStringList{ "--lang", "en" } << english;
        QTest::newRow("--lang ru speaks Russian on an English desktop") << "en_GB.UTF-8" << "" << QStringList{ "--lang", "ru" } << russian;
    }
    void stagedGameSpeaksTheDesktopsLanguageOrTheOneAskedFor()
    {
        QFETCH(QString, lang);
        QFETCH(QString, languages);
        QFETCH(QStringList, args);
        QTemporaryDir elsewhere;
        QProcess process;
        process.setProcessEnvironment(probedGame(lang, languages));
        process.setWorkingDirectory(elsewhere.path());
        process.start(OLTERIA_STAGED_GAME, args);
        QVERIFY2(process.waitForFinished(60000), "the game did not quit");
        const QString out = QString::fromUtf8(process.readAllStandardOutput());
        QFETCH(QString, says);
        QVERIFY2(out.contains(says), qPrintable(out));
    }

    void stagedGamePlaysFromAnyFolderOrNamesTheMissingFile_data()
    {
        QTest::addColumn<QStringList>("config"); // what ../config holds ("name/" is a folder); none: no ../config
        QTest::addColumn<bool>("installed"); // the staged game, or a copy of it with no data anywhere
        QTest::addColumn<QString>("says");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("playersGl"); // the player's own QT_XCB_GL_INTEGRATION, if any
        const QStringList files = { "pony.ini", "monster.ini", "action.ini", "monsterscript.dat" };
        const QString installedGame = "menu\nwindow Оборона Ольтерии: 6 summons, 4 actions, 3 buildings, 6 cells\nGL integration none, high-DPI scaling on\n";
        QTest::newRow("the installed data is played from an unrelated folder") << QStringList() << true << installedGame << 0 << QByteArray();
        QTest::newRow("another program's config folder, with none of the game's files, is passed over") << QStringList{ "settings.ini" } << true << installedGame << 0 << QByteArray();
        QTest::newRow("a modder's half-finished folder with only the schedule is chosen and its missing pony.ini named") << QStringList{ "monsterscript.dat" } << true << "config/pony.ini" << 1 << QByteArray();
        QTest::newRow("with no data anywhere the first file is named") << QStringList() << false << "config/pony.ini" << 1 << QByteArray();
        // Which file of a folder is named first is the data lookup's table, tst_datalocation.
        QTest::newRow("a folder in place of the schedule is named") << QStringList(files).replaceInStrings("monsterscript.dat", "monsterscript.dat/") << true << "monsterscript.dat — не обычный файл" << 1 << QByteArray();
        QTest::newRow("empty files are data and the empty schedule is won at once, the player's GL choice kept") << files << true << "cells\nGL integration xcb_egl, high-DPI scaling on\nbox: Восставшие фрукты уничтожены" << 0 << QByteArray("xcb_egl");
    }
    void stagedGamePlaysFromAnyFolderOrNamesTheMissingFile()
    {
        QFETCH(QStringList, config);
        QFETCH(bool, installed);
        QTemporaryDir elsewhere;
        const QDir folder(elsewhere.path());
        QVERIFY(folder.mkpath("run") && folder.mkpath("bin") && (config.isEmpty() || folder.mkpath("config")));
        for (const QString& file : config)
            QVERIFY(file.endsWith('/') ? folder.mkpath("config/" + file) : QFile(folder.filePath("config/" + file)).open(QIODevice::WriteOnly));
        const QString game = installed ? QStringLiteral(OLTERIA_STAGED_GAME) : folder.filePath("bin/olteria");
        QVERIFY(installed || QFile::copy(OLTERIA_STAGED_GAME, game));
        QProcess process;
        QProcessEnvironment env = probedGame("C");
        QFETCH(QByteArray, playersGl);
        env.remove("QT_XCB_GL_INTEGRATION");
        if (!playersGl.isEmpty())
            env.insert("QT_XCB_GL_INTEGRATION", playersGl);
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(folder.filePath("run"));
        process.start(game, QStringList());
        QVERIFY2(process.waitForFinished(60000), "the game did not quit");
        const QString out = QString::fromUtf8(process.readAllStandardOutput()), err = QString::fromUtf8(process.readAllStandardError());
        QFETCH(QString, says);
        QVERIFY2(out.contains(says), qPrintable(out));
        QTEST(process.exitCode(), "status");
        // A refusal is one box and no game, and its message is also on standard error.
        QVERIFY2(process.exitCode() == 0 || (out.count("box: ") == 1 && !out.contains("menu") && err.contains(out.mid(5).trimmed())), qPrintable(err));
    }
};

QTEST_MAIN(TestInstall)
#include "tst_install.moc"
