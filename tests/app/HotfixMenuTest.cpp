#include "app/HotfixMenu.h"

#include <gtest/gtest.h>

#include <string>

#include "app/MainWindowLaunchers.h"
#include "core/text/TextManager.h"
#include "core/files/ToolFiles.h"
#include "database/country/Country.h"
#include "database/world/WorldList.h"
#include "platform/Platform.h"
#include "resources/ResourceIds.h"
#include "tests/app/AppTestSupport.h"
#include "tests/ui/GuiTestSupport.h"
#include "tools/hotfix/BaseHotfix.h"
#include "tools/hotfix/HotfixManager.h"
#include "tools/report/ReportModel.h"
#include "win/WideText.h"

namespace {

// A fix without a file that notes its run in the report.
class CNoteFix : public CBaseHotfix {
public:
    CNoteFix() : CBaseHotfix(u"Zz report check", 1, 0) {}
    void Apply(TCompleteWorld* world, CHotfixFile* file, CReportModel& report) override
    {
        ran = world != nullptr && file == nullptr;
        report.AddEntry(0, ReportType::Info, u"ran");
    }
    bool ran = false;
};

// A window as a BMP beside the test program, turned into a PNG by the
// screenshot test.
void SaveShot(HWND window, const std::u16string& name)
{
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_ERASE);
    const std::vector<std::uint8_t> bitmap = gui_test::CaptureWindow(window);
    EXPECT_FALSE(bitmap.empty());
    testing_support::WriteBytes(testing_support::PicturePath(u"tests\\app\\" + name + u".bmp"), bitmap);
}

std::u16string MenuText(HMENU menu, UINT item, UINT by)
{
    wchar_t text[64] = {};
    ::GetMenuStringW(menu, item, text, 64, by);
    return reinterpret_cast<const char16_t*>(text);
}

class HotfixMenuTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CTextManager::Instance()->LoadFile(
            testing_support::SourcePath(u"data\\trdata\\DatabaseEditor.txt").c_str()));
        CTextManager::Instance()->SetLanguage(CTextManager::English);
        RegisterHotfixMenu(launchers_);
        bar_ = ::CreateMenu();
    }
    void TearDown() override
    {
        ::DestroyMenu(bar_);
        CHotfixManager::Instance().SetCreateMode(false);
    }

    HMENU Popup() const { return ::GetSubMenu(bar_, 0); }
    bool Checked(UINT id) const { return (::GetMenuState(Popup(), id, MF_BYCOMMAND) & MF_CHECKED) != 0; }

    // Runs the hot-fix file command: the file dialog is given path and OK,
    // and the report that follows is closed. Gives the file dialog's title.
    std::u16string RunWithFile(const std::u16string& path)
    {
        std::u16string dialogTitle;
        bool answered = false;
        gui_test::ModalDriver driver(
            [&] {
                if (!answered) {
                    HWND dialog = gui_test::FindThreadDialog();
                    HWND name = dialog == nullptr ? nullptr
                                : ::GetDlgItem(dialog, 1148) != nullptr ? ::GetDlgItem(dialog, 1148)
                                                                        : ::GetDlgItem(dialog, 1152);
                    if (name == nullptr) return false;
                    dialogTitle = gui_test::WindowText(dialog);
                    ::SetWindowTextW(name, win::W(path));
                    ::PostMessageW(::GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
                    answered = true;
                    return false;
                }
                HWND report = app_test::FindDialogWith(IDC_REPORT_COUNT);
                if (report == nullptr || !::IsWindowVisible(::GetDlgItem(report, IDC_REPORT_COUNT))) return false;
                ::SendMessageW(report, WM_COMMAND, IDCANCEL, 0);
                return true;
            },
            20000);
        launchers_.hotfixCommand(nullptr, 56790, 0, 0);
        EXPECT_FALSE(driver.TimedOut());
        return dialogTitle;
    }

    TMainWindowLaunchers launchers_;
    HMENU bar_ = nullptr;
};

}  // namespace

