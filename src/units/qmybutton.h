#ifndef QMYBUTTON_H
#define QMYBUTTON_H

#include <QPushButton>

class QMouseEvent;

// A push button that reports left and right presses alike; clicked_ex is its only click
// signal (it never shows the pressed state nor emits clicked()). A greyed-out button still
// answers a right press, so that a player can read about what she cannot afford yet, and
// keeps every other press to itself.
class QMyButton : public QPushButton
{
    Q_OBJECT

public:
    explicit QMyButton(QWidget* parent = nullptr);

Q_SIGNALS:
    void clicked_ex(QMyButton* sender, bool isleft);

public Q_SLOTS:
    void mousePressEvent(QMouseEvent* event) override;

protected:
    bool event(QEvent* event) override;
};

#endif
