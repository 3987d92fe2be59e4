#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <utility>

// Answers the modal dialogs that the code under test runs with exec(), which would otherwise
// block the test: it polls QApplication::activeModalWidget() and calls the answer once for
// each dialog that appears, recording its class name.
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

    void disarm() { timer.stop(); }
    const QStringList& seen() const { return seenClasses; }

private:
    void poll()
    {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || dialog == answered)
            return;
        answered = dialog;
        seenClasses << dialog->metaObject()->className();
        answer(dialog);
    }

    std::function<void(QDialog*)> answer;
    QTimer timer;
    QPointer<QDialog> answered;
    QStringList seenClasses;
};
