// The pictures compiled into the game: background, icons.
#pragma once

#include <QIcon>

// Registers the compiled resources; the library is static, so the linker would otherwise
// drop them. Safe to call more than once.
void InitTessalyResources();

// The program icon in all its sizes.
QIcon TessalyIcon();

inline constexpr const char* kBackgroundPicturePath = ":/background.bmp";
