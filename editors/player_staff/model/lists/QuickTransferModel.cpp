#include "editors/player_staff/model/lists/QuickTransferModel.h"

#include "database/world/CompleteWorld.h"

std::vector<TransferSource> QuickTransferModel::GetSourcePlayers(const TCountry& country)
{
    std::vector<TransferSource> players;
    for (int index = 0; index < country.GetClubCount(); ++index) {
        const TClub* club = country.GetClubByIndex(index);
        if (club == nullptr || IsNationalTeamId(club->GetId())) continue;
        for (int slot = 0; slot < club->GetSquadCount(); ++slot) {
            TPerson* person = club->GetSquadPerson(slot);
            if (person != nullptr && person->IsPlayer()) players.push_back({person, club});
        }
    }
    return players;
}

std::vector<TransferTarget> QuickTransferModel::GetTargets(const TCountry& country)
{
    std::vector<TransferTarget> targets;
    for (int index = 0; index < country.GetClubCount(); ++index) {
        const TClub* club = country.GetClubByIndex(index);
        if (club == nullptr || IsNationalTeamId(club->GetId())) continue;
        targets.push_back({club->GetId(), club->GetName()});
        targets.push_back({club->GetId() | ReserveTeamBit, club->GetReserveName()});
    }
    return targets;
}

std::vector<int> QuickTransferModel::GetFreeNumbers(const TCompleteWorld& world, std::uint32_t teamId)
{
    std::vector<int> numbers;
    const TClub* club = world.GetClubConst(teamId);
    if (club == nullptr) return numbers;
    int worn[100];
    club->CountShirtNumbers(worn, (teamId & ReserveTeamBit) != 0);
    for (int number = 1; number <= LastOfferedNumber; ++number) {
        if (worn[number] == 0) numbers.push_back(number);
    }
    return numbers;
}

bool QuickTransferModel::Transfer(TCompleteWorld& world, std::uint32_t personId, std::uint32_t teamId, int number)
{
    if (TeamCountry(teamId) == 0 || personId == 0 || number < 1 || number > LastOfferedNumber) return false;
    TPerson* person = world.GetPerson(personId);
    TClub* club = world.GetClub(teamId);
    if (person == nullptr || club == nullptr) return false;
    const int teamPart = person->IsYouthPlayer() ? 2 : (teamId & ReserveTeamBit) != 0 ? 1 : 0;
    if (!person->MoveToClub(club, teamPart)) return false;
    person->SetTeamShirtNumber(static_cast<std::uint8_t>(number));
    return true;
}
