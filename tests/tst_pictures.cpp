#include "building.h"
#include "gameworld.h"
#include "monster.h"
#include "pictureloader.h"
#include "pony.h"
#include "qmybutton.h"
#include "testwindow.h"

#include <QSet>
#include <QtTest>

Q_DECLARE_METATYPE(PictureLoader::Verdict)

// The pictures, as a player on any screen and a modder drawing them notice them:
// - a unit is drawn 33 px square whatever its file's size, stretched and unsmoothed;
// - on a screen of ratio 2 it is drawn from "name@2x.png" when there is one, with twice the
//   pixels; without one from the 1x file; at 1.5 from the 2x file scaled down smoothly;
// - a building keeps the size of its 1x picture, whatever its 2x file's size;
// - the window draws every picture, its buildings', buttons' and units', for the screen ratio
//   it is given;
// - a picture of up to 4096 px a side is drawn; a larger, empty, broken or missing one is
//   never decoded, and its unit or building goes without.
class TestPictures : public QObject
{
    Q_OBJECT
private slots:
    // The 1x file is 50 x 20, red and yellow; the 2x file 66 x 66, blue and cyan.
    void aUnitIsDrawnFromTheFileThatSuitsTheScreen_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<bool>("sharpFileThere");
        QTest::addColumn<int>("pixels"); // a side of the pixmap, in device pixels
        QTest::addColumn<QColor>("drawnFrom"); // red is the 1x file, blue the 2x file
        QTest::addColumn<bool>("unsmoothed"); // only the file's two colours
        QTest::newRow("at ratio 1 the 50 x 20 file stretched to 33 x 33, unsmoothed") << 1.0 << true << 33 << QColor(Qt::red) << true;
        QTest::newRow("at ratio 2 the 2x file, twice the pixels") << 2.0 << true << 66 << QColor(Qt::blue) << true;
        QTest::newRow("at ratio 2 without a 2x file the 1x file") << 2.0 << false << 33 << QColor(Qt::red) << true;
        QTest::newRow("at ratio 1.5 the 2x file scaled down smoothly") << 1.5 << true << 50 << QColor(Qt::blue) << false;
    }
    void aUnitIsDrawnFromTheFileThatSuitsTheScreen()
    {
        QFETCH(qreal, ratio);
        QFETCH(bool, sharpFileThere);
        GameDir dir;
        write("../images/apple.png", 50, 20, Qt::red, Qt::yellow);
        if (sharpFileThere)
            write("../images/apple@2x.png", 66, 66, Qt::blue, Qt::cyan);
        const QPixmap unit = PictureLoader(ratio).loadUnit("../images/apple.png", 33);
        QTEST(unit.width(), "pixels");
        QTEST(unit.height(), "pixels");
        QCOMPARE(PictureLoader::logicalSize(unit), QSize(33, 33));
        const QImage image = unit.toImage();
        QTEST(image.pixelColor(1, 1), "drawnFrom");
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                colours << image.pixel(x, y);
        }
        QTEST(colours.size() == 2, "unsmoothed");
    }

    void aBuildingKeepsTheSizeOfItsOneTimesPicture()
    {
        GameDir dir;
        write("../images/farm.png", 170, 140, Qt::red, Qt::red);
        write("../images/farm@2x.png", 300, 300, Qt::blue, Qt::blue); // a modder's 2x file of the wrong size
        const QPixmap farm = PictureLoader(2).load("../images/farm.png");
        QCOMPARE(PictureLoader::logicalSize(farm), QSize(170, 140));
        QCOMPARE(farm.size(), QSize(340, 280));
    }

    void aWindowDrawsEveryPictureForTheRatioItIsGiven_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("a window for a screen of ratio 1 draws the 1x files") << 1.0;
        QTest::newRow("a window for a screen of ratio 2 draws the 2x files") << 2.0;
    }
    void aWindowDrawsEveryPictureForTheRatioItIsGiven()
    {
        QFETCH(qreal, ratio);
        const auto writeGame = [](GameDir& dir) {
            TestWindow::smallGame()(dir);
            for (const char* name : { "building_farmfood", "plain_ico", "monster_apple" }) {
                write(QStringLiteral("../images/%1.png").arg(QLatin1String(name)), 40, 40, Qt::red, Qt::red);
                write(QStringLiteral("../images/%1@2x.png").arg(QLatin1String(name)), 80, 80, Qt::blue, Qt::blue);
            }
        };
        TestWindow w(writeGame, MenuChoice::Standard, { PictureLoader(ratio), nullptr });
        const Building* farm = w.world->buildings().first();
        const QLabel* farmPicture = qobject_cast<QLabel*>(w.childAt(farm->midX, farm->midY));
        QVERIFY(farmPicture);
        const QPixmap drawn[] = { farmPicture->pixmap(Qt::ReturnByValue),
                                  w.summonButton(QStringLiteral("plain"))->icon().pixmap(QSize(40, 40)),
                                  w.summon(QStringLiteral("plain"))->pixmap(Qt::ReturnByValue),
                                  w.addMonster(QStringLiteral("apple"), 500, 600)->pixmap(Qt::ReturnByValue) };
        for (const QPixmap& picture : drawn)
            QCOMPARE(picture.toImage().pixelColor(1, 1), QColor(ratio > 1 ? Qt::blue : Qt::red));
    }

    void aPictureIsDrawnOnlyWhenItIsSmallAndWhole_data()
    {
        QTest::addColumn<QSize>("size"); // of a PNG; empty: the file holds `bytes`
        QTest::addColumn<QByteArray>("bytes"); // null: no file at all
        QTest::addColumn<PictureLoader::Verdict>("verdict");
        using V = PictureLoader::Verdict;
        QTest::newRow("4096 px wide is drawn") << QSize(4096, 1) << QByteArray() << V::Fine;
        QTest::newRow("4097 px wide is too large") << QSize(4097, 1) << QByteArray() << V::TooLarge;
        QTest::newRow("4097 px high is too large") << QSize(1, 4097) << QByteArray() << V::TooLarge;
        QTest::newRow("an empty file is unreadable") << QSize() << QByteArray("") << V::Unreadable;
        QTest::newRow("a file that is no picture is unreadable") << QSize() << QByteArray("no picture") << V::Unreadable;
        QTest::newRow("no file is missing") << QSize() << QByteArray() << V::Missing;
    }
    void aPictureIsDrawnOnlyWhenItIsSmallAndWhole()
    {
        QFETCH(QSize, size);
        QFETCH(QByteArray, bytes);
        QFETCH(PictureLoader::Verdict, verdict);
        GameDir dir;
        if (!size.isEmpty())
            write("../images/p.png", size.width(), size.height(), Qt::red, Qt::red);
        else if (!bytes.isNull())
            dir.writeFile("images/p.png", bytes);
        QTEST(PictureLoader::check("../images/p.png"), "verdict");
        QCOMPARE(PictureLoader().load("../images/p.png").isNull(), verdict != PictureLoader::Verdict::Fine);
    }

private:
    // Three fifths of the width in one colour, the rest in the other.
    static void write(const QString& path, int width, int height, Qt::GlobalColor left, Qt::GlobalColor right)
    {
        QImage image(width, height, QImage::Format_ARGB32);
        image.fill(right);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width * 3 / 5; ++x)
                image.setPixelColor(x, y, left);
        }
        QVERIFY(image.save(path, "PNG"));
    }
};

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
