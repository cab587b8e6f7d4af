// Names and difficulties of the techniques, on the scale most puzzle raters use.
#include "SolveStep.h"

std::string_view TechniqueName(Technique technique)
{
    switch (technique) {
    case Technique::FullHouse: return "full house";
    case Technique::HiddenSingleInBox: return "hidden single in a box";
    case Technique::HiddenSingleInLine: return "hidden single";
    case Technique::NakedSingle: return "naked single";
    case Technique::Pointing: return "pointing";
    case Technique::Claiming: return "claiming";
    case Technique::NakedPair: return "naked pair";
    case Technique::XWing: return "X-Wing";
    case Technique::HiddenPair: return "hidden pair";
    case Technique::NakedTriple: return "naked triple";
    case Technique::Swordfish: return "Swordfish";
    case Technique::HiddenTriple: return "hidden triple";
    case Technique::XYWing: return "XY-Wing";
    case Technique::XYZWing: return "XYZ-Wing";
    case Technique::NakedQuad: return "naked quad";
    case Technique::Jellyfish: return "Jellyfish";
    case Technique::HiddenQuad: return "hidden quad";
    case Technique::XChain: return "X-chain";
    case Technique::XYChain: return "XY-chain";
    }
    return "";
}

int BaseDifficulty(Technique technique)
{
    switch (technique) {
    case Technique::FullHouse: return 10;
    case Technique::HiddenSingleInBox: return 12;
    case Technique::HiddenSingleInLine: return 15;
    case Technique::NakedSingle: return 23;
    case Technique::Pointing: return 26;
    case Technique::Claiming: return 28;
    case Technique::NakedPair: return 30;
    case Technique::XWing: return 32;
    case Technique::HiddenPair: return 34;
    case Technique::NakedTriple: return 36;
    case Technique::Swordfish: return 38;
    case Technique::HiddenTriple: return 40;
    case Technique::XYWing: return 42;
    case Technique::XYZWing: return 44;
    case Technique::NakedQuad: return 50;
    case Technique::Jellyfish: return 52;
    case Technique::HiddenQuad: return 54;
    case Technique::XChain: return 66;
    case Technique::XYChain: return 66;
    }
    return 0;
}
