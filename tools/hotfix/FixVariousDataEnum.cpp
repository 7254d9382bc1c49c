#include "tools/hotfix/FixVariousDataEnum.h"

#include "core/AppMessage.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "tools/enumscripts/EnumScripts.h"

namespace {
constexpr char16_t FixName[] = u"Various Lists/Fixes";
constexpr std::uint32_t FixVersion = 2;
constexpr std::uint32_t FixFlags = CBaseHotfix::FlagDeveloperOnly;
constexpr int ProgressEnd = 207;

using namespace enum_scripts;
using S = TEnumScript;

constexpr TEnumScript Scripts[] = {
    {u"Debug - Create anywhere clubs", S::PerCountry, CreateAnywhereClubs, S::FlagExtendedMode},
    {u"Fix - Rename file files to club name file", S::PerClub, RenameAiFiles, S::FlagExtendedMode},
    {u"Fix - Map teams and players to Qaro Mapping", S::Once, MapQaroTeams, S::FlagDeveloperOnly},
    {u"List - Misc - zdata.big file listing (to C:\\biglist.txt)", S::Once, ListBigFiles,
     S::FlagUnused | S::FlagExtendedMode},
    {u"List - Club - Complete club list", S::PerClub, ListClubs, S::FlagDeveloperOnly},
    {u"List - Player - Player image names", S::PerPlayer, ListPlayerImages, S::FlagDeveloperOnly},
    {u"List - Player - Unused player images", S::Once, ReportUnusedImages, S::FlagDeveloperOnly},
    {u"List - Player - Usage of original faces", S::Once, ReportFaceUsage, S::FlagDeveloperOnly},
    {u"List - Player - Serbia / Montenegro players", S::PerPlayer, ListSerbianPlayers, S::FlagDeveloperOnly},
    {u"Fix - Rename national stadium names", S::PerCountry, RenameNationalStadiums, S::FlagDeveloperOnly},
    {u"List - Mobile - Player List", S::PerPlayer, ListMobilePlayers, S::FlagDeveloperOnly},
    {u"List - Mobile - Club List", S::PerClub, ListMobileClubs, S::FlagDeveloperOnly},
    {u"List - Check invalid names", S::PerPlayer, CheckInvalidNames, S::FlagDeveloperOnly},
    {u"Debug - Image check", S::Once, CheckImages, S::FlagDeveloperOnly | S::FlagExtendedMode},
    {u"List Legal - Club List", S::PerClub, ListLegalClubs, S::FlagDeveloperOnly},
    {u"List Legal - Competition List", S::PerCountry, ListLegalCompetitions, S::FlagDeveloperOnly},
    {u"List Legal - Country List", S::PerCountry, ListLegalCountries, S::FlagDeveloperOnly},
    {u"Fix - Final Check", S::Once, FinalCheck, S::FlagDeveloperOnly},
    {u"Fix - Polish Clublist Fix 2007-09-11", S::Once, FixPolishClubs, S::FlagDeveloperOnly},
    {u"Fix - Polish Competition Fix 2007-09-12", S::Once, FixPolishCompetitions, S::FlagDeveloperOnly},
    {u"Fix - Polish national team stadions", S::PerClub, FixPolishNationalStadiums, S::FlagDeveloperOnly},
    {nullptr, S::Once, nullptr, 0},
};
static_assert(std::size(Scripts) == CFixVariousDataEnum::ScriptCount + 1);

void WalkClub(const TEnumScript& script, TEnumScriptContext& context, TClub& club, ReportEntryHandle countryItem)
{
    CReportModel& report = *context.report;
    context.club = &club;
    context.person = nullptr;
    context.currentItem = report.AddCategory(countryItem, club.GetName());
    if (script.scope == TEnumScript::PerClub) {
        script.callback(context);
        return;
    }
    for (int slot = 0; slot < club.GetSquadCount() && !report.IsCloseRequested(); ++slot) {
        context.person = club.GetSquadPerson(slot);
        if (context.person != nullptr) script.callback(context);
    }
}

void WalkCountries(const TEnumScript& script, TEnumScriptContext& context)
{
    CReportModel& report = *context.report;
    report.SetTitle(script.name);
    report.SetProgressRange(1, ProgressEnd);
    for (int id = 1; id <= CBaseHotfix::LastCountryId && !report.IsCloseRequested(); ++id) {
        report.StepProgress(1);
        TCountry* country = context.world->GetCountry(id);
        if (country == nullptr) continue;
        context.country = country;
        context.club = nullptr;
        context.person = nullptr;
        const ReportEntryHandle countryItem = report.AddCategory(0, country->GetName());
        context.currentItem = countryItem;
        if (script.scope == TEnumScript::PerCountry) {
            script.callback(context);
            continue;
        }
        for (int index = 0; index < country->GetClubCount() && !report.IsCloseRequested(); ++index) {
            if (TClub* club = country->GetClubByIndex(index)) WalkClub(script, context, *club, countryItem);
        }
    }
}

}  // namespace

CFixVariousDataEnum::CFixVariousDataEnum() : CBaseHotfix(FixName, FixVersion, FixFlags) {}

CFixVariousDataEnum::CFixVariousDataEnum(CHotfixManager& manager) : CBaseHotfix(FixName, FixVersion, FixFlags, manager)
{
}

const TEnumScript* CFixVariousDataEnum::GetScripts() { return Scripts; }

void CFixVariousDataEnum::RunScript(const TEnumScript& script, TCompleteWorld& world, CReportModel& report)
{
    TEnumScriptContext context;
    context.world = &world;
    context.report = &report;
    if (script.scope == TEnumScript::Once) {
        script.callback(context);
    } else {
        WalkCountries(script, context);
    }
    report.RemoveEmptyCategories();
    if (!context.writer.Finish()) report.AddEntry(0, ReportType::Error, u"The list could not be written");
}

void CFixVariousDataEnum::Apply(TCompleteWorld* world, CHotfixFile*, CReportModel& report)
{
    if (world == nullptr) return;
    // The fix is listed only in administration mode, where every script is
    // offered whatever its flags.
    AppListChoice choice{u"Chose script to run", u"Select a enumeration script to run", {}};
    for (int row = 0; Scripts[row].name != nullptr; ++row) choice.items.emplace_back(Scripts[row].name);
    const int picked = PickAppListItem(choice);
    if (picked < 0 || picked >= ScriptCount) return;
    RunScript(Scripts[picked], *world, report);
}
