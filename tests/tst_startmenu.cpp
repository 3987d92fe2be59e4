#include "dialogmenu.h"
#include "gamedir.h"
#include "monster.h"
#include "testwindow.h"

#include <QLabel>
#include <QtTest>

Q_DECLARE_METATYPE(MenuChoice)

class TestStartMenu : public QObject
{
    Q_OBJECT
private slots:
    void eachWayOutOfTheMenuStartsItsMode_data()
    {
        QTest::addColumn<MenuChoice>("choice");
        QTest::addColumn<int>("appleHealth"); // of 100 in the file
        QTest::newRow("the easy button starts a game of fruits at 60 % health") << MenuChoice::Easy << 60;
        QTest::newRow("Escape starts the easy game too") << MenuChoice::Escape << 60;
        QTest::newRow("the standard button starts a game of fruits at full health") << MenuChoice::Standard << 100;
    }
    void eachWayOutOfTheMenuStartsItsMode()
    {
        QFETCH(MenuChoice, choice);
        TestWindow w(TestWindow::smallGame(), choice);
        QTEST(w.addMonster(QStringLiteral("apple"), 0, 0)->maxHealth, "appleHealth");
    }

    void eachBonusIsPromisedByThePonyThatCarriesIt_data()
    {
        QTest::addColumn<QString>("ponies"); // null: the shipped pony file
        QTest::addColumn<QStringList>("sentences");
        QTest::newRow("the shipped ponies open the six sentences in the rules' order") << QString()
            << QStringList{ "Клеверинка - ускоренно добывает еду на ферме.", "Кремнинка - ускоренно добывает камень в руднике.",
                            "Мастерица - ускоренно ремонтирует здание.",
                            "Ромашка - после её призыва, скорость восстановления здоровья всех пони увеличивается.",
                            "Звёздочка - после её призыва, скорость выработки магии увеличивается.",
                            "Гроза - в момент призыва, все враги получают единовременный урон." };
        QTest::newRow("a bonus no pony carries is left out") << "[a]\nName=Аня\nBonus=farmstone\n"
            << QStringList{ "Аня - ускоренно добывает камень в руднике." };
        QTest::newRow("of two ponies with one bonus the first in column order is named")
            << "[b]\nName=Буся\nBonus=farmfood\n[a]\nName=Аня\nBonus=farmfood\n" << QStringList{ "Аня - ускоренно добывает еду на ферме." };
        QTest::newRow("codes and bonuses count only as written, and a code is no bonus")
            << "[FastHeal]\nName=Вика\nBonus=FarmFood\n[farmstone]\nName=Галя\n" << QStringList();
    }
    void eachBonusIsPromisedByThePonyThatCarriesIt()
    {
        QFETCH(QString, ponies);
        QFETCH(QStringList, sentences);
        GameDir dir;
        if (ponies.isNull())
            dir.copyShippedData();
        else
            dir.writeIni("pony.ini", ponies);
        const DialogMenu menu;
        const QString rules = menu.findChild<QLabel*>("label")->text();
        QVERIFY2(rules.contains("<p align=\"justify\">Каждая пони обладает особым бонусом. " + sentences.join(' ') + "</p>"),
                 qPrintable(rules.right(600)));
    }

    // The game's window is shown with its ground and buildings before the menu opens over it,
    // so that the menu never stands on a black screen.
    void theMenuOpensOverTheField()
    {
        GameDir dir;
        dir.copyShippedData();
        QImage behindMenu;
        ModalAnswerer answerer([&](QDialog* menu) {
            QWidget* window = menu->parentWidget();
            if (window && window->isVisible())
                behindMenu = window->grab().toImage();
            ModalAnswerer::choosing(MenuChoice::Easy)(menu);
        });
        MainWindow window({}, nullptr, true);
        QVERIFY(!behindMenu.isNull());
        const QColor ground(181, 255, 108);
        QCOMPARE(behindMenu.pixelColor(900, 650), ground);
        QVERIFY(behindMenu.pixelColor(300, 300) != ground); // the farm
    }
};

QTEST_MAIN(TestStartMenu)
#include "tst_startmenu.moc"
