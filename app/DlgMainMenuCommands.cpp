// The main window's commands: its buttons, its menu, the club list's
// double click and context menu. Editors and tools are reached through the
// launchers; a command whose target is missing stays disabled.
#include "app/DlgMainMenu.h"

#include "app/AdministrationTools.h"
#include "app/DlgNewClub.h"
#include "app/LedraApp.h"
#include "app/MainWindowLaunchers.h"
#include "app/ToolServices.h"
#include "core/AppMessage.h"
#include "core/text/TextManager.h"
#include "core/text/TextTools.h"
#include "database/club/Club.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/world/DatabaseSnapshot.h"
#include "database/export/LongtimeExport.h"
#include "database/world/WorldList.h"
#include "resources/ResourceIds.h"
#include "ui/dialogs/MyFileDialog.h"

namespace {

TMainWindowLaunchers& Launchers() { return GetMainWindowLaunchers(); }
bool Always() { return true; }

constexpr int MaxClubRowsForNewClub = 511;
constexpr int FilterCapacity = 512;

}  // namespace

struct DlgMainMenu::Command {
    int id;
    void (DlgMainMenu::*run)();
    bool needsClub;
    bool refusedForNationalTeam;
    bool (*available)();
};

const DlgMainMenu::Command* DlgMainMenu::FindCommand(int id)
{
    static const Command commands[] = {
        {IDC_MAIN_CLUB_SETTINGS, &DlgMainMenu::OnClubSettings, true, false, [] { return bool(Launchers().clubSettings); }},
        {IDC_MAIN_SQUAD, &DlgMainMenu::OnSquad, true, false, [] { return bool(Launchers().squad); }},
        {IDC_MAIN_COUNTRY_EDITOR, &DlgMainMenu::OnCountryEditor, false, false,
         [] { return bool(Launchers().countryEditor); }},
        {IDC_MAIN_CONTINENTS, &DlgMainMenu::OnContinents, false, false, [] { return bool(Launchers().continents); }},
        {IDC_MAIN_NATIONAL_TEAM, &DlgMainMenu::OnNationalTeam, false, false,
         [] { return bool(Launchers().nationalTeam); }},
        {IDC_MAIN_PLAYER_SEARCH, &DlgMainMenu::OnPlayerSearch, false, false,
         [] { return Launchers().playerSearch && Launchers().searchResult; }},
        {IDC_MAIN_PLAYERS_WITHOUT_CLUB, &DlgMainMenu::OnPlayersWithoutClub, false, false,
         [] { return bool(Launchers().playersWithoutClub); }},
        {IDC_MAIN_DUPLICATE_PLAYERS, &DlgMainMenu::OnDuplicatePlayers, false, false,
         [] { return bool(Launchers().duplicatePlayers); }},
        {IDC_MAIN_COUNTRY_PLAYER_LIST, &DlgMainMenu::OnCountryPlayerList, false, false,
         [] { return bool(Launchers().countryPlayerList); }},
        {IDC_MAIN_QUICK_TRANSFER, &DlgMainMenu::OnQuickTransfer, false, false,
         [] { return bool(Launchers().quickTransfer); }},
        {ID_MAIN_LOCALISED_NAMES, &DlgMainMenu::OnLocalisedNames, false, false,
         [] { return bool(Launchers().localisedNames); }},
        {ID_MAIN_TOWNS, &DlgMainMenu::OnTowns, false, false, [] { return bool(Launchers().towns); }},
        {ID_MAIN_COUNTRY_LIST_TOOL, &DlgMainMenu::OnCountryListTool, false, false,
         [] { return bool(Launchers().countryListTool); }},
        {ID_MAIN_CONTRACT_CHECK, &DlgMainMenu::OnContractCheck, false, false,
         [] { return bool(Launchers().contractCheck); }},
        {ID_MAIN_BADGE_CHECK, &DlgMainMenu::OnBadgeCheck, false, false, [] { return bool(Launchers().badgeCheck); }},
        {ID_MAIN_PROBLEM_CHECKER, &DlgMainMenu::OnProblemChecker, false, false,
         [] { return bool(Launchers().problemChecker); }},
        {ID_MAIN_SAVE, &DlgMainMenu::OnSave, false, false, Always},
        {IDC_MAIN_EXPORT, &DlgMainMenu::OnExportIntoGame, false, false, Always},
        {ID_MAIN_EXIT, &DlgMainMenu::Close, false, false, Always},
        {ID_MAIN_RESTORE, &DlgMainMenu::OnRestore, false, false, Always},
        {ID_MAIN_SNAPSHOT_IMPORT, &DlgMainMenu::OnSnapshotImport, false, false, Always},
        {ID_MAIN_SNAPSHOT_EXPORT, &DlgMainMenu::OnSnapshotExport, false, false, Always},
        {ID_CLUB_EXPORT, &DlgMainMenu::OnClubExport, true, true, Always},
        {ID_CLUB_IMPORT, &DlgMainMenu::OnClubImport, true, false, Always},
        {ID_CLUB_NEW, &DlgMainMenu::OnNewClub, false, false, Always},
        {ID_CLUB_DELETE, &DlgMainMenu::OnDeleteClub, true, true, Always},
        {ID_CLUB_CLEAR_SQUAD, &DlgMainMenu::OnClearSquad, true, false, Always},
    };
    for (const Command& command : commands) {
        if (command.id == id) return &command;
    }
    return nullptr;
}

