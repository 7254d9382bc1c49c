#include "editors/player_staff/model/search/PersonPickerModel.h"

#include "core/text/TextManager.h"
#include "database/club/Club.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/world/EnumTexts.h"
#include "database/person/Person.h"

namespace {

std::u16string PersonRowText(const TCompleteWorld& world, const TPerson& person)
{
    const CEnumTexts& names = GetEnumTexts();
    const TCountry* nationality = world.GetCountry(person.GetNationality());
    std::u16string row = TPerson::GetShortName(&person);
    row += u'\t';
    row += person.IsPlayer() ? names.GetPositionShortName(person.GetPosition(0))
                             : names.GetPersonTypeName(person.GetType());
    row += u'\t';
    row += nationality ? nationality->GetAbbreviation() : u"-";
    row += u'\t';
    row += CTextManager::Instance()->FormatInt(person.GetLevel());
    row += u'\t';
    row += names.GetTalentName(person.GetTalent());
    return row;
}

}  // namespace

bool PersonPickerModel::Passes(const TPerson& person, const TFilter& filter)
{
    if (person.IsPlayer() ? !filter.players : !filter.staff) return false;
    return !filter.youthOnly || person.IsYouthPlayer();
}

std::vector<PersonPickerModel::TRow> PersonPickerModel::ClubRows(const TCompleteWorld& world, int countryId)
{
    std::vector<TRow> rows;
    const TCountry* country = world.GetCountry(countryId);
    if (!country) return rows;
    for (int index = 0; index < country->GetClubCount(); ++index) {
        const TClub* club = country->GetClubByIndex(index);
        if (club && !IsNationalTeamId(club->GetId()) && club->GetSquadCount() > 0) {
            rows.push_back({club->GetName(), club->GetId()});
        }
    }
    return rows;
}

std::vector<PersonPickerModel::TRow> PersonPickerModel::PersonRows(const TCompleteWorld& world, std::uint32_t clubId,
                                                                   const TFilter& filter)
{
    std::vector<TRow> rows;
    const TClub* club = world.GetClubConst(clubId);
    if (!club) return rows;
    rows.push_back({CTextManager::Instance()->GetText(u"Player.None"_tk), 0});
    for (int slot = 0; slot < club->GetSquadCount(); ++slot) {
        const TPerson* person = club->GetSquadPerson(slot);
        if (person && Passes(*person, filter)) rows.push_back({PersonRowText(world, *person), person->GetId()});
    }
    return rows;
}

std::uint32_t PersonPickerModel::WithCountry(std::uint32_t clubId, int countryId)
{
    return (clubId & ~0x00FF0000u) | (static_cast<std::uint32_t>(countryId & 0xFF) << 16);
}
