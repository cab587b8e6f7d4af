// The name a game is saved under always ends in ".sav".
#pragma once

#include <string>

// Appends ".sav" unless the path already ends in it, in any ASCII case; the path keeps its own case.
std::string AddSavExtension(const std::string& path);