void DlgMainMenu::EnableCommands()
{
    HMENU menu = ::GetMenu(Handle());
    for (int id : {IDC_MAIN_CLUB_SETTINGS, IDC_MAIN_SQUAD, IDC_MAIN_COUNTRY_EDITOR, IDC_MAIN_CONTINENTS,
                   IDC_MAIN_NATIONAL_TEAM, IDC_MAIN_PLAYER_SEARCH, IDC_MAIN_PLAYERS_WITHOUT_CLUB,
                   IDC_MAIN_DUPLICATE_PLAYERS, IDC_MAIN_COUNTRY_PLAYER_LIST, IDC_MAIN_QUICK_TRANSFER,
                   ID_MAIN_LOCALISED_NAMES, ID_MAIN_TOWNS, ID_MAIN_COUNTRY_LIST_TOOL, ID_MAIN_CONTRACT_CHECK,
                   ID_MAIN_BADGE_CHECK, ID_MAIN_PROBLEM_CHECKER}) {
        const bool available = FindCommand(id)->available();
        if (HWND button = GetItem(id)) ::EnableWindow(button, available);
        if (menu != nullptr) ::EnableMenuItem(menu, static_cast<UINT>(id), MF_BYCOMMAND | (available ? MF_ENABLED : MF_GRAYED));
    }
}

bool DlgMainMenu::RunCommand(int id)
{
    const Command* command = FindCommand(id);
    if (command == nullptr) return false;
    if (!command->available()) return true;
    if (command->needsClub) {
        const TClub* club = GetSelectedClub();
        if (club == nullptr) return true;
        if (command->refusedForNationalTeam && IsNationalTeamId(club->GetId())) return true;
    }
    (this->*command->run)();
    return true;
}

bool DlgMainMenu::OnNotify(const NMHDR& header, LRESULT& result)
{
    if (header.idFrom != IDC_MAIN_CLUBS) return CDialogB::OnNotify(header, result);
    if (header.code == NM_DBLCLK) {
        RunCommand(IDC_MAIN_SQUAD);
        return true;
    }
    if (header.code == NM_RCLICK) {
        OnClubContextMenu();
        return true;
    }
    return CDialogB::OnNotify(header, result);
}

TClub* DlgMainMenu::GetSelectedClub() const
{
    const TCompleteWorld* world = GetWorld();
    const std::uint32_t id = GetSelectedClubId();
    return world != nullptr && id != 0 ? world->GetClub(id) : nullptr;
}

void DlgMainMenu::Refresh()
{
    FillClubList();
    UpdateStatistics();
}

void DlgMainMenu::OnClubSettings()
{
    TCountry* country = CurrentCountry();
    if (country == nullptr) return;
    std::vector<std::uint32_t> rows;
    for (int row = 0; row < clubList_.GetItemCount(); ++row) {
        const auto* entry = reinterpret_cast<const ClubListEntry*>(clubList_.GetItemData(row));
        if (entry != nullptr && entry->clubId != 0) rows.push_back(entry->clubId);
    }
    Launchers().clubSettings(Handle(), *GetSelectedClub(), *country, rows);
    FillClubList();
}

void DlgMainMenu::OnSquad()
{
    TClub* club = GetSelectedClub();
    if (IsNationalTeamId(club->GetId())) {
        OnNationalTeam();
        return;
    }
    if (Launchers().squad(Handle(), *club) == IDOK) Refresh();
}

