// Tells, before Qt starts, whether a window can open here at all.
#pragma once

#include <string>

// Empty when a window can open; otherwise one line saying why not. On Linux and the
// other X11/Wayland systems a display is needed unless a Qt platform is chosen
// explicitly (QT_QPA_PLATFORM); Windows and macOS always have their own.
std::string MissingDisplayReason();
