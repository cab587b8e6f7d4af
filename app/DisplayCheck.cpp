// The display check, the program's one platform-specific decision.
#include "DisplayCheck.h"

#include <QtGlobal>

std::string MissingDisplayReason()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return "Tessaly: no display found (DISPLAY and WAYLAND_DISPLAY are unset); start it from a desktop session.";
#endif
    return {};
}
