#include "editors/player_staff/PlayerGeneration.h"

#include "database/Club.h"
#include "database/CompleteWorld.h"
#include "database/Person.h"
#include "editors/player_staff/DlgPlayerGenerator.h"
#include "editors/player_staff/model/SquadListModel.h"

namespace {

constexpr int YouthAge = 16;

}  // namespace

TPerson* GeneratePlayerForTeamPart(HWND owner, TClub& club, int teamPart)
{
    TCompleteWorld* world = club.GetWorld();
    if (world == nullptr || club.GetSquadCount() >= SquadListModel::MaxSquadEntriesForNew) return nullptr;
    TPerson* person = world->CreatePerson(world->GetFreePersonId(), false);
    if (person == nullptr) return nullptr;
    // The dialog proposes a youth player's birth year for the youth list.
    if (teamPart == SquadListModel::YouthTeam) person->SetYouthPlayer(true);
    CDlgPlayerGenerator generator(&club, person, owner);
    if (generator.DoModal() != IDOK) {
        world->DeletePerson(person);
        return nullptr;
    }
    if (person->GetAge() < YouthAge) person->SetYouthPlayer(true);
    SquadListModel::PlaceInTeamPart(*person, teamPart);
    if (!club.AddPlayer(person)) {
        world->DeletePerson(person);
        return nullptr;
    }
    return person;
}
