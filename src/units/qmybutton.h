#ifndef QMYBUTTON_H
#define QMYBUTTON_H

#include <QPushButton>

class QMouseEvent;

// A push button that reports left and right presses alike; clicked_ex is its only click
// signal (it never shows the pressed state nor emits clicked()).
class QMyButton : public QPushButton
{
    Q_OBJECT

public:
    explicit QMyButton(QWidget* parent = nullptr);

Q_SIGNALS:
    void clicked_ex(QMyButton* sender, bool isleft);

public Q_SLOTS:
    void mousePressEvent(QMouseEvent* event) override;
};

#endif
