#pragma once
// One row of the main window's club list: the club's team id, the texts the
// row shows and its figures (rating, best eleven and age as value x 1000,
// truncated). The national team's row takes its figures from the country's
// national squad. A row holds no pointer into the world: commands remove
// clubs and competitions while rows still stand, and a row is read (for the
// selection, for sorting) before the list is filled again.

#include <cstdint>
#include <optional>
#include <string>

#include "ui/lists/HVListCtrl.h"

class TClub;
class TCountry;

struct ClubListEntry {
    // The club's TTeamId; 0 for a row without a club.
    std::uint32_t clubId = 0;
    std::u16string name;
    // The id of the club's league; none without a league.
    std::optional<std::uint32_t> leagueId;
    std::u16string leagueName;
    int rating = 0;
    int bestEleven = 0;
    int age = 0;
    int players = 0;

    void Set(const TClub& club, const TCountry& country);
    bool IsNationalTeam() const;
    // Adds the row with this entry as item data.
    void InsertRow(Halvane::MFC::CHVListCtrl& list) const;
};
