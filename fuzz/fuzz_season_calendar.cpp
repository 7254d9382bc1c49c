// Drives the season calendar's logic over leagues and cups with any
// calendars and follower links, clicking in every mode and checking: no
// click may reach outside a calendar, and the check must end.

#include <cstddef>
#include <cstdint>
#include <memory>

#include "competition/CompetitionFactory.h"
#include "competition/CompetitionId.h"
#include "competition/League.h"
#include "database/country/Country.h"
#include "editors/country_club/model/competition/SeasonCalendarModel.h"
#include "fuzz/FuzzBytes.h"

namespace {

using fuzz_support::FuzzBytes;
using fuzz_support::Require;

constexpr std::uint32_t CountryId = 5;
constexpr int Leagues = 4;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzBytes in(data, size);
    InstallCompetitionFactory();
    TCountry country;
    country.SetId(static_cast<std::int32_t>(CountryId));
    auto& registry = country.GetCompetitionRegistry();
    const std::uint32_t root = MakeCompetitionId(CountryId, TypeRoot, 0);
    if (in.U8() & 1) registry.Register(std::make_unique<CDBRoot>(root, 0, registry));
    CDBCompetition* competitions[Leagues] = {};
    for (int index = 0; index < Leagues; ++index) {
        if (!(in.U8() & 1)) continue;
        auto league = std::make_unique<CDBLeague>(country.GetLeagueId(index), root, registry);
        league->SetLevel(static_cast<std::int8_t>(in.U8() % 3));
        league->SetTeamsAndRounds(in.U8() % 31, in.U8() % 5);
        for (int entries = in.U8() % 16; entries > 0; --entries) {
            league->SetCalendarEntry(in.U8() & 1, in.U8() + in.U8(), static_cast<std::int8_t>(in.U8()));
        }
        competitions[index] = league.get();
        registry.Register(std::move(league));
    }
    // Followers, cycles included.
    for (int links = in.U8() % 6; links > 0; --links) {
        CDBCompetition* from = competitions[in.U8() % Leagues];
        CDBCompetition* to = competitions[in.U8() % Leagues];
        if (from != nullptr && to != nullptr) from->AddFollower(to->GetId(), false);
    }
    SeasonCalendarModel model(country);
    const TCalendarCheckTexts texts{u"a", u"b", u"c", u"d", u"e"};
    while (!in.Empty()) {
        const std::uint8_t operation = in.U8();
        const int day = static_cast<int>(in.U8()) + static_cast<int>(in.U8()) - 20;
        const int column = static_cast<signed char>(in.U8()) % 60;
        switch (operation % 5) {
        case 0: model.SetSeason(operation >> 3); break;
        case 1: model.SetEditMode(static_cast<TCalendarEditMode>((operation >> 3) % 3)); break;
        case 2: model.Click(day, column); break;
        case 3: model.CellText(day, column); break;
        default: {
            const TCalendarCheck check = model.CheckCalendar(texts);
            Require(check.count >= 0 && (check.count == 0 || check.errorSeen));
        }
        }
        Require(model.GetColumnCount() >= 3 && model.GetColumnCount() <= SeasonCalendarModel::MaxColumns);
    }
    return 0;
}
