// A set of grid cells as two machine words, for the techniques that compare whole units at once.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <vector>

// The number of bits set. Built for any x86-64 the compiler has no population-count
// instruction to use, and its library fallback is a call, which the techniques feel.
constexpr int BitCount(std::uint64_t bits)
{
    bits = bits - ((bits >> 1) & 0x5555555555555555u);
    bits = (bits & 0x3333333333333333u) + ((bits >> 2) & 0x3333333333333333u);
    bits = (bits + (bits >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
    return int((bits * 0x0101010101010101u) >> 56);
}

// BitCount of a mask below 1 << 10 (digits, places in a unit, lines) from a table: the subset
// and fish searches count such masks in their innermost loops.
inline constexpr auto SmallBitCounts = [] {
    std::array<std::uint8_t, 1 << 10> counts{};
    for (unsigned bits = 0; bits < counts.size(); ++bits)
        counts[bits] = std::uint8_t(BitCount(bits));
    return counts;
}();
constexpr int SmallBitCount(unsigned bits) { return SmallBitCounts[bits]; }

// Cells 0-63 live in the first word, 64-80 in the second.
class CellSet {
public:
    constexpr CellSet() = default;
    static constexpr CellSet Of(int cell)
    {
        CellSet set;
        set.Add(cell);
        return set;
    }

    constexpr bool Has(int cell) const { return cell < 64 ? (m_low >> cell & 1u) != 0 : (m_high >> (cell - 64) & 1u) != 0; }
    constexpr void Add(int cell)
    {
        if (cell < 64)
            m_low |= std::uint64_t(1) << cell;
        else
            m_high |= std::uint64_t(1) << (cell - 64);
    }
    constexpr void Remove(int cell)
    {
        if (cell < 64)
            m_low &= ~(std::uint64_t(1) << cell);
        else
            m_high &= ~(std::uint64_t(1) << (cell - 64));
    }
    constexpr int Count() const { return BitCount(m_low) + BitCount(m_high); }
    constexpr bool Empty() const { return (m_low | m_high) == 0; }
    constexpr bool AtMostOne() const
    {
        return (m_low & (m_low - 1)) == 0 && (m_high & (m_high - 1)) == 0 && (m_low == 0 || m_high == 0);
    }
    constexpr bool Any() const { return !Empty(); }
    // The lowest cell, -1 when empty.
    constexpr int First() const
    {
        return m_low != 0 ? std::countr_zero(m_low) : m_high != 0 ? 64 + std::countr_zero(m_high) : -1;
    }

    constexpr CellSet operator&(const CellSet& other) const { return {m_low & other.m_low, m_high & other.m_high}; }
    constexpr CellSet operator|(const CellSet& other) const { return {m_low | other.m_low, m_high | other.m_high}; }
    constexpr CellSet operator^(const CellSet& other) const { return {m_low ^ other.m_low, m_high ^ other.m_high}; }
    // The cells of this set that are not in `other`.
    constexpr CellSet operator-(const CellSet& other) const { return {m_low & ~other.m_low, m_high & ~other.m_high}; }
    constexpr CellSet& operator&=(const CellSet& other) { return *this = *this & other; }
    constexpr CellSet& operator|=(const CellSet& other) { return *this = *this | other; }
    constexpr CellSet& operator-=(const CellSet& other) { return *this = *this - other; }
    constexpr bool operator==(const CellSet&) const = default;

    class Iterator {
    public:
        constexpr Iterator(std::uint64_t low, std::uint64_t high) : m_low(low), m_high(high) {}
        constexpr int operator*() const { return m_low != 0 ? std::countr_zero(m_low) : 64 + std::countr_zero(m_high); }
        constexpr Iterator& operator++()
        {
            if (m_low != 0)
                m_low &= m_low - 1;
            else
                m_high &= m_high - 1;
            return *this;
        }
        constexpr bool operator!=(const Iterator& other) const { return m_low != other.m_low || m_high != other.m_high; }

    private:
        std::uint64_t m_low;
        std::uint64_t m_high;
    };
    // The cells in increasing order.
    constexpr Iterator begin() const { return {m_low, m_high}; }
    constexpr Iterator end() const { return {0, 0}; }
    std::vector<int> Cells() const
    {
        std::vector<int> cells;
        for (const int cell : *this)
            cells.push_back(cell);
        return cells;
    }

private:
    constexpr CellSet(std::uint64_t low, std::uint64_t high) : m_low(low), m_high(high) {}

    std::uint64_t m_low = 0;
    std::uint64_t m_high = 0;
};
