#include "tools/GlobalTools.h"

#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "archive/BadgeLookup.h"
#include "core/text/Format.h"
#include "core/text/TextManager.h"
#include "core/text/TextTools.h"
#include "database/club/Club.h"
#include "database/club/ClubBadge.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/person/Person.h"

namespace {

constexpr int FirstCountryId = 1;
constexpr int LastVisitedCountryId = 206;
constexpr std::size_t MessageCapacity = 256;
constexpr std::uint16_t OldestCheckedYear = 1985;
constexpr std::uint16_t DefaultJoinYear = 1980;
constexpr std::uint16_t SeasonBeforeDatabase = 2006;

const char16_t* Text(TextKey key) { return CTextManager::Instance()->GetText(key); }

std::u16string Capped(std::u16string text)
{
    if (text.size() >= MessageCapacity) text.resize(MessageCapacity - 1);
    return text;
}

std::u16string Decimal(int value) { return Format(u"%d", value); }

std::uint16_t LatestHistoryYear(const TPerson& person)
{
    std::uint16_t latest = person.GetYearJoined();
    for (int index = 0; index < person.GetHistoryCount(); ++index)
        latest = std::max(latest, person.GetHistoryEntry(index).start.GetYear());
    return latest == DefaultJoinYear ? SeasonBeforeDatabase : latest;
}

const char16_t* YesNo(bool yes) { return yes ? Text(u"Dialog.Yes"_tk) : Text(u"Dialog.No"_tk); }

// Case-insensitive, empty names last.
bool CountryNameBefore(const std::u16string& a, const std::u16string& b)
{
    if (a.empty() || b.empty()) return !a.empty() && b.empty();
    return FoldLatinCase(a) < FoldLatinCase(b);
}

// Starts the report and walks the countries that have clubs, each under a
// category of its own.
void ForEachCountryWithClubs(CReportModel& report, const TCompleteWorld& world, const char16_t* title,
                             int progressRange, const std::function<void(const TCountry&, ReportEntryHandle)>& visit)
{
    report.SetTitle(title);
    report.SetProgressRange(0, progressRange);
    report.SetProgressPos(0);
    for (int id = FirstCountryId; id <= LastVisitedCountryId; ++id) {
        report.StepProgress(1);
        const TCountry* country = world.GetCountry(id);
        if (country == nullptr || country->GetClubCount() == 0) continue;
        visit(*country, report.AddCategory(0, country->GetName()));
    }
}

}  // namespace

void CGlobalToolsContractStartProcessor::Run(CReportModel& report)
{
    ForEachCountryWithClubs(report, world_, Text(u"Assitant.CheckStartOfContract.Title"_tk), ProgressRange,
                            [&](const TCountry& country, ReportEntryHandle countryCategory) {
        for (int index = 0; index < country.GetClubCount(); ++index) {
            const TClub* club = country.GetClubByIndex(index);
            if (club == nullptr || club->GetSquadCount() == 0) continue;
            const ReportEntryHandle category = report.AddCategory(countryCategory, club->GetName());
            for (int slot = 0; slot < club->GetSquadCount(); ++slot) {
                TPerson* person = club->GetSquadPerson(slot);
                if (person == nullptr || person->GetYearJoined() >= OldestCheckedYear) continue;
                const std::uint16_t startYear = person->GetYearJoined();
                const std::uint16_t latest = LatestHistoryYear(*person);
                int severity = ReportType::Error;
                const char16_t* addInfo = Text(u"Assitant.CheckStartOfContract.AddError"_tk);
                if (latest > startYear && fixMode_) {
                    person->SetYearJoined(latest);
                    severity = ReportType::Success;
                    addInfo = Text(u"Assitant.CheckStartOfContract.AddSuccess"_tk);
                } else if (latest > startYear) {
                    severity = ReportType::Info;
                    addInfo = Text(u"Assitant.CheckStartOfContract.AddInfo"_tk);
                }
                const std::u16string name = TPerson::GetShortName(person);
                report.AddEntry(category, severity, name,
                                Capped(ReplaceTokens(Text(u"Assitant.CheckStartOfContract.Format"_tk),
                                                     {{u"_PLAYER_NAME", name},
                                                      {u"_START_YEAR", Decimal(startYear)},
                                                      {u"_HISTORY_YEAR", Decimal(latest)},
                                                      {u"_ADDINFO", addInfo}})));
            }
        }
    });
}

