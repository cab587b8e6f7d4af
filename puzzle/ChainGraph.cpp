// The implications between the candidates of one grid that alternating chains follow.
#include "ChainGraph.h"

#include "GridUnits.h"

#include <algorithm>

ChainGraph::ChainGraph(const CandidateGrid& grid, unsigned kinds) : m_first(LiteralCount + 1, 0)
{
    for (int literal = 0; literal < LiteralCount; ++literal) {
        m_first[literal] = int(m_edges.size());
        const int cell = CellOfLiteral(literal);
        const int digit = DigitOfLiteral(literal);
        if (!grid.Has(cell, digit))
            continue;
        const DigitMask others = DigitMask(grid.Candidates(cell) & ~DigitBit(digit));
        if (Holds(literal)) {
            if ((kinds & SameCellLinks) != 0)
                for (int other = 1; other <= 9; ++other)
                    if ((others & DigitBit(other)) != 0)
                        m_edges.push_back({std::int16_t(Literal(cell, other, false)), ChainReason::SameCell, -1});
            if ((kinds & SeesDigitLinks) != 0)
                for (const int peer : grid.CellsWith(digit) & PeerSet(cell))
                    m_edges.push_back({std::int16_t(Literal(peer, digit, false)), ChainReason::SeesDigit, -1});
            continue;
        }
        if ((kinds & LastDigitLinks) != 0 && CountDigits(others) == 1)
            m_edges.push_back({std::int16_t(Literal(cell, LowestDigit(others), true)), ChainReason::LastDigit, -1});
        if ((kinds & LastPlaceLinks) != 0) {
            for (const int unit : UnitsOfCell(cell)) {
                const CellSet places = grid.CellsWith(digit) & UnitSet(unit);
                if (places.Count() != 2)
                    continue;
                const int other = (places - CellSet::Of(cell)).First();
                // Two cells sharing a line and a box are linked once, through the line.
                const bool seen = std::any_of(m_edges.begin() + m_first[literal], m_edges.end(),
                                              [&](const ChainEdge& edge) { return CellOfLiteral(edge.to) == other; });
                if (!seen)
                    m_edges.push_back({std::int16_t(Literal(other, digit, true)), ChainReason::LastPlace, std::int8_t(unit)});
            }
        }
    }
    m_first[LiteralCount] = int(m_edges.size());
}

ChainLink LinkOf(int literal, ChainReason reason, int unit, int branch)
{
    ChainLink link;
    link.candidate = {CellOfLiteral(literal), DigitOfLiteral(literal)};
    link.holds = Holds(literal);
    link.reason = reason;
    link.unit = unit;
    link.branch = branch;
    return link;
}

std::vector<ChainLink> ChainSearch::Path(int assumption, int last) const
{
    std::vector<ChainLink> links;
    for (int literal = last; literal != assumption; literal = m_steps[literal].from)
        links.push_back(LinkOf(literal, m_steps[literal].edge.reason, m_steps[literal].edge.unit, 0));
    links.push_back(LinkOf(assumption, ChainReason::Assumed, -1, 0));
    std::reverse(links.begin(), links.end());
    return links;
}

ParallelWalk::ParallelWalk(const ChainGraph& graph, std::vector<int> assumptions)
    : m_graph(graph), m_assumptions(std::move(assumptions)), m_words((m_assumptions.size() + 63) / 64),
      m_visited(size_t(LiteralCount) * m_words, 0), m_frontier(m_visited.size(), 0), m_next(m_visited.size(), 0)
{
    for (size_t i = 0; i < m_assumptions.size(); ++i) {
        const size_t at = size_t(m_assumptions[i]) * m_words + i / 64;
        m_visited[at] |= std::uint64_t(1) << (i % 64);
        m_frontier[at] |= std::uint64_t(1) << (i % 64);
        if (std::find(m_active.begin(), m_active.end(), m_assumptions[i]) == m_active.end())
            m_active.push_back(m_assumptions[i]);
    }
}

bool ParallelWalk::Advance()
{
    m_touched.clear();
    for (const int literal : m_active) {
        const std::uint64_t* from = &m_frontier[size_t(literal) * m_words];
        for (const ChainEdge* edge = m_graph.begin(literal); edge != m_graph.end(literal); ++edge) {
            std::uint64_t* to = &m_next[size_t(edge->to) * m_words];
            bool touched = false;
            for (size_t w = 0; w < m_words; ++w) {
                touched = touched || to[w] != 0;
                to[w] |= from[w];
            }
            if (!touched)
                m_touched.push_back(edge->to);
        }
        std::fill(m_frontier.begin() + std::ptrdiff_t(size_t(literal) * m_words),
                  m_frontier.begin() + std::ptrdiff_t(size_t(literal + 1) * m_words), 0);
    }
    m_active.clear();
    for (const int literal : m_touched) {
        std::uint64_t* next = &m_next[size_t(literal) * m_words];
        std::uint64_t* visited = &m_visited[size_t(literal) * m_words];
        std::uint64_t* frontier = &m_frontier[size_t(literal) * m_words];
        bool any = false;
        for (size_t w = 0; w < m_words; ++w) {
            frontier[w] = next[w] & ~visited[w];
            visited[w] |= frontier[w];
            next[w] = 0;
            any = any || frontier[w] != 0;
        }
        if (any)
            m_active.push_back(literal);
    }
    return !m_active.empty();
}
