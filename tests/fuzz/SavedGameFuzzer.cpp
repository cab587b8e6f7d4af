// Feeds arbitrary bytes to the saved-game reader; whatever it accepts must survive a save and a load.
#include "FuzzCheck.h"
#include "SavedGameCodec.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

bool IsCellText(const std::string& text)
{
    return text.empty() || (text.size() == 1 && text[0] >= '1' && text[0] <= '9');
}

void CheckGame(const SavedGame& game)
{
    FUZZ_CHECK(game.m_hintsUsed >= 0);
    for (int i = 0; i < 81; ++i) {
        FUZZ_CHECK(IsCellText(game.m_texts[i]));
        FUZZ_CHECK(game.m_puzzle[i] >= 0 && game.m_puzzle[i] <= 9);
        FUZZ_CHECK(game.m_solution[i] >= 0 && game.m_solution[i] <= 9);
        if (game.m_puzzle[i] != 0)
            FUZZ_CHECK(game.m_texts[i] == std::to_string(game.m_puzzle[i]));
        FUZZ_CHECK(game.m_crossedOut[i] <= 0x1FF);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const SavedGameResult decoded = DecodeSavedGame(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!decoded.game)
        return 0;
    CheckGame(*decoded.game);

    const std::string saved = EncodeSavedGame(*decoded.game);
    const bool anyCrossedOut = std::ranges::any_of(decoded.game->m_crossedOut, [](auto digits) { return digits != 0; });
    FUZZ_CHECK(saved.size() == 3 * 83 + std::to_string(decoded.game->m_hintsUsed).size() + 2 + (anyCrossedOut ? 245 : 0));
    const SavedGameResult reloaded = DecodeSavedGame(saved);
    FUZZ_CHECK(reloaded.game);
    FUZZ_CHECK(*reloaded.game == *decoded.game);
    return 0;
}
