#include "gamelanguage.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTranslator>

namespace {
// Where the build puts each language's catalogue: ":/i18n/olteria_<code>.qm".
const char kCataloguePrefix[] = ":/i18n/olteria_";
}

bool GameLanguage::use(TextLanguage::Language language)
{
    static QPointer<QTranslator> installed;
    delete installed; // a deleted translator takes itself out of the application
    TextLanguage::setCurrent(TextLanguage::Russian);
    if (language == TextLanguage::Russian)
        return true;
    // The translations live in the static core library; a resource there is registered by hand.
    Q_INIT_RESOURCE(olteria_translations);
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QLatin1String(kCataloguePrefix) + TextLanguage::code(language))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    installed = translator;
    TextLanguage::setCurrent(language);
    return true;
}
