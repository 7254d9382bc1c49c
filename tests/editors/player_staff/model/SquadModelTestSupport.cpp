#include "SquadModelTestSupport.h"


namespace squad_testing {

void SquadWorldTest::SetUp()
{
    CurrentWorldTest::SetUp();
    club_ = NewClub(England, u"Squad");
}

TClub* SquadWorldTest::NewClub(int countryId, const char16_t* name)
{
    TCountry& country = *world_->GetCountry(countryId);
    return country.GetClubByUniqueId(country.CreateClub(name));
}

TPerson* SquadWorldTest::Add(const TPlayerSpec& wanted, TClub* club)
{
    TPerson* person = world_->CreatePerson(world_->GetFreePersonId(), false);
    person->SetType(wanted.type);
    person->SetFirstName(wanted.first);
    person->SetLastName(wanted.last);
    person->SetNationality(wanted.nationality);
    if (wanted.teamPart == 1) person->SetReserveTeam();
    if (wanted.teamPart == 2) person->SetYouthPlayer(true);
    person->SetPosition(0, wanted.position);
    for (int a = 0; a < TPerson::AbilityCount; ++a) person->SetAbility(a, wanted.ability);
    if (club) club->AddPlayer(person);
    return person;
}

}  // namespace squad_testing
