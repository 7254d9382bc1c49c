#include "tools/hotfix/FixOrginalKitNames.h"

#include <map>
#include <set>

#include "core/text/Format.h"
#include "core/files/TabbedConfig.h"
#include "core/text/TextTools.h"
#include "core/files/ToolFiles.h"
#include "database/country/Country.h"
#include "database/club/ReferenceLists.h"
#include "tools/hotfix/HotfixFile.h"

namespace {
constexpr char16_t FixName[] = u"Fix original Shirt name files";
constexpr std::uint32_t FixVersion = 1;
constexpr std::uint32_t FixFlags = CBaseHotfix::FlagDeveloperOnly;
constexpr char16_t StarHeadsPath[] = u"C:\\Fix-Starheads.txt";
constexpr char16_t KitPairsPath[] = u"C:\\Fix-Qaro2Team.txt";
constexpr char16_t StarHeadsOutput[] = u"C:\\Output - Starheads.txt";
constexpr char16_t PlayerListOutput[] = u"C:\\Output - Playerlist.txt";
constexpr int NameLanguage = 1;
constexpr int KitLanguages = 6;

// Written as the sibling game's tools read them: UTF-16LE without a mark.
void WriteOutput(const std::u16string& path, std::u16string_view text, CReportModel& report, ReportEntryHandle parent)
{
    CHotfixFile file;
    const bool written = file.OpenWrite(path) && file.WriteText(text) && file.Close();
    if (!written) report.AddEntry(parent, ReportType::Error, Format(u"%s could not be written", path));
}

std::u16string FullName(const TPerson& person)
{
    return Format(u"%s %s", person.GetFirstName(), person.GetLastName());
}

std::u16string ClubName(const TCountryClubPerson& entry)
{
    return entry.club != nullptr ? entry.club->GetName() : u"";
}

const char16_t* NameOf(const TTabbedConfigRecord& record)
{
    const char16_t* text = record.GetText(NameLanguage);
    return text != nullptr ? text : u"";
}

// Step 3: every star head taken away, a doubly used one reported.
std::vector<std::uint32_t> ResetStarHeads(const std::vector<TCountryClubPerson>& players, CReportModel& report,
                                          ReportEntryHandle root)
{
    const ReportEntryHandle category = report.AddCategory(root, u"Current database starheads (will be reseted)");
    std::vector<std::uint32_t> before;
    std::map<std::uint32_t, const TCountryClubPerson*> users;
    for (const TCountryClubPerson& entry : players) {
        TPerson& person = *entry.person;
        const std::uint32_t id = person.GetFaceId();
        before.push_back(id);
        if (id != 0) {
            const auto [found, first] = users.emplace(id, &entry);
            if (!first) {
                const TPerson& earlier = *found->second->person;
                report.AddEntry(category, ReportType::Error, Format(u"Starhead ID: %d", id),
                                Format(u"The starhead with the ID: %d was used twice. The first player is named \"%s %s\". "
                                       u"Skipping \"%s %s\" (%s)",
                                       id, earlier.GetFirstName(), earlier.GetLastName(), person.GetFirstName(),
                                       person.GetLastName(), ClubName(entry)));
            }
            person.SetFaceId(0);
        }
        report.StepProgress(1);
    }
    return before;
}

// Step 4: the star head of each record goes to the first player of its
// name; the ids taken, in ascending order, to their players.
std::map<std::int32_t, const TCountryClubPerson*> AssignStarHeads(const CTabbedConfig& config,
                                                                  const std::vector<TCountryClubPerson>& players,
                                                                  CReportModel& report, ReportEntryHandle root)
{
    const ReportEntryHandle category = report.AddCategory(root, u"New player heads");
    std::map<std::int32_t, const TCountryClubPerson*> taken;
    for (const TCountryClubPerson& entry : players) {
        const TPerson& person = *entry.person;
        const std::u16string name = FoldLatinCase(Format(u"%s, %s", person.GetLastName(), person.GetFirstName()));
        for (int row = 0; row < config.GetRecordCount(); ++row) {
            const TTabbedConfigRecord& record = *config.GetRecordAt(row);
            if (FoldLatinCase(NameOf(record)) != name) continue;
            const auto [found, first] = taken.emplace(record.GetId(), &entry);
            if (first || found->second == &entry) continue;
            const TPerson& earlier = *found->second->person;
            report.AddEntry(category, ReportType::Warning, Format(u"Starhead ID: %d", record.GetId()),
                            Format(u"The starhead with the ID: %d can be used twice. The first player is named \"%s %s\". "
                                   u"The current player \"%s %s\" (%s) will be skipped!",
                                   record.GetId(), earlier.GetFirstName(), earlier.GetLastName(), person.GetFirstName(),
                                   person.GetLastName(), ClubName(entry)));
        }
        report.StepProgress(1);
    }
    for (const auto& [id, entry] : taken) {
        entry->person->SetFaceId(static_cast<std::uint32_t>(id));
        report.AddEntry(category, ReportType::Info, Format(u"Starhead ID: %d", id),
                        Format(u"The starhead with the ID: %d will be assigned to %s", id, FullName(*entry->person)));
    }
    return taken;
}
}  // namespace

