#include "tools/hotfix/FixForLegal.h"

#include <array>
#include <functional>
#include <vector>

#include "competition/CompetitionId.h"
#include "core/text/Format.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "tools/hotfix/HotfixFile.h"
#include "tools/report/ReportModel.h"

namespace {
constexpr char16_t FixName[] = u"Legal - List with Names, Stadium";
constexpr std::uint32_t FixVersion = 1;
constexpr std::uint32_t FixFlags =
    CBaseHotfix::FlagDeveloperOnly | CBaseHotfix::FlagNeedsFile | CBaseHotfix::FlagNoHeader;
// English, French, German, Italian, Spanish.
constexpr std::array<int, 5> Languages = {1, 2, 0, 4, 3};
constexpr int CompetitionRow = 1;
constexpr int LeagueIds = 32;
constexpr int CupIndexes = 16;
constexpr int RelegationIndexes = 64;

using TNameOf = std::function<const char16_t*(int language)>;

std::u16string Row(std::uint32_t id, int kind, std::u16string_view label, const TNameOf& name)
{
    const auto text = [&](int column) {
        const char16_t* value = name(Languages[column]);
        return value != nullptr ? value : u"";
    };
    return Format(u"[%08X-%04X]\t%s\t%s\t%s\t%s\t%s\t%s\r\n", id, kind, label, text(0), text(1), text(2), text(3),
                  text(4));
}

// The country's competitions in the order of the list: the cups, the
// leagues, then the relegation rounds.
std::vector<std::uint32_t> CompetitionIds(const TCountry& country)
{
    const auto countryId = static_cast<std::uint32_t>(country.GetId());
    std::vector<std::uint32_t> ids;
    for (std::uint32_t type : {TypeFaCup, TypeSuperCup, TypeLeagueCup}) {
        for (std::uint32_t index = 0; index < CupIndexes; ++index) ids.push_back(MakeCompetitionId(countryId, type, index));
    }
    for (int index = 0; index < LeagueIds; ++index) ids.push_back(country.GetLeagueId(index));
    for (std::uint32_t index = 0; index < RelegationIndexes; ++index) {
        ids.push_back(MakeCompetitionId(countryId, TypeRelegation, index));
    }
    return ids;
}

struct TClubRow {
    const char16_t* label;
    const char16_t* (TClub::*name)(int) const;
};

constexpr TClubRow ClubRows[] = {
    {u"Full Name (29 chars)", &TClub::GetNameForLanguage},
    {u"Short Form (10 chars)", &TClub::GetShortNameForLanguage},
    {u"Abbreviation (4 chars)", &TClub::GetAbbreviationForLanguage},
    {u"Town (29 chars)", &TClub::GetTownForLanguage},
    {u"Stadium (29 chars)", &TClub::GetStadiumNameForLanguage},
};
}  // namespace

CFixForLegal::CFixForLegal() : CBaseHotfix(FixName, FixVersion, FixFlags) {}

CFixForLegal::CFixForLegal(CHotfixManager& manager) : CBaseHotfix(FixName, FixVersion, FixFlags, manager) {}

void CFixForLegal::Apply(TCompleteWorld*, CHotfixFile*, CReportModel&) {}

void CFixForLegal::WriteCompetitions(TCompleteWorld& world, const TCountry& country, CHotfixFile& file)
{
    for (std::uint32_t id : CompetitionIds(country)) {
        const CDBCompetitionBase* competition = world.GetCompetitions().Get(id);
        if (competition == nullptr) continue;
        file.WriteText(Row(id, CompetitionRow, u"Competition (29 chars)",
                           [&](int language) { return competition->GetNameInLanguage(language); }));
    }
}

void CFixForLegal::WriteClub(const TClub& club, CHotfixFile& file)
{
    int kind = CompetitionRow;
    for (const TClubRow& row : ClubRows) {
        file.WriteText(Row(club.GetId(), ++kind, row.label, [&](int language) { return (club.*row.name)(language); }));
    }
}

void CFixForLegal::Create(TCompleteWorld* world, CHotfixFile* file, CReportModel& report)
{
    if (world == nullptr || !RequireFile(file, report)) return;
    file->WriteText(Row(0, 0, u"[Information]", [](int language) {
        constexpr const char16_t* Labels[] = {u"[German]", u"[English]", u"[French]", u"[Spanish]", u"[Italian]"};
        return Labels[language];
    }));
    for (int id = 1; id <= LastCountryId; ++id) {
        const TCountry* country = world->GetCountry(id);
        if (country == nullptr) continue;
        WriteCompetitions(*world, *country, *file);
        for (int index = 0; index < country->GetClubCount(); ++index) {
            const TClub* club = country->GetClubByIndex(index);
            if (club != nullptr && !IsNationalTeamId(club->GetId())) WriteClub(*club, *file);
        }
    }
}
