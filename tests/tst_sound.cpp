#include "dialogunitinfo.h"
#include "gamesounds.h"
#include "gameworld.h"
#include "monster.h"
#include "pony.h"
#include "soundsink.h"
#include "testwindow.h"

#include <QFileInfo>
#include <QtTest>

namespace {
// A recorder in place of the speaker: each cue is heard as the base name of its file.
class RecordingSink : public SoundSink
{
public:
    int load(const QString& path, const QByteArray& /*plainWav*/) override
    {
        files << QFileInfo(path).completeBaseName();
        return files.size() - 1;
    }
    void play(int sound) override { heard << files.at(sound); }
    void loop(int sound) override { heard << QStringLiteral("loop ") + files.at(sound); }
    void stop() override {}

    QStringList files;
    QStringList heard;
};

// The shortest WAV file the game plays: 16-bit mono PCM at 22050 Hz, two samples of silence.
const QByteArray kWav("RIFF\x28\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x22\x56\0\0\x44\xac\0\0\x02\0\x10\0data\x04\0\0\0\0\0\0\0", 48);

void writeSounds(const QStringList& names)
{
    QDir().mkpath(QStringLiteral("../sounds"));
    for (const QString& name : names) {
        QFile file(QStringLiteral("../sounds/") + name + QStringLiteral(".wav"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(kWav) == kWav.size());
    }
}

const QStringList kEverySound = { "summon", "summon_plain", "action", "enter", "enter_brute", "building_hit", "pony_hit",
                                  "alarm", "lost", "victory", "defeat" };

// The small game, with buildings of real size and a sound for every cue.
std::function<void(GameDir&)> gameWithSounds(const QString& schedule)
{
    return [schedule](GameDir& dir) {
        TestWindow::smallGame(schedule)(dir);
        dir.writePicture("building_farmfood.png", 170, 140);
        dir.writePicture("building_farmstone.png", 140, 170);
        dir.writePicture("building_hospital.png", 156, 132);
        writeSounds(kEverySound);
    };
}
}

// The cues a player hears: played by the real window and step into a recorder.
class TestSound : public QObject
{
    Q_OBJECT
private slots:
    void init() { GameSounds::setOutput(&recorder); }
    void cleanup()
    {
        GameSounds::setOutput(nullptr);
        recorder = RecordingSink();
    }

    // A unit's own file takes precedence over the cue's plain one.
    void summonsAndFruitsComingInAreHeardEachWithItsOwnSoundWhenThereIsOne()
    {
        TestWindow window(gameWithSounds("0,apple,1\n1,brute,2\n"));
        window.summon("plain");
        window.summon("small");
        QCOMPARE(heardIn(window, 1), QStringList({ "enter" }));
        QCOMPARE(heardIn(window, 10), QStringList({ "enter_brute" }));
        QCOMPARE(recorder.heard.mid(0, 2), QStringList({ "summon_plain", "summon" }));
    }

    void anAlarmSoundsOncePerFallBelowThirtyPercent()
    {
        TestWindow window(gameWithSounds("9999,apple,1"));
        Pony* pony = window.summon("plain");
        recorder.heard.clear();
        pony->health = 31;
        QCOMPARE(heardIn(window, 1), QStringList());
        pony->health = 29;
        QCOMPARE(heardIn(window, 1), QStringList({ "alarm" }));
        QCOMPARE(heardIn(window, 5), QStringList()); // still below: no second alarm
        pony->health = 50;
        QCOMPARE(heardIn(window, 1), QStringList());
        pony->health = 20;
        QCOMPARE(heardIn(window, 1), QStringList({ "alarm" }));
    }

    void aBuildingUnderAttackIsHeardAtMostEveryTwoSeconds()
    {
        TestWindow window(gameWithSounds("9999,apple,1"));
        window.addMonster("apple", 300, 330);
        QCOMPARE(heardIn(window, 1), QStringList({ "building_hit" }));
        QCOMPARE(heardIn(window, 19), QStringList());
        QCOMPARE(heardIn(window, 1), QStringList({ "building_hit" }));
    }

    void theGameIsSilentWhileADialogIsOpen()
    {
        TestWindow window(gameWithSounds("0,apple,1"));
        {
            const DialogUnitInfo dialog(&window); // open until the end of this block
            QCOMPARE(heardIn(window, 10), QStringList());
        }
        QCOMPARE(heardIn(window, 1), QStringList({ "enter" }));
    }

    void theEndHasItsOwnCueAndThenSilence()
    {
        TestWindow window(gameWithSounds("9999,apple,1"));
        Pony* pony = window.summon("small");
        window.addMonster("brute", pony->centerX(), pony->centerY());
        recorder.heard.clear();
        QCOMPARE(heardIn(window, 1), QStringList({ "lost", "defeat" }));
        window.summon("plain");
        QCOMPARE(heardIn(window, 10), QStringList());
    }

private:
    QStringList heardIn(TestWindow& window, int ticks)
    {
        const int before = recorder.heard.size();
        window.tick(ticks);
        return recorder.heard.mid(before);
    }

    RecordingSink recorder;
};

QTEST_MAIN(TestSound)
#include "tst_sound.moc"
