#pragma once
// The keyword tables of the competition records: competition types, class
// kinds, leg flags, relegation rules, round kinds, pool draw orders, cup
// groups and modes, and the lookups and printers every record shares.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

class CIndexTextFile;

struct TKeywordEntry {
    const char16_t* name;
    bool isFlag;
    std::uint32_t value;
};
using KeywordTable = std::span<const TKeywordEntry>;

extern const KeywordTable CompetitionTypeTable;
extern const KeywordTable ClassKindTable;
extern const KeywordTable LegFlagTable;
extern const KeywordTable RelegationRuleTable;
extern const KeywordTable RoundKindTable;
extern const KeywordTable PoolSortTable;
extern const KeywordTable CupAllocGroupTable;
// Values are the hashes of the localisation keys, 0 for a mode without one.
extern const KeywordTable CupModeTable;
extern const std::u16string_view RuleCommandNames[35];

// The longest row name that begins the text (blanks before it skipped);
// among equal names the first; 0 when none does.
std::uint32_t LookupKeyword(std::u16string_view text, KeywordTable table);
// Each comma-separated piece looked up, the results ORed.
std::uint32_t ParseKeywordFlags(std::u16string_view text, KeywordTable table);
// The name of the first row with that value, else empty.
std::u16string_view GetKeywordName(std::uint32_t value, KeywordTable table);
// The plain row left after clearing the flag bits, then each flag met, joined by ",".
std::u16string FormatKeywordFlags(std::uint32_t value, KeywordTable table);
// Each set bit's name joined by ", "; "0" when none has one.
std::u16string FormatLegFlags(std::uint32_t flags);

// The next value line of the stream (empty at the end), at most 1023 units.
std::u16string ReadValueText(CIndexTextFile& file);
