// Player messages about files.
#include "FileMessages.h"

namespace {

std::string FileNameOf(const std::string& path)
{
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::string CannotWriteMessage(const std::string& path)
{
    return "error! can't write to " + FileNameOf(path);
}

std::string CannotReadMessage(const std::string& path)
{
    return "error! can't read " + FileNameOf(path);
}

std::string NotASavedGameMessage(const std::string& path)
{
    return "error! " + FileNameOf(path) + " is not a saved game";
}
