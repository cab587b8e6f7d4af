// The display check, the program's one platform-specific decision.
#include "DisplayCheck.h"

#include "PlayerTexts.h"

#include <QtGlobal>

std::string MissingDisplayReason()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return kNoDisplay;
#endif
    return {};
}
