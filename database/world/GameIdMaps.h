#pragma once
// Two numberings of the clubs derived before every save and export: game
// ids for the game database (per country 1, 2, 3, ... by importance) and
// save ids for the text files (per country 1, 2, 3, ... in index order, so
// a saved database has no gaps).

#include <bitset>
#include <cstdint>
#include <map>
#include <set>
#include <string_view>
#include <vector>

#include "database/club/Club.h"

class TCompleteWorld;

class TGameIdMaps {
public:
    // Game ids number the clubs of countries 1..206, save ids those of
    // countries 1..207.
    static constexpr int LastGameIdCountry = 206;
    static constexpr int LastSaveIdCountry = 207;

    // National teams (index 0xFFFF) and 0xFFFFFFFF pass unchanged, and so
    // does an id of a country the numbering leaves out (the clubs of
    // country 207 keep their team ids in the game database). A club of a
    // numbered country that the maps do not hold, one no longer there,
    // becomes 0, so that a file never names the club that took its number.
    // Bit 24 is kept. A club of a country whose file the save keeps as it
    // is keeps the number that file gives it, read or not: its save id is
    // its team id.
    TTeamId GetExportClubId(TTeamId id) const { return Translate(exportIds_, id, LastGameIdCountry); }
    TTeamId GetClubIdFromGameId(TTeamId id) const { return Translate(exportIdsBack_, id, LastGameIdCountry); }
    TTeamId GetSaveClubId(TTeamId id) const;
    TTeamId GetClubIdFromSaveId(TTeamId id) const
    {
        return KeepsNumberOf(id) ? id : Translate(saveIdsBack_, id, LastSaveIdCountry);
    }
    // The clubs GetSaveClubId gave as none since the maps were built, bit 24
    // clear: the files a save wrote name none of them.
    const std::set<TTeamId>& GetClubsSavedAsNone() const { return savedAsNone_; }
    void Clear();

private:
    friend void BuildGameIdMaps(TGameIdMaps& maps, const std::vector<int>& keptCountries);
    bool KeepsNumberOf(TTeamId id) const { return keptCountries_.test(static_cast<std::size_t>(TeamCountry(id))); }
    static TTeamId Translate(const std::map<TTeamId, TTeamId>& map, TTeamId id, int lastNumberedCountry);

    std::map<TTeamId, TTeamId> exportIds_;
    std::map<TTeamId, TTeamId> exportIdsBack_;
    std::map<TTeamId, TTeamId> saveIds_;
    std::map<TTeamId, TTeamId> saveIdsBack_;
    std::bitset<256> keptCountries_;
    mutable std::set<TTeamId> savedAsNone_;
};

// Fills the maps from the current world. keptCountries: the countries whose
// files a save keeps as they are.
void BuildGameIdMaps(TGameIdMaps& maps, const std::vector<int>& keptCountries = {});
// The program's single maps.
TGameIdMaps& GetGameIdMaps();
// 4 and 3 for the first two clubs of the top league, 2 for a continental
// title defender, else 0.
int ClubPriority(const TClub& club);
// The developer's id list, UTF-8 with CR LF line ends.
bool WriteGameIdList(std::u16string_view path);
