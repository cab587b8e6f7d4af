// The texts the player sees when a file cannot be written or read.
#pragma once

#include <string>

// Each message names the file without its folder (the part after the last '/' or '\'),
// so the box stays short and shows the name the player typed.
std::string CannotWriteMessage(const std::string& path);   // "error! can't write to <name>"
std::string CannotReadMessage(const std::string& path);    // "error! can't read <name>"
std::string NotASavedGameMessage(const std::string& path); // "error! <name> is not a saved game"
