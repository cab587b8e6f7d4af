// The two digit fonts shared by every board, created once and kept for the whole run.
#pragma once

#include "CFont.h"

extern CFont g_bigFont;    // cell digits
extern CFont g_smallFont;  // the small candidate digits
extern int g_fontsCreated;

// Creates both fonts the first time; later calls do nothing.
void CreateFonts();
