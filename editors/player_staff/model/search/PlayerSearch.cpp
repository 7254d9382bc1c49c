#include "editors/player_staff/model/search/PlayerSearch.h"

#include "core/text/TextTools.h"
#include "database/club/Club.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/person/Person.h"
#include "editors/player_staff/model/squad/SquadListModel.h"

namespace {

constexpr int FirstCountry = 1;
constexpr int LastCountry = 206;

bool FieldMatches(const char16_t* field, const std::u16string& criterion)
{
    const std::u16string key = PlayerSearch::SearchKey(field, PlayerSearch::FieldCapacity);
    return WildcardMatch(key.c_str(), criterion.c_str());
}

void AddHit(std::vector<PlayerSearch::THit>& hits, TPerson* person, std::uint32_t clubId)
{
    if (hits.size() < PlayerSearch::MaxHits) hits.push_back({person, clubId});
}

int Sign(long long value)
{
    return value < 0 ? -1 : (value > 0 ? 1 : 0);
}

const char16_t* CountryNameOf(const TCompleteWorld& world, std::uint32_t clubId)
{
    const TCountry* country = world.GetCountry(TeamCountry(clubId));
    return country ? country->GetName() : u"";
}

int CompareClubs(const TCompleteWorld& world, const PlayerSearch::THit& a, const PlayerSearch::THit& b)
{
    const TClub* clubA = world.GetClubConst(a.clubId);
    const TClub* clubB = world.GetClubConst(b.clubId);
    // Two hits without club are equal, so that the order stays strict.
    if (!clubA || !clubB) return (clubA ? 0 : 1) - (clubB ? 0 : 1);
    return CompareCollated(clubA->GetName(), clubB->GetName());
}

}  // namespace

std::u16string& GetSearchFirstName()
{
    static std::u16string text;
    return text;
}

std::u16string& GetSearchLastName()
{
    static std::u16string text;
    return text;
}

std::u16string& GetSearchPseudonym()
{
    static std::u16string text;
    return text;
}

std::u16string PlayerSearch::SearchKey(const char16_t* text, std::size_t capacity)
{
    std::u16string key(capacity, 0);
    UpperCaseSortKey(MakeSortKey(key.data(), text ? text : u"", capacity));
    key.resize(std::char_traits<char16_t>::length(key.c_str()));
    return key;
}

PlayerSearch::TCriteria PlayerSearch::MakeCriteria(const std::u16string& firstName, const std::u16string& lastName,
                                                   const std::u16string& pseudonym)
{
    return {SearchKey(firstName.c_str(), CriterionCapacity), SearchKey(lastName.c_str(), CriterionCapacity),
            SearchKey(pseudonym.c_str(), CriterionCapacity)};
}

bool PlayerSearch::Matches(const TPerson* person, const TCriteria& criteria)
{
    if (!person) return false;
    if (!criteria.firstName.empty() && !FieldMatches(person->GetFirstName(), criteria.firstName)) return false;
    if (!criteria.lastName.empty() && !FieldMatches(person->GetLastName(), criteria.lastName)) return false;
    if (!criteria.pseudonym.empty() && !FieldMatches(person->GetPseudonym(), criteria.pseudonym) &&
        !FieldMatches(person->GetNickname(), criteria.pseudonym)) {
        return false;
    }
    return true;
}

std::vector<PlayerSearch::THit> PlayerSearch::Run(const TCompleteWorld& world, const std::vector<TPerson*>& freeAgents,
                                                  const TCriteria& criteria, const std::atomic<bool>& stopRequest)
{
    std::vector<THit> hits;
    if (criteria.IsEmpty()) return hits;
    for (int countryId = FirstCountry; countryId <= LastCountry; ++countryId) {
        const TCountry* country = world.GetCountry(countryId);
        if (!country) continue;
        for (int index = 0; index < country->GetClubCount(); ++index) {
            const TClub* club = country->GetClubByIndex(index);
            if (!club) continue;
            for (int slot = 0; slot < club->GetSquadCount(); ++slot) {
                TPerson* person = club->GetSquadPerson(slot);
                if (Matches(person, criteria)) AddHit(hits, person, club->GetId());
            }
            if (stopRequest.load()) return hits;
        }
    }
    for (TPerson* person : freeAgents) {
        if (Matches(person, criteria)) AddHit(hits, person, 0);
    }
    return hits;
}

bool PlayerSearch::MoveHit(THit& hit, TClub* club, int teamPart)
{
    if (hit.person == nullptr || club == nullptr || !hit.person->MoveToClub(club, teamPart)) return false;
    hit.clubId = club->GetId();
    return true;
}

int PlayerSearch::RegisterTeamPart(const TPerson& person)
{
    return person.IsYouthPlayer() ? SquadListModel::YouthTeam : SquadListModel::FirstTeam;
}

bool PlayerSearch::ReleaseHit(TCompleteWorld& world, THit& hit)
{
    TClub* club = hit.clubId != 0 ? world.GetClub(hit.clubId) : nullptr;
    if (hit.person == nullptr || club == nullptr) return false;
    if (!SquadListModel::ReleasePerson(*club, *hit.person, SquadListModel::JoinFreeAgents(world))) return false;
    hit.clubId = 0;
    return true;
}

int PlayerSearch::Compare(const TCompleteWorld& world, int sortType, const THit& a, const THit& b)
{
    switch (sortType) {
    case 0:
        return CompareCollated(a.person->GetFirstName(), b.person->GetFirstName());
    case 1:
        return CompareCollated(a.person->GetLastName(), b.person->GetLastName());
    case 2:
        return CompareCollated(a.person->GetPseudonym(), b.person->GetPseudonym());
    case 3:
        return Sign(a.person->GetPosition(0) - b.person->GetPosition(0));
    case 4:
        return Sign(static_cast<long long>(a.person->GetBirthDate().GetDayNumber()) -
                    b.person->GetBirthDate().GetDayNumber());
    case 5:
        return CompareClubs(world, a, b);
    case 6:
        return CompareCollated(CountryNameOf(world, a.clubId), CountryNameOf(world, b.clubId));
    default:
        return 0;
    }
}