void DlgMainMenu::OnCountryEditor()
{
    TCountry* country = CurrentCountry();
    if (country != nullptr && Launchers().countryEditor(Handle(), *country) == IDOK) Refresh();
}

void DlgMainMenu::OnContinents() { Launchers().continents(Handle()); }

void DlgMainMenu::OnNationalTeam()
{
    if (Launchers().nationalTeam) Launchers().nationalTeam(Handle(), country_);
}

void DlgMainMenu::OnPlayersWithoutClub() { Launchers().playersWithoutClub(Handle()); }

void DlgMainMenu::OnDuplicatePlayers()
{
    TCountry* country = CurrentCountry();
    Launchers().duplicatePlayers(Handle(), country, country != nullptr ? GetSelectedClub() : nullptr);
}

void DlgMainMenu::OnCountryPlayerList()
{
    if (TCountry* country = CurrentCountry()) Launchers().countryPlayerList(Handle(), *country);
}

void DlgMainMenu::OnQuickTransfer() { Launchers().quickTransfer(Handle(), country_); }

void DlgMainMenu::OnLocalisedNames()
{
    TCountry* country = CurrentCountry();
    Launchers().localisedNames(Handle(), country, country != nullptr ? GetSelectedClub() : nullptr);
}

void DlgMainMenu::OnTowns() { Launchers().towns(Handle(), GetSelectedCountryId() & 0xFF); }

void DlgMainMenu::OnCountryListTool() { Launchers().countryListTool(Handle()); }

void DlgMainMenu::OnContractCheck()
{
    const char16_t* question = CTextManager::Instance()->GetText(u"GlobalTools.CheckPlayerContracts"_tk);
    const int answer = GetEditorApp().ShowMessageBox(question, AppMessage::YesNoCancel | AppMessage::IconQuestion);
    if (answer == AppMessage::IdYes || answer == AppMessage::IdNo)
        Launchers().contractCheck(Handle(), answer == AppMessage::IdYes);
}

void DlgMainMenu::OnBadgeCheck() { Launchers().badgeCheck(Handle()); }

void DlgMainMenu::OnProblemChecker() { Launchers().problemChecker(Handle()); }

void DlgMainMenu::OnPlayerSearch()
{
    TPlayerSearchCriteria criteria;
    if (Launchers().playerSearch(Handle(), criteria) != IDOK) return;
    for (;;) {
        std::uint32_t chosenClub = 0;
        if (Launchers().searchResult(Handle(), criteria, chosenClub) != IDOK) return;
        TCompleteWorld* world = GetWorld();
        TClub* club = world != nullptr && chosenClub != 0 ? world->GetClub(chosenClub) : nullptr;
        if (club != nullptr) {
            if (Launchers().squad && Launchers().squad(Handle(), *club) == IDOK) Refresh();
            return;
        }
        criteria = TPlayerSearchCriteria{};
        if (Launchers().playerSearch(Handle(), criteria) != IDOK) return;
    }
}

void DlgMainMenu::OnSave()
{
    CLongtimeExportSave save;
    save.Execute();
}

void DlgMainMenu::OnExportIntoGame()
{
    // A second export started while one runs waits a little, then gives up
    // without a word, as the export itself does.
    std::unique_lock lock(exportMutex_, std::chrono::milliseconds(2000));
    if (lock.owns_lock()) ExportIntoGame();
}

void DlgMainMenu::OnRestore()
{
    if (PromptRestoreFromBackup()) Close();
}

std::u16string DlgMainMenu::SnapshotFile(bool open)
{
    char16_t filter[FilterCapacity] = {};
    GetFilterText(u"Dialog.Main.SnapshotFilter"_tk, filter, FilterCapacity);
    const char16_t* title = GetText(open ? u"Dialog.Main.SnapshotImportTitle"_tk : u"Dialog.Main.SnapshotExportTitle"_tk);
    return ChooseFile(open, u"dbs", filter, title, {});
}

void DlgMainMenu::OnSnapshotImport()
{
    const std::u16string path = SnapshotFile(true);
    if (path.empty()) return;
    CDatabaseSnapshot snapshot;
    // The files on disk now differ from the world in memory, which a later
    // save would write back over them: the program starts again instead.
    if (!snapshot.Restore(path) || !snapshot.HasSucceeded()) return;
    GetEditorApp().SetRestartOnExit(true);
    Close();
}

