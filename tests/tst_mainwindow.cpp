#include "testwindow.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QtTest>

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void windowComesAfterTheStartMenuCentredWithItsFrame()
    {
        TestWindow w(TestWindow::smallGame());
        // The menu ran modally inside the constructor, and the constructor does not show the window.
        QCOMPARE(w.menu.seen(), QStringList("DialogMenu"));
        QVERIFY(!w.isVisible());
        QCOMPARE(w.windowTitle(), QStringLiteral("Оборона Ольтерии"));
        QCOMPARE(w.size(), QSize(1024, 768));
        QCOMPARE(w.frameGeometry().center(), QGuiApplication::primaryScreen()->availableGeometry().center());
        const QList<QRect> frame = { w.magicLabel->geometry(), w.foodLabel->geometry(), w.stoneLabel->geometry(), w.infoLabel->geometry() };
        QCOMPARE(frame, QList<QRect>({ QRect(300, 20, 200, 20), QRect(500, 20, 200, 20), QRect(650, 20, 200, 20), QRect(20, 730, 984, 33) }));
        // The labels are the tick's to write.
        QVERIFY(w.magicLabel->text().isEmpty() && w.foodLabel->text().isEmpty() && w.stoneLabel->text().isEmpty());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
