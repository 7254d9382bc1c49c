#include "editors/country_club/model/club/PickerLists.h"

#include <utility>

#include "core/text/Format.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"

namespace {

constexpr int FirstCountry = 1;
constexpr int LastCountry = 206;
// Listed with the countries of continent 1 although its own differs.
constexpr int ExtraCountryOfContinentOne = 83;

const TCountry* CountryWithClubs(const TCompleteWorld& world, int id)
{
    const TCountry* country = world.GetCountry(id);
    if (country == nullptr || country->GetId() != id || country->GetClubCountWithoutNationalTeam() == 0) return nullptr;
    return country;
}

bool PassesFilter(const TCountry& country, int id, const TCountryFilter& filter)
{
    if (filter.country != -1 && id != filter.country) return false;
    if (filter.continent == -1 || country.GetContinent() == filter.continent) return true;
    return filter.continent == 1 && id == ExtraCountryOfContinentOne;
}

void AddRow(TPickerRows& rows, std::u16string text, std::uint32_t data, bool selected)
{
    if (selected && rows.selected < 0) rows.selected = static_cast<int>(rows.rows.size());
    rows.rows.push_back({std::move(text), data});
}

}  // namespace

int PickerTopRow(int selected)
{
    return selected > 2 ? selected - 2 : 0;
}

TPickerRows MakeCountryRows(const TCompleteWorld& world, int shownCountry, const TCountryFilter& filter,
                            std::u16string_view noCountryText)
{
    TPickerRows rows;
    AddRow(rows, std::u16string(noCountryText), 0, shownCountry == 0);
    for (int id = FirstCountry; id <= LastCountry; ++id) {
        const TCountry* country = CountryWithClubs(world, id);
        if (country == nullptr || !PassesFilter(*country, id, filter)) continue;
        AddRow(rows, country->GetName(), static_cast<std::uint32_t>(id), id == shownCountry);
    }
    return rows;
}

TPickerRows MakeClubRows(const TCompleteWorld& world, const TClubRowsRequest& request)
{
    TPickerRows rows;
    const TCountry* country = request.country == 0 ? nullptr : world.GetCountry(request.country);
    if (country == nullptr || country->GetId() != request.country) return rows;
    for (int index = 0; index < country->GetClubCount(); ++index) {
        const TClub* club = country->GetClubByIndex(index);
        if (club == nullptr || IsNationalTeamId(club->GetId()) != request.nationalTeams) continue;
        AddRow(rows, club->GetName(), club->GetId(), club->GetId() == request.selected);
        if (request.includeReserveTeams) {
            const TTeamId reserve = club->GetId() | ReserveTeamBit;
            AddRow(rows, club->GetReserveName(), reserve, reserve == request.selected);
        }
    }
    return rows;
}

TPickerRows MakeStadiumCountryRows(const TCompleteWorld& world, int shownCountry)
{
    TPickerRows rows;
    for (int id = FirstCountry; id <= LastCountry; ++id) {
        const TCountry* country = CountryWithClubs(world, id);
        if (country != nullptr) AddRow(rows, country->GetName(), static_cast<std::uint32_t>(id), id == shownCountry);
    }
    return rows;
}

TPickerRows MakeStadiumRows(const TCompleteWorld& world, int country, TTeamId selected)
{
    TPickerRows rows;
    const TCountry* record = world.GetCountry(country);
    if (record == nullptr || record->GetId() != country) return rows;
    for (int index = 0; index < record->GetClubCount(); ++index) {
        const TClub* club = record->GetClubByIndex(index);
        if (club == nullptr) continue;
        AddRow(rows, Format(u"%s (%s)", club->GetStadiumName(), club->GetName()), club->GetId(),
               WithoutReserveBit(club->GetId()) == WithoutReserveBit(selected));
    }
    return rows;
}
