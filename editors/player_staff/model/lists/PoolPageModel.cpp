#include "editors/player_staff/model/lists/PoolPageModel.h"

#include <algorithm>

#include "core/text/TextTools.h"
#include "database/country/Country.h"
#include "database/person/PoolPlayer.h"

namespace {
int DaysInMonth(int year, int month)
{
    const int nextYear = month == 12 ? year + 1 : year;
    const int nextMonth = month == 12 ? 1 : month + 1;
    return static_cast<int>(ToDayNumber(nextYear, nextMonth, 1) - ToDayNumber(year, month, 1));
}

std::u16string Cut(const std::u16string& text, int length)
{
    return text.substr(0, static_cast<std::size_t>(length));
}
}  // namespace

void PoolPageModel::SetCountry(TCountry* country)
{
    country_ = country;
    Fill();
}

void PoolPageModel::Fill()
{
    rows_.clear();
    firstFree_ = -1;
    if (country_ == nullptr) return;
    for (int index = 0; index < country_->GetPoolPlayerCount(); ++index) {
        TPoolPlayer* entry = country_->GetPoolPlayer(index);
        if (entry == nullptr) continue;
        if (entry->HasName()) {
            rows_.push_back(entry);
        } else if (firstFree_ < 0) {
            firstFree_ = index;
        }
    }
    Sort();
}

int PoolPageModel::FindRow(const TPoolPlayer* entry) const
{
    const auto found = std::find(rows_.begin(), rows_.end(), entry);
    return found == rows_.end() ? -1 : static_cast<int>(found - rows_.begin());
}

TPoolPlayer* PoolPageModel::GetFreeEntry() const
{
    return country_ != nullptr && firstFree_ >= 0 ? country_->GetPoolPlayer(firstFree_) : nullptr;
}

TPoolPlayer* PoolPageModel::NewEntry() const
{
    TPoolPlayer* entry = GetFreeEntry();
    if (entry != nullptr) entry->Randomise(*country_);
    return entry;
}

void PoolPageModel::ClickHeader(int column)
{
    if (column < 0 || column >= ColumnCount) return;
    sort_.ClickHeader(column);
    Sort();
}

const TClub* PoolPageModel::GetPreferredClub(const TPoolPlayer& entry) const
{
    const std::uint32_t club = entry.GetPreferredClub();
    if (country_ == nullptr || club == 0 || club == TPoolPlayer::CreateClub) return nullptr;
    return country_->GetClubByUniqueId(club);
}

void PoolPageModel::Delete(const std::vector<int>& rows)
{
    for (int row : rows) {
        if (row >= 0 && row < static_cast<int>(rows_.size())) rows_[row]->Reset();
    }
    Fill();
}

PoolEntryValues PoolPageModel::ReadEntry(const TPoolPlayer& entry)
{
    PoolEntryValues values;
    values.firstName = entry.GetFirstName();
    values.lastName = entry.GetLastName();
    values.pseudonym = entry.GetPseudonym();
    values.nationality = entry.GetNationality();
    values.talent = entry.GetTalent();
    values.ability = entry.GetAbilityIndex();
    values.teamPart = entry.GetTeamPart();
    values.preferredClub = entry.GetPreferredClub();
    values.foot = entry.GetFoot();
    values.characterTrait = entry.GetCharacterTrait();
    values.face = entry.GetFace();
    values.hairColour = entry.GetHairColour();
    values.hairstyle = entry.GetHairstyle();
    values.facialHair = entry.GetFacialHair();
    values.shoe = entry.GetShoe();
    if (entry.GetBirthDate().IsSet()) {
        values.day = entry.GetBirthDate().GetDay();
        values.month = entry.GetBirthDate().GetMonth();
        values.year = entry.GetBirthDate().GetYear();
    }
    return values;
}

void PoolPageModel::WriteEntry(TPoolPlayer& entry, const PoolEntryValues& values)
{
    entry.SetFirstName(Cut(values.firstName, FirstNameLength).c_str());
    entry.SetLastName(Cut(values.lastName, NameLength).c_str());
    entry.SetPseudonym(Cut(values.pseudonym, NameLength).c_str());
    entry.SetNationality(values.nationality);
    entry.SetTalent(values.talent);
    entry.SetAbilityIndex(values.ability);
    entry.SetTeamPart(values.teamPart);
    entry.SetPreferredClub(values.preferredClub);
    entry.SetFoot(values.foot);
    entry.SetCharacterTrait(values.characterTrait);
    entry.SetFace(values.face);
    entry.SetHairColour(values.hairColour);
    entry.SetHairstyle(values.hairstyle);
    entry.SetFacialHair(values.facialHair);
    entry.SetShoe(values.shoe);
    entry.SetBirthDate(ClampedBirthDate(values.day, values.month, values.year));
}

TDate PoolPageModel::ClampedBirthDate(int day, int month, int year)
{
    if (day == 0 && month == 0 && year == 0) return TDate();
    const int clampedYear = std::clamp(year, FirstBirthYear, LastBirthYear);
    const int clampedMonth = std::clamp(month, 1, 12);
    return TDate(clampedYear, clampedMonth, std::clamp(day, 1, DaysInMonth(clampedYear, clampedMonth)));
}

TPortraitPerson PoolPageModel::PreviewPerson(const PoolEntryValues& values)
{
    TPortraitPerson person;
    person.firstName = Cut(values.firstName, FirstNameLength);
    person.lastName = Cut(values.lastName, NameLength);
    person.pseudonym = Cut(values.pseudonym, NameLength);
    person.birthDate = ClampedBirthDate(values.day, values.month, values.year);
    return person;
}

TPortraitHead PoolPageModel::PreviewHead(const PoolEntryValues& values)
{
    TPortraitHead head;
    head.face = values.face;
    head.hairColour = values.hairColour;
    head.hairstyle = values.hairstyle;
    head.facialHair = values.facialHair;
    return head;
}

void PoolPageModel::Sort()
{
    std::stable_sort(rows_.begin(), rows_.end(),
                     [this](const TPoolPlayer* a, const TPoolPlayer* b) { return CompareRows(a, b) < 0; });
}

int PoolPageModel::CompareRows(const TPoolPlayer* a, const TPoolPlayer* b) const
{
    int result = 0;
    switch (sort_.column) {
    case NameColumn:
        result = CompareCollated(a->GetShortName().c_str(), b->GetShortName().c_str());
        break;
    case NationalityColumn:
        result = a->GetNationality() - b->GetNationality();
        break;
    case SkillsColumn:
        result = a->GetAbilityIndex() - b->GetAbilityIndex();
        break;
    case TeamPartColumn:
        result = a->GetTeamPart() - b->GetTeamPart();
        break;
    default: {
        const TClub* first = GetPreferredClub(*a);
        const TClub* second = GetPreferredClub(*b);
        if (first == nullptr || second == nullptr) {
            result = (first == nullptr) - (second == nullptr);
        } else {
            result = CompareCollated(first->GetName(), second->GetName());
        }
        break;
    }
    }
    return sort_.Directed(result);
}
