// The ".sav" ending of a saved game's name.
#include "SavExtension.h"

#include <gtest/gtest.h>

namespace {

struct ExtensionCase {
    const char* name;
    const char* chosen;
    const char* saved;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const ExtensionCase& c, std::ostream* os) { *os << c.name; }

class SavExtensionTest : public testing::TestWithParam<ExtensionCase> {};

TEST_P(SavExtensionTest, AppendsSavUnlessPresentInAnyCase)
{
    EXPECT_EQ(AddSavExtension(GetParam().chosen), GetParam().saved);
}

INSTANTIATE_TEST_SUITE_P(
    Names, SavExtensionTest,
    testing::Values(ExtensionCase{"UpperCaseKept", "Game.SAV", "Game.SAV"},
                    ExtensionCase{"MixedCaseKept", "/home/p/GAME.sAv", "/home/p/GAME.sAv"},
                    ExtensionCase{"NoExtension", "game", "game.sav"},
                    ExtensionCase{"OtherExtension", "notes.txt", "notes.txt.sav"},
                    ExtensionCase{"ShorterThanFour", ".sa", ".sa.sav"},
                    ExtensionCase{"Empty", "", ".sav"},
                    ExtensionCase{"ExactlyTheExtension", ".sav", ".sav"},
                    ExtensionCase{"ShortNameWithExtension", "a.sav", "a.sav"},
                    ExtensionCase{"FolderCaseUntouched", "C:\\Games\\Week1", "C:\\Games\\Week1.sav"},
                    ExtensionCase{"SavWithoutDot", "mysav", "mysav.sav"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
