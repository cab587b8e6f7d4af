// The step solver's techniques in one table: each one's name, difficulty and finder, easiest first.
#include "TechniqueTable.h"

#include "AlternatingChains.h"
#include "ChainCycles.h"
#include "ChainGraph.h"
#include "ForcingChains.h"
#include "StepTechniques.h"

namespace {

// A finder of fixed difficulty, which has no use for the bound.
template <std::optional<Step> (*Find)(const CandidateGrid&)>
std::optional<Step> Fixed(const CandidateGrid& grid, int) { return Find(grid); }

template <int Size>
std::optional<Step> NakedSubset(const CandidateGrid& grid, int) { return FindNakedSubset(grid, Size, WholeGrid); }
template <int Size>
std::optional<Step> HiddenSubset(const CandidateGrid& grid, int) { return FindHiddenSubset(grid, Size, WholeGrid); }
template <int Size>
std::optional<Step> DirectHiddenSubset(const CandidateGrid& grid, int) { return FindDirectHiddenSubset(grid, Size); }
template <int Size>
std::optional<Step> Fish(const CandidateGrid& grid, int) { return FindFish(grid, Size, WholeGrid); }
template <bool Pointing>
std::optional<Step> Intersection(const CandidateGrid& grid, int)
{
    return Pointing ? FindPointing(grid, WholeGrid) : FindClaiming(grid, WholeGrid);
}
template <Technique Kind, unsigned Links>
std::optional<Step> Chain(const CandidateGrid& grid, int below) { return FindForcingChain(grid, Kind, Links, below); }
template <Technique Kind, unsigned Links>
std::optional<Step> Cycle(const CandidateGrid& grid, int below) { return FindCycle(grid, Kind, Links, below); }
template <Technique Kind, ForcingRules Rules, unsigned Forms, NestedFinder Nested = nullptr>
std::optional<Step> Forcing(const CandidateGrid& grid, int below)
{
    return FindForcingChains(grid, {Kind, Rules, Forms, Nested}, below);
}

// The links of nested chains: the chains of one level less, the first found.
std::optional<Step> AnyAlternatingChain(const CandidateGrid& grid, int longest)
{
    return FindFirstChain(grid, Technique::AlternatingChain, AllLinks, longest);
}
std::optional<Step> AnyMultipleChains(const CandidateGrid& grid, int longest)
{
    return FindAnyForcingChain(grid, {Technique::CellForcingChains, ForcingRules::Static, EachDigitForm | EachPlaceForm}, longest);
}
std::optional<Step> AnyDynamicChains(const CandidateGrid& grid, int longest)
{
    return FindAnyForcingChain(grid, {Technique::DynamicForcingChains, ForcingRules::Dynamic, AllForms}, longest);
}
std::optional<Step> AnyDynamicChainsPlus(const CandidateGrid& grid, int longest)
{
    return FindAnyForcingChain(grid, {Technique::DynamicForcingChainsPlus, ForcingRules::DynamicPlus, AllForms}, longest);
}
template <bool InBoxes>
std::optional<Step> HiddenSingle(const CandidateGrid& grid, int) { return FindHiddenSingle(grid, InBoxes); }

constexpr TechniqueInfo Table[] = {
    {Technique::FullHouse, "full house", 10, Fixed<FindFullHouse>, FullHouseText, false},
    {Technique::HiddenSingleInBox, "hidden single in a box", 12, HiddenSingle<true>, HiddenSingleText, false},
    {Technique::HiddenSingleInLine, "hidden single", 15, HiddenSingle<false>, HiddenSingleText, false},
    {Technique::DirectPointing, "direct pointing", 17, Fixed<FindDirectPointing>, DirectText, false},
    {Technique::DirectClaiming, "direct claiming", 19, Fixed<FindDirectClaiming>, DirectText, false},
    {Technique::DirectHiddenPair, "direct hidden pair", 20, DirectHiddenSubset<2>, DirectText, false},
    {Technique::NakedSingle, "naked single", 23, Fixed<FindNakedSingle>, NakedSingleText, false},
    {Technique::DirectHiddenTriple, "direct hidden triple", 25, DirectHiddenSubset<3>, DirectText, false},
    {Technique::Pointing, "pointing", 26, Intersection<true>, IntersectionText, false},
    {Technique::Claiming, "claiming", 28, Intersection<false>, IntersectionText, false},
    {Technique::NakedPair, "naked pair", 30, NakedSubset<2>, NakedSubsetText, false},
    {Technique::XWing, "X-Wing", 32, Fish<2>, FishText, false},
    {Technique::HiddenPair, "hidden pair", 34, HiddenSubset<2>, HiddenSubsetText, false},
    {Technique::NakedTriple, "naked triple", 36, NakedSubset<3>, NakedSubsetText, false},
    {Technique::Swordfish, "Swordfish", 38, Fish<3>, FishText, false},
    {Technique::HiddenTriple, "hidden triple", 40, HiddenSubset<3>, HiddenSubsetText, false},
    {Technique::XYWing, "XY-Wing", 42, Fixed<FindXYWing>, XYWingText, false},
    {Technique::XYZWing, "XYZ-Wing", 44, Fixed<FindXYZWing>, XYZWingText, false},
    {Technique::UniqueRectangle, "unique rectangle", 45, Fixed<FindUniqueRectangle>, UniqueLoopText, true},
    {Technique::UniqueLoop, "unique loop", 46, Fixed<FindUniqueLoop>, UniqueLoopText, true},
    {Technique::NakedQuad, "naked quad", 50, NakedSubset<4>, NakedSubsetText, false},
    {Technique::Jellyfish, "Jellyfish", 52, Fish<4>, FishText, false},
    {Technique::HiddenQuad, "hidden quad", 54, HiddenSubset<4>, HiddenSubsetText, false},
    {Technique::BivalueUniversalGrave, "bivalue universal grave", 56, Fixed<FindBivalueUniversalGrave>, BivalueGraveText, true},
    {Technique::AlignedPairExclusion, "aligned pair exclusion", 62, Fixed<FindAlignedPairExclusion>, ExclusionText, false},
    {Technique::XCycle, "X-cycle", 65, Cycle<Technique::XCycle, XLinks>, ChainText, false},
    {Technique::XYCycle, "XY-cycle", 65, Cycle<Technique::XYCycle, XYLinks>, ChainText, false},
    {Technique::XChain, "X-chain", 66, Chain<Technique::XChain, XLinks>, ChainText, false},
    {Technique::XYChain, "XY-chain", 70, Chain<Technique::XYChain, XYLinks>, ChainText, false},
    {Technique::AlternatingCycle, "alternating cycle", 70, Cycle<Technique::AlternatingCycle, AllLinks>, ChainText, false},
    {Technique::AlternatingChain, "alternating chain", 70, Chain<Technique::AlternatingChain, AllLinks>, ChainText, false},
    {Technique::AlignedTripleExclusion, "aligned triple exclusion", 75, Fixed<FindAlignedTripleExclusion>, ExclusionText,
     false},
    {Technique::Nishio, "Nishio", 75, Forcing<Technique::Nishio, ForcingRules::OneDigit, ContradictionForm>, ForcingText, false},
    {Technique::CellForcingChains, "cell forcing chains", 80,
     Forcing<Technique::CellForcingChains, ForcingRules::Static, EachDigitForm>, ForcingText, false},
    {Technique::UnitForcingChains, "unit forcing chains", 80,
     Forcing<Technique::UnitForcingChains, ForcingRules::Static, EachPlaceForm>, ForcingText, false},
    {Technique::DynamicForcingChains, "dynamic forcing chains", 85,
     Forcing<Technique::DynamicForcingChains, ForcingRules::Dynamic, AllForms>, ForcingText, false},
    {Technique::DynamicForcingChainsPlus, "dynamic forcing chains (+)", 90,
     Forcing<Technique::DynamicForcingChainsPlus, ForcingRules::DynamicPlus, AllForms>, ForcingText, false},
    {Technique::NestedForcingChains, "nested forcing chains", 95,
     Forcing<Technique::NestedForcingChains, ForcingRules::Nested, AllForms, AnyAlternatingChain>, ForcingText, false},
    {Technique::NestedMultipleForcingChains, "nested cell and unit forcing chains", 100,
     Forcing<Technique::NestedMultipleForcingChains, ForcingRules::Nested, AllForms, AnyMultipleChains>, ForcingText, false},
    {Technique::NestedDynamicForcingChains, "nested dynamic forcing chains", 105,
     Forcing<Technique::NestedDynamicForcingChains, ForcingRules::Nested, AllForms, AnyDynamicChains>, ForcingText, false},
    {Technique::NestedDynamicForcingChainsPlus, "nested dynamic forcing chains (+)", 110,
     Forcing<Technique::NestedDynamicForcingChainsPlus, ForcingRules::Nested, AllForms, AnyDynamicChainsPlus>, ForcingText, false},
};

// The table lists every technique once, in the order of the enumeration.
constexpr bool InEnumOrder()
{
    for (int i = 0; i < int(std::size(Table)); ++i)
        if (Table[i].technique != Technique(i))
            return false;
    return true;
}
static_assert(InEnumOrder());

}  // namespace

std::span<const TechniqueInfo> TechniqueTable() { return Table; }

const TechniqueInfo& InfoOf(Technique technique) { return Table[int(technique)]; }

std::string_view TechniqueName(Technique technique) { return InfoOf(technique).name; }

int BaseDifficulty(Technique technique) { return InfoOf(technique).difficulty; }

std::optional<Step> FindTechnique(const CandidateGrid& grid, Technique technique)
{
    return InfoOf(technique).find(grid, 1000);
}

int SizedDifficulty(int base, int size)
{
    // 0.1 each time the size passes the next of the ceilings 4, 6, 8, 12, 16, 24, 32, ...
    // (alternately x3/2 and x4/3).
    int added = 0;
    int ceiling = 4;
    for (bool odd = false; size > ceiling; odd = !odd) {
        ++added;
        ceiling = odd ? ceiling * 4 / 3 : ceiling * 3 / 2;
    }
    return base + added;
}
