#include "app/AdministrationTools.h"

#include <vector>

#include "app/DlgMainMenu.h"
#include "app/LedraApp.h"
#include "app/MainWindowLaunchers.h"
#include "core/AppMessage.h"
#include "core/files/FileMessages.h"
#include "core/text/Format.h"
#include "core/text/TextManager.h"
#include "core/text/TextTools.h"
#include "core/files/ToolFiles.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/world/DatabaseSnapshot.h"
#include "database/world/WorldList.h"
#include "platform/Platform.h"
#include "tools/admin/AdministrationMenu.h"
#include "tools/admin/ClubNameFile.h"
#include "tools/admin/ColourDump.h"
#include "tools/admin/LeagueDataFile.h"
#include "win/WideText.h"

namespace {

constexpr char16_t ColourDumpPath[] = u"D:\\TeamColors.html";
constexpr char16_t LeagueDataFilter[] = u"League data files|*.lgb|All files|*.*||";
constexpr char16_t ClubNameFilter[] = u"Country Name file|*.bin|All Files|*.*||";

void Say(const std::u16string& text) { GetEditorApp().ShowMessageBox(text.c_str(), AppMessage::Ok); }

void AppendEntries(HMENU menu, const std::vector<TAdminMenuEntry>& entries)
{
    using Kind = TAdminMenuEntry::Kind;
    for (const TAdminMenuEntry& entry : entries) {
        const wchar_t* caption = win::W(entry.caption);
        switch (entry.kind) {
        case Kind::Item: ::AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(entry.id), caption); break;
        case Kind::Separator: ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr); break;
        case Kind::Heading: ::AppendMenuW(menu, MF_STRING | MF_GRAYED | MF_DISABLED, 0, caption); break;
        case Kind::Popup: {
            HMENU popup = ::CreatePopupMenu();
            AppendEntries(popup, entry.children);
            ::AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), caption);
            break;
        }
        }
    }
}

bool WriteOrSay(const std::u16string& path, std::span<const std::uint8_t> bytes)
{
    if (platform::WriteFileAtomic(path, bytes)) return true;
    Say(u"The file " + path + u" could not be written.");
    return false;
}

// The country of the selected row of the country list; null, after saying
// so, when none is selected.
TCountry* SelectedCountry(DlgMainMenu& window)
{
    const int id = window.GetSelectedCountryId() & 0xFF;
    TCountry* country = id != 0 ? GetWorld()->GetCountry(id) : nullptr;
    if (country == nullptr || country->GetId() != id) {
        Say(u"No country is selected.");
        return nullptr;
    }
    return country;
}

void DumpColours()
{
    const std::u16string path = CToolFiles::Resolve(ColourDumpPath);
    if (path.empty()) {
        Say(u"No folder is set for the drive of " + std::u16string(ColourDumpPath) + u".");
        return;
    }
    const std::string page = WriteColourDump(GetEditorApp().GetGuiColours());
    WriteOrSay(path, std::span(reinterpret_cast<const std::uint8_t*>(page.data()), page.size()));
}

void CreateRestorationFile()
{
    CDatabaseSnapshot snapshot;
    snapshot.Create(GetEditorApp().GetBaseFolder() + u"\\trdata\\Restore.big");
}

void SetDatabaseLanguage(DlgMainMenu& window, int language)
{
    GetWorld()->SetDatabaseLanguage(static_cast<std::uint8_t>(language));
    window.FillCountryList();
    window.FillClubList();
}

void SetTextLanguage(int language)
{
    CTextManager* texts = CTextManager::Instance();
    texts->SetLongestTextMode(language < 0);
    if (language >= 0) texts->SetLanguage(language);
}

