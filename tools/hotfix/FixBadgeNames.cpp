#include "tools/hotfix/FixBadgeNames.h"

#include <algorithm>

#include "core/text/Format.h"
#include "core/text/TextTools.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "tools/hotfix/HotfixFile.h"
#include "tools/hotfix/HotfixManager.h"
#include "tools/report/ReportModel.h"

namespace {
constexpr char16_t FixName[] = u"Fix badge filenames";
constexpr std::uint32_t FixVersion = 1;
constexpr std::uint32_t FixFlags = CBaseHotfix::FlagDeveloperOnly | CBaseHotfix::FlagNeedsFile;
constexpr std::u16string_view EndMark = u"[EOF]";

// The path stands up to the line end; tabs become blanks.
std::u16string PathOfLine(std::u16string_view line)
{
    std::u16string path(line.substr(0, line.find_first_of(u"\r\n")));
    std::replace(path.begin(), path.end(), u'\t', u' ');
    return path;
}
}  // namespace

CFixBadgeNames::CFixBadgeNames() : CBaseHotfix(FixName, FixVersion, FixFlags) {}

CFixBadgeNames::CFixBadgeNames(CHotfixManager& manager) : CBaseHotfix(FixName, FixVersion, FixFlags, manager) {}

bool CFixBadgeNames::IsSelected(int countryId) const
{
    const std::uint32_t selected = GetManager().GetSelectedCountry();
    return selected == 0 || selected == static_cast<std::uint32_t>(countryId);
}

void CFixBadgeNames::Create(TCompleteWorld* world, CHotfixFile* file, CReportModel& report)
{
    if (world == nullptr || !RequireFile(file, report)) return;
    for (int id = 1; id <= LastCountryId; ++id) {
        const TCountry* country = world->GetCountry(id);
        if (country == nullptr || !IsSelected(id)) continue;
        for (int index = 0; index < country->GetClubCount(); ++index) {
            const TClub* club = country->GetClubByIndex(index);
            if (club == nullptr) continue;
            file->WriteText(Format(u"%d\r\n%s\r\n", static_cast<std::int32_t>(WithoutReserveBit(club->GetId())),
                                              club->GetBadgePath()));
        }
    }
    file->WriteText(EndMark);
    // A failed write shows when the file is committed.
    if (!CommitFile(*file, report)) return;
    report.AddEntry(0, ReportType::Info, u"All club badges saved");
}

CFixBadgeNames::TBadgeMap CFixBadgeNames::ReadBadges(CHotfixFile& file)
{
    TBadgeMap badges;
    std::u16string idLine;
    std::u16string pathLine;
    while (file.ReadLine(idLine, MaxLineLength) && idLine != EndMark) {
        const auto id = static_cast<TTeamId>(WindowsStrToLong(idLine.c_str(), 10));
        if (!file.ReadLine(pathLine, MaxLineLength)) break;
        badges[WithoutReserveBit(id)] = PathOfLine(pathLine);
    }
    return badges;
}

void CFixBadgeNames::ApplyToCountry(const TCountry& country, const TBadgeMap& badges, CReportModel& report)
{
    for (int index = 0; index < country.GetClubCount(); ++index) {
        TClub* club = country.GetClubByIndex(index);
        if (club == nullptr) continue;
        const auto found = badges.find(WithoutReserveBit(club->GetId()));
        if (found == badges.end() || found->second.empty()) continue;
        // Compared as the club would store it, so a second run reports nothing.
        const std::u16string badge = found->second.substr(0, TClub::BadgePathCapacity - 1);
        if (FoldLatinCase(badge) == FoldLatinCase(club->GetBadgePath())) continue;
        report.AddEntry(0, ReportType::Success, club->GetName(),
                        Format(u"Original badge: %s\r\nNew badge: %s", club->GetBadgePath(), badge));
        club->SetBadgePath(badge.c_str());
    }
}

void CFixBadgeNames::Apply(TCompleteWorld* world, CHotfixFile* file, CReportModel& report)
{
    if (world == nullptr || !RequireFile(file, report)) return;
    const TBadgeMap badges = ReadBadges(*file);
    for (int id = 1; id <= LastCountryId; ++id) {
        const TCountry* country = world->GetCountry(id);
        if (country != nullptr && IsSelected(id)) ApplyToCountry(*country, badges, report);
    }
}
