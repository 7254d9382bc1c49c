#pragma once
// The catalogue of cup shapes read from "CupAlloc.txt": per cup kind its
// group, name, rounds (legs, round kinds, sizes) and a template rule list.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class CIndexTextFile;
class CMasterWriter;

struct TCupAllocRound {
    std::uint8_t a = 0;
    std::uint8_t b = 0;
    std::uint16_t c = 0;
    std::uint16_t d = 0;
    std::uint16_t e = 0;
    std::uint16_t f = 0;
    std::uint32_t flags = 0;
    std::uint16_t kind = 0;
    std::uint16_t kind2 = 0;
};

struct TCupAllocEntry {
    // The game's rounds block holds ten rounds of 20 bytes.
    static constexpr int MaxRounds = 10;

    std::uint16_t group = 4;
    std::uint8_t value2 = 0;
    char16_t name[64] = {};
    TCupAllocRound rounds[MaxRounds];
    std::uint32_t ruleListIndex = 0;

    // The first round's b.
    int GetRoundCount() const { return rounds[0].b; }
    int GetTeamTotal() const;
    // Keeps the first ten round lines. False for an entry whose round count
    // is more than the block holds, which the table then leaves out.
    bool Read(CIndexTextFile& file);
    void WriteBlock(CMasterWriter& writer) const;
};

class TCupAllocTable {
public:
    static constexpr int MaxEntries = 4096;
    int GetCount() const { return static_cast<int>(entries_.size()); }
    bool HasEntries() const { return !entries_.empty(); }
    const TCupAllocEntry* GetEntry(int index) const;
    void Clear() { entries_.clear(); }
    // Reads a whole file's stream; the table is replaced. The sections of
    // entries left out are added to refused when it is given.
    void Read(CIndexTextFile& file, std::vector<std::u16string>* refused = nullptr);
    void WriteBlock(CMasterWriter& writer) const;

private:
    std::vector<std::unique_ptr<TCupAllocEntry>> entries_;
};

TCupAllocTable& GetCupAllocTable();
// "CupAlloc.txt" of the script folder; a missing file is reported and
// leaves the table as it was, and entries left out are reported.
void LoadCupAllocation(TCupAllocTable& table, std::u16string_view scriptFolder);
