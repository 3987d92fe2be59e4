#include "dialogunitinfo.h"
#include "gameworld.h"
#include "monster.h"
#include "pictureloader.h"
#include "pony.h"
#include "qmybutton.h"
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
    void loop(int sound) override { background << files.at(sound); }
    void stop() override { background << QStringLiteral("stop"); }

    QStringList files;
    QStringList heard;
    QStringList background; // the looped file, or "stop"
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

const QStringList kEverySound = { "summon", "summon_plain", "action", "action_incfood", "enter", "enter_brute",
                                  "building_hit", "pony_hit", "alarm", "lost", "victory", "defeat", "background" };

// The small game, with buildings of real size and a sound for every cue.
std::function<void(GameDir&)> gameWithSounds(const QString& schedule)
{
    return [schedule](GameDir& dir) {
        TestWindow::smallGame(schedule, QStringLiteral("[incfood]\nNeedMagic=100\nValue=20\n"))(dir);
        dir.writePicture("building_farmfood.png", 170, 140);
        dir.writePicture("building_farmstone.png", 140, 170);
        dir.writePicture("building_hospital.png", 156, 132);
        writeSounds(kEverySound);
    };
}

// The small game with sounds, its cues handed to the sink.
class HeardWindow : public TestWindow
{
public:
    HeardWindow(const QString& schedule, SoundSink* sink)
        : TestWindow(gameWithSounds(schedule), MenuChoice::Standard, { PictureLoader(), sink })
    {
    }
};
}

// The cues, as a player looking at another corner of the field hears them:
// - each summon, used action and incoming fruit is heard once, from the unit's own file
//   ("summon_plain.wav") when there is one, else from the cue's plain one; a refused summon
//   or action is silent;
// - a building under attack is heard at most every 2 s, a fighting pony at most every 1.5 s,
//   however long the fight;
// - an alarm sounds once each time a pony falls below 30 % of her health;
// - the background loops from the first step; it stops while an information dialog is open,
//   when the game is silent, and loops again once the dialog closes;
// - the end stops the loop and is heard as the fallen pony's cue and the defeat, then silence.
class TestSound : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { recorder = RecordingSink(); }

    void summonsActionsAndFruitsComingInAreHeardOnceEachWithItsOwnSoundWhenThereIsOne()
    {
        HeardWindow window("0,apple,1\n1,brute,2\n", &recorder);
        window.world->setMagic(100);
        window.summon("plain");
        window.summon("small");
        for (int press = 0; press < 2; ++press) // the second finds no magic left
            QTest::mousePress(window.actionButtons.first(), Qt::LeftButton);
        window.summon("plain"); // already on the field
        QCOMPARE(recorder.heard, QStringList({ "summon_plain", "summon", "action_incfood" }));
        QCOMPARE(heardIn(window, 1), QStringList({ "enter" }));
        QCOMPARE(heardIn(window, 10), QStringList({ "enter_brute" }));
    }

    void anAlarmSoundsOncePerFallBelowThirtyPercent()
    {
        HeardWindow window("9999,apple,1", &recorder);
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

    // A fruit of 1000 health and attack 1 fights on for 6 s, longer than the cue's limit.
    void aLongFightIsHeardNowAndThenNotEveryStep_data()
    {
        QTest::addColumn<bool>("pony"); // the fruit fights a pony, else gnaws at the mine
        QTest::addColumn<QString>("cue");
        QTest::addColumn<int>("times");
        QTest::newRow("a building under attack is heard every 2 s") << false << "building_hit" << 3;
        QTest::newRow("a fighting pony is heard every 1.5 s") << true << "pony_hit" << 4;
    }
    void aLongFightIsHeardNowAndThenNotEveryStep()
    {
        QFETCH(bool, pony);
        QFETCH(QString, cue);
        HeardWindow window("9999,apple,1", &recorder);
        const Pony* fighter = pony ? window.summon("plain") : nullptr;
        Monster* fruit = fighter ? window.addMonster("apple", fighter->centerX(), fighter->centerY())
                                 : window.addMonster("apple", 300, 330);
        fruit->attack = 1;
        fruit->health = fruit->maxHealth = 1000;
        QTEST(int(heardIn(window, 60).count(cue)), "times");
    }

    void theBackgroundStopsAndTheGameIsSilentWhileADialogIsOpen()
    {
        HeardWindow window("0,apple,1\n0,apple,2", &recorder);
        QCOMPARE(heardIn(window, 1), QStringList({ "enter" }));
        {
            const DialogUnitInfo dialog(&window); // open until the end of this block
            QCOMPARE(heardIn(window, 10), QStringList());
            QCOMPARE(recorder.background, QStringList({ "background", "stop" }));
        }
        QCOMPARE(heardIn(window, 1), QStringList({ "enter" }));
        QCOMPARE(recorder.background, QStringList({ "background", "stop", "background" }));
    }

    void theEndHasItsOwnCueAndThenSilence()
    {
        HeardWindow window("9999,apple,1", &recorder);
        Pony* pony = window.summon("small");
        window.tick();
        window.addMonster("brute", pony->centerX(), pony->centerY());
        recorder.heard.clear();
        QCOMPARE(heardIn(window, 1), QStringList({ "lost", "defeat" }));
        window.summon("plain");
        QCOMPARE(heardIn(window, 10), QStringList());
        QCOMPARE(recorder.background, QStringList({ "background", "stop" }));
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
