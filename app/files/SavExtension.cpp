// The ".sav" rule of saving.
#include "SavExtension.h"

#include <algorithm>
#include <string_view>

namespace {

constexpr std::string_view kExtension = ".sav";

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string AddSavExtension(const std::string& path)
{
    if (path.size() >= kExtension.size()) {
        std::string tail = path.substr(path.size() - kExtension.size());
        std::transform(tail.begin(), tail.end(), tail.begin(), LowerAscii);
        if (tail == kExtension)
            return path;
    }
    return path + std::string(kExtension);
}
