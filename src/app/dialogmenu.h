#ifndef DIALOGMENU_H
#define DIALOGMENU_H

#include <QDialog>

class QLabel;
class QPushButton;

// The start menu: the rules of the game and the choice of easy or standard mode.
class DialogMenu : public QDialog
{
    Q_OBJECT

public:
    explicit DialogMenu(QWidget* parent = nullptr);

    // Easy unless the standard button is pressed: closing the menu starts an easy game.
    bool easyMode = true;

private Q_SLOTS:
    void on_pushButton_clicked();
    void on_pushButton_2_clicked();

private:
    QPushButton* pushButton;
    QPushButton* pushButton_2;
    QLabel* label;
};

#endif
