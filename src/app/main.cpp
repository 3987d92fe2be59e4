#include "gamelauncher.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // Narrow string literals are UTF-8 throughout; Qt 5 reads them so without being told.
    GameLauncher::prepareApplication();
    QApplication application(argc, argv);
    return GameLauncher::play(QApplication::applicationDirPath());
}
