#include "gamefont.h"
#include "mainwindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // Narrow string literals are UTF-8 throughout; Qt 5 reads them so without being told.
    QApplication application(argc, argv);
    useGameFont();
    MainWindow window;
    window.show();
    return application.exec();
}
