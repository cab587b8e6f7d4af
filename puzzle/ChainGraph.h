// The implications between the candidates of one grid that alternating chains follow.
#pragma once

#include "CandidateGrid.h"
#include "SolveStep.h"

#include <cstdint>
#include <vector>

// A literal is a candidate that holds or not: (cell * 9 + digit - 1) * 2, plus 1 when it holds.
constexpr int LiteralCount = 81 * 9 * 2;
constexpr int Literal(int cell, int digit, bool holds) { return (cell * 9 + digit - 1) * 2 + (holds ? 1 : 0); }
constexpr int CellOfLiteral(int literal) { return literal / 18; }
constexpr int DigitOfLiteral(int literal) { return literal / 2 % 9 + 1; }
constexpr bool Holds(int literal) { return (literal & 1) != 0; }
constexpr int Negated(int literal) { return literal ^ 1; }

// The kinds of link, as bits: a weak link turns "holds" into "not" (another digit of its cell,
// or its digit in a cell it sees), a strong one "not" into "holds" (the other digit of a cell
// with two, or the other place of a digit with two in a unit).
enum LinkKind : unsigned {
    SameCellLinks = 1,
    SeesDigitLinks = 2,
    LastDigitLinks = 4,
    LastPlaceLinks = 8,
    XLinks = SeesDigitLinks | LastPlaceLinks,      // one digit from cell to cell
    XYLinks = SeesDigitLinks | LastDigitLinks,     // through cells with two digits
    AllLinks = XLinks | SameCellLinks | LastDigitLinks,
};

struct ChainEdge {
    std::int16_t to;       // the literal implied
    ChainReason reason;    // SameCell, SeesDigit, LastDigit or LastPlace
    std::int8_t unit;      // LastPlace: the unit of the two places; else -1
};

class ChainGraph {
public:
    // The links of the kinds `kinds` (LinkKind bits) between the candidates of `grid`.
    ChainGraph(const CandidateGrid& grid, unsigned kinds);

    const ChainEdge* begin(int literal) const { return m_edges.data() + m_first[literal]; }
    const ChainEdge* end(int literal) const { return m_edges.data() + m_first[literal + 1]; }

private:
    std::vector<ChainEdge> m_edges;
    std::vector<int> m_first;  // the edges of literal l are m_first[l] .. m_first[l + 1] - 1
};

// How a literal was reached: from which literal, over which edge.
struct ChainStep {
    int from = -1;
    ChainEdge edge{};
};

// Breadth-first walks over one graph, reused from assumption to assumption.
class ChainSearch {
public:
    explicit ChainSearch(const ChainGraph& graph) : m_graph(graph), m_steps(LiteralCount), m_seen(LiteralCount, 0) {}

    // Walks from `assumption` over at most `longest` links, calling reached(literal, links)
    // for each literal at its first, shortest reach; stops when that returns true.
    template <typename Reached>
    void Walk(int assumption, int longest, Reached reached)
    {
        ++m_round;
        m_seen[assumption] = m_round;
        m_frontier.assign(1, assumption);
        for (int links = 1; links <= longest && !m_frontier.empty(); ++links) {
            m_next.clear();
            for (const int literal : m_frontier) {
                for (const ChainEdge* edge = m_graph.begin(literal); edge != m_graph.end(literal); ++edge) {
                    if (m_seen[edge->to] == m_round)
                        continue;
                    m_seen[edge->to] = m_round;
                    m_steps[edge->to] = {literal, *edge};
                    if (reached(int(edge->to), links))
                        return;
                    m_next.push_back(edge->to);
                }
            }
            m_frontier.swap(m_next);
        }
    }

    // The links from the last walk's assumption to `last`, which it reached: each literal with
    // the reason it follows from the one before, in branch 0.
    std::vector<ChainLink> Path(int assumption, int last) const;

private:
    const ChainGraph& m_graph;
    std::vector<ChainStep> m_steps;
    std::vector<unsigned> m_seen;  // the round in which each literal was reached
    unsigned m_round = 0;
    std::vector<int> m_frontier;
    std::vector<int> m_next;
};

// Breadth-first walks from many assumptions at once, one bit per assumption in each literal's
// words: after each layer, which assumptions reached which literals first in that layer.
class ParallelWalk {
public:
    ParallelWalk(const ChainGraph& graph, std::vector<int> assumptions);

    // Walks one more link; false when no literal was newly reached.
    bool Advance();
    // True when the last layer first reached `literal` from assumptions[i].
    bool ReachedNow(int literal, size_t i) const
    {
        return (m_frontier[size_t(literal) * m_words + i / 64] >> (i % 64) & 1u) != 0;
    }
    const std::vector<int>& Assumptions() const { return m_assumptions; }

private:
    const ChainGraph& m_graph;
    std::vector<int> m_assumptions;
    size_t m_words;
    std::vector<std::uint64_t> m_visited;   // per literal, the assumptions that reached it
    std::vector<std::uint64_t> m_frontier;  // per literal, those that reached it in the last layer
    std::vector<std::uint64_t> m_next;
    std::vector<int> m_active;              // the literals with a non-empty frontier
    std::vector<int> m_touched;
};

// The link of a literal in a chain's text.
ChainLink LinkOf(int literal, ChainReason reason, int unit, int branch);