CFixOrginalKitNames::CFixOrginalKitNames() : CBaseHotfix(FixName, FixVersion, FixFlags) {}

CFixOrginalKitNames::CFixOrginalKitNames(CHotfixManager& manager)
    : CBaseHotfix(FixName, FixVersion, FixFlags, manager)
{
}

void CFixOrginalKitNames::FixStarHeads(const TPersons& players, CReportModel& report)
{
    const ReportEntryHandle root = report.AddCategory(0, u"Star Heads");
    const std::u16string configPath = CToolFiles::Resolve(StarHeadsPath);
    CTabbedConfig config;
    if (!config.Load(configPath.c_str())) {
        report.AddEntry(root, ReportType::Error, Format(u"FILE NOT FOUND: %s", configPath),
                        u"Error opening the config file - skipping star heads.");
        return;
    }
    report.SetProgressRange(0, config.GetRecordCount() + 2 * static_cast<int>(players.size()));
    report.SetProgressPos(0);
    const std::vector<std::uint32_t> before = ResetStarHeads(players, report, root);
    const auto taken = AssignStarHeads(config, players, report, root);

    const ReportEntryHandle unused = report.AddCategory(root, u"Unused star heads");
    std::u16string table;
    int written = 0;
    for (int row = 0; row < config.GetRecordCount(); ++row) {
        const TTabbedConfigRecord& record = *config.GetRecordAt(row);
        report.StepProgress(1);
        if (NameOf(record)[0] == 0) continue;
        table += Format(u"%s\r\n%d\r\n", NameOf(record), record.GetId());
        ++written;
        if (taken.count(record.GetId()) != 0) continue;
        report.AddEntry(unused, ReportType::Warning, Format(u"Unused star head ID: %d", record.GetId()),
                        Format(u"The starhead with the ID: %d is not assigned to a player. In the configuration the "
                               u"name of the player is \")%s\"",
                               record.GetId(), NameOf(record)));
    }
    for (std::size_t i = 0; i < players.size(); ++i) {
        const TPerson& person = *players[i].person;
        if (before[i] == 0 || person.GetFaceId() != 0) continue;
        report.AddEntry(unused, ReportType::Warning, Format(u"Starhead removed from %s", FullName(person)),
                        Format(u"The player %s has no longer a starhead, before fixing he had the ID: %d",
                               FullName(person), before[i]));
    }
    const std::u16string output = CToolFiles::Resolve(StarHeadsOutput);
    const ReportEntryHandle writing =
        report.AddCategory(root, Format(u"Writing starheads config file to %s", output));
    WriteOutput(output, Format(u"%d\r\n", written) + table, report, writing);
}

