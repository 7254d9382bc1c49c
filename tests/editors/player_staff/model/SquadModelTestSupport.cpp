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

TPerson* SquadWorldTest::Add(const TPlayerSpec& spec, TClub* club)
{
    TPerson* person = world_->CreatePerson(world_->GetFreePersonId(), false);
    person->SetType(spec.type);
    person->SetFirstName(spec.first);
    person->SetLastName(spec.last);
    person->SetNationality(spec.nationality);
    if (spec.teamPart == 1) person->SetReserveTeam();
    if (spec.teamPart == 2) person->SetYouthPlayer(true);
    person->SetPosition(0, spec.position);
    for (int a = 0; a < TPerson::AbilityCount; ++a) person->SetAbility(a, spec.ability);
    if (club) club->AddPlayer(person);
    return person;
}

}  // namespace squad_testing