void CGlobalToolsCheckBadgesProcessor::Run(CReportModel& report)
{
    ForEachCountryWithClubs(report, world_, Text(u"Assistant.CheckBadges.Title"_tk), ProgressRange,
                            [&](const TCountry& country, ReportEntryHandle category) {
        for (int index = 0; index < country.GetClubCount(); ++index) {
            const TClub* club = country.GetClubByIndex(index);
            if (club == nullptr || IsNationalTeamId(club->GetId())) continue;
            char16_t standardPath[BadgeNameCapacity] = {};
            GetClubBadgeFileName(club, standardPath, BadgeNameCapacity, sources_);
            std::u16string description =
                ReplaceTokens(Text(u"Assistant.CheckBadges.CheckResultFormat"_tk),
                              {{u"<BR>", u"\r\n"}, {u"_STANDARD_PATH", standardPath}, {u"_BADGE_PATH", club->GetBadgePath()}});
            const bool withoutBadge = club->GetBadgePath()[0] == u'\0';
            if (withoutBadge) description += std::u16string(Text(u"Assistant.CheckBadges.NoBadge"_tk)) + u"\r\n";
            bool anyMissing = false;
            for (int sizeIndex = 0; sizeIndex < 4; ++sizeIndex) {
                const unsigned state = GetClubBadgeState(club, sizeIndex, sources_);
                anyMissing = anyMissing || state == 0;
                const int size = BadgeSizes[sizeIndex];
                description += Format(u"%3d x %3d: %s\r\n%s: %s\r\n%s: %s\r\n%s: %s\r\n\r\n", size, size, YesNo(state != 0),
                                      Text(u"Dialog.Club.Badge.StandardPath"_tk), YesNo((state & BadgeOwnFiles) != 0),
                                      Text(u"Assistant.CheckBadges.FileSystem"_tk), YesNo((state & BadgeOnDisk) != 0),
                                      Text(u"Assistant.CheckBadges.Archive"_tk), YesNo((state & BadgeInArchive) != 0));
            }
            const int severity = anyMissing ? ReportType::Error : withoutBadge ? ReportType::Warning : ReportType::Success;
            report.AddEntry(category, severity, club->GetName(), description);
        }
    });
}

void CGlobalToolsCountryProcessor::Run(CReportModel& report)
{
    report.SetTitle(Text(u"Assistant.Countrylist.Title"_tk));
    report.SetProgressRange(0, ProgressRange);
    report.SetProgressPos(0);
    struct Slot {
        std::u16string name;
        int id = 0;
    };
    std::array<Slot, LastVisitedCountryId + 1> table{};
    for (int id = FirstCountryId; id <= LastVisitedCountryId; ++id) {
        const TCountry* country = world_.GetCountry(id);
        if (country != nullptr && country->GetName()[0] != u'\0') table[static_cast<std::size_t>(id)] = {country->GetName(), id};
        report.StepProgress(1);
        if (report.IsCloseRequested()) break;
    }
    std::stable_sort(table.begin(), table.end(),
                     [](const Slot& a, const Slot& b) { return CountryNameBefore(a.name, b.name); });
    for (const Slot& slot : table) {
        if (slot.name.empty()) break;
        report.AddEntry(0, ReportType::Success, Format(u"%s (ID: %d)", slot.name, slot.id));
        report.StepProgress(1);
        if (report.IsCloseRequested()) return;
    }
}
