#include "app/MainStatistics.h"

#include "database/club/Club.h"
#include "database/person/Person.h"

void MainStatistics::AddSquad(const TClub& club)
{
    for (int slot = 0; slot < club.GetSquadCount(); ++slot) {
        const TPerson* person = club.GetSquadPerson(slot);
        if (person == nullptr || person->GetType() != 0) continue;
        ++players;
        levelSum += person->GetLevel();
        const int talent = person->GetTalent();
        if (talent >= 0 && talent < TalentClasses) ++talents[talent];
        const int group = person->GetPositionGroup();
        if (group >= 1 && group <= PositionGroups) ++positionGroups[group - 1];
        if (person->IsFirstTeam() && !person->IsYouthPlayer()) {
            bestRatingSum += person->GetBestPositionRating();
            ++bestRatingCount;
        }
    }
}

double MainStatistics::AverageBestRating() const
{
    return bestRatingCount == 0 ? 0.0 : bestRatingSum / bestRatingCount;
}

double MainStatistics::AverageLevel() const { return players == 0 ? 0.0 : levelSum / players; }
