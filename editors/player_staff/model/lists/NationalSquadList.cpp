#include "editors/player_staff/model/lists/NationalSquadList.h"

#include <algorithm>
#include <string>

#include "core/text/TextTools.h"
#include "database/world/CompleteWorld.h"

namespace {
constexpr int LastListedCountry = 206;
// Bit 1 of the person's national bits, as the country's squad figures read it.
constexpr std::uint8_t NationalSquadBit = 0x02;

int CompareNumbers(int a, int b)
{
    return a - b;
}
}  // namespace

bool NationalSquadList::IsInNationalTeam(const TPerson& person)
{
    return (person.GetNationalBits() & NationalSquadBit) != 0;
}

void NationalSquadList::SetInNationalTeam(TPerson& person, bool inSquad)
{
    const std::uint8_t bits = person.GetNationalBits();
    person.SetNationalBits(static_cast<std::uint8_t>(inSquad ? bits | NationalSquadBit : bits & ~NationalSquadBit));
}

void NationalSquadList::Fill(int countryId)
{
    countryId_ = countryId;
    rows_.clear();
    for (int id = 1; id <= LastListedCountry; ++id) {
        const TCountry* country = world_.GetCountry(id);
        for (int index = 0; country != nullptr && index < country->GetClubCount(); ++index) {
            TClub* club = country->GetClubByIndex(index);
            for (int slot = 0; club != nullptr && slot < club->GetSquadCount(); ++slot) {
                TPerson* person = club->GetSquadPerson(slot);
                if (person != nullptr && person->GetNationality() == countryId && IsInNationalTeam(*person)) {
                    rows_.push_back({person, club});
                }
            }
        }
    }
    Sort();
}

void NationalSquadList::ClickHeader(int column)
{
    if (column < 0 || column >= ColumnCount) return;
    sort_.ClickHeader(column);
    Sort();
}

void NationalSquadList::RemoveFromSquad(const std::vector<int>& rows)
{
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        if (*row >= 0 && *row < static_cast<int>(rows_.size())) SetInNationalTeam(*rows_[*row].person, false);
    }
    Fill(countryId_);
}

void NationalSquadList::Sort()
{
    std::stable_sort(rows_.begin(), rows_.end(),
                     [this](const NationalSquadRow& a, const NationalSquadRow& b) { return CompareRows(a, b) < 0; });
}

int NationalSquadList::CompareRows(const NationalSquadRow& a, const NationalSquadRow& b) const
{
    const TPerson& first = *a.person;
    const TPerson& second = *b.person;
    int result = 0;
    switch (sort_.column) {
    case NameColumn:
        result = CompareCollatedNoCase(TPerson::GetShortName(&first).c_str(), TPerson::GetShortName(&second).c_str());
        break;
    case ClubColumn:
        result = CompareCollatedNoCase(a.club->GetName(), b.club->GetName());
        break;
    case PositionColumn:
        result = CompareNumbers(first.GetPosition(0), second.GetPosition(0));
        break;
    case LevelColumn:
        result = CompareNumbers(first.GetLevel(), second.GetLevel());
        break;
    case AgeColumn:
        result = CompareNumbers(first.GetAge(), second.GetAge());
        break;
    case TalentColumn:
        result = CompareNumbers(first.GetTalent(), second.GetTalent());
        break;
    default:
        result = CompareNumbers(first.GetNationalAppearances(), second.GetNationalAppearances());
        break;
    }
    return sort_.Directed(result);
}
