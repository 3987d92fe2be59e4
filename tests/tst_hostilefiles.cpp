#include "datalocation.h"
#include "dialogmenu.h"
#include "dialogunitinfo.h"
#include "kindtable.h"
#include "memorysound.h"
#include "pictureloader.h"
#include "qmybutton.h"
#include "soundbank.h"
#include "soundfile.h"
#include "soundsink.h"
#include "speaker.h"
#include "testwindow.h"
#include "wav.h"
#include "wavescript.h"

#include <QLabel>
#include <QProcess>
#include <QSoundEffect>
#include <QTextDocument>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

// A data folder written to hurt, as the game and olteria-lint meet it:
// - a file far over its limit (a 3 GB sparse file), a FIFO, or a link to /dev/zero, in place of
//   each kind of file, is refused without being read, named with its limit or as no regular
//   file, and read as that kind reads a missing file; the lint names the same file;
// - a name that is markup is shown as written in the start menu, the unit dialog and a tooltip,
//   and never loads what it names;
// - a large schedule or catalogue costs memory in proportion to its size;
// - a missing or read-only temporary folder changes nothing, and nothing is ever written there.
namespace {
enum class Kind { Catalogue, Schedule, Sound, Picture, SharpPicture };
enum class Form { Huge, Fifo, DevZero };
constexpr qint64 kHugeBytes = 3LL * 1024 * 1024 * 1024;
// What a process may grow by while it refuses a hostile file: far below the 3 GB it would read.
constexpr qint64 kRefusalGrowthBytes = 64 * 1024 * 1024;

// The peak resident memory of this process so far.
qint64 peakMemory()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong() * 1024;
    }
    return 0;
}

// Everything written to stderr while it lives, in a file of the game folder, with the game's
// messages as a player's terminal shows them (Qt Test would take them into its own log).
class StderrCapture
{
public:
    StderrCapture()
    {
        std::fflush(stderr);
        saved = dup(STDERR_FILENO);
        file.open(QIODevice::ReadWrite | QIODevice::Truncate);
        dup2(file.handle(), STDERR_FILENO);
        testLog = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            std::fputs(qUtf8Printable(qFormatLogMessage(type, context, message) + QLatin1Char('\n')), stderr);
        });
    }
    ~StderrCapture() { restore(); }
    QString text()
    {
        restore();
        file.seek(0);
        return QString::fromUtf8(file.readAll());
    }

private:
    void restore()
    {
        if (saved < 0)
            return;
        qInstallMessageHandler(testLog);
        std::fflush(stderr);
        dup2(saved, STDERR_FILENO);
        close(saved);
        saved = -1;
    }
    QFile file{ QStringLiteral("stderr.txt") };
    int saved = -1;
    QtMessageHandler testLog = nullptr;
};

class CountingSink : public SoundSink
{
public:
    int load(const QString&, const QByteArray&) override { return loads++; }
    void play(int) override {}
    void loop(int) override {}
    void stop() override {}
    int loads = 0;
};

// The game folder's root, above run/, the working directory.
QString root()
{
    return QDir::cleanPath(QDir::current().absoluteFilePath(QStringLiteral("..")));
}

// What olteria-lint prints for the game folder, with the environment given.
QString lint(const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(OLTERIA_LINT), { root() });
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

void makeHostile(const QString& relPath, Form form)
{
    const QString path = root() + QLatin1Char('/') + relPath;
    QFile::remove(path);
    switch (form) {
    case Form::Huge: {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(kHugeBytes));
        break;
    }
    case Form::Fifo:
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        break;
    case Form::DevZero:
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
        break;
    }
}

// What the game's own loader makes of the file: the kinds, fruits, sounds or pixels it got.
int loadAsTheGameDoes(Kind kind)
{
    switch (kind) {
    case Kind::Catalogue:
        return KindTable<PonyInfo>(DataSchema::ponies()).codes().isEmpty() ? 0 : 1;
    case Kind::Schedule:
        return WaveScript().isFinished() ? 0 : 1;
    case Kind::Sound: {
        CountingSink sink;
        const SoundBank bank(&sink, QStringLiteral("../sounds"), {});
        return sink.loads == 0 ? 0 : sink.loads;
    }
    case Kind::Picture:
        return PictureLoader().loadUnit(QStringLiteral("../images/clover_ico.png"), 33).isNull() ? 0 : 1;
    case Kind::SharpPicture:
        return PictureLoader(2).loadUnit(QStringLiteral("../images/clover_ico.png"), 33).width(); // 33: drawn from the 1x file
    }
    return -1;
}
}

