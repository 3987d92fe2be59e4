#include "logcategories.h"

Q_LOGGING_CATEGORY(lcData, "olteria.data")
Q_LOGGING_CATEGORY(lcSound, "olteria.sound")
