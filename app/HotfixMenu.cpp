#include "app/HotfixMenu.h"

#include <windows.h>

#include "app/MainWindowLaunchers.h"
#include "core/AppMessage.h"
#include "tools/hotfix/FixLeagueLevelIncreasement.h"
#include "tools/hotfix/FixVariousDataEnum.h"
#include "tools/hotfix/GenerateCountryTeams.h"
#include "tools/hotfix/HotfixManager.h"
#include "ui/dialogs/DlgCommonReport.h"
#include "ui/dialogs/DlgInputBox.h"
#include "win/FileDialog.h"
#include "win/WideText.h"

namespace {

// The window that owns the dialogs of the command being handled, and the
// popup whose "Create hotfix" check follows the create mode.
struct THotfixWindows {
    HWND owner = nullptr;
    HMENU popup = nullptr;
};

THotfixWindows& Windows()
{
    static THotfixWindows windows;
    return windows;
}

std::u16string ChooseHotfixFile(const AppFileChoice& choice, void*)
{
    const std::u16string filter(choice.filter);
    const std::u16string extension(choice.extension);
    const DWORD flags = OFN_NOCHANGEDIR | OFN_ENABLESIZING | OFN_EXPLORER |
                        (choice.save ? OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST : OFN_FILEMUSTEXIST);
    win::CFileDialog dialog(!choice.save, extension.c_str(), filter.c_str(), flags, Windows().owner);
    dialog.SetTitle(std::u16string(choice.title));
    return dialog.Run() ? dialog.GetPath() : std::u16string();
}

// Asked from the report's worker: the box is owned by the main window,
// whose thread waits in the modal report.
int PickFromList(const AppListChoice& choice, void*)
{
    CDlgInputBox box(Windows().owner);
    box.SetTexts((std::u16string(choice.caption) + u"\t" + std::u16string(choice.prompt)).c_str(), nullptr);
    for (std::size_t index = 0; index < choice.items.size(); ++index) {
        box.AddChoice(choice.items[index].c_str(), static_cast<std::uint32_t>(index));
    }
    if (box.DoModal(Windows().owner) != IDOK) return -1;
    return static_cast<int>(box.GetSelectedValue());
}

void RunReport(ICommonReportHandler& handler, std::u16string_view title)
{
    CDlgCommonReport report(handler, Windows().owner);
    report.Report().SetTitle(title);
    report.DoModal(Windows().owner);
}

void BuildHotfixMenu(HMENU windowMenu)
{
    CHotfixManager& manager = CHotfixManager::Instance();
    if (windowMenu == nullptr || !manager.BuildMenu(true)) return;
    HMENU popup = ::CreatePopupMenu();
    for (const THotfixMenuItem& item : manager.GetMenu()) {
        if (item.separator) {
            ::AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
        } else {
            ::AppendMenuW(popup, MF_STRING | (item.checked ? MF_CHECKED : MF_UNCHECKED), item.id, win::W(item.text));
        }
    }
    ::AppendMenuW(windowMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), L"Hotfixes");
    Windows().popup = popup;
}

bool IsFixCommand(const CHotfixManager& manager, int command)
{
    const auto offset = static_cast<std::uint32_t>(command) - CHotfixManager::FirstCommandId;
    return manager.IsEnabled() && command >= static_cast<int>(CHotfixManager::FirstCommandId) &&
           offset < static_cast<std::uint32_t>(manager.GetFixCount());
}

bool HandleHotfixCommand(HWND owner, int command, int countryId, std::uint32_t clubId)
{
    CHotfixManager& manager = CHotfixManager::Instance();
    manager.SetSelection(static_cast<std::uint32_t>(countryId), clubId);
    Windows().owner = owner;
    const AppFileChooserSink previous = SetAppFileChooser({ChooseHotfixFile, nullptr});
    const AppListPickerSink previousPicker = SetAppListPicker({PickFromList, nullptr});
    manager.SetReportRunner(RunReport);
    manager.OnCommand(static_cast<std::uint32_t>(command));
    SetAppListPicker(previousPicker);
    SetAppFileChooser(previous);
    Windows().owner = nullptr;
    if (Windows().popup != nullptr && manager.GetCreateItemId() != 0) {
        ::CheckMenuItem(Windows().popup, manager.GetCreateItemId(),
                        MF_BYCOMMAND | (manager.IsCreateMode() ? MF_CHECKED : MF_UNCHECKED));
    }
    return IsFixCommand(manager, command);
}

}  // namespace

void RegisterHotfixMenu(TMainWindowLaunchers& launchers)
{
    // The fixes offered from the start; the others are made only where needed.
    static CFixLeagueLevelIncreasement amateurRule;
    static CFixVariousDataEnum enumerationScripts;
    static CGenerateCountryTeams countryTeams;
    launchers.buildHotfixMenu = BuildHotfixMenu;
    launchers.hotfixCommand = HandleHotfixCommand;
}
