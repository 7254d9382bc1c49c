#pragma once
// The national squad of one country: every club player of the world with
// that nationality who carries the national-squad flag, in a sortable list.

#include <vector>

#include "editors/player_staff/model/ListSortState.h"

class TClub;
class TCompleteWorld;
class TPerson;

struct NationalSquadRow {
    TPerson* person = nullptr;
    TClub* club = nullptr;
};

class NationalSquadList {
public:
    enum Column { NameColumn, ClubColumn, PositionColumn, LevelColumn, AgeColumn, TalentColumn, AppearancesColumn, ColumnCount };

    explicit NationalSquadList(TCompleteWorld& world) : world_(world) {}

    static bool IsInNationalTeam(const TPerson& person);
    static void SetInNationalTeam(TPerson& person, bool inSquad);

    int GetCountryId() const { return countryId_; }
    // Walks the clubs of countries 1..206, national teams included, and
    // sorts the rows.
    void Fill(int countryId);
    const std::vector<NationalSquadRow>& GetRows() const { return rows_; }
    const ListSortState& GetSort() const { return sort_; }
    void ClickHeader(int column);
    // Clears the flag of each listed row (others are ignored) and refills.
    void RemoveFromSquad(const std::vector<int>& rows);

private:
    void Sort();
    int CompareRows(const NationalSquadRow& a, const NationalSquadRow& b) const;

    TCompleteWorld& world_;
    int countryId_ = 0;
    std::vector<NationalSquadRow> rows_;
    ListSortState sort_;
};
