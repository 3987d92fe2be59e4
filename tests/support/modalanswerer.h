#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>

// Answers modal dialogs that the code under test opens with exec(), which
// would otherwise block the test forever.
//
// While armed it polls QApplication::activeModalWidget() every few
// milliseconds; each time a modal widget appears, the answer is called once
// with it and the widget's class name and window title are recorded.
//
//     ModalAnswerer answerer(ModalAnswerer::press(QMessageBox::Yes));
//     game.quit();                                   // opens a question box
//     QCOMPARE(answerer.seen().size(), 1);
class ModalAnswerer : public QObject
{
    Q_OBJECT
public:
    using Answer = std::function<void(QWidget*)>;

    struct Seen
    {
        QString className;
        QString title;
    };

    // Armed from the start unless armed is false.
    explicit ModalAnswerer(Answer answer, bool armed = true, QObject* parent = nullptr);

    void arm();
    void disarm();

    const QList<Seen>& seen() const { return m_seen; }

    // Ready-made answers.
    static Answer reject();                                 // QDialog::reject(), or close()
    static Answer accept();                                 // QDialog::accept()
    static Answer press(QMessageBox::StandardButton button); // a message box button
    static Answer click(const QString& text);               // the button labelled text ('&' ignored)

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void poll();

    Answer m_answer;
    QTimer m_timer;
    QPointer<QWidget> m_answered; // shown and already answered
    QList<Seen> m_seen;
};
