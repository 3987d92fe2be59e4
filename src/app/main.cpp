#include "gamelauncher.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    GameLauncher::prepareApplication();
    // Narrow string literals are UTF-8 throughout; Qt 5 reads them so without being told.
    QApplication application(argc, argv);
    return GameLauncher::play(QApplication::applicationDirPath());
}
