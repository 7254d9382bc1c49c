// The national squad's figures, gathered from the clubs of the world.

#include <vector>

#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"

namespace {
constexpr int LastClubCountry = 206;
constexpr std::size_t MaxSquad = 60;
constexpr std::uint8_t NationalSquadBit = 0x02;
}  // namespace

TNationalSquadStats TCountry::GetNationalSquadStats() const
{
    TNationalSquadStats stats;
    if (world_ == nullptr) return stats;
    std::vector<const TPerson*> squad;
    for (int id = 1; id <= LastClubCountry && squad.size() < MaxSquad; ++id) {
        const TCountry* country = world_->GetCountry(id);
        for (int index = 0; country != nullptr && index < country->GetClubCount(); ++index) {
            const TClub* club = country->GetClubByIndex(index);
            for (int slot = 0; slot < club->GetSquadCount() && squad.size() < MaxSquad; ++slot) {
                const TPerson* person = club->GetSquadPerson(slot);
                if (person != nullptr && person->IsPlayer() && person->GetNationality() == id_ &&
                    (person->GetNationalBits() & NationalSquadBit) != 0) {
                    squad.push_back(person);
                }
            }
        }
    }
    if (squad.empty()) return stats;
    double level = 0;
    double age = 0;
    for (const TPerson* person : squad) {
        level += person->GetLevel();
        age += person->GetAge();
    }
    const double count = static_cast<double>(squad.size());
    stats.strength = static_cast<float>(TPerson::GetBestElevenLevel(squad));
    stats.level = static_cast<float>(level / count);
    stats.age = static_cast<float>(age / count);
    stats.count = static_cast<std::int32_t>(squad.size());
    return stats;
}