// A failed load empties the store, so the file is tried on a scratch store
// first and the texts in use stay when it does not load.
void ReloadTexts()
{
    const std::u16string path = GetEditorApp().GetBaseFolder() + u"\\" + CLedraApp::GetLocalisationFilePath();
    std::vector<std::uint8_t> bytes;
    CTextManager scratch;
    if (!platform::ReadWholeFile(path, bytes) || !scratch.LoadFromBytes(bytes)) {
        ShowFileNotFound(path.c_str());
        return;
    }
    CTextManager::Instance()->LoadFromBytes(bytes);
}

void ProcessTransfers(DlgMainMenu& window)
{
    if (!GetMainWindowLaunchers().processTransfers) return;
    GetMainWindowLaunchers().processTransfers(window.Handle());
    window.RefreshFromWorld();
}

void LeagueData(DlgMainMenu& window, bool import)
{
    TCountry* country = SelectedCountry(window);
    if (country == nullptr) return;
    TCompetitionRegistry& registry = GetWorld()->GetCompetitions();
    const auto id = static_cast<std::uint32_t>(country->GetId());
    const std::u16string path =
        window.ChooseFile(import, u"lgb", LeagueDataFilter, {}, import ? std::u16string() : Format(u"Country%d", country->GetId()));
    if (path.empty()) return;
    if (!import) {
        if (WriteOrSay(path, CLeagueDataFile::Export(registry, id))) Say(u"Successful");
        return;
    }
    std::vector<std::uint8_t> bytes;
    if (!platform::ReadWholeFile(path, bytes)) {
        ShowFileNotFound(path.c_str());
        return;
    }
    CLeagueDataFile file;
    std::u16string error;
    if (!file.Read(bytes, registry, id, error)) {
        Say(error);
        return;
    }
    file.Apply(registry);
    Say(u"Successful");
}

void ClubNames(DlgMainMenu& window, bool exportNames)
{
    TCountry* country = SelectedCountry(window);
    if (country == nullptr) return;
    const std::u16string name = country->GetName();
    const std::u16string path = window.ChooseFile(!exportNames, u"bin", ClubNameFilter,
                                                  (exportNames ? u"Export " : u"Import ") + name,
                                                  exportNames ? SanitisedFileName(name) : std::u16string());
    if (path.empty()) return;
    if (exportNames) {
        if (WriteOrSay(path, CClubNameFile::Export(*country))) Say(u"Club names saved");
        return;
    }
    std::vector<std::uint8_t> bytes;
    if (!platform::ReadWholeFile(path, bytes)) {
        ShowFileNotFound(path.c_str());
        return;
    }
    CClubNameFile file;
    std::u16string error;
    if (!file.Read(bytes, *GetWorld(), country->GetId(), error)) {
        Say(error);
        return;
    }
    file.Apply();
    window.FillClubList();
    Say(u"Successful");
}

}  // namespace

void BuildAdministrationMenu(HMENU windowMenu)
{
    if (!IsAdminMode() || windowMenu == nullptr) return;
    HMENU popup = ::CreatePopupMenu();
    AppendEntries(popup, BuildAdministrationTree(GetAdministrationTable()));
    ::AppendMenuW(windowMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), L"Administration");
}

void OnAdministrationCommand(DlgMainMenu& window, int id)
{
    const TAdminTableRow* row = FindAdministrationCommand(id);
    if (row == nullptr || GetWorld() == nullptr) return;
    switch (row->tool) {
    case AdminTool::ColourDump: DumpColours(); break;
    case AdminTool::RestorationFile: CreateRestorationFile(); break;
    case AdminTool::ClubNames: ClubNames(window, row->argument == 1); break;
    case AdminTool::DatabaseLanguage: SetDatabaseLanguage(window, row->argument); break;
    case AdminTool::TextLanguage: SetTextLanguage(row->argument); break;
    case AdminTool::ReloadTexts: ReloadTexts(); break;
    case AdminTool::ProcessTransfers: ProcessTransfers(window); break;
    case AdminTool::LeagueData: LeagueData(window, row->argument == 1); break;
    case AdminTool::None: break;
    }
}
