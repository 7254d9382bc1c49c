#pragma once
// Refreshes the clubs of one league from a saved country file: the file is
// read into a world of its own, which is never current and is removed at
// the end, and each first team of the league takes the saved record of the
// same club. Reserve teams are only reported. A file that cannot be read,
// is damaged or belongs to other clubs changes nothing.

#include <string>
#include <string_view>

class CDBLeagueBase;
class CReportModel;
class TCompleteWorld;
class TWorldList;

struct TLeagueCopyTexts {
    // "_CLUB_NAME".
    std::u16string successFormat;
    std::u16string skipFormat;
    std::u16string countryMatch;
    // "_FILE_NAME".
    std::u16string fileNotFound;
    // "_FILE_NAME" and "_MESSAGE".
    std::u16string fileError;
    std::u16string noWorld;
};

// The league belongs to world; worlds is where the saved file's world is
// made and removed.
void CopyLeagueFromFile(CDBLeagueBase& league, TCompleteWorld& world, std::u16string_view path, TWorldList& worlds,
                        CReportModel& report, const TLeagueCopyTexts& texts);
