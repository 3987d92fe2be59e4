#include "modalanswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>

#include <utility>

ModalAnswerer::ModalAnswerer(Answer answer)
    : answer(std::move(answer))
{
    timer.setInterval(5);
    connect(&timer, &QTimer::timeout, this, &ModalAnswerer::poll);
    timer.start();
}

void ModalAnswerer::disarm()
{
    timer.stop();
}

void ModalAnswerer::poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == answered)
        return;
    answered = modal;
    seenDialogs.append({ QString::fromLatin1(modal->metaObject()->className()), modal->windowTitle() });
    answer(modal);
}

ModalAnswerer::Answer ModalAnswerer::reject()
{
    return [](QWidget* widget) {
        if (auto* dialog = qobject_cast<QDialog*>(widget))
            dialog->reject();
        else
            widget->close();
    };
}

ModalAnswerer::Answer ModalAnswerer::click(const QString& text)
{
    return [text](QWidget* widget) {
        const auto buttons = widget->findChildren<QAbstractButton*>();
        for (QAbstractButton* button : buttons) {
            if (button->text() == text) {
                button->click();
                return;
            }
        }
    };
}
