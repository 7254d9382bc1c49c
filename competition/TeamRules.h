#pragma once
// The team-selection rules of competitions and cup shapes: one store of
// 12-byte entries holding every list one after another; a list runs up to
// and including its first entry with command 0.

#include <cstdint>
#include <vector>

class CIndexTextFile;
class CMasterWriter;
struct TCupAllocEntry;

struct TRuleEntry {
    std::uint32_t command = 0;
    std::uint32_t word1 = 0;
    std::uint16_t arg16 = 0;
    std::uint8_t argX = 0;
    std::uint8_t argY = 0;
    bool operator==(const TRuleEntry&) const = default;
};

enum RuleCommand : std::uint32_t {
    RuleEnd = 0, RuleGetChamp = 3, RuleGetTabXToY = 7, RuleGetTabSureXToYZ = 8, RuleGetTabLevelXToY = 9,
    RuleGetTabSpare = 10, RuleGetTabLevelStart = 11, RuleGetPool = 15, RuleGetInternationalTabLevel = 24,
    RuleGetTabLevelIndoor = 26, RuleGetInternationalTeams = 28, RuleCommandCount = 35
};

class TTeamRuleStore {
public:
    // Entry 0 is an empty list, the list of a competition that has none.
    TTeamRuleStore() { Clear(); }
    std::uint32_t Append(const TRuleEntry& entry);
    std::uint32_t GetCount() const { return static_cast<std::uint32_t>(entries_.size()); }
    // Entry index, or the closing entry outside the store.
    TRuleEntry GetEntry(std::uint32_t index) const;
    // The entries of the list from first up to and including its closing one.
    std::vector<TRuleEntry> GetList(std::uint32_t first) const;
    std::uint32_t AppendList(const std::vector<TRuleEntry>& list);
    // A cup template's list for a country: the country in every id, level
    // for 65535 and level + 1 for 65534 in the level commands.
    std::uint32_t CopyCupRules(std::uint32_t first, std::uint8_t country, int level);
    void Clear();

private:
    std::vector<TRuleEntry> entries_;
};

TTeamRuleStore& GetTeamRuleStore();

// Reads a count and that many rule lines; negative countries in references
// become defaultCountry. Lines stop at the end of the enclosing section.
std::uint32_t ReadTeamRules(TTeamRuleStore& store, CIndexTextFile& file, std::uint8_t defaultCountry);
bool WriteTeamRules(const TTeamRuleStore& store, std::uint32_t first, CIndexTextFile& file);
// Each entry as a block of 12 bytes, the closing one included.
void WriteRuleBlocks(const TTeamRuleStore& store, std::uint32_t first, CMasterWriter& writer);
