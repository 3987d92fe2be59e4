#pragma once

#include "gamedir.h"
#include "modalanswerer.h"

#include <functional>

// What a game window needs before it is built: its game folder, written by the test, and the
// answer to the start menu that its constructor runs modally.
struct TestGameFolder
{
    using Writer = std::function<void(GameDir&)>;

    TestGameFolder(const Writer& write, bool easy);

    GameDir dir;
    ModalAnswerer menu;
};
