#ifndef GAMELANGUAGE_H
#define GAMELANGUAGE_H

#include "textlanguage.h"

// The language put to use before any window is made: Qt's translator of the window's texts,
// built into the game as a resource, and the language of the catalogues' names. Russian, the
// language the texts are written in, needs no translator.
class GameLanguage
{
public:
    // False when the language's translations cannot be loaded; the game then speaks Russian.
    static bool use(TextLanguage::Language language);
};

#endif
