// The digit fonts, created by the first board and used by all.
#include "BoardFonts.h"

CFont g_bigFont;
CFont g_smallFont;
int g_fontsCreated = 0;

void CreateFonts()
{
    if (g_fontsCreated != 0)
        return;
    g_fontsCreated = 1;
    g_bigFont.CreatePointFont(150, "Arial");
    g_smallFont.CreatePointFont(110, "Arial");
}