void CFixOrginalKitNames::FixKits(TCompleteWorld& world, const TPersons& clubs, CReportModel& report)
{
    const ReportEntryHandle root = report.AddCategory(0, u"Orginal Kits");
    const std::u16string pairsPath = CToolFiles::Resolve(KitPairsPath);
    CHotfixFile pairsFile;
    if (!pairsFile.OpenRead(pairsPath)) {
        report.AddEntry(root, ReportType::Error, u"Error!",
                        Format(u"The configuration file %s is missing. Skipping orginal kits", pairsPath));
        return;
    }
    std::vector<std::pair<std::uint32_t, TTeamId>> pairs;
    for (std::u16string line; pairsFile.ReadLine(line);) {
        const std::size_t tab = line.find(u'\t');
        if (tab == std::u16string::npos) continue;
        pairs.emplace_back(static_cast<std::uint32_t>(WindowsStrToLong(line.c_str(), 10)),
                           static_cast<TTeamId>(WindowsStrToLong(line.c_str() + tab + 1, 16)));
    }
    const CBaseTextFile& known = GetClubIdList();
    report.SetProgressRange(0, known.GetCount() + static_cast<int>(pairs.size() + clubs.size()));
    report.SetProgressPos(0);

    const ReportEntryHandle current = report.AddCategory(root, u"Current kit state");
    std::map<std::uint32_t, const TClub*> users;
    std::vector<std::uint32_t> before;
    for (const TCountryClubPerson& entry : clubs) {
        TKit& kit = *entry.club->GetKit();
        before.push_back(kit.GetQaroKitId());
        if (kit.GetQaroKitId() != 0) {
            const auto [found, first] = users.emplace(kit.GetQaroKitId(), entry.club);
            if (!first) {
                report.AddEntry(current, ReportType::Warning,
                                Format(u"Qaro kit ID: %d was used twice. First at %s, now at %s", kit.GetQaroKitId(),
                                       found->second->GetName(), entry.club->GetName()));
            }
            kit.SetQaroKitId(0);
        }
        report.StepProgress(1);
    }

    const ReportEntryHandle assigned = report.AddCategory(root, u"New kit state");
    for (const auto& [kitId, teamId] : pairs) {
        TClub* club = world.GetClub(teamId);
        if (club == nullptr) {
            report.AddEntry(assigned, ReportType::Warning,
                            Format(u"Club with ID %.8X (Qaro ID: %d) not found", teamId, kitId));
        } else if (club->GetKit()->GetQaroKitId() != 0) {
            report.AddEntry(assigned, ReportType::Warning,
                            Format(u"Club %s has already kit ID: %d - Skipping kit ID: %d", club->GetName(),
                                   club->GetKit()->GetQaroKitId(), kitId));
        } else if (kitId != 0 && known.Contains(kitId)) {
            club->GetKit()->SetQaroKitId(kitId);
            report.AddEntry(assigned, ReportType::Info, Format(u"Assigned kit with ID %d to %s", kitId, club->GetName()));
        } else {
            report.AddEntry(assigned, ReportType::Info,
                            Format(u"Kit for club %s not found, even it has Qaro ID: %d", club->GetName(), kitId));
        }
        report.StepProgress(1);
    }

    std::set<std::uint32_t> inUse;
    for (const TCountryClubPerson& entry : clubs) inUse.insert(entry.club->GetKit()->GetQaroKitId());
    const ReportEntryHandle unused = report.AddCategory(root, u"Unused kits");
    for (int index = 0; index < known.GetCount(); ++index) {
        report.StepProgress(1);
        const std::uint32_t id = known.GetId(index);
        if (id == 0 || inUse.count(id) != 0) continue;
        report.AddEntry(unused, ReportType::Info,
                        Format(u"Kit with Qaro ID: %d is unused. The config string is %s", id, known.GetText(index)));
    }
    const ReportEntryHandle removed = report.AddCategory(root, u"Removed kits");
    for (std::size_t i = 0; i < clubs.size(); ++i) {
        if (before[i] == 0 || clubs[i].club->GetKit()->GetQaroKitId() != 0) continue;
        report.AddEntry(removed, ReportType::Info,
                        Format(u"Club %s has no kit anymore. It had the kit with the ID: %d", clubs[i].club->GetName(),
                               before[i]));
    }

    const ReportEntryHandle writing =
        report.AddCategory(root, Format(u"Writing localised kit files to %s", CToolFiles::Resolve(u"C:\\")));
    for (int language = 0; language < KitLanguages; ++language) {
        std::u16string table;
        int count = 0;
        for (const TCountryClubPerson& entry : clubs) {
            const std::uint32_t id = entry.club->GetKit()->GetQaroKitId();
            if (id == 0) continue;
            table += Format(u"%s\r\n%d\r\n", entry.club->GetNameForLanguage(language), id);
            ++count;
        }
        WriteOutput(CToolFiles::Resolve(Format(u"C:\\Output - Kits %d.txt", language)), Format(u"%d\r\n", count) + table,
                    report, writing);
    }
}

void CFixOrginalKitNames::WritePlayerList(const TPersons& players, CReportModel& report)
{
    std::u16string text = u"[StarHead-ID]\t[Player]\t[Club]\r\n";
    for (const TCountryClubPerson& entry : players) {
        const TPerson& person = *entry.person;
        text += Format(u"%d\t%s %s\t%s\r\n", person.GetFaceId(), person.GetFirstName(), person.GetLastName(),
                       ClubName(entry));
    }
    WriteOutput(CToolFiles::Resolve(PlayerListOutput), text, report, 0);
}

void CFixOrginalKitNames::Apply(TCompleteWorld* world, CHotfixFile*, CReportModel& report)
{
    if (world == nullptr) return;
    if (CToolFiles::Resolve(u"C:\\").empty()) {
        report.AddEntry(0, ReportType::Error, u"No folder is set for the tool files of drive C:",
                        u"Set EDITOR_TOOL_FILES_C to the folder that holds them.");
        return;
    }
    TPersons players;
    world->CollectPersons(players, 2);
    TPersons clubs;
    world->CollectPersons(clubs, 1);
    FixStarHeads(players, report);
    FixKits(*world, clubs, report);
    WritePlayerList(players, report);
}
