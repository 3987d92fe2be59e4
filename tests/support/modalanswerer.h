#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include <functional>
#include <utility>

// Answers the modal dialogs that the code under test runs with exec(), which would otherwise
// block the test: it polls QApplication::activeModalWidget() and calls the answer once for
// each dialog that appears, recording its class name.
// How the player leaves the start menu: with one of its two buttons, or with Escape.
enum class MenuChoice { Easy, Standard, Escape };

class ModalAnswerer : public QObject
{
    Q_OBJECT

public:
    explicit ModalAnswerer(std::function<void(QDialog*)> answer)
        : answer(std::move(answer))
    {
        connect(&timer, &QTimer::timeout, this, &ModalAnswerer::poll);
        timer.start(5);
    }

    // The answer that leaves the start menu with the choice.
    static std::function<void(QDialog*)> choosing(MenuChoice choice)
    {
        return [choice](QDialog* menu) {
            if (choice == MenuChoice::Escape)
                QTest::keyClick(menu, Qt::Key_Escape);
            else
                menu->findChild<QPushButton*>(choice == MenuChoice::Easy ? QStringLiteral("pushButton") : QStringLiteral("pushButton_2"))->click();
        };
    }

    void disarm() { timer.stop(); }
    const QStringList& seen() const { return seenClasses; }

private:
    void poll()
    {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || dialog == answered)
            return;
        answered = dialog;
        seenClasses << QLatin1String(dialog->metaObject()->className());
        answer(dialog);
    }

    std::function<void(QDialog*)> answer;
    QTimer timer;
    QPointer<QDialog> answered;
    QStringList seenClasses;
};
