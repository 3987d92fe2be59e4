#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The game as a player gets it: installed (into a staging folder) and started from a working
// directory that has nothing to do with the game, as a menu entry starts it.
class TestInstall : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(staging.isValid() && elsewhere.isValid() && QDir(elsewhere.path()).mkdir("run"));
        QProcess install;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DESTDIR", staging.path());
        install.setProcessEnvironment(env);
        install.start(CMAKE_COMMAND, { "--install", OLTERIA_BUILD_DIR });
        QVERIFY2(install.waitForFinished(120000) && install.exitCode() == 0, install.readAllStandardError().constData());
    }

    void installedGameFindsItsDataFromAnyFolderAndShowsTheField()
    {
        QProcess game;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("QT_PLUGIN_PATH", OLTERIA_PROBE_DIR);
        env.insert("QT_QPA_GENERIC_PLUGINS", "olteriaprobe");
        game.setProcessEnvironment(env);
        game.setWorkingDirectory(elsewhere.filePath("run"));
        game.start(staging.path() + OLTERIA_INSTALLED_BINDIR "/olteria", QStringList());
        QVERIFY2(game.waitForFinished(60000), "the game did not quit");
        QCOMPARE(QString::fromUtf8(game.readAllStandardOutput()),
                 QStringLiteral("start menu answered\nwindow Оборона Ольтерии: 6 summon buttons, 4 action buttons, 3 buildings with 6 cells\n"));
        QCOMPARE(game.exitCode(), 0);
    }

    void installedMenuEntryAndMetadataValidate_data()
    {
        QTest::addColumn<QString>("validator");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("the desktop entry is valid") << "desktop-file-validate" << QStringList(OLTERIA_INSTALLED_DATADIR "/applications/" OLTERIA_APP_ID ".desktop");
        QTest::newRow("the AppStream metadata is valid")
            << "appstreamcli" << QStringList({ "validate", "--no-net", OLTERIA_INSTALLED_DATADIR "/metainfo/" OLTERIA_APP_ID ".metainfo.xml" });
    }
    void installedMenuEntryAndMetadataValidate()
    {
        QFETCH(QString, validator);
        QFETCH(QStringList, arguments);
        arguments.last().prepend(staging.path());
        QProcess check;
        check.start(validator, arguments);
        QVERIFY2(check.waitForFinished(60000) && check.exitStatus() == QProcess::NormalExit, qPrintable(validator + " did not run"));
        QVERIFY2(check.exitCode() == 0, check.readAll().constData());
    }

private:
    QTemporaryDir staging, elsewhere;
};

QTEST_MAIN(TestInstall)
#include "tst_install.moc"
