#include "dialogmenu.h"
#include "gameworld.h"
#include "testwindow.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <climits>

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void startMenuChoosesTheMode_data()
    {
        QTest::addColumn<QString>("button"); // none: Escape
        QTest::addColumn<bool>("easyMode");
        QTest::newRow("the easy button starts an easy game") << "pushButton" << true;
        QTest::newRow("the standard button starts a standard game") << "pushButton_2" << false;
        QTest::newRow("Escape leaves the easy game") << "" << true;
    }
    void startMenuChoosesTheMode()
    {
        QFETCH(QString, button);
        ModalAnswerer answerer([button](QWidget* menu) {
            if (button.isEmpty())
                QTest::keyClick(menu, Qt::Key_Escape);
            else
                menu->findChild<QPushButton*>(button)->click();
        });
        DialogMenu menu;
        menu.exec();
        QTEST(menu.easyMode, "easyMode");
    }

    void windowComesAfterTheStartMenuWithItsFrameAndTruncatedResources()
    {
        TestWindow w(TestWindow::smallGame());
        // The menu ran modally inside the constructor, and the constructor does not show the window.
        QCOMPARE(w.menu.seen().size(), 1);
        QCOMPARE(w.menu.seen().first().className, QStringLiteral("DialogMenu"));
        QVERIFY(!w.isVisible());
        QCOMPARE(w.windowTitle(), QStringLiteral("Оборона Ольтерии"));
        QCOMPARE(w.size(), QSize(1024, 768));
        const QList<QRect> frame = { w.magicLabel->geometry(), w.foodLabel->geometry(), w.stoneLabel->geometry(), w.infoLabel->geometry() };
        QCOMPARE(frame, QList<QRect>({ QRect(300, 20, 200, 20), QRect(500, 20, 200, 20), QRect(650, 20, 200, 20), QRect(20, 730, 984, 33) }));
        QVERIFY(w.magicLabel->text().isEmpty() && w.foodLabel->text().isEmpty() && w.stoneLabel->text().isEmpty());
        w.tick();
        QCOMPARE(QStringList({ w.magicLabel->text(), w.foodLabel->text(), w.stoneLabel->text() }),
                 QStringList({ "Магия: 250", "Еда: 100", "Камень: 50" }));
        w.world->spendMagic(300);
        QCOMPARE(w.world->magic, 0.0f);
        w.world->magic = 0.99f;
        QCOMPARE(w.world->getMagic(), 0);
        w.world->magic = 1e12f;
        QCOMPARE(w.world->getMagic(), INT_MAX);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
