#include "gamedir.h"
#include "pictureloader.h"

#include <QtTest>

// On a scaled screen a picture is drawn from its sharp 2x file at the size of its 1x file.
class TestPictures : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { PictureLoader::setPixelRatio(1); }

    void aUnitIsDrawnFromTheFileThatSuitsTheScreen_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<bool>("sharpFileThere");
        QTest::addColumn<int>("pixels"); // a side of the pixmap, in device pixels
        QTest::addColumn<QColor>("drawnFrom"); // red is the 1x file, blue the 2x file
        QTest::newRow("at ratio 1 the 1x file") << 1.0 << true << 33 << QColor(Qt::red);
        QTest::newRow("at ratio 2 the 2x file, twice the pixels") << 2.0 << true << 66 << QColor(Qt::blue);
        QTest::newRow("at ratio 2 without a 2x file the 1x file") << 2.0 << false << 33 << QColor(Qt::red);
        QTest::newRow("at ratio 1.5 the 2x file scaled down") << 1.5 << true << 50 << QColor(Qt::blue);
    }
    void aUnitIsDrawnFromTheFileThatSuitsTheScreen()
    {
        QFETCH(qreal, ratio);
        QFETCH(bool, sharpFileThere);
        GameDir dir;
        write("../images/apple.png", 33, 33, Qt::red);
        if (sharpFileThere)
            write("../images/apple@2x.png", 66, 66, Qt::blue);
        PictureLoader::setPixelRatio(ratio);
        const QPixmap unit = PictureLoader::loadUnit("../images/apple.png", 33);
        QTEST(unit.width(), "pixels");
        QCOMPARE(PictureLoader::logicalSize(unit), QSize(33, 33));
        QTEST(unit.toImage().pixelColor(unit.width() / 2, unit.height() / 2), "drawnFrom");
    }

    void aBuildingKeepsTheSizeOfItsOneTimesPicture()
    {
        GameDir dir;
        write("../images/farm.png", 170, 140, Qt::red);
        write("../images/farm@2x.png", 300, 300, Qt::blue); // a modder's 2x file of the wrong size
        PictureLoader::setPixelRatio(2);
        const QPixmap farm = PictureLoader::load("../images/farm.png");
        QCOMPARE(PictureLoader::logicalSize(farm), QSize(170, 140));
        QCOMPARE(farm.size(), QSize(340, 280));
    }

private:
    static void write(const QString& path, int width, int height, Qt::GlobalColor colour)
    {
        QImage image(width, height, QImage::Format_ARGB32);
        image.fill(colour);
        QVERIFY(image.save(path, "PNG"));
    }
};

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