void DlgMainMenu::OnSnapshotExport()
{
    const std::u16string path = SnapshotFile(false);
    if (path.empty()) return;
    CDatabaseSnapshot snapshot;
    snapshot.Create(path);
}

void DlgMainMenu::OnClubExport()
{
    const TClub* club = GetSelectedClub();
    char16_t filter[FilterCapacity] = {};
    GetFilterText(u"Database.Club.ClubFormat"_tk, filter, FilterCapacity);
    const std::u16string path = ChooseFile(false, u"clb", filter, {}, SanitisedFileName(club->GetName()));
    if (!path.empty()) club->ExportClubFile(path);
}

void DlgMainMenu::OnClubImport()
{
    TClub* club = GetSelectedClub();
    if (IsNationalTeamId(club->GetId())) {
        GetEditorApp().ShowMessageBox(GetText(u"Dialog.Main.ErrorNationalTeamOverwrite"_tk), AppMessage::Ok | AppMessage::IconError);
        return;
    }
    char16_t filter[FilterCapacity] = {};
    GetFilterText(u"Database.Club.ClubFormat"_tk, filter, FilterCapacity);
    const std::u16string path = ChooseFile(true, u"clb", filter, {}, {});
    if (!path.empty()) club->ImportClubFile(path);
    FillClubList();
}

void DlgMainMenu::OnNewClub()
{
    if (clubList_.GetItemCount() >= MaxClubRowsForNewClub) return;
    std::u16string name;
    if (!AskNewClubName(name)) return;
    TCountry* country = CurrentCountry();
    if (country == nullptr) return;
    const TTeamId id = country->CreateClub(name.c_str());
    if (TeamCountry(id) == 0) return;
    FillClubList();
    country->ResizePoolToDefault();
    UpdateStatistics();
}

void DlgMainMenu::OnDeleteClub()
{
    TCountry* country = CurrentCountry();
    TClub* club = GetSelectedClub();
    if (country == nullptr || TeamCountry(club->GetId()) == 0) return;
    country->RemoveClub(club, true, true);
    Refresh();
}

void DlgMainMenu::OnClearSquad()
{
    const char16_t* question = GetText(u"Dialog.Main.PromptClearSquad"_tk);
    if (GetEditorApp().ShowMessageBox(question, AppMessage::YesNo | AppMessage::IconQuestion) != AppMessage::IdYes)
        return;
    GetSelectedClub()->ClearSquad();
    RefreshFromWorld();
}

void DlgMainMenu::OnClubContextMenu()
{
    HMENU menu = GetListCtrlContextMenu(clubList_, IDR_CLUB_CONTEXT_MENU, 0);
    if (menu == nullptr) return;
    TranslateMenu(menu);
    const TClub* club = GetSelectedClub();
    const bool national = club != nullptr && IsNationalTeamId(club->GetId());
    const auto enable = [menu](int id, bool on) {
        ::EnableMenuItem(menu, static_cast<UINT>(id), MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
    };
    enable(ID_CLUB_DELETE, club != nullptr && !national && club->IsCreatedInEditor());
    for (int id : {ID_CLUB_CLEAR_SQUAD, ID_CLUB_EXPORT, ID_CLUB_IMPORT}) enable(id, club != nullptr && !national);
    enable(IDC_MAIN_CLUB_SETTINGS, club != nullptr && FindCommand(IDC_MAIN_CLUB_SETTINGS)->available());
    enable(IDC_MAIN_SQUAD, club != nullptr && FindCommand(IDC_MAIN_SQUAD)->available());
    TrackClubMenu(menu);
}

std::u16string DlgMainMenu::ChooseFile(bool open, const char16_t* extension, const char16_t* filter,
                                       const std::u16string& title, const std::u16string& defaultName)
{
    const DWORD flags = open ? OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR
                             : OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
    CMyFileDialog dialog(open, extension, filter, flags, Handle());
    if (!title.empty()) dialog.SetTitle(title);
    if (!defaultName.empty()) dialog.SetFileName(defaultName);
    return dialog.Run() ? dialog.GetPath() : std::u16string();
}

bool DlgMainMenu::AskNewClubName(std::u16string& name)
{
    CDlgNewClub dialog(Handle());
    if (dialog.DoModal() != IDOK) return false;
    name = dialog.GetName();
    return true;
}
