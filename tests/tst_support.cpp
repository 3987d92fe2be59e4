#include "gamedir.h"
#include "modalanswerer.h"

#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QSettings>
#include <QtTest>

class TestSupport : public QObject
{
    Q_OBJECT
private slots:
    void iniIsWindows1251UnderRelativeConfig_data();
    void iniIsWindows1251UnderRelativeConfig();
    void answererAnswersEachShowingOfADialog();
};

void TestSupport::iniIsWindows1251UnderRelativeConfig_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("latin") << QStringLiteral("Tower") << QByteArray("Tower");
    QTest::newRow("cyrillic") << QStringLiteral("Ольтерия") << QByteArray("\xCE\xEB\xFC\xF2\xE5\xF0\xE8\xFF");
    QTest::newRow("yo") << QStringLiteral("ёЁ") << QByteArray("\xB8\xA8");
}

void TestSupport::iniIsWindows1251UnderRelativeConfig()
{
    QFETCH(QString, value);
    QFETCH(QByteArray, bytes);
    const QString before = QDir::currentPath();
    {
        GameDir dir;
        dir.writeIni(QStringLiteral("game.ini"), QStringLiteral("[Main]\nname=") + value + QLatin1Char('\n'));

        QFile raw(QStringLiteral("../config/game.ini"));
        QVERIFY(raw.open(QIODevice::ReadOnly));
        QVERIFY(raw.readAll().contains("name=" + bytes));

        QSettings settings(QStringLiteral("../config/game.ini"), QSettings::IniFormat);
        settings.setIniCodec("Windows-1251");
        QCOMPARE(settings.value(QStringLiteral("Main/name")).toString(), value);
    }
    QCOMPARE(QDir::currentPath(), before);
}

void TestSupport::answererAnswersEachShowingOfADialog()
{
    ModalAnswerer answerer(ModalAnswerer::press(QMessageBox::Yes));
    QMessageBox box(QMessageBox::Question, QStringLiteral("Выход"), QStringLiteral("Покинуть Ольтерию?"),
                    QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(box.exec(), int(QMessageBox::Yes));
    QCOMPARE(box.exec(), int(QMessageBox::Yes));
    QCOMPARE(answerer.seen().size(), 2);
    QCOMPARE(answerer.seen().at(1).className, QStringLiteral("QMessageBox"));
    QCOMPARE(answerer.seen().at(1).title, QStringLiteral("Выход"));
}

QTEST_MAIN(TestSupport)
#include "tst_support.moc"
