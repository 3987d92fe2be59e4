#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>

// Answers the modal dialogs that the code under test runs with exec(), which would otherwise
// block the test: it polls QApplication::activeModalWidget() and calls the answer once for
// each dialog that appears, recording its class name and title.
//
//     ModalAnswerer answerer(ModalAnswerer::click(QStringLiteral("Закрыть")));
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

    explicit ModalAnswerer(Answer answer);

    void disarm();
    const QList<Seen>& seen() const { return seenDialogs; }

    // QDialog::reject(), or close() for any other window.
    static Answer reject();
    // Clicks the button with this text.
    static Answer click(const QString& text);

private:
    void poll();

    Answer answer;
    QTimer timer;
    QPointer<QWidget> answered;
    QList<Seen> seenDialogs;
};
