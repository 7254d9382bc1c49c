#include "editors/country_club/model/competition/LeagueCopy.h"

#include <vector>

#include "competition/League.h"
#include "core/files/IndexTextFile.h"
#include "core/text/TextTools.h"
#include "database/club/Club.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/country/CountryFile.h"
#include "database/world/WorldList.h"
#include "tools/report/ReportModel.h"

namespace {

// The saved file's world, removed on every path.
class CSavedWorld {
public:
    explicit CSavedWorld(TWorldList& worlds) : worlds_(worlds), world_(worlds.AddCompleteWorld()) {}
    ~CSavedWorld() { worlds_.RemoveWorld(world_); }
    CSavedWorld(const CSavedWorld&) = delete;
    CSavedWorld& operator=(const CSavedWorld&) = delete;
    TCompleteWorld* Get() const { return world_; }

private:
    TWorldList& worlds_;
    TCompleteWorld* world_;
};

void AddError(CReportModel& report, std::u16string_view title)
{
    report.AddEntry(0, ReportType::Error, title);
}

// The country read from the file; null, with the error reported, when the
// file is missing, refused or damaged.
TCountry* ReadSavedCountry(TCompleteWorld& saved, std::uint32_t countryId, std::u16string_view path,
                           CReportModel& report, const TLeagueCopyTexts& texts)
{
    TCountry* country = saved.GetCountry(static_cast<int>(countryId));
    CIndexTextFile file;
    if (country == nullptr || !file.OpenRead(path)) {
        AddError(report, ReplaceTokens(texts.fileNotFound, {{u"_FILE_NAME", path}}));
        return nullptr;
    }
    const bool read = ReadCountrySections(*country, file);
    if (read && !country->IsDamaged()) return country;
    const std::u16string message = !read && file.GetError() != nullptr ? std::u16string(file.GetError())
                                                                       : country->GetFileDamage().GetDescription();
    AddError(report, ReplaceTokens(texts.fileError, {{u"_FILE_NAME", path}, {u"_MESSAGE", message}}));
    return nullptr;
}

// The saved league matches when it is a league of the same entered count.
bool SameLeague(TCompleteWorld& saved, const CDBLeagueBase& league)
{
    const auto* savedLeague = dynamic_cast<const CDBLeagueBase*>(saved.GetCompetitions().Get(league.GetId()));
    return savedLeague != nullptr && savedLeague->GetKind() == KindLeague &&
           savedLeague->GetAssignedTeamCount() == league.GetAssignedTeamCount();
}

struct TTeamPair {
    std::uint32_t team;
    TClub* club;
    const TClub* saved;
};

// The league's clubs that both worlds hold, national teams left out.
std::vector<TTeamPair> PairTeams(const CDBLeagueBase& league, const TCompleteWorld& world, const TCompleteWorld& saved)
{
    std::vector<TTeamPair> pairs;
    for (int slot = 0; slot < league.GetAssignedTeamCount(); ++slot) {
        const std::uint32_t team = league.GetTeamSlot(slot);
        if (TeamCountry(team) == 0 || (team & 0xFFFF) >= NationalTeamIndex) continue;
        TClub* club = world.GetClub(team);
        const TClub* savedClub = saved.GetClub(team);
        if (club != nullptr && savedClub != nullptr) pairs.push_back({team, club, savedClub});
    }
    return pairs;
}

std::u16string TeamName(const TTeamPair& pair)
{
    return (pair.team & ReserveTeamBit) ? pair.club->GetReserveName() : pair.club->GetName();
}

// Every saved club that is another club than ours gets an error; then
// nothing is copied.
bool ReportOtherClubs(const std::vector<TTeamPair>& pairs, CReportModel& report, const TLeagueCopyTexts& texts)
{
    bool found = false;
    for (const TTeamPair& pair : pairs) {
        if (pair.saved->GetUniqueId() == pair.club->GetUniqueId()) continue;
        report.AddEntry(0, ReportType::Error, texts.countryMatch, TeamName(pair));
        found = true;
    }
    return found;
}

void CopyTeam(const TTeamPair& pair, CReportModel& report, const TLeagueCopyTexts& texts)
{
    const std::u16string name = TeamName(pair);
    if (pair.team & ReserveTeamBit) {
        report.AddEntry(0, ReportType::Info, ReplaceTokens(texts.skipFormat, {{u"_CLUB_NAME", name}}));
        return;
    }
    pair.club->CopyFrom(*pair.saved);
    report.AddEntry(0, ReportType::Success, ReplaceTokens(texts.successFormat, {{u"_CLUB_NAME", name}}));
}

}  // namespace

void CopyLeagueFromFile(CDBLeagueBase& league, TCompleteWorld& world, std::u16string_view path, TWorldList& worlds,
                        CReportModel& report, const TLeagueCopyTexts& texts)
{
    CSavedWorld saved(worlds);
    if (saved.Get() == nullptr) {
        AddError(report, texts.noWorld);
        return;
    }
    if (ReadSavedCountry(*saved.Get(), league.GetCountryId(), path, report, texts) == nullptr) return;
    if (!SameLeague(*saved.Get(), league)) {
        AddError(report, texts.countryMatch);
        return;
    }
    const std::vector<TTeamPair> pairs = PairTeams(league, world, *saved.Get());
    if (ReportOtherClubs(pairs, report, texts)) return;
    for (const TTeamPair& pair : pairs) CopyTeam(pair, report, texts);
}
