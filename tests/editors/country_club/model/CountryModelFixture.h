#pragma once
// Countries of their own registry for the country editor's model tests.

#include <initializer_list>
#include <memory>

#include "competition/CompetitionFactory.h"
#include "competition/CompetitionId.h"
#include "competition/League.h"
#include "database/country/Country.h"

namespace country_model_testing {

inline TLevelBytes Bytes(std::initializer_list<int> values)
{
    TLevelBytes bytes{};
    std::size_t i = 0;
    for (int v : values) bytes[i++] = static_cast<std::uint8_t>(v);
    return bytes;
}

// A country with a root competition, without leagues.
class CountryFixture {
public:
    static constexpr std::uint32_t Id = 5;

    CountryFixture()
    {
        InstallCompetitionFactory();
        country_.SetId(static_cast<std::int32_t>(Id));
        Registry().Register(std::make_unique<CDBRoot>(MakeCompetitionId(Id, TypeRoot, 0), 0, Registry()));
    }
    TCompetitionRegistry& Registry() { return country_.GetCompetitionRegistry(); }
    CDBLeague& AddLeague(int index, int level, const char16_t* name, int teams = 18, int rounds = 2)
    {
        auto league = std::make_unique<CDBLeague>(country_.GetLeagueId(index), MakeCompetitionId(Id, TypeRoot, 0), Registry());
        league->SetLevel(static_cast<std::int8_t>(level));
        league->SetTeamsAndRounds(teams, rounds);
        for (int language = 0; language < TCountry::LanguageCount; ++language) league->SetName(language, name);
        CDBLeague& added = *league;
        Registry().Register(std::move(league));
        return added;
    }
    // Levels without a name in any language.
    void ClearLevelNames()
    {
        for (int level = 0; level < TCountry::LevelCount; ++level) {
            for (int language = 0; language < TCountry::LanguageCount; ++language) country_.SetLeagueLevelName(language, level, u"");
        }
    }
    CDBLeague* League(int index) { return dynamic_cast<CDBLeague*>(Registry().Get(country_.GetLeagueId(index))); }

    TCountry country_;
};

}  // namespace country_model_testing
