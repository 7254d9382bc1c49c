// The bit fields of a league's two league-data words.
#include "competition/League.h"

namespace {

constexpr int NarrowBits = 4;
constexpr int WideBits = 5;
// leagueDataB's three 5-bit fields follow its four 4-bit ones.
constexpr int WideShift = 16;

int ReadBits(std::uint32_t word, int shift, int bits)
{
    return static_cast<int>((word >> shift) & ((1u << bits) - 1));
}

void WriteBits(std::uint32_t& word, int shift, int bits, int value)
{
    const std::uint32_t mask = ((1u << bits) - 1) << shift;
    word = (word & ~mask) | ((static_cast<std::uint32_t>(value) << shift) & mask);
}

bool InRange(int field, int count) { return field >= 0 && field < count; }

}  // namespace

int CDBLeagueBase::GetLeagueDataAField(int field) const
{
    return InRange(field, DataAFieldCount) ? ReadBits(leagueDataA_, field * NarrowBits, NarrowBits) : 0;
}

void CDBLeagueBase::SetLeagueDataAField(int field, int value)
{
    if (InRange(field, DataAFieldCount)) WriteBits(leagueDataA_, field * NarrowBits, NarrowBits, value);
}

int CDBLeagueBase::GetLeagueDataBField(int field) const
{
    return InRange(field, DataBFieldCount) ? ReadBits(leagueDataB_, field * NarrowBits, NarrowBits) : 0;
}

void CDBLeagueBase::SetLeagueDataBField(int field, int value)
{
    if (InRange(field, DataBFieldCount)) WriteBits(leagueDataB_, field * NarrowBits, NarrowBits, value);
}

int CDBLeagueBase::GetLeagueDataBWideField(int field) const
{
    return InRange(field, DataBWideFieldCount) ? ReadBits(leagueDataB_, WideShift + field * WideBits, WideBits) : 0;
}

void CDBLeagueBase::SetLeagueDataBWideField(int field, int value)
{
    if (InRange(field, DataBWideFieldCount)) {
        WriteBits(leagueDataB_, WideShift + field * WideBits, WideBits, value);
    }
}
