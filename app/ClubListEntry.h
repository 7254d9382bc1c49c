#pragma once
// One row of the main window's club list: the club, its league and its
// figures (rating, best eleven and age as value x 1000, truncated). The
// national team's row takes its figures from the country's national squad.

#include "ui/HVListCtrl.h"

class CDBCompetitionBase;
class TClub;
class TCountry;

struct ClubListEntry {
    TClub* club = nullptr;
    const CDBCompetitionBase* league = nullptr;
    int rating = 0;
    int bestEleven = 0;
    int age = 0;
    int players = 0;

    void Set(TClub* rowClub, const TCountry& country);
    bool IsNationalTeam() const;
    // Adds the row with this entry as item data.
    void InsertRow(Halvane::MFC::CHVListCtrl& list);
};
