// What chains say: each link in order, from the assumption to the conclusion.
#include "StepWords.h"
#include "TechniqueTexts.h"

namespace {

std::string Holding(const ChainLink& link, CellNaming naming)
{
    return CellName(link.candidate.cell, naming) + (link.holds ? " is " : " is not ") + The(link.candidate.digit);
}

// "so <link>, so <link>" for links [first, last).
std::string Sequence(const std::vector<ChainLink>& links, size_t first, size_t last, CellNaming naming)
{
    std::string text;
    for (size_t i = first; i < last; ++i)
        text += (i == first ? "" : ", so ") + Holding(links[i], naming);
    return text;
}

}  // namespace

std::string ChainText(const Step& step, CellNaming naming)
{
    const std::vector<ChainLink>& links = step.chain;
    const ChainLink& assumption = links.front();
    if (step.shape == ChainShape::EitherEnd) {
        // on(T), off(A), on(B) ... on(Z), off(T): A holds, or else the chain gets to Z.
        const ChainLink& first = links[1];
        const ChainLink& target = assumption;
        return "either " + CellName(first.candidate.cell, naming) + " is " + The(first.candidate.digit) + ", or else "
             + Sequence(links, 2, links.size() - 1, naming) + "; either way " + CellName(target.candidate.cell, naming)
             + " is not " + The(target.candidate.digit) + ".";
    }
 if (step.shape == ChainShape::Loop)
        return "if " + Holding(assumption, naming) + ", then " + Sequence(links, 1, links.size(), naming) + ", so "
             + Holding(assumption, naming) + " again: the loop holds either way round, so one candidate of each "
             + "weak link holds, and " + Removals(step.eliminations, naming) + ".";
    return "if " + Holding(assumption, naming) + ", then " + Sequence(links, 1, links.size(), naming)
         + " after all; so " + Result(step, naming) + ".";
}
