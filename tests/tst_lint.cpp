#include "gamedir.h"
#include "wav.h"

#include <QtTest>

// A PNG of one colour, as a modder's paint program saves it.
static QByteArray png(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::blue);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

static int lint(const QStringList& args, QString& output)
{
    QProcess process;
    process.start(OLTERIA_LINT, args);
    process.waitForFinished(60000);
    output = QString::fromUtf8(process.readAllStandardOutput());
    return process.exitCode();
}

static const QByteArray kPony = "[p]\nName=a\nDescr=b\nMaxHealth=5\nNeedMagic=1\nSpeed=1\nAttack=1\n";

// The checker, as a modder running it on a data folder notices it:
// - each mistake is one line, "file:line: error:" or "warning:", naming what the game does with
//   it; the exit status is 1 with errors, 0 with warnings alone, 1 with them under --strict;
// - a file the game reads as meant gives no finding at all: the shipped data, numbers at their
//   least sane value, any playable sound, a pony's own sound, CRLF line ends, a game of an hour;
// - catalogues: Windows-1251 only, plain group names once each, known keys in their case,
//   whole numbers within their sane range, at most 16 buttons a column;
// - the schedule: three fields, entry points 1 to 8, known fruit codes, whole delays, LF ends;
// - pictures up to 4096 px a side that read as images, 2x ones twice their 1x ones; sounds the
//   game plays, each refused one named with the game's own reason;
// - a folder that does not exist cannot be checked (status 2).
class TestLint : public QObject
{
    Q_OBJECT
private slots:
    void eachMistakeIsNamedByFileAndLine_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes"); // null: no file
        QTest::addColumn<bool>("folder"); // a folder in place of the file
        QTest::addColumn<QString>("finding"); // the start of one output line
        QTest::addColumn<QString>("word"); // which that line holds
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("strictOnly"); // the finding is made under --strict alone
        QByteArray seventeen;
        for (int n = 0; n < 17; ++n)
            seventeen += "[p" + QByteArray::number(n).rightJustified(2, '0') + "]\nName=x\n";
        auto row = [](const char* name, const char* file, const QByteArray& bytes, const char* finding, const char* word, int status,
                      bool folder = false, bool strictOnly = false) {
            QTest::newRow(name) << file << bytes << folder << finding << word << status << strictOnly;
        };
        QFile shippedPonies(OLTERIA_SOURCE_DIR "/config/pony.ini");
        QVERIFY(shippedPonies.open(QIODevice::ReadOnly));
        const QByteArray withoutOneEnglishName = shippedPonies.readAll().replace("Name[en]=Clover\n", "");
        // Files as the game reads them: no finding, under --strict neither.
        row("the shipped data stays silent", "", "", "", "", 0);
        row("an action of cost 0 and value 0 stays silent", "config/action.ini", "[incfood]\nName=a\nDescr=b\nName[en]=c\nDescr[en]=d\nNeedMagic=0\nValue=0\n", "", "", 0);
        row("a mono 8-bit sound stays silent", "sounds/summon.wav", Wav::riff(Wav::fmt(1, 1, 8000, 8) + Wav::data(2)), "", "", 0);
        row("a stereo 16-bit sound stays silent", "sounds/background.wav", Wav::riff(Wav::fmt(1, 2, 44100, 16) + Wav::data(8)), "", "", 0);
        row("a pony's own sound stays silent", "sounds/summon_clover.wav", Wav::plain(), "", "", 0);
        row("a last fruit at exactly an hour stays silent", "config/monsterscript.dat", "# one\r\n\r\n3000,apple,1\r\n600,apple,2\r\n", "", "", 0);
        row("a missing pony file", "config/pony.ini", QByteArray(), "config/pony.ini: error:", "missing", 1);
        row("a folder where the pony file should be", "config/pony.ini", QByteArray(), "config/pony.ini: error:", "regular", 1, true);
        row("UTF-8 without a mark", "config/pony.ini", QString("[p]\nName=Клеверинка\n").toUtf8(), "config/pony.ini:2: error:", "UTF-8", 1);
        row("UTF-8 with a mark", "config/pony.ini", "\xEF\xBB\xBF" + kPony, "config/pony.ini:1: error:", "byte-order", 1);
        row("UTF-16", "config/pony.ini", QByteArray("\xFF\xFE[\0p\0]\0", 8), "config/pony.ini:1: error:", "UTF-16", 1);
        row("a key in the wrong case", "config/pony.ini", "[p]\nmaxhealth=5\n", "config/pony.ini:2: error:", "MaxHealth", 1);
        row("an English key with a slip", "config/pony.ini", kPony + "Nmae[en]=Clover\n", "config/pony.ini:8: error:", "\"Name[en]\"", 1);
        row("a text in a language the game does not speak", "config/pony.ini", kPony + "Name[de]=Klee\n", "config/pony.ini:8: warning:", "English (Name[en])", 0);
        row("English texts for a group that does not exist", "config/pony.ini", kPony + "[clovr]\nName[en]=Clover\n", "config/pony.ini:8: error:", "nothing but English", 1);
        row("markup in an English text", "config/pony.ini", kPony + "Descr[en]=<b>Strong</b>\n", "config/pony.ini:8: warning:", "markup", 0);
        row("a missing English text, under --strict alone", "config/pony.ini", withoutOneEnglishName, "config/pony.ini:8: warning:", "no Name[en]", 0, false, true);
        row("a key in no way known", "config/pony.ini", kPony + "Colour=red\n", "config/pony.ini:8: warning:", "ignored", 0);
        row("a missing number", "config/pony.ini", "[p]\nName=a\n", "config/pony.ini:1: error:", "Attack", 1);
        row("a decimal number", "config/pony.ini", "[p]\nSpeed=2.5\n", "config/pony.ini:2: error:", "whole", 1);
        row("a number beyond int", "config/pony.ini", "[p]\nAttack=99999999999\n", "config/pony.ini:2: error:", "whole", 1);
        row("a pony of no health", "config/pony.ini", "[p]\nMaxHealth=0\n", "config/pony.ini:2: error:", "health", 1);
        row("a pony that never moves", "config/pony.ini", QByteArray(kPony).replace("Speed=1", "Speed=0"), "config/pony.ini:6: warning:", "never moves", 0);
        row("a fruit of negative speed", "config/monster.ini", "[apple]\nSpeed=-3\n", "config/monster.ini:2: error:", "negative", 1);
        row("an action of negative cost", "config/action.ini", "[cure]\nNeedMagic=-5\n", "config/action.ini:2: error:", "cost", 1);
        row("a group with a slash", "config/pony.ini", "[a/b]\nName=x\n", "config/pony.ini:1: error:", "plain", 1);
        row("a group with a space", "config/pony.ini", "[big p]\nName=x\n", "config/pony.ini:1: error:", "plain", 1);
        row("the same group twice", "config/pony.ini", "[p]\nName=a\n[p]\nName=b\n", "config/pony.ini:3: error:", "line 1", 1);
        row("a quote never closed", "config/pony.ini", "[p]\nDescr=\"open\n[q]\nName=b\n", "config/pony.ini:2: error:", "quote", 1);
        row("a pony without a picture", "config/pony.ini", kPony, "images/p_ico.png: warning:", "missing", 0);
        row("a bonus no pony carries is left out of the start menu", "config/pony.ini", kPony, "config/pony.ini: warning:", "summonstrike", 0);
        row("a key given twice in one group", "config/pony.ini", kPony + "Name=c\n", "config/pony.ini:8: warning:", "line 2", 0);
        row("more ponies than the column holds", "config/pony.ini", seventeen, "config/pony.ini:33: warning:", "column", 1);
        row("a picture that is no image", "images/monster_apple.png", "not a png", "images/monster_apple.png: error:", "cannot be read", 1);
        row("a unit picture too large", "images/clover_ico.png", GameDir::hugePng(), "images/clover_ico.png: error:", "4096", 1);
        row("a building picture too large", "images/building_farmfood.png", GameDir::hugePng(), "images/building_farmfood.png: error:", "farm", 1);
        row("a 2x picture not twice its 1x picture", "images/monster_apple@2x.png", png(50, 50), "images/monster_apple@2x.png: warning:", "not twice", 0);
        row("a 2x picture that is no image", "images/monster_apple@2x.png", "not a png", "images/monster_apple@2x.png: warning:", "cannot be read", 0);
        row("a 2x picture too large", "images/monster_apple@2x.png", GameDir::hugePng(), "images/monster_apple@2x.png: warning:", "4096", 0);
        row("a 2x picture without its 1x picture", "images/monster_kiwi@2x.png", png(66, 66), "images/monster_kiwi@2x.png: warning:", "monster_kiwi.png", 0);
        row("a sound that is no WAV file", "sounds/summon.wav", "ID3 mp3 bytes", "sounds/summon.wav: warning:", "not a WAV", 0);
        const QByteArray cut = Wav::riff(Wav::fmt() + Wav::data(1000)).left(44);
        row("a sound cut after its header", "sounds/background.wav", cut, "sounds/background.wav: warning: its RIFF header claims", "only 36 follow", 0);
        row("a sound whose data claims 2 GB", "sounds/summon.wav", Wav::riff(Wav::fmt() + Wav::data(4, 0x7FFFFFFF)),
            "sounds/summon.wav: warning: its \"data\" chunk claims 2147483647", "silence", 0);
        row("a sound whose RIFF and data claim 4 GB", "sounds/summon.wav", Wav::riff(Wav::fmt() + Wav::data(4, 0xFFFFFFFF), 0xFFFFFFFF),
            "sounds/summon.wav: warning: its RIFF header claims 4294967295", "only 40 follow", 0);
        row("a sound whose fmt chunk claims 0xFFFFFFF0 bytes", "sounds/summon.wav", Wav::riff(Wav::chunk("fmt ", Wav::fmt().mid(8), 0xFFFFFFF0) + Wav::data(4)),
            "sounds/summon.wav: warning: its \"fmt \" chunk claims 4294967280", "only 28 follow", 0);
        row("a sound without a data chunk", "sounds/summon.wav", Wav::riff(Wav::fmt()), "sounds/summon.wav: warning:", "no \"data\" chunk", 0);
        row("a sound with two fmt chunks", "sounds/summon.wav", Wav::riff(Wav::fmt() + Wav::fmt() + Wav::data(4)), "sounds/summon.wav: warning:", "two \"fmt \"", 0);
        row("a sound of zero channels", "sounds/summon.wav", Wav::riff(Wav::fmt(1, 0, 22050, 16) + Wav::data(4)), "sounds/summon.wav: warning: 0 channels", "1 or 2", 0);
        row("a sound at 0 Hz", "sounds/summon.wav", Wav::riff(Wav::fmt(1, 1, 0, 16) + Wav::data(4)), "sounds/summon.wav: warning:", "at 0 Hz", 0);
        row("a sound of block align zero", "sounds/summon.wav", Wav::riff(Wav::fmt(1, 1, 22050, 16, 0) + Wav::data(4)), "sounds/summon.wav: warning:", "block align 0", 0);
        row("a 24-bit sound", "sounds/summon.wav", Wav::riff(Wav::fmt(1, 1, 22050, 24) + Wav::data(6)), "sounds/summon.wav: warning:", "24 bits", 0);
        row("a floating-point sound", "sounds/summon.wav", Wav::riff(Wav::fmt(3, 1, 22050, 32) + Wav::data(8)), "sounds/summon.wav: warning:", "floating-point", 0);
        row("a sound of an odd data length", "sounds/summon.wav", Wav::riff(Wav::fmt() + Wav::data(3)), "sounds/summon.wav: warning:", "whole number", 0);
        row("a folder where a sound should be", "sounds/alarm.wav", QByteArray(), "sounds/alarm.wav: warning: a folder", "silence", 0, true);
        row("a missing schedule", "config/monsterscript.dat", QByteArray(), "config/monsterscript.dat: error:", "missing", 1);
        row("an empty schedule", "config/monsterscript.dat", "", "config/monsterscript.dat: error:", "0.1 s", 1);
        row("a line of too few fields", "config/monsterscript.dat", "5,apple\n", "config/monsterscript.dat:1: error:", "skips", 1);
        row("an entry point outside 1 to 8", "config/monsterscript.dat", "# waves\n5,apple,9\n", "config/monsterscript.dat:2: error:", "entry point", 1);
        row("a decimal delay", "config/monsterscript.dat", "2.5,apple,1\n", "config/monsterscript.dat:1: error:", "whole", 1);
        row("a delay beyond int", "config/monsterscript.dat", "3000000000,apple,1\n", "config/monsterscript.dat:1: error:", "whole", 1);
        row("spaces around a code", "config/monsterscript.dat", "5, apple,1\n", "config/monsterscript.dat:1: error:", "spaces", 1);
        row("an unknown fruit", "config/monsterscript.dat", "5,apple,1\n5,kiwi,1\n", "config/monsterscript.dat:2: error:", "kiwi", 1);
        row("a Cyrillic fruit code", "config/monsterscript.dat", QString("5,яблоко,1\n").toUtf8(), "config/monsterscript.dat:1: error:", "monster.ini", 1);
        row("a megabyte line", "config/monsterscript.dat", "5," + QByteArray(1 << 20, 'a') + ",1\n", "config/monsterscript.dat:1: error:", "aaa...", 1);
        row("a release after an hour of play", "config/monsterscript.dat", "3000,apple,1\n601,apple,2\n", "config/monsterscript.dat:2: warning:", "hour", 0);
        row("a negative delay", "config/monsterscript.dat", "10,apple,1\n-5,apple,2\n", "config/monsterscript.dat:2: warning:", "negative", 0);
        row("CR line ends only", "config/monsterscript.dat", "5,apple,1\r6,apple,2\r", "config/monsterscript.dat:1: error:", "CR", 1);
    }
    void eachMistakeIsNamedByFileAndLine()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, folder);
        QFETCH(QString, finding);
        QFETCH(QString, word);
        QFETCH(int, status);
        QFETCH(bool, strictOnly);
        GameDir dir;
        dir.copyShippedData();
        if (folder)
            dir.makeFolder(file);
        else if (bytes.isNull())
            dir.remove(file);
        else if (!file.isEmpty())
            dir.writeFile(file, bytes);
        QString output;
        QCOMPARE(lint({}, output), status); // the default folder is the one above the working one
        if (finding.isEmpty() || strictOnly)
            QCOMPARE(output, QString("olteria-lint: 0 errors, 0 warnings\n"));
        if (strictOnly)
            QCOMPARE(lint({ "--strict" }, output), 1);
        if (finding.isEmpty()) {
            QCOMPARE(lint({ "--strict" }, output), 0);
            QCOMPARE(output, QString("olteria-lint: 0 errors, 0 warnings\n"));
            return;
        }
        const QStringList lines = output.split('\n');
        const bool found = std::any_of(lines.begin(), lines.end(), [&](const QString& line) { return line.startsWith(finding) && line.contains(word); });
        QVERIFY2(found, qPrintable(output.left(2000)));
        if (status == 0) // a warning alone: under --strict, a modder's CI fails on it
            QCOMPARE(lint({ "--strict" }, output), 1);
    }

    void aFolderGivenIsCheckedAndAMissingOneCannotBe()
    {
        QString output;
        QCOMPARE(lint({ "--strict", OLTERIA_SOURCE_DIR }, output), 0);
        QCOMPARE(lint({ OLTERIA_SOURCE_DIR "/no such folder" }, output), 2);
    }
};

QTEST_MAIN(TestLint)
#include "tst_lint.moc"
