// What chains say: each link in order, from the assumption to the conclusion.
#include "StepWords.h"
#include "TechniqueTexts.h"

#include <string_view>

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
        // on(T), off(A), on(B) ... on(Z), off(T): A holds and rules T out, or else the chain gets
        // to Z, which does.
        const ChainLink& target = assumption;
        return "if " + Holding(links[1], naming) + ", then " + Sequence(links, 2, links.size() - 1, naming)
             + "; either way " + CellName(target.candidate.cell, naming) + " is not " + The(target.candidate.digit) + ".";
    }
    if (step.shape == ChainShape::Loop)
        return "if " + Holding(assumption, naming) + ", then " + Sequence(links, 1, links.size(), naming) + ", so "
             + Holding(assumption, naming) + " again: the loop holds either way round, so one candidate of each "
             + "weak link holds, and " + Removals(step.eliminations, naming) + ".";
    return "if " + Holding(assumption, naming) + ", then " + Sequence(links, 1, links.size(), naming)
         + " after all; so " + Result(step, naming) + ".";
}

namespace {

// At most this many lines of a long chain are shown.
constexpr size_t MostLines = 12;

std::string Because(const ChainLink& link, CellNaming naming)
{
    switch (link.reason) {
    case ChainReason::LastDigit:
        return ", its last digit";
    case ChainReason::LastPlace:
        return ", the last place for " + The(link.candidate.digit) + " in " + UnitName(link.unit, naming);
    case ChainReason::Pattern:
        return " (" + std::string(TechniqueName(link.technique))
             + (link.unit >= 0 ? " in " + UnitName(link.unit, naming) : std::string()) + ")";
    case ChainReason::Nested:
        return " (by " + std::string(TechniqueName(link.technique)) + ")";
    default:
        return "";
    }
}

// "a, b or c", with `separator` between the others.
std::string Choices(const std::vector<std::string>& items, std::string_view separator = ", ")
{
    std::string text;
    for (size_t i = 0; i < items.size(); ++i)
        text += (i == 0 ? "" : i + 1 == items.size() ? " or " : std::string(separator)) + items[i];
    return text;
}

// Links that rule out one digit in several cells, or several digits in one cell, in a row.
bool SameGroup(const ChainLink& first, const ChainLink& link)
{
    if (link.holds || first.holds || link.reason != first.reason || link.branch != first.branch)
        return false;
    if (link.reason == ChainReason::SeesDigit)
        return link.candidate.digit == first.candidate.digit;
    return link.reason == ChainReason::SameCell && link.candidate.cell == first.candidate.cell;
}

// One line for links [first, last) of one group.
std::string GroupLine(const std::vector<ChainLink>& links, size_t first, size_t last, CellNaming naming)
{
    const ChainLink& link = links[first];
    if (last - first == 1)
        return Holding(link, naming) + Because(link, naming);
    std::vector<std::string> names;
    if (link.reason == ChainReason::SeesDigit) {
        for (size_t i = first; i < last; ++i)
            names.push_back(CellName(links[i].candidate.cell, naming));
        return JoinList(names, "; ") + " are not " + The(link.candidate.digit);
    }
    for (size_t i = first; i < last; ++i)
        names.push_back(The(links[i].candidate.digit));
    return CellName(link.candidate.cell, naming) + " is not " + Choices(names);
}

std::string Conclusion(const Step& step, CellNaming naming)
{
    const bool placed = !step.placements.empty();
    const CellDigit result = placed ? step.placements.front() : step.eliminations.front();
    return CellName(result.cell, naming) + (placed ? " is " : " is not ") + The(result.digit);
}

}  // namespace

std::string ForcingText(const Step& step, CellNaming naming)
{
    const std::vector<ChainLink>& links = step.chain;
    std::vector<std::string> lines;
    const std::string conclusion = Conclusion(step, naming);
    lines.push_back(Capitalised(conclusion) + ".");
    // Where the branches start from.
    std::vector<std::string> starts;
    for (const ChainLink& link : links)
        if (link.reason == ChainReason::Assumed)
            starts.push_back(step.shape == ChainShape::EachDigit ? The(link.candidate.digit)
                                                                   : CellName(link.candidate.cell, naming));
    if (step.shape == ChainShape::EachDigit)
        lines.push_back(Capitalised(CellName(step.cells[0], naming)) + " takes " + Choices(starts) + ":");
    else if (step.shape == ChainShape::EachPlace)
        lines.push_back("In " + UnitName(step.units[0], naming) + ", " + The(step.digits[0]) + " goes in "
                        + Choices(starts, "; ") + ":");
    for (size_t i = 0; i < links.size();) {
        if (links[i].reason == ChainReason::Assumed) {
            lines.push_back("If " + Holding(links[i], naming) + ":");
            ++i;
            continue;
        }
        size_t last = i + 1;
        while (last < links.size() && SameGroup(links[i], links[last]))
            ++last;
        lines.push_back("  " + GroupLine(links, i, last, naming));
        i = last;
    }
    if (step.shape == ChainShape::Contradiction) {
        if (!step.cells.empty())
            lines.push_back("  so " + CellName(step.cells[0], naming) + " has no digit left: a contradiction.");
        else if (!step.units.empty())
            lines.push_back("  so " + The(links.back().candidate.digit) + " has no place left in "
                            + UnitName(step.units[0], naming) + ": a contradiction.");
        else
            lines.push_back("  so " + CellName(links.back().candidate.cell, naming) + " both is and is not "
                            + The(links.back().candidate.digit) + ": a contradiction.");
    } else {
        lines.push_back("Either way " + conclusion + ".");
    }
    std::string text;
    const size_t shown = lines.size() > MostLines ? MostLines - 1 : lines.size();
    for (size_t i = 0; i < shown; ++i)
        text += (i == 0 ? "" : "\n") + lines[i];
    if (shown < lines.size())
        text += "\n... (" + std::to_string(lines.size() - shown) + " more steps)";
    return text;
}