TEST_F(HotfixMenuTest, TheAmateurRuleIsOfferedAndCreateModeIsChecked)
{
    ASSERT_TRUE(launchers_.buildHotfixMenu && launchers_.hotfixCommand);
    launchers_.buildHotfixMenu(bar_);
    ASSERT_EQ(::GetMenuItemCount(bar_), 1);
    EXPECT_EQ(MenuText(bar_, 0, MF_BYPOSITION), u"Hotfixes");
    // "Fill Spain with teams and leagues" sorts first (56789) and is listed
    // only with the extended switch.
    ASSERT_EQ(::GetMenuItemCount(Popup()), 4);
    EXPECT_EQ(::GetMenuItemID(Popup(), 0), 56790u);
    EXPECT_EQ(MenuText(Popup(), 56790, MF_BYCOMMAND), u"Fix Amateur rule");
    EXPECT_EQ(::GetMenuItemID(Popup(), 1), 56791u);
    EXPECT_EQ(MenuText(Popup(), 56791, MF_BYCOMMAND), u"Various Lists/Fixes");
    EXPECT_NE(::GetMenuState(Popup(), 2, MF_BYPOSITION) & MF_SEPARATOR, 0u);
    EXPECT_EQ(::GetMenuItemID(Popup(), 3), 56792u);
    EXPECT_EQ(MenuText(Popup(), 56792, MF_BYCOMMAND), u"Create hotfix");

    launchers_.hotfixCommand(nullptr, 56792, 14, 0x000E0001);
    EXPECT_TRUE(Checked(56792));
    EXPECT_TRUE(CHotfixManager::Instance().IsCreateMode());
    EXPECT_EQ(CHotfixManager::Instance().GetSelectedCountry(), 14u);
    EXPECT_EQ(CHotfixManager::Instance().GetSelectedClub(), 0x000E0001u);
    launchers_.hotfixCommand(nullptr, 1234, 0, 0);
    EXPECT_TRUE(Checked(56792)) << "other commands leave the mode";
    launchers_.hotfixCommand(nullptr, 56792, 0, 0);
    EXPECT_FALSE(Checked(56792));
    EXPECT_FALSE(CHotfixManager::Instance().IsCreateMode());
}

TEST_F(HotfixMenuTest, AFixRunsInTheReportWindowTitledWithItsName)
{
    app_test::WorkingFolder folder(u"hotfix", true);
    GetWorldList().Clear();
    ASSERT_NE(GetWorldList().CreateCompleteWorld(), nullptr);
    CNoteFix fix;
    launchers_.buildHotfixMenu(bar_);
    ASSERT_EQ(MenuText(Popup(), 56792, MF_BYCOMMAND), u"Zz report check");
    std::u16string caption;
    bool counted = false;
    gui_test::ModalDriver driver([&] {
        HWND report = app_test::FindDialogWith(IDC_REPORT_COUNT);
        if (report == nullptr || !::IsWindowVisible(::GetDlgItem(report, IDC_REPORT_COUNT))) return false;
        caption = gui_test::WindowText(report);
        counted = true;
        ::SendMessageW(report, WM_COMMAND, IDCANCEL, 0);
        return true;
    });
    launchers_.hotfixCommand(nullptr, 56792, 14, 0);
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_TRUE(counted);
    EXPECT_TRUE(fix.ran);
    EXPECT_EQ(caption, u"Zz report check");
    GetWorldList().Clear();
}

TEST_F(HotfixMenuTest, TheAmateurRuleIsWrittenToTheFileChosenInTheSaveDialog)
{
    app_test::WorkingFolder folder(u"hotfix", true);
    GetWorldList().Clear();
    ASSERT_NE(GetWorldList().CreateCompleteWorld(), nullptr);
    launchers_.buildHotfixMenu(bar_);
    launchers_.hotfixCommand(nullptr, 56792, 0, 0);
    const std::u16string target = folder.Path() + u"\\rules.txt";
    EXPECT_EQ(RunWithFile(target), u"Browse for hotfix file (OUTPUT!)");
    const std::vector<std::uint8_t> bytes = testing_support::ReadBytes(target);
    ASSERT_EQ(bytes.size(), 328u);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 122),
              testing_support::ReadBytes(testing_support::SourcePath(u"tests\\tools\\golden\\hotfix_header_amateur_rule.bin")));
    GetWorldList().Clear();
}

