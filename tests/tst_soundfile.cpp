#include "gamedir.h"
#include "soundfile.h"
#include "speaker.h"
#include "wav.h"

#include <QtTest>

namespace {
// Hostile files: each is refused for the reason that starts with the row's text. A null
// array is a folder in the sound's place.
void addHostileFiles()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QByteArray>("played"); // what the player is given of a file that plays
    const QByteArray pcm = Wav::fmt().mid(8);
    auto row = [](const char* name, const QByteArray& bytes, const char* reason) {
        QTest::newRow(name) << bytes << QString(reason) << QByteArray();
    };
    row("a file cut right after its header", Wav::riff(Wav::fmt() + Wav::data(1000)).left(44),
        "its RIFF header claims 1036 bytes, but only 36 follow");
    row("a data chunk claiming 2 GB", Wav::riff(Wav::fmt() + Wav::data(4, 0x7FFFFFFF)),
        "its \"data\" chunk claims 2147483647 bytes, but only 4 follow");
    row("RIFF and data both claiming 4 GB", Wav::riff(Wav::fmt() + Wav::data(4, 0xFFFFFFFF), 0xFFFFFFFF),
        "its RIFF header claims 4294967295 bytes, but only 40 follow");
    row("a fmt chunk of 0xFFFFFFF0 bytes", Wav::riff(Wav::chunk("fmt ", pcm, 0xFFFFFFF0) + Wav::data(4)),
        "its \"fmt \" chunk claims 4294967280 bytes, but only 28 follow");
    row("a fmt chunk too short for a format", Wav::riff(Wav::chunk("fmt ", pcm.left(14)) + Wav::data(4)),
        "its \"fmt \" chunk is 14 bytes; a format takes 16 to 40");
    row("no data chunk", Wav::riff(Wav::fmt()), "it has no \"data\" chunk");
    row("no fmt chunk", Wav::riff(Wav::data(4)), "its \"data\" chunk comes before its \"fmt \" chunk");
    row("two fmt chunks", Wav::riff(Wav::fmt() + Wav::fmt() + Wav::data(4)), "it has two \"fmt \" chunks");
    row("two data chunks", Wav::riff(Wav::fmt() + Wav::data(4) + Wav::data(4)), "it has two \"data\" chunks");
    row("zero channels", Wav::riff(Wav::fmt(1, 0, 22050, 16) + Wav::data(4)), "0 channels of 16 bits at 22050 Hz");
    row("a rate of zero", Wav::riff(Wav::fmt(1, 1, 0, 16) + Wav::data(4)), "1 channels of 16 bits at 0 Hz");
    row("block align and byte rate zero", Wav::riff(Wav::fmt(1, 1, 22050, 16, 0) + Wav::data(4)),
        "its block align 0 and byte rate 0 do not match 1 channels of 16 bits at 22050 Hz, which take 2 and 44100");
    row("a byte rate that lies", Wav::riff(Wav::fmt(1, 1, 22050, 16, 2, 1) + Wav::data(4)), "its block align 2 and byte rate 1");
    row("24 bits", Wav::riff(Wav::fmt(1, 1, 22050, 24) + Wav::data(6)), "1 channels of 24 bits at 22050 Hz");
    row("floating-point samples", Wav::riff(Wav::fmt(3, 1, 22050, 32) + Wav::data(8)), "a floating-point WAV file");
    row("ADPCM", Wav::riff(Wav::fmt(2, 1, 22050, 4) + Wav::data(8)), "a compressed WAV file (format 2)");
    row("an odd data length of 16-bit sound", Wav::riff(Wav::fmt() + Wav::data(3)),
        "its sound data is 3 bytes, not a whole number of 2-byte frames");
    row("an empty data chunk", Wav::riff(Wav::fmt() + Wav::data(0)), "its sound data is empty");
    row("an MP3 file", "ID3\x03\0\0\0\0\0\0mp3 frames", "not a WAV file");
    row("more than 2 MiB", Wav::plain(SoundFile::kMaxBytes), "2097196 bytes, more than the 2097152 the game loads");
    row("a folder in the sound's place", QByteArray(), "a folder, not a file");
    row("floating-point samples in the extensible format", Wav::riff(Wav::extensible(1, 22050, 32, 32, 3) + Wav::data(8)),
        "a WAV file in the extensible format holding no plain 8- or 16-bit PCM");
    row("20 valid bits of 24 in the extensible format", Wav::riff(Wav::extensible(1, 22050, 24, 20, 1) + Wav::data(6)),
        "a WAV file in the extensible format holding no plain 8- or 16-bit PCM");
}

