#include "editors/player_staff/model/lists/RefereeList.h"

#include <algorithm>

#include "core/text/TextTools.h"
#include "database/country/Country.h"

void RefereeList::SetCountry(TCountry* country)
{
    country_ = country;
    Fill();
}

void RefereeList::Fill()
{
    rows_.clear();
    if (country_ == nullptr) return;
    TRefereeMap& referees = country_->GetReferees();
    for (const auto& entry : referees) rows_.push_back({entry.first, referees.Find(entry.first)});
    Sort();
}

int RefereeList::FindRow(int id) const
{
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        if (rows_[row].id == id) return static_cast<int>(row);
    }
    return -1;
}

void RefereeList::ClickHeader(int column)
{
    if (column < 0 || column >= ColumnCount) return;
    sort_.ClickHeader(column);
    Sort();
}

int RefereeList::BeginNew()
{
    if (country_ == nullptr) return 0;
    return country_->GetReferees().Add(TReferee());
}

bool RefereeList::FinishNew(int id, const TReferee* edited)
{
    if (country_ == nullptr) return false;
    TRefereeMap& referees = country_->GetReferees();
    TReferee* referee = referees.Find(id);
    const bool named = edited != nullptr && edited->GetFirstName()[0] != 0 && edited->GetLastName()[0] != 0;
    const bool keep = referee != nullptr && named;
    if (keep) {
        *referee = *edited;
    } else {
        referees.Remove(id);
    }
    Fill();
    return keep;
}

bool RefereeList::Edit(int id, const TReferee& edited)
{
    TReferee* referee = country_ != nullptr ? country_->GetReferees().Find(id) : nullptr;
    if (referee == nullptr) return false;
    *referee = edited;
    Fill();
    return true;
}

void RefereeList::Delete(const std::vector<int>& rows)
{
    if (country_ == nullptr) return;
    std::vector<int> ids;
    for (int row : rows) {
        if (row >= 0 && row < static_cast<int>(rows_.size())) ids.push_back(rows_[row].id);
    }
    for (int id : ids) country_->GetReferees().Remove(id);
    Fill();
}

void RefereeList::Sort()
{
    std::stable_sort(rows_.begin(), rows_.end(),
                     [this](const RefereeRow& a, const RefereeRow& b) { return CompareRows(a, b) < 0; });
}

int RefereeList::CompareRows(const RefereeRow& a, const RefereeRow& b) const
{
    if (a.referee == nullptr || b.referee == nullptr) return (a.referee == nullptr) - (b.referee == nullptr);
    int result = 0;
    if (sort_.column == NameColumn) {
        char16_t first[ShortNameCapacity];
        char16_t second[ShortNameCapacity];
        a.referee->FormatShortName(first, ShortNameCapacity);
        b.referee->FormatShortName(second, ShortNameCapacity);
        result = CompareCollated(first, second);
    } else {
        result = static_cast<int>(a.referee->GetType()) - static_cast<int>(b.referee->GetType());
    }
    return sort_.Directed(result);
}
