// Feeds arbitrary bytes to the saved-game reader; whatever it accepts must survive a save and a load.
#include "FuzzCheck.h"
#include "SavedGameCodec.h"
#include "SolvedGrid.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const SavedGameResult decoded = DecodeSavedGame(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!decoded.game)
        return 0;
    const SavedGame& game = *decoded.game;
    FUZZ_CHECK(game.m_hintsUsed >= 0);
    // A game's solution is solved; an entry has neither puzzle nor solution yet.
    if (game.m_enteringGame)
        FUZZ_CHECK(game.m_puzzle == Grid81{} && game.m_solution == Grid81{});
    else
        FUZZ_CHECK(IsSolvedGrid(game.m_solution));
    for (int i = 0; i < 81; ++i) {
        const std::string& text = game.m_texts[i];  // empty or one digit 1-9, a given's own digit
        FUZZ_CHECK(text.empty() || (text.size() == 1 && text[0] >= '1' && text[0] <= '9'));
        FUZZ_CHECK(game.m_puzzle[i] >= 0 && game.m_puzzle[i] <= 9);
        FUZZ_CHECK(game.m_solution[i] >= 0 && game.m_solution[i] <= 9);
        if (game.m_puzzle[i] != 0)
            FUZZ_CHECK(text == std::to_string(game.m_puzzle[i]) && game.m_solution[i] == game.m_puzzle[i]);
        FUZZ_CHECK(game.m_crossedOut[i] <= 0x1FF);
    }

    const std::string saved = EncodeSavedGame(game);
    const bool anyCrossedOut = std::ranges::any_of(game.m_crossedOut, [](auto digits) { return digits != 0; });
    FUZZ_CHECK(saved.size() == 3 * 83 + std::to_string(game.m_hintsUsed).size() + 2 + (anyCrossedOut ? 245 : 0));
    const SavedGameResult reloaded = DecodeSavedGame(saved);
    FUZZ_CHECK(reloaded.game);
    FUZZ_CHECK(*reloaded.game == game);
    return 0;
}
