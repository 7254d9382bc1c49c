#include "editors/player_staff/model/search/DuplicateFinder.h"

#include <algorithm>

#include "core/text/TextTools.h"
#include "database/club/Club.h"
#include "database/world/CompleteWorld.h"
#include "database/person/Person.h"

namespace {

using TCandidate = DuplicateFinder::TCandidate;

constexpr std::size_t CandidateReserve = 16384;

int CompareNames(const TPerson& a, const TPerson& b)
{
    const int last = CompareCollated(a.GetLastName(), b.GetLastName());
    return last != 0 ? last : CompareCollated(a.GetFirstName(), b.GetFirstName());
}

bool GoesBefore(const TCandidate& a, const TCandidate& b)
{
    if (!a.person || !b.person) return a.person && !b.person;
    const int names = CompareNames(*a.person, *b.person);
    if (names != 0) return names < 0;
    if (!a.club || !b.club) return a.club && !b.club;
    return a.club->GetId() < b.club->GetId();
}

int Sign(long long value)
{
    return value < 0 ? -1 : (value > 0 ? 1 : 0);
}

int ComparePositions(const TPerson& a, const TPerson& b)
{
    if (a.IsPlayer() && b.IsPlayer()) return Sign(a.GetPosition(0) - b.GetPosition(0));
    return Sign(a.GetType() - b.GetType());
}

int CompareClubs(const TCandidate& a, const TCandidate& b)
{
    if (!a.club || !b.club) return (a.club ? 0 : 1) - (b.club ? 0 : 1);
    return CompareCollated(a.club->GetName(), b.club->GetName());
}

}  // namespace

std::vector<TCandidate> DuplicateFinder::FindPairs(const TCompleteWorld& world, const std::vector<TPerson*>& freeAgents)
{
    std::vector<TCountryClubPerson> clubPersons;
    clubPersons.reserve(CandidateReserve);
    world.CollectPersons(clubPersons, 2);
    std::vector<TCandidate> candidates;
    candidates.reserve(clubPersons.size() + freeAgents.size());
    for (const TCountryClubPerson& entry : clubPersons) candidates.push_back({entry.country, entry.club, entry.person});
    for (TPerson* person : freeAgents) candidates.push_back({nullptr, nullptr, person});
    return PairUp(candidates);
}

std::vector<TCandidate> DuplicateFinder::PairUp(std::vector<TCandidate>& candidates)
{
    std::sort(candidates.begin(), candidates.end(), GoesBefore);
    std::vector<TCandidate> pairs;
    for (std::size_t i = 0; i + 1 < candidates.size(); ++i) {
        const TCandidate& a = candidates[i];
        const TCandidate& b = candidates[i + 1];
        if (a.person && b.person && CompareNames(*a.person, *b.person) == 0) {
            pairs.push_back(a);
            pairs.push_back(b);
        }
    }
    return pairs;
}

bool DuplicateFinder::IsShown(const TCandidate& first, const TCandidate& second, const TFilter& filter)
{
    if (filter.sameBirthDate && first.person->GetBirthDate() != second.person->GetBirthDate()) return false;
    if (filter.mode == CountryPairs && filter.country) {
        return first.country == filter.country || second.country == filter.country;
    }
    if (filter.mode == ClubPairs && filter.club) return first.club == filter.club || second.club == filter.club;
    return true;
}

int DuplicateFinder::Compare(const std::vector<TCandidate>& pairs, int sortType, std::size_t a, std::size_t b)
{
    const bool second = sortType == 2 || sortType == 4 || sortType == 6;
    const TCandidate& left = pairs[second ? a + 1 : a];
    const TCandidate& right = pairs[second ? b + 1 : b];
    switch (sortType) {
    case 0:
        return CompareNames(*left.person, *right.person);
    case 1:
    case 2:
        return CompareClubs(left, right);
    case 3:
    case 4:
        return Sign(static_cast<long long>(left.person->GetBirthDate().GetDayNumber()) -
                    right.person->GetBirthDate().GetDayNumber());
    case 5:
    case 6:
        return ComparePositions(*left.person, *right.person);
    default:
        return 0;
    }
}
