#include <QProcess>
#include <QtTest>

// The game and its tools read the command line as every desktop program does. The help and the
// version need no display, nor do the tools' mistakes: each runs here with no display and no
// platform chosen, unless its row gives it one (the offscreen platform). The game judges a mistake
// once its application object, which needs a display, has taken Qt's own options out.
class TestCommandLine : public QObject
{
    Q_OBJECT
private slots:
    void readsItsCommandLineAsTheDesktopDoes_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("display");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out"); // what standard output holds; empty: nothing
        QTest::addColumn<QString>("err"); // what standard error holds; empty: nothing
        const QString version = QStringLiteral(" " OLTERIA_VERSION "\n");
        QTest::newRow("the game's help lists --mute") << OLTERIA_GAME << QStringList{ "--help" } << false << 0 << "  --mute  " << "";
        QTest::newRow("the game's help by its short name names Qt's options") << OLTERIA_GAME << QStringList{ "-h" } << false << 0 << "-platform NAME" << "";
        QTest::newRow("the game's version is its name and version") << OLTERIA_GAME << QStringList{ "--version" } << false << 0 << "olteria" + version << "";
        QTest::newRow("Qt's -platform is taken, not refused") << OLTERIA_GAME << QStringList{ "-platform", "offscreen", "-v" } << false << 0 << "olteria" + version << "";
        QTest::newRow("the game refuses an unknown option with the usage, once Qt has taken its own") << OLTERIA_GAME << QStringList{ "-reverse", "--no-such-option" } << true << 2 << "" << "Unknown option 'no-such-option'.\nUsage: ";
        QTest::newRow("the game's help lists --lang") << OLTERIA_GAME << QStringList{ "--help" } << false << 0 << "  --lang <LANG>  " << "";
        QTest::newRow("the game refuses a language it does not speak") << OLTERIA_GAME << QStringList{ "--lang", "de" } << true << 2 << ""
                                                                       << "--lang is ru or en\nUsage: ";
        QTest::newRow("the sim refuses a language it does not speak") << OLTERIA_SIM << QStringList{ "--lang", "EN" } << false << 2 << ""
                                                                      << "--lang is ru or en\nUsage: ";
        QTest::newRow("the game refuses a word that is no option") << OLTERIA_GAME << QStringList{ "--mute", "easy" } << true << 2 << "" << "Usage: ";
        QTest::newRow("the checker's help lists --strict") << OLTERIA_LINT << QStringList{ "--help" } << false << 0 << "  --strict  " << "";
        QTest::newRow("the checker's version is its name and version") << OLTERIA_LINT << QStringList{ "--version" } << false << 0 << "olteria-lint" + version << "";
        QTest::newRow("the checker refuses an unknown option with the usage") << OLTERIA_LINT << QStringList{ "--sloppy" } << false << 2 << "" << "'sloppy'.\nUsage: ";
        QTest::newRow("the checker refuses a second folder") << OLTERIA_LINT << QStringList{ "a", "b" } << false << 2 << "" << "Usage: ";
        QTest::newRow("the sim's help lists --seed") << OLTERIA_SIM << QStringList{ "--help" } << false << 0 << "  --seed <N>  " << "";
        QTest::newRow("the sim's version is its name and version") << OLTERIA_SIM << QStringList{ "--version" } << false << 0 << "olteria-sim" + version << "";
        QTest::newRow("the sim refuses an unknown option with the usage") << OLTERIA_SIM << QStringList{ "--fast" } << false << 2 << "" << "'fast'.\nUsage: ";
        QTest::newRow("the sim refuses a seed that is no number") << OLTERIA_SIM << QStringList{ "--seed", "x" } << false << 2 << "" << "Usage: ";
        QTest::newRow("the sim refuses an option without its value") << OLTERIA_SIM << QStringList{ "--mode" } << false << 2 << "" << "Usage: ";
    }
    void readsItsCommandLineAsTheDesktopDoes()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(bool, display);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM" })
            env.remove(name);
        if (display)
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(program, arguments);
        QVERIFY2(process.waitForFinished(60000), "the program did not end");
        const QString stdOut = QString::fromUtf8(process.readAllStandardOutput());
        const QString stdErr = QString::fromUtf8(process.readAllStandardError());
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QVERIFY2(out.isEmpty() ? stdOut.isEmpty() : stdOut.contains(out), qPrintable(stdOut));
        QVERIFY2(err.isEmpty() ? stdErr.isEmpty() : stdErr.contains(err), qPrintable(stdErr));
        QTEST(process.exitCode(), "status");
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
