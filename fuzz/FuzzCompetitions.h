#pragma once
// The competitions a country file's records name, for the targets that
// check that a save writes no competition as another.

#include <cstdint>
#include <set>
#include <span>
#include <string_view>

#include "competition/CompetitionId.h"
#include "competition/Keywords.h"
#include "core/files/IndexTextFile.h"

namespace fuzz_support {

// The ids that the references of every record section "COMP<n>" of a
// country file give, wherever the file holds one, as a load reads them: a
// reference without a country names one of the file's country. A reference
// whose country or index no id can hold names none. With readPast, also
// those of every record whose begin line a load may read past (misspelt
// or missing), which starts right after another section line: its
// reference is the second line after that line, or the third after the
// begin line of the competitions, whose count comes first.
inline std::set<std::uint32_t> NamedCompetitions(std::span<const std::uint8_t> bytes, std::uint32_t fileCountry,
                                                 bool readPast = false)
{
    constexpr std::u16string_view RecordBegin = u"%INDEX%COMP";
    std::set<std::uint32_t> ids;
    CIndexTextFile file;
    if (!file.OpenFromBytes(bytes, u"Country.sav")) return ids;
    const auto nameAfter = [&](int lines) {
        const std::size_t next = file.GetLinePosition();
        for (int n = 1; n < lines; ++n) ReadValueText(file);
        const TCompetitionRef ref = ParseCompetitionRef(ReadValueText(file).substr(0, 99));
        file.SetLinePosition(next);
        const std::int64_t country = ref.country < 0 ? fileCountry : ref.country;
        if (country > 0xFF || ref.index < 0 || ref.index > 0xFFFF) return;
        ids.insert(MakeCompetitionId(static_cast<std::uint32_t>(country), ref.type, static_cast<std::uint32_t>(ref.index)));
    };
    while (file.NextLine()) {
        const std::u16string_view line = file.GetCurrentLineView();
        if (readPast && line.starts_with(u"%")) {
            nameAfter(2);
            if (line == u"%INDEX%COMPETITION") nameAfter(3);
            continue;
        }
        if (!line.starts_with(RecordBegin) || line.size() == RecordBegin.size()) continue;
        if (line.substr(RecordBegin.size()).find_first_not_of(u"0123456789") != std::u16string_view::npos) continue;
        nameAfter(2);
    }
    return ids;
}

// Whether the written file names only competitions the read one named,
// but for pools: a load lays out the pools between the levels of leagues.
inline bool NamesNoOtherCompetition(std::span<const std::uint8_t> read, std::span<const std::uint8_t> written,
                                    std::uint32_t fileCountry)
{
    const std::set<std::uint32_t> named = NamedCompetitions(read, fileCountry, true);
    for (const std::uint32_t id : NamedCompetitions(written, fileCountry)) {
        if (!named.contains(id) && TypeOfId(id) != TypePool) return false;
    }
    return true;
}

}  // namespace fuzz_support
