#ifndef LOGCATEGORIES_H
#define LOGCATEGORIES_H

#include <QLoggingCategory>

// What the game tells a modder on standard error, by subject, so that QT_LOGGING_RULES selects or
// silences it ("olteria.sound.warning=false"):
// - olteria.data: a data file that was not read, and what the game does instead;
// - olteria.sound: a sound that stays silent, and why.
Q_DECLARE_LOGGING_CATEGORY(lcData)
Q_DECLARE_LOGGING_CATEGORY(lcSound)

#endif
