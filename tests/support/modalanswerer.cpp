#include "modalanswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QEvent>

#include <utility>

ModalAnswerer::ModalAnswerer(Answer answer, bool armed, QObject* parent)
    : QObject(parent)
    , m_answer(std::move(answer))
{
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &ModalAnswerer::poll);
    if (armed)
        arm();
}

void ModalAnswerer::arm()
{
    m_timer.start();
}

void ModalAnswerer::disarm()
{
    m_timer.stop();
}

void ModalAnswerer::poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == m_answered)
        return;
    if (m_answered)
        m_answered->removeEventFilter(this);
    // A dialog object may be exec()'d again; forget it once it hides so the
    // next showing counts as a new appearance.
    m_answered = modal;
    modal->installEventFilter(this);
    m_seen.append({QString::fromLatin1(modal->metaObject()->className()), modal->windowTitle()});
    m_answer(modal);
}

bool ModalAnswerer::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Hide && watched == m_answered) {
        m_answered->removeEventFilter(this);
        m_answered = nullptr;
    }
    return QObject::eventFilter(watched, event);
}

ModalAnswerer::Answer ModalAnswerer::reject()
{
    return [](QWidget* w) {
        if (auto* dialog = qobject_cast<QDialog*>(w))
            dialog->reject();
        else
            w->close();
    };
}

ModalAnswerer::Answer ModalAnswerer::accept()
{
    return [](QWidget* w) {
        if (auto* dialog = qobject_cast<QDialog*>(w))
            dialog->accept();
    };
}

ModalAnswerer::Answer ModalAnswerer::press(QMessageBox::StandardButton button)
{
    return [button](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (QAbstractButton* b = box ? box->button(button) : nullptr)
            b->click();
    };
}

ModalAnswerer::Answer ModalAnswerer::click(const QString& text)
{
    return [text](QWidget* w) {
        const auto buttons = w->findChildren<QAbstractButton*>();
        for (QAbstractButton* b : buttons) {
            if (QString(b->text()).remove(QLatin1Char('&')) == text) {
                b->click();
                return;
            }
        }
    };
}
