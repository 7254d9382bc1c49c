#pragma once
// A country's referees in a sortable list: new ones under the lowest free
// id, edited and deleted ones. The map is changed at once.

#include <vector>

#include "database/club/Referee.h"
#include "editors/player_staff/model/ListSortState.h"

class TCountry;

struct RefereeRow {
    int id = 0;
    TReferee* referee = nullptr;
};

class RefereeList {
public:
    enum Column { NameColumn, TypeColumn, ColumnCount };
    static constexpr int ShortNameCapacity = 128;

    // Null lists nothing.
    void SetCountry(TCountry* country);
    TCountry* GetCountry() const { return country_; }
    void Fill();
    const std::vector<RefereeRow>& GetRows() const { return rows_; }
    // The row of a referee id, -1 when it is not listed.
    int FindRow(int id) const;
    const ListSortState& GetSort() const { return sort_; }
    void ClickHeader(int column);

    // Stores an empty referee under the lowest free id: that id, or 0 when
    // every id is taken (nothing stored).
    int BeginNew();
    // The edited copy of the new referee, or null when the dialog was
    // cancelled: kept only with both names, else removed again. Refills;
    // true when kept.
    bool FinishNew(int id, const TReferee* edited);
    // Copies the edited referee over the one of the id; empty names are
    // accepted. Refills; false for an unknown id.
    bool Edit(int id, const TReferee& edited);
    // Removes the referees of the rows; refills.
    void Delete(const std::vector<int>& rows);

private:
    void Sort();
    int CompareRows(const RefereeRow& a, const RefereeRow& b) const;

    TCountry* country_ = nullptr;
    std::vector<RefereeRow> rows_;
    ListSortState sort_;
};
