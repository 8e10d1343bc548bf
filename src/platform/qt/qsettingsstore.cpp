#include "platform/qt/qsettingsstore.h"
