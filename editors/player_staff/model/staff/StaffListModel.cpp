#include "StaffListModel.h"

#include "database/club/Club.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/person/Person.h"
#include "editors/player_staff/model/staff/PersonTypeTable.h"

std::vector<TPerson*> StaffListModel::CollectStaff(const TClub* club)
{
    std::vector<TPerson*> staff;
    if (club == nullptr) return staff;
    for (int slot = 0; slot < club->GetSquadCount(); ++slot) {
        TPerson* person = club->GetSquadPerson(slot);
        if (person != nullptr && person->GetType() != PersonPlayer) staff.push_back(person);
    }
    return staff;
}

const char16_t* StaffListModel::RoleKey(const TPerson& person)
{
    const PersonTypeTable::TRow* row = PersonTypeTable::FindByType(person.GetType());
    return row != nullptr ? row->key : nullptr;
}

std::u16string StaffListModel::RowText(const TPerson& person, std::u16string_view roleText)
{
    std::u16string text(roleText);
    return text + u"\t" + TPerson::GetShortName(&person);
}

TPerson* StaffListModel::AddStaff(TClub& club, int type)
{
    TCompleteWorld* world = club.GetWorld();
    if (world == nullptr || club.GetSquadCount() >= FullSquad) return nullptr;
    TPerson* person = world->CreatePerson(world->GetFreePersonId(), false);
    if (person == nullptr) return nullptr;
    person->Init(static_cast<std::uint8_t>(type), static_cast<std::uint8_t>(club.GetCountryId()));
    person->ClearReserveTeam();
    if (!club.AddPlayer(person)) {
        world->DeletePerson(person);
        return nullptr;
    }
    person->SetPosition(0, 1);
    if (const TCountry* country = world->GetCountry(person->GetNationality())) {
        person->SetLanguage(0, country->GetLanguage(0));
        person->SetLanguage(1, country->GetLanguage(1));
    }
    return person;
}

void StaffListModel::DeleteStaff(TClub& club, TPerson& person)
{
    club.RemovePlayer(&person);
    if (TCompleteWorld* world = club.GetWorld()) world->DeletePerson(&person);
}

bool StaffListModel::MoveStaff(TClub& from, TPerson& person, TClub& to)
{
    if (&from == &to || !to.AddPlayer(&person)) return false;
    person.ClearReserveTeam();
    from.RemovePlayer(&person);
    return true;
}

bool StaffListModel::TakeOver(TClub& club, TClub& source, std::uint32_t personId)
{
    TPerson* person = source.FindPlayer(personId);
    if (&club == &source || person == nullptr || !club.AddPlayer(person)) return false;
    source.RemovePlayer(person);
    return true;
}
