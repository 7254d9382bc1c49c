#pragma once
// The world's players without a club in a sortable list, signed to a club
// or deleted by selected rows.

#include <cstdint>
#include <vector>

#include "editors/player_staff/model/ListSortState.h"

class TCompleteWorld;
class TPerson;
class TPlayersWithoutClub;

class FreeAgentsList {
public:
    enum Column { NameColumn, NationalityColumn, PositionColumn, LevelColumn, ColumnCount };

    explicit FreeAgentsList(TCompleteWorld& world) : world_(world) {}

    // The list's persons in the order it holds them.
    static std::vector<TPerson*> Persons(const TPlayersWithoutClub& agents);

    // The list's persons in the current sort order.
    void Fill();
    const std::vector<TPerson*>& GetRows() const { return rows_; }
    const ListSortState& GetSort() const { return sort_; }
    void ClickHeader(int column);
    // The nationality's abbreviation; empty for a staff member.
    const char16_t* GetNationalityText(const TPerson& person) const;

    // Adds the persons of the rows, in order, to the club of teamId (bit 24
    // the reserve team); those the club takes leave the list. The number
    // signed; 0 for an id without a country or club. Refills.
    int SignToClub(const std::vector<int>& rows, std::uint32_t teamId);
    // Removes the persons of the rows from the list and the world; refills.
    void Delete(const std::vector<int>& rows);

private:
    void Sort();
    int CompareRows(const TPerson* a, const TPerson* b) const;
    std::vector<TPerson*> PersonsOf(const std::vector<int>& rows) const;

    TCompleteWorld& world_;
    std::vector<TPerson*> rows_;
    ListSortState sort_;
};
