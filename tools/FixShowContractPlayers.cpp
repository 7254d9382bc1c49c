#include "tools/FixShowContractPlayers.h"

#include "core/Format.h"
#include "database/CompleteWorld.h"
#include "database/Country.h"
#include "tools/ReportModel.h"

namespace {
constexpr char16_t FixName[] = u"Show players with contract";
constexpr std::uint32_t FixVersion = 2;
constexpr std::uint32_t FixFlags = 0;
constexpr int LoanedHere = 4;
constexpr int LoanedOut = 6;

std::u16string DateText(TDate date)
{
    return Format(u"%04d-%02d-%02d", date.GetYear(), date.GetMonth(), date.GetDay());
}

void ReportLoan(const TPerson& person, const TClub& other, ReportEntryHandle category, CReportModel& report)
{
    report.AddEntry(category, ReportType::Info, TPerson::GetShortName(&person),
                    Format(u"Player Name: %s %s\r\nStart of loan: %s\r\nEnd of loan: %s\r\nLoaned from: %s\r\n",
                           person.GetFirstName(), person.GetLastName(), DateText(person.GetTransferStartDate()),
                           DateText(person.GetTransferEndDate()), other.GetName()));
}

void ReportClub(const TCompleteWorld& world, const TClub& club, ReportEntryHandle category, CReportModel& report)
{
    for (int slot = 0; slot < club.GetSquadCount(); ++slot) {
        const TPerson* person = club.GetSquadPerson(slot);
        if (person == nullptr) continue;
        const int state = person->GetTransferState();
        if (state != LoanedHere && state != LoanedOut) continue;
        if (const TClub* other = world.GetClub(person->GetTransferClub())) ReportLoan(*person, *other, category, report);
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
