#include "tools/hotfix/FixShowContractPlayers.h"

#include "core/text/Format.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "tools/report/ReportModel.h"

namespace {
constexpr char16_t FixName[] = u"Show players with contract";
constexpr std::uint32_t FixVersion = 2;
constexpr std::uint32_t FixFlags = 0;
// A loan that ends on this day or later still runs at the season's start.
const TDate FirstRunningLoanEnd(2007, 7, 2);

std::u16string DateText(TDate date)
{
    if (!date.IsSet()) return {};
    return Format(u"%04d-%02d-%02d", date.GetYear(), date.GetMonth(), date.GetDay());
}

void ReportMember(const TCompleteWorld& world, const TPerson& person, ReportEntryHandle category, CReportModel& report)
{
    const TClub* other = world.GetClub(person.GetTransferClub());
    if (other == nullptr && person.GetTransferEndDate() < FirstRunningLoanEnd) return;
    report.AddEntry(category, ReportType::Info, TPerson::GetShortName(&person),
                    Format(u"Player Name: %s %s\r\nStart of loan: %s\r\nEnd of loan: %s\r\nLoaned from: %s\r\n",
                           person.GetFirstName(), person.GetLastName(), DateText(person.GetTransferStartDate()),
                           DateText(person.GetTransferEndDate()), other != nullptr ? other->GetName() : u"[invalid]"));
}

void ReportClub(const TCompleteWorld& world, const TClub& club, ReportEntryHandle category, CReportModel& report)
{
    for (int slot = 0; slot < club.GetSquadCount(); ++slot) {
        if (const TPerson* person = club.GetSquadPerson(slot)) ReportMember(world, *person, category, report);
    }
}
}  // namespace

CFixShowContractPlayers::CFixShowContractPlayers() : CBaseHotfix(FixName, FixVersion, FixFlags) {}

CFixShowContractPlayers::CFixShowContractPlayers(CHotfixManager& manager)
    : CBaseHotfix(FixName, FixVersion, FixFlags, manager)
{
}

void CFixShowContractPlayers::Apply(TCompleteWorld* world, CHotfixFile*, CReportModel& report)
{
    if (world == nullptr) return;
    for (int id = 1; id <= LastCountryId && !report.IsCloseRequested(); ++id) {
        const TCountry* country = world->GetCountry(id);
        if (country == nullptr) continue;
        const ReportEntryHandle countryCategory = report.AddCategory(0, country->GetName());
        for (int index = 0; index < country->GetClubCount(); ++index) {
            const TClub* club = country->GetClubByIndex(index);
            if (club != nullptr) ReportClub(*world, *club, report.AddCategory(countryCategory, club->GetName()), report);
        }
    }
    report.RemoveEmptyCategories();
}