Q_DECLARE_METATYPE(Kind)
Q_DECLARE_METATYPE(Form)

class TestHostileFiles : public QObject
{
    Q_OBJECT
private slots:
    void aFileOverItsLimitOrNoRegularFileIsRefusedUnreadAndNamed_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("file");
        QTest::addColumn<Form>("form");
        QTest::addColumn<int>("loaded"); // what the loader gets instead: nothing, or the other sounds
        QTest::addColumn<QString>("gameSays");
        QTest::addColumn<QString>("lintSays"); // a pattern of the lint's line
        const QString huge = QString::number(kHugeBytes) + QStringLiteral(" bytes, more than the %1 the game loads");
        const QString irregular = QStringLiteral("not a regular file");
        const struct
        {
            Kind kind;
            const char* file;
            qint64 limit;
            int otherSounds;
            const char* lintSeverity;
        } kinds[] = {
            { Kind::Catalogue, "config/pony.ini", DataLimits::kCatalogueBytes, 0, "error" },
            { Kind::Schedule, "config/monsterscript.dat", DataLimits::kScheduleBytes, 0, "error" },
            { Kind::Sound, "sounds/summon.wav", DataLimits::kSoundBytes, 9, "warning" },
            { Kind::Picture, "images/clover_ico.png", DataLimits::kPictureBytes, 0, "error" },
        };
        for (const auto& k : kinds) {
            const QString file = QLatin1String(k.file);
            const QString finding = QStringLiteral("^") + file + QStringLiteral(": ") + QLatin1String(k.lintSeverity) + QStringLiteral(": .*");
            QTest::addRow("a 3 GB sparse %s is refused by its size", k.file)
                << k.kind << file << Form::Huge << k.otherSounds << huge.arg(k.limit) << finding + QString::number(k.limit);
            QTest::addRow("a FIFO as %s is never opened", k.file)
                << k.kind << file << Form::Fifo << k.otherSounds << irregular << finding + irregular;
            QTest::addRow("a link to /dev/zero as %s is never read", k.file)
                << k.kind << file << Form::DevZero << k.otherSounds << irregular << finding + irregular;
        }
        QTest::newRow("a FIFO as a 2x picture is passed over for the 1x picture")
            << Kind::SharpPicture << "images/clover_ico@2x.png" << Form::Fifo << 33 << irregular
            << "^images/clover_ico@2x.png: warning: this is not a regular file";
    }
    void aFileOverItsLimitOrNoRegularFileIsRefusedUnreadAndNamed()
    {
        QFETCH(Kind, kind);
        QFETCH(QString, file);
        QFETCH(Form, form);
        QFETCH(QString, gameSays);
        QFETCH(QString, lintSays);
        GameDir dir;
        dir.copyShippedData();
        makeHostile(file, form);
        const qint64 peakBefore = peakMemory();
        StderrCapture capture;
        QTEST(loadAsTheGameDoes(kind), "loaded");
        const QString said = capture.text();
        QVERIFY2(said.contains(root() + QLatin1Char('/') + file + QStringLiteral(": ") + gameSays), qPrintable(said));
        QVERIFY(peakMemory() - peakBefore < kRefusalGrowthBytes);
        const QString findings = lint();
        QVERIFY2(findings.contains(QRegularExpression(lintSays, QRegularExpression::MultilineOption)), qPrintable(findings));
        // The game does not start on a catalogue or schedule it cannot read, and says which.
        const DataLocation location({ root() });
        QCOMPARE(location.isUsable(), kind != Kind::Catalogue && kind != Kind::Schedule);
        QVERIFY(location.isUsable() || location.problem().contains(root() + QLatin1Char('/') + file));
    }

    void aNameThatIsMarkupIsShownAsWrittenAndLoadsNothing()
    {
        const QString name = QStringLiteral("<img src=\"/dev/zero\">");
        const qint64 peakBefore = peakMemory();
        TestWindow w([&name](GameDir& dir) {
            TestWindow::smallGame()(dir);
            // Quotes in an INI value are escaped, or the reader drops them.
            const QString written = QString(name).replace(QLatin1Char('"'), QStringLiteral("\\\""));
            dir.writeIni("pony.ini", QStringLiteral("[plain]\nName=") + written + QStringLiteral("\nDescr=") + written
                                         + QStringLiteral("\nMaxHealth=100\nNeedMagic=0\nSpeed=100\nAttack=10\nBonus=farmfood\n"));
        });
        DialogMenu menu;
        menu.grab();
        QTextDocument shown;
        shown.setHtml(menu.findChild<QLabel*>(QStringLiteral("label"))->text());
        QVERIFY(shown.toPlainText().contains(name + QStringLiteral(" - ")));
        DialogUnitInfo dialog;
        dialog.setInfo(name, name);
        dialog.grab();
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            QCOMPARE(label->textFormat(), Qt::PlainText);
        shown.setHtml(w.ponyButtons.first()->toolTip());
        QVERIFY(shown.toPlainText().endsWith(QLatin1Char(' ') + name));
        QVERIFY(peakMemory() - peakBefore < kRefusalGrowthBytes);
        QVERIFY(lint().contains(QStringLiteral("config/pony.ini:2: warning: Name of [plain] looks like HTML markup")));
    }

    // Seventeen sounds of 2 MiB: the one loaded last goes past the bound and is silent.
    void theSoundsOfAGameTogetherStayWithinTheirBound()
    {
        constexpr int kCodes = 7;
        GameDir dir;
        dir.copyShippedData();
        const QByteArray longest = Wav::plain(DataLimits::kSoundBytes - 44);
        QStringList codes;
        for (int n = 0; n < kCodes; ++n) {
            codes << QStringLiteral("c%1").arg(n);
            dir.writeFile(QStringLiteral("sounds/summon_c%1.wav").arg(n), longest);
        }
        for (int cue = 0; cue < static_cast<int>(Cue::Count); ++cue)
            dir.writeFile(QStringLiteral("sounds/") + SoundBank::fileName(static_cast<Cue>(cue)) + QStringLiteral(".wav"), longest);
        StderrCapture capture;
        CountingSink sink;
        const SoundBank bank(&sink, QStringLiteral("../sounds"), { { Cue::Summon, codes } });
        QCOMPARE(sink.loads, 16);
        QVERIFY(capture.text().contains(root() + QStringLiteral("/sounds/background.wav: the sounds before it take 33554432 bytes, "
                                                                "and with it more than the 33554432")));
        QVERIFY(lint().contains(QStringLiteral("sounds: warning: the playable sounds take")));
    }

    // Each file just within its limit, every line a fruit, a kind or a key the reader keeps.
    void aLargeFileCostsMemoryInProportionToItsSize_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("line"); // %1: the line's number
        QTest::addColumn<int>("lines");
        QTest::newRow("a schedule of 100 000 fruits") << Kind::Schedule << "1,apple,3\n" << 100000;
        QTest::newRow("a catalogue of 80 000 keys in one group") << Kind::Catalogue << "k%1=1\n" << 80000;
        QTest::newRow("a catalogue of 50 000 kinds") << Kind::Catalogue << "[p%1]\nName=a\n" << 50000;
    }
    void aLargeFileCostsMemoryInProportionToItsSize()
    {
        QFETCH(Kind, kind);
        QFETCH(QString, line);
        QFETCH(int, lines);
        GameDir dir;
        dir.copyShippedData();
        QString text;
        for (int n = 0; n < lines; ++n)
            text += line.contains(QLatin1String("%1")) ? line.arg(n, 5, 10, QLatin1Char('0')) : line;
        if (kind == Kind::Catalogue)
            text.prepend(QStringLiteral("[p]\n"));
        dir.writeFile(kind == Kind::Schedule ? "config/monsterscript.dat" : "config/pony.ini", text.toUtf8());
        const qint64 peakBefore = peakMemory();
        QCOMPARE(loadAsTheGameDoes(kind), 1);
        const qint64 growth = peakMemory() - peakBefore;
#ifndef __SANITIZE_ADDRESS__ // AddressSanitizer's red zones and quarantine multiply every allocation
        // A catalogue of bare keys takes about 17 times its size, a schedule about 7.
        constexpr qint64 kMostBytesPerByte = 24;
        QVERIFY2(growth < text.size() * kMostBytesPerByte, qPrintable(QStringLiteral("%1 bytes for %2").arg(growth).arg(text.size())));
#else
        Q_UNUSED(growth)
#endif
        QVERIFY(text.size() <= (kind == Kind::Schedule ? DataLimits::kScheduleBytes : DataLimits::kCatalogueBytes));
        QVERIFY(!lint().contains(QRegularExpression(QStringLiteral("(monsterscript.dat|pony.ini): error: the file"))));
    }

    void withoutAUsableTemporaryFolderTheGameReadsAndPlaysAlike_data()
    {
        QTest::addColumn<bool>("folderThere");
        QTest::newRow("a missing temporary folder changes nothing") << false;
        QTest::newRow("a read-only temporary folder stays empty") << true;
    }
    void withoutAUsableTemporaryFolderTheGameReadsAndPlaysAlike()
    {
        QFETCH(bool, folderThere);
        GameDir dir;
        dir.copyShippedData();
        const QString temp = root() + QStringLiteral("/temp");
        if (folderThere) {
            QVERIFY(QDir().mkdir(temp));
            QVERIFY(QFile::setPermissions(temp, QFile::ReadOwner | QFile::ExeOwner));
        }
        const QByteArray machineTemp = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(temp));
        StderrCapture capture;
        const KindTable<PonyInfo> ponies(DataSchema::ponies());
        CountingSink sink;
        const SoundBank bank(&sink, QStringLiteral("../sounds"), {});
        const QByteArray wav = SoundFile::read(QStringLiteral("../sounds/summon.wav")).plainWav();
        const MemorySound sound(wav);
        QFile served(sound.path());
        QVERIFY(served.open(QIODevice::ReadOnly));
        QCOMPARE(served.readAll(), wav);
        const QString said = capture.text();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TMPDIR"), temp);
        const QString findings = lint(env);
        machineTemp.isNull() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", machineTemp);
        QCOMPARE(ponies.name(QStringLiteral("clover")), QStringLiteral("Клеверинка"));
        QCOMPARE(said, QString());
        QCOMPARE(sink.loads, 10);
        QCOMPARE(QDir(temp).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
        QVERIFY2(findings.contains(QStringLiteral(": 0 errors")), qPrintable(findings));
    }

    // Qt Multimedia reads the sound from memory, through its resource URL, as from a file, and
    // has nothing to say about it on standard error.
    void aCheckedSoundIsLoadedByQtFromMemory()
    {
        GameDir dir;
        dir.copyShippedData();
        const MemorySound sound(SoundFile::read(QStringLiteral("../sounds/summon.wav")).plainWav());
        QVERIFY(QFileInfo(sound.path()).lastModified().isValid());
        // Qt 5, and Qt 6.8 with no audio device, load a sound effect only through a sound server.
        if (!Speaker::forThisDesktop())
            QSKIP("Qt loads a sound effect only where a sound server runs, and there is none here");
        StderrCapture capture;
        QSoundEffect effect;
        effect.setSource(sound.url());
        QTRY_COMPARE(effect.status(), QSoundEffect::Ready);
        QCOMPARE(capture.text(), QString());
    }

    void aWholeGameLeavesNothingInTheTemporaryFolder()
    {
        GameDir dir;
        dir.copyShippedData();
        QVERIFY(QDir().mkdir(root() + QStringLiteral("/temp")));
        QVERIFY(QDir().mkdir(root() + QStringLiteral("/runtime")));
        QVERIFY(QFile::setPermissions(root() + QStringLiteral("/runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TMPDIR"), root() + QStringLiteral("/temp"));
        // As on a desktop: without it, Qt itself makes a runtime folder in the temporary folder.
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), root() + QStringLiteral("/runtime"));
        QProcess sim;
        sim.setProcessEnvironment(env);
        sim.start(QStringLiteral(OLTERIA_SIM), { QStringLiteral("--data"), root(), QStringLiteral("--max-minutes"), QStringLiteral("2") });
        QVERIFY(sim.waitForFinished(120000));
        QVERIFY2(sim.readAllStandardOutput().startsWith("outcome="), sim.readAllStandardError().constData());
        QVERIFY(lint(env).contains(QStringLiteral(": 0 errors")));
        QCOMPARE(QDir(root() + QStringLiteral("/temp")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
    }
};

QTEST_MAIN(TestHostileFiles)
#include "tst_hostilefiles.moc"
