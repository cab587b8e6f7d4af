// What each technique's step says, after the technique's name: one function per kind of step.
#pragma once

#include "SolveStep.h"
#include "StepText.h"

#include <string>

using Describer = std::string (*)(const Step& step, CellNaming naming);

std::string FullHouseText(const Step& step, CellNaming naming);
std::string HiddenSingleText(const Step& step, CellNaming naming);
std::string NakedSingleText(const Step& step, CellNaming naming);
std::string IntersectionText(const Step& step, CellNaming naming);
std::string NakedSubsetText(const Step& step, CellNaming naming);
std::string HiddenSubsetText(const Step& step, CellNaming naming);
// Direct pointing, claiming and hidden subsets: the pattern, then the single it leaves.
std::string DirectText(const Step& step, CellNaming naming);
std::string FishText(const Step& step, CellNaming naming);
std::string XYWingText(const Step& step, CellNaming naming);
std::string XYZWingText(const Step& step, CellNaming naming);
std::string UniqueLoopText(const Step& step, CellNaming naming);
std::string BivalueGraveText(const Step& step, CellNaming naming);
std::string ExclusionText(const Step& step, CellNaming naming);
std::string ChainText(const Step& step, CellNaming naming);
// Forcing chains: the conclusion first, then each branch link by link, at most twelve lines.
std::string ForcingText(const Step& step, CellNaming naming);
