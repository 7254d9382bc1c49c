#include "editors/player_staff/model/lists/FreeAgentsList.h"

#include <algorithm>

#include "core/text/TextTools.h"
#include "database/world/CompleteWorld.h"

namespace {
// TPerson::Compare's modes for the columns.
constexpr int ShortNameOrder = 2;
constexpr int TypeOrder = 6;
constexpr int LevelOrder = 5;
}  // namespace

std::vector<TPerson*> FreeAgentsList::Persons(const TPlayersWithoutClub& agents)
{
    std::vector<TPerson*> persons;
    persons.reserve(static_cast<std::size_t>(agents.GetCount()));
    for (int index = 0; index < agents.GetCount(); ++index) {
        if (TPerson* person = agents.GetPlayer(index)) persons.push_back(person);
    }
    return persons;
}

void FreeAgentsList::Fill()
{
    rows_ = Persons(world_.GetFreeAgents());
    Sort();
}

void FreeAgentsList::ClickHeader(int column)
{
    if (column < 0 || column >= ColumnCount) return;
    sort_.ClickHeader(column);
    Sort();
}

const char16_t* FreeAgentsList::GetNationalityText(const TPerson& person) const
{
    if (!person.IsPlayer()) return u"";
    const TCountry* country = world_.GetCountry(person.GetNationality());
    return country != nullptr ? country->GetAbbreviation() : u"";
}

int FreeAgentsList::SignToClub(const std::vector<int>& rows, std::uint32_t teamId)
{
    TClub* club = TeamCountry(teamId) != 0 ? world_.GetClub(teamId) : nullptr;
    if (club == nullptr) return 0;
    int signedCount = 0;
    for (TPerson* person : PersonsOf(rows)) {
        if (!club->AddPlayer(person)) continue;
        world_.GetFreeAgents().Remove(person->GetId());
        if ((teamId & ReserveTeamBit) != 0) {
            person->SetReserveTeam();
        } else {
            person->ClearReserveTeam();
        }
        ++signedCount;
    }
    Fill();
    return signedCount;
}

void FreeAgentsList::Delete(const std::vector<int>& rows)
{
    std::vector<TPerson*> persons = PersonsOf(rows);
    for (auto person = persons.rbegin(); person != persons.rend(); ++person) {
        world_.GetFreeAgents().Remove((*person)->GetId());
        world_.DeletePerson(*person);
    }
    Fill();
}

void FreeAgentsList::Sort()
{
    std::stable_sort(rows_.begin(), rows_.end(), [this](const TPerson* a, const TPerson* b) { return CompareRows(a, b) < 0; });
}

int FreeAgentsList::CompareRows(const TPerson* a, const TPerson* b) const
{
    int result = 0;
    switch (sort_.column) {
    case NameColumn:
        result = TPerson::Compare(a, b, ShortNameOrder);
        break;
    case NationalityColumn:
        result = CompareCollated(GetNationalityText(*a), GetNationalityText(*b));
        break;
    case PositionColumn:
        result = TPerson::Compare(a, b, TypeOrder);
        break;
    default:
        result = TPerson::Compare(a, b, LevelOrder);
        break;
    }
    return sort_.Directed(result);
}

std::vector<TPerson*> FreeAgentsList::PersonsOf(const std::vector<int>& rows) const
{
    // Each row once, in list order, so that no person is handled twice.
    std::vector<int> unique = rows;
    std::sort(unique.begin(), unique.end());
    unique.erase(std::unique(unique.begin(), unique.end()), unique.end());
    std::vector<TPerson*> persons;
    for (int row : unique) {
        if (row >= 0 && row < static_cast<int>(rows_.size())) persons.push_back(rows_[row]);
    }
    return persons;
}