// The sound server the whole-game test plays against: the desktop's, or one of its own.
class SoundServer
{
public:
    bool start()
    {
        if (!qEnvironmentVariableIsEmpty("PULSE_SERVER")
            || QFileInfo::exists(qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/pulse/native")))
            return true;
        const QString pulseaudio = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
        if (pulseaudio.isEmpty() || !runtime.isValid())
            return false;
        const QString socket = runtime.filePath(QStringLiteral("pulse/native"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        env.insert(QStringLiteral("HOME"), runtime.path());
        server.setProcessEnvironment(env);
        server.start(pulseaudio, { "-n", "--daemonize=no", "--exit-idle-time=-1", "--load=module-null-sink",
                                   "--load=module-native-protocol-unix auth-anonymous=1 socket=" + socket });
        if (!QTest::qWaitFor([&] { return QFileInfo::exists(socket) || server.state() == QProcess::NotRunning; }, 20000)
            || !QFileInfo::exists(socket))
            return false;
        // The game and this test find it as they would find the desktop's.
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
        qputenv("PULSE_SERVER", ("unix:" + socket).toLocal8Bit());
        return true;
    }
    ~SoundServer()
    {
        server.terminate();
        server.waitForFinished();
    }

private:
    QTemporaryDir runtime;
    QProcess server;
};
}

// A sound file, as a modder saving one notices it:
// - 8- or 16-bit PCM, 1 or 2 channels, 8000 to 48000 Hz, of at most 2 MiB plays; the player
//   gets its format and samples alone, without other chunks, pad bytes or trailing bytes;
// - anything else plays as silence, said once on stderr with the file and the reason; nothing a
//   sound file holds crashes or hangs the game, nor its exit.
class TestSoundFile : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { serverRuns = server.start(); }

    void aFileIsJudgedByWhatItHolds_data()
    {
        addHostileFiles();
        auto row = [](const char* name, const QByteArray& bytes, const QByteArray& played) {
            QTest::newRow(name) << bytes << QString() << played;
        };
        row("16-bit mono at 22050 Hz plays as it is", Wav::plain(), Wav::plain());
        row("8-bit stereo at 8000 Hz plays as it is", Wav::riff(Wav::fmt(1, 2, 8000, 8) + Wav::data(2)),
            Wav::riff(Wav::fmt(1, 2, 8000, 8) + Wav::data(2)));
        row("16-bit stereo at 48000 Hz plays as it is", Wav::riff(Wav::fmt(1, 2, 48000, 16) + Wav::data(4)),
            Wav::riff(Wav::fmt(1, 2, 48000, 16) + Wav::data(4)));
        row("an odd data length of 8-bit mono sound plays without its pad byte",
            Wav::riff(Wav::fmt(1, 1, 8000, 8) + Wav::data(3) + '\0'), Wav::riff(Wav::fmt(1, 1, 8000, 8) + Wav::data(3)));
        row("an 18-byte fmt chunk plays as a 16-byte one",
            Wav::riff(Wav::chunk("fmt ", Wav::fmt().mid(8) + QByteArray(2, '\0')) + Wav::data(4)), Wav::plain());
        row("a chunk of odd size and its pad byte before the format are left out",
            Wav::riff(Wav::chunk("LIST", "abc") + '\0' + Wav::fmt() + Wav::data(4)), Wav::plain());
        row("bytes after the RIFF body are left out", Wav::plain() + "trailing", Wav::plain());
        row("2 MiB plays", Wav::plain(SoundFile::kMaxBytes - 44), Wav::plain(SoundFile::kMaxBytes - 44));
        row("16-bit stereo PCM in the extensible format plays as the plain format",
            Wav::riff(Wav::extensible(2, 44100, 16, 16, 1) + Wav::data(4)), Wav::riff(Wav::fmt(1, 2, 44100, 16) + Wav::data(4)));
        row("8-bit mono PCM in the extensible format plays as the plain format",
            Wav::riff(Wav::extensible(1, 8000, 8, 8, 1) + Wav::data(2)), Wav::riff(Wav::fmt(1, 1, 8000, 8) + Wav::data(2)));
    }
    void aFileIsJudgedByWhatItHolds()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        QFETCH(QByteArray, played);
        const SoundFile sound = SoundFile::read(writeSound(bytes));
        QVERIFY2(sound.problem().startsWith(reason) && sound.isPlayable() == reason.isEmpty(), qPrintable(sound.problem()));
        // The player gets the checked format and samples, and nothing else.
        QCOMPARE(sound.plainWav(), played);
    }

    // Already in the plainest form: the player gets them byte for byte.
    void everyShippedSoundPlaysUnchanged()
    {
        const QDir sounds(QStringLiteral(OLTERIA_SOURCE_DIR "/sounds"));
        const QStringList names = sounds.entryList({ QStringLiteral("*.wav") });
        QVERIFY(!names.isEmpty());
        for (const QString& name : names) {
            QFile file(sounds.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const SoundFile sound = SoundFile::read(file.fileName());
            QVERIFY2(sound.isPlayable(), qPrintable(name + ": " + sound.problem()));
            QCOMPARE(sound.plainWav(), file.readAll());
        }
    }

    // Qt loads sounds on one thread and deleting any effect waits for all loads to end.
    void aSpeakerGoesAtOnceWhileASoundNeverFinishesLoading()
    {
        if (!serverRuns)
            QSKIP("no sound server and no pulseaudio to start one: the game plays silently here");
        auto speaker = Speaker::forThisDesktop();
        QVERIFY(speaker);
        // A file that promises more sound than it holds keeps Qt's loader waiting for ever.
        QVERIFY(speaker->load(QStringLiteral("cut.wav"), Wav::riff(Wav::fmt() + Wav::data(1000)).left(44)) >= 0);
        QVERIFY(speaker->load(QStringLiteral("plain.wav"), Wav::plain()) >= 0);
        speaker.reset();
    }

    void aWholeGameWithAHostileSoundEndsAndExitsPromptly_data() { addHostileFiles(); }
    void aWholeGameWithAHostileSoundEndsAndExitsPromptly()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        if (!serverRuns)
            QSKIP("no sound server and no pulseaudio to start one: the game plays silently here, so no sound reaches Qt");
        GameDir dir;
        dir.copyShippedData();
        dir.writeSchedule(QStringLiteral("1,apple,1\n"));
        // The cue of the first summon, the loop under the game and the first fruit's knock.
        for (const char* cue : { "sounds/summon.wav", "sounds/background.wav", "sounds/enter.wav" }) {
            if (bytes.isNull())
                dir.makeFolder(cue);
            else
                dir.writeFile(cue, bytes);
        }
        QProcess sim;
        sim.start(OLTERIA_SIM, { "--data", QDir(QStringLiteral("..")).absolutePath(), "--sound", "--max-minutes", "10" });
        QVERIFY2(sim.waitForFinished(60000), "the game did not exit within a minute");
        const QString out = QString::fromUtf8(sim.readAllStandardOutput());
        const QString err = QString::fromUtf8(sim.readAllStandardError());
        QVERIFY2(sim.exitStatus() == QProcess::NormalExit && sim.exitCode() == 0 && out.startsWith(QStringLiteral("outcome=won")),
                 qPrintable(out + err.left(6000)));
        // Said once, with the file and the reason; the game went on.
        QCOMPARE(err.count(QStringLiteral("/sounds/summon.wav: ") + reason), 1);
    }

    // The game reads its sounds only when it has a device to play them on, and says why one is
    // silent only then; without a server it plays on silently, at once.
    void soundsAreReadOnlyWhereASoundServerRuns_data()
    {
        QTest::addColumn<bool>("beside");
        QTest::addColumn<int>("said");
        QTest::newRow("beside a sound server a refused sound is named") << true << 1;
        QTest::newRow("without a sound server no sound is read") << false << 0;
    }
    void soundsAreReadOnlyWhereASoundServerRuns()
    {
        QFETCH(bool, beside);
        if (!serverRuns)
            QSKIP("no sound server and no pulseaudio to start one");
        GameDir dir;
        dir.copyShippedData();
        dir.writeFile("sounds/summon.wav", "not a sound");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        const QTemporaryDir noServer;
        if (!beside) {
            env.remove(QStringLiteral("PULSE_SERVER"));
            env.insert(QStringLiteral("XDG_RUNTIME_DIR"), noServer.path());
        }
        QProcess sim;
        sim.setProcessEnvironment(env);
        sim.start(OLTERIA_SIM, { "--data", QDir(QStringLiteral("..")).absolutePath(), "--sound", "--max-minutes", "1" });
        QVERIFY2(sim.waitForFinished(60000), "the game did not exit within a minute");
        const QString err = QString::fromUtf8(sim.readAllStandardError());
        QVERIFY2(sim.readAllStandardOutput().startsWith("outcome="), qPrintable(err));
        QTEST(int(err.count(QStringLiteral("olteria.sound: ") + QDir(QStringLiteral("../sounds/summon.wav")).absolutePath())), "said");
    }

private:
    QString writeSound(const QByteArray& bytes)
    {
        const QString path = folder.filePath(QStringLiteral("sound%1.wav").arg(++written));
        if (bytes.isNull())
            return QDir().mkpath(path) ? path : QString();
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? path : QString();
    }

    SoundServer server;
    bool serverRuns = false;
    QTemporaryDir folder;
    int written = 0;
};

QTEST_MAIN(TestSoundFile)
#include "tst_soundfile.moc"
