#include "editors/player_staff/model/staff/AdditionalManagers.h"

#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/person/Person.h"
#include "editors/player_staff/model/staff/PersonTypeTable.h"

namespace {

std::u16string NationalityAbbreviation(const TCompleteWorld& world, const TPerson& person)
{
    const int nationality = person.GetNationality();
    if (nationality < 1 || nationality >= TCompleteWorld::LastCountryId) return {};
    const TCountry* country = world.GetCountry(nationality);
    return country != nullptr ? std::u16string(country->GetAbbreviation()) : std::u16string();
}

}  // namespace

std::u16string AdditionalManagerRow::Text(std::u16string_view role) const
{
    std::u16string text = shortName;
    text += u'\t';
    text += role;
    text += u'\t';
    text += nationality;
    return text;
}

TPerson* AdditionalManagers::Holder(std::uint32_t personId) const
{
    const auto& map = country_.GetAdditionalManagers();
    const auto found = map.find(personId);
    if (found == map.end()) return nullptr;
    TPerson* person = world_.GetPerson(personId);
    return person == found->second ? person : nullptr;
}

std::vector<AdditionalManagerRow> AdditionalManagers::Rows() const
{
    std::vector<AdditionalManagerRow> rows;
    for (const auto& entry : country_.GetAdditionalManagers()) {
        const TPerson* person = Holder(entry.first);
        if (person == nullptr) continue;
        const PersonTypeTable::TRow* role = PersonTypeTable::FindByType(person->GetType());
        rows.push_back({entry.first, TPerson::GetShortName(person), role != nullptr ? role->key : nullptr,
                        NationalityAbbreviation(world_, *person)});
    }
    return rows;
}

TPerson* AdditionalManagers::Add(std::uint8_t type)
{
    const std::uint32_t id = world_.GetFreePersonId();
    TPerson* person = world_.CreatePerson(id, false);
    if (person == nullptr) return nullptr;
    person->Init(type, static_cast<std::uint8_t>(country_.GetId()));
    country_.GetAdditionalManagers()[person->GetId()] = person;
    person->SetPosition(0, 1);
    person->SetLanguage(0, country_.GetLanguage(0));
    person->SetLanguage(1, country_.GetLanguage(1));
    return person;
}

bool AdditionalManagers::Delete(std::uint32_t personId)
{
    auto& map = country_.GetAdditionalManagers();
    if (map.find(personId) == map.end()) return false;
    TPerson* person = Holder(personId);
    map.erase(personId);
    world_.DeletePerson(person);
    return true;
}

AdditionalManagers::MoveResult AdditionalManagers::MoveToClub(std::uint32_t personId, TTeamId team)
{
    TPerson* person = Holder(personId);
    const int countryId = TeamCountry(team);
    TCountry* country = person != nullptr && countryId >= 1 && countryId < TCompleteWorld::LastCountryId ? world_.GetCountry(countryId) : nullptr;
    TClub* club = country != nullptr ? country->GetClubByUniqueId(team) : nullptr;
    if (club == nullptr) return MoveResult::NoClub;
    if (!club->AddPlayer(person)) return MoveResult::Refused;
    person->ClearReserveTeam();
    person->SetNickname(u"");
    person->SetPseudonym(u"");
    country_.GetAdditionalManagers().erase(personId);
    return MoveResult::Moved;
}

bool AdditionalManagers::MoveDropsNames(const TPerson& person)
{
    return person.GetNickname()[0] != u'\0' || person.GetPseudonym()[0] != u'\0';
}