TEST_F(HotfixMenuTest, VariousListsOffersItsScriptsAndTheClubListIsWritten)
{
    // Drive C's folder set, then the default: the prefix's own drive C.
    for (const bool ownFolder : {true, false}) {
        SCOPED_TRACE(ownFolder);
        app_test::WorkingFolder folder(u"hotfix", true);
        GetWorldList().Clear();
        ASSERT_NE(GetWorldList().CreateCompleteWorld(), nullptr);
        CToolFiles::SetFolder(u'C', ownFolder ? folder.Path() : u"");
        const std::u16string written = ownFolder ? folder.Path() + u"\\Clubs.txt" : std::u16string(u"C:\\Clubs.txt");
        platform::RemoveFile(written);
        launchers_.buildHotfixMenu(bar_);
        int offered = 0;
        bool picked = false;
        gui_test::ModalDriver driver(
            [&] {
                if (!picked) {
                    // The picker is the report worker's: it lives on that thread.
                    HWND box = app_test::FindDialogWith(IDC_INPUT_BOX_CHOICES, ::GetCurrentProcessId());
                    if (box == nullptr) return false;
                    HWND combo = ::GetDlgItem(box, IDC_INPUT_BOX_CHOICES);
                    offered = static_cast<int>(::SendMessageW(combo, CB_GETCOUNT, 0, 0));
                    ::SendMessageW(combo, CB_SETCURSEL, 4, 0);
                    ::SendMessageW(box, WM_COMMAND, MAKEWPARAM(IDC_INPUT_BOX_CHOICES, CBN_SELCHANGE),
                                   reinterpret_cast<LPARAM>(combo));
                    SaveShot(box, u"hotfix-picker");
                    ::PostMessageW(::GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
                    picked = true;
                    return false;
                }
                HWND report = app_test::FindDialogWith(IDC_REPORT_COUNT);
                if (report == nullptr || !::IsWindowVisible(::GetDlgItem(report, IDC_REPORT_COUNT))) return false;
                SaveShot(report, u"hotfix-report");
                ::SendMessageW(report, WM_COMMAND, IDCANCEL, 0);
                return true;
            },
            20000);
        launchers_.hotfixCommand(nullptr, 56791, 14, 0);
        CToolFiles::SetFolder(u'C', u"");
        EXPECT_FALSE(driver.TimedOut());
        EXPECT_EQ(offered, 21);
        const std::vector<std::uint8_t> list = testing_support::ReadBytes(written);
        ASSERT_GT(list.size(), 2u);
        EXPECT_EQ(list[0], 0xFF);
        EXPECT_EQ(list[1], 0xFE);
        platform::RemoveFile(written);
        ::DestroyMenu(::GetSubMenu(bar_, 0));
        ::RemoveMenu(bar_, 0, MF_BYPOSITION);
        GetWorldList().Clear();
    }
}

// Applying "Fix Amateur rule" from a file chosen in the open dialog.
struct TApplyCase {
    const char* name;
    std::uint32_t version;  // in the file's header
    bool applied;
};

TEST_F(HotfixMenuTest, AppliedFromTheOpenDialogAFileRestoresRulesOrIsRefusedWithTheMessage)
{
    const TApplyCase cases[] = {{"own header", 3, true}, {"version 2 for version 3", 2, false}};
    for (const TApplyCase& c : cases) {
        SCOPED_TRACE(c.name);
        app_test::WorkingFolder folder(u"hotfix", true);
        GetWorldList().Clear();
        TCompleteWorld* world = GetWorldList().CreateCompleteWorld();
        ASSERT_NE(world, nullptr);
        const std::u16string source = folder.Path() + u"\\rules.txt";
        std::string bytes;
        for (char ch : "HotfixManagerVersion: 2\r\nName: Fix Amateur rule\r\nVersion: " + std::to_string(c.version) + "\r\n") {
            bytes.push_back(ch);
            bytes.push_back('\0');
        }
        for (int id = 1; id <= 206; ++id) bytes.push_back(static_cast<char>(id % 4));
        testing_support::WriteBytes(source, bytes);
        for (int id = 1; id <= 206; ++id) world->GetCountry(id)->SetAmateurRule(0);
        launchers_.buildHotfixMenu(bar_);
        testing_support::MessageCapture messages;
        EXPECT_EQ(RunWithFile(source), u"Browse for hotfix file");
        EXPECT_EQ(world->GetCountry(5)->GetAmateurRule(), c.applied ? 1 : 0);
        EXPECT_EQ(world->GetCountry(206)->GetAmateurRule(), c.applied ? 206 % 4 : 0);
        if (c.applied) {
            EXPECT_TRUE(messages.Messages().empty());
        } else {
            ASSERT_EQ(messages.Messages().size(), 1u);
            EXPECT_EQ(messages.Messages()[0], u"Invalid hotfix file for version");
        }
        ::DestroyMenu(::GetSubMenu(bar_, 0));
        ::RemoveMenu(bar_, 0, MF_BYPOSITION);
        GetWorldList().Clear();
    }
}
