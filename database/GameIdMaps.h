#pragma once
// Two numberings of the clubs derived before every save and export: game
// ids for the game database (per country 1, 2, 3, ... by importance) and
// save ids for the text files (per country 1, 2, 3, ... in index order, so
// a saved database has no gaps).

#include <cstdint>
#include <map>
#include <string_view>

#include "database/Club.h"

class TCompleteWorld;

class TGameIdMaps {
public:
    // National teams (index 0xFFFF) and 0xFFFFFFFF pass unchanged, and so
    // does an id of no country; a club of a country 1..207 that the maps do
    // not hold becomes 0, so that a file never names another club. Bit 24
    // is kept.
    TTeamId GetExportClubId(TTeamId id) const { return Translate(exportIds_, id); }
    TTeamId GetClubIdFromGameId(TTeamId id) const { return Translate(exportIdsBack_, id); }
    TTeamId GetSaveClubId(TTeamId id) const { return Translate(saveIds_, id); }
    TTeamId GetClubIdFromSaveId(TTeamId id) const { return Translate(saveIdsBack_, id); }
    void Clear();

private:
    friend void BuildGameIdMaps(TGameIdMaps& maps);
    static TTeamId Translate(const std::map<TTeamId, TTeamId>& map, TTeamId id);

    std::map<TTeamId, TTeamId> exportIds_;
    std::map<TTeamId, TTeamId> exportIdsBack_;
    std::map<TTeamId, TTeamId> saveIds_;
    std::map<TTeamId, TTeamId> saveIdsBack_;
};

// Fills the maps from the current world.
void BuildGameIdMaps(TGameIdMaps& maps);
// The program's single maps.
TGameIdMaps& GetGameIdMaps();
// 4 and 3 for the first two clubs of the top league, 2 for a continental
// title defender, else 0.
int ClubPriority(const TClub& club);
// The developer's id list, UTF-8 with CR LF line ends.
bool WriteGameIdList(std::u16string_view path);
