#include "testgamefolder.h"

TestGameFolder::TestGameFolder(const Writer& write, bool easy)
    : menu(ModalAnswerer::click(easy ? QStringLiteral("Начать игру в легком режиме (минус 40% здоровья всех врагов)")
                                     : QStringLiteral("Испытать стандартный режим")))
{
    if (write)
        write(dir);
}
