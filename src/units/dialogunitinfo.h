#ifndef DIALOGUNITINFO_H
#define DIALOGUNITINFO_H

#include <QDialog>

#include <memory>

class QLabel;
class QPushButton;

// The modal dialog of a right click: a title, an information text and "Закрыть".
// While one exists the game stands still.
class DialogUnitInfo : public QDialog
{
    Q_OBJECT

public:
    explicit DialogUnitInfo(QWidget* parent = nullptr);
    ~DialogUnitInfo() override;

    void setInfo(const QString& title, const QString& text);
    static void showUnitInfo(QWidget* parent, const QString& title, const QString& text);
    // Whether one exists now, shown or about to be: the game stands still meanwhile.
    static bool isAnyOpen() { return openCount > 0; }

private Q_SLOTS:
    void on_pushButton_clicked();

private:
    struct Form
    {
        QPushButton* pushButton = nullptr;
        QLabel* labInfo = nullptr;
        QLabel* labTitle = nullptr;

        void setupUi(QDialog* dialog);
    };

    std::unique_ptr<Form> ui;

    static int openCount;
};

#endif
