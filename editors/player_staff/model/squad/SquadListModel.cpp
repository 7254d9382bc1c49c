#include "editors/player_staff/model/squad/SquadListModel.h"

#include <algorithm>

#include "core/Random.h"
#include "core/text/TextManager.h"
#include "core/text/TextTools.h"
#include "database/club/Club.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/world/EnumTexts.h"
#include "database/person/Person.h"

namespace {

bool InTeamPart(const TPerson& person, int teamPart)
{
    if (!person.IsPlayer()) return false;
    switch (teamPart) {
    case SquadListModel::FirstTeam:
        return person.IsFirstTeam() && !person.IsYouthPlayer();
    case SquadListModel::SecondTeam:
        return person.IsReserveTeam() && !person.IsYouthPlayer();
    case SquadListModel::YouthTeam:
        return person.IsYouthPlayer();
    default:
        return false;
    }
}

const char16_t* NationalityAbbreviation(const TPerson& person)
{
    const TCompleteWorld* world = person.GetWorld();
    const TCountry* country = world ? world->GetCountry(person.GetNationality()) : nullptr;
    return country ? country->GetAbbreviation() : u"";
}

bool GoesBefore(const TPerson* a, const TPerson* b, int sortMode)
{
    switch (sortMode) {
    case SquadListModel::ByName: {
        const int last = CompareCollatedNoCase(a->GetLastName(), b->GetLastName());
        return last != 0 ? last < 0 : CompareCollatedNoCase(a->GetFirstName(), b->GetFirstName()) < 0;
    }
    case SquadListModel::ByPosition:
        return a->GetPosition(0) < b->GetPosition(0);
    case SquadListModel::ByNationality:
        return CompareCollated(NationalityAbbreviation(*a), NationalityAbbreviation(*b)) < 0;
    case SquadListModel::ByLevel:
        return a->GetLevel() > b->GetLevel();
    default:
        return false;
    }
}

// rand() x (share / 32767) x base, negated when the next rand() is even.
double DrawDeviation(double share, double base)
{
    const double deviation = CrtRand() * (share / CrtRandMax) * base;
    return CrtRand() % 2 == 0 ? -deviation : deviation;
}

}  // namespace

std::vector<TPerson*> SquadListModel::CollectTeamPart(const TClub* club, int teamPart)
{
    std::vector<TPerson*> players;
    if (!club) return players;
    for (int slot = 0; slot < club->GetSquadCount(); ++slot) {
        TPerson* person = club->GetSquadPerson(slot);
        if (person && InTeamPart(*person, teamPart)) players.push_back(person);
    }
    return players;
}

void SquadListModel::Sort(std::vector<TPerson*>& players, int sortMode)
{
    std::sort(players.begin(), players.end(),
              [sortMode](const TPerson* a, const TPerson* b) { return GoesBefore(a, b, sortMode); });
}

std::u16string SquadListModel::RowText(const TPerson& person)
{
    std::u16string row = TPerson::GetShortName(&person);
    row += u'\t';
    row += GetEnumTexts().GetPositionShortName(person.GetPosition(0));
    row += u'\t';
    row += NationalityAbbreviation(person);
    row += u'\t';
    const std::string level = std::to_string(person.GetLevel());
    row.append(level.begin(), level.end());
    return row;
}

std::u16string SquadListModel::InfoText(const TClub& club, int teamPart, int rowCount)
{
    const CTextManager& texts = *CTextManager::Instance();
    const std::u16string count = texts.FormatInt(rowCount);
    const std::u16string average = texts.FormatFloat(club.GetAverageLevel(teamPart), 1);
    const std::u16string best = texts.FormatFloat(club.GetTeamStrength(teamPart), 1);
    const char16_t* const from[] = {u"_PLAYER_COUNT", u"_AVERAGE_RATING", u"_BEST_11_RATING", nullptr};
    const char16_t* const to[] = {count.c_str(), average.c_str(), best.c_str(), nullptr};
    char16_t line[256];
    ReplaceTokens(texts.GetText(u"Dialog.Club.Playerlist.InfoFormat"_tk), from, to, line, 256);
    return line;
}

SquadListModel::THeightWeight SquadListModel::DrawHeightWeight(int averageHeight, int averageWeight)
{
    if (averageHeight <= 0) return {averageHeight, averageWeight};
    const double height = averageHeight + DrawDeviation(0.03, averageHeight);
    const double weightForHeight = averageWeight * height / averageHeight;
    const double weight = weightForHeight + DrawDeviation(0.06, weightForHeight);
    return {static_cast<int>(height), static_cast<int>(weight)};
}

void SquadListModel::PlaceInTeamPart(const TClub& club, TPerson& person, int teamPart)
{
    switch (teamPart) {
    case FirstTeam:
        club.PlaceInTeam(person, false);
        break;
    case SecondTeam:
        club.PlaceInTeam(person, true);
        break;
    case YouthTeam:
        club.PlaceInTeam(person, false);
        person.SetYouthPlayer(true);
        break;
    default:
        break;
    }
}

void SquadListModel::SwapTeam(const TClub& club, TPerson& person)
{
    club.PlaceInTeam(person, !person.IsReserveTeam());
}

void SquadListModel::MarkRealPersons(const TClub* club, int teamPart, bool real)
{
    for (TPerson* person : CollectTeamPart(club, teamPart)) person->SetRealPerson(real);
}

bool SquadListModel::ReleasePerson(TClub& club, TPerson& person, const FreeAgentJoin& joinFreeAgents)
{
    if (!club.RemovePlayer(&person)) return false;
    if (joinFreeAgents && joinFreeAgents(person)) return true;
    if (TCompleteWorld* world = person.GetWorld()) world->DeletePerson(&person);
    return true;
}

SquadListModel::FreeAgentJoin SquadListModel::JoinFreeAgents(TCompleteWorld& world)
{
    return [&world](TPerson& person) { return world.GetFreeAgents().Add(&person) == 1; };
}

TPerson* SquadListModel::CreateForSquad(TClub& club)
{
    TCompleteWorld* world = club.GetWorld();
    if (world == nullptr || club.GetSquadCount() >= MaxSquadEntriesForNew) return nullptr;
    return world->CreatePerson(world->GetFreePersonId(), false);
}

bool SquadListModel::AddGenerated(TClub& club, TPerson& person, int teamPart)
{
    if (person.GetAge() < YouthAge) person.SetYouthPlayer(true);
    PlaceInTeamPart(club, person, teamPart);
    return club.AddPlayer(&person);
}

int SquadListModel::TransferTeamPart(const TPerson& person, std::uint32_t chosenId)
{
    if (person.IsYouthPlayer()) return YouthTeam;
    return (chosenId & ReserveTeamBit) != 0 ? SecondTeam : FirstTeam;
}

bool SquadListModel::TakeOver(TClub& club, TPerson& person, int teamPart)
{
    if (!person.MoveToClub(&club, teamPart)) return false;
    PlaceInTeamPart(club, person, teamPart);
    return true;
}

void SquadListModel::ReleaseTeamPart(TClub& club, int teamPart, const FreeAgentJoin& joinFreeAgents)
{
    for (TPerson* person : CollectTeamPart(&club, teamPart)) ReleasePerson(club, *person, joinFreeAgents);
}
