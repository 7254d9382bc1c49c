#include "ui/dialogs/DlgCommonReport.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>

#include "core/text/TextManager.h"
#include "platform/Platform.h"
#include "resources/ResourceIds.h"
#include "tests/common/TestSupport.h"
#include "tests/ui/GalleryIds.h"
#include "tests/ui/GuiTestSupport.h"
#include "tools/report/ReportHtml.h"
#include "win/ShellOpen.h"
#include "win/WideText.h"

namespace {

using gui_test::ItemText;

// 1,000 entries of every type under one category; it waits half-way until
// released, polling the close request, then prunes and sorts from its thread.
class TestProducer : public ICommonReportHandler {
public:
    std::atomic<bool> release{false};
    std::atomic<bool> stoppedEarly{false};

    void Run(CReportModel& report) override
    {
        report.SetTitle(u"Test report");
        report.SetProgressRange(0, 1000);
        report.AddCategory(0, u"Empty");
        const ReportEntryHandle clubs = report.AddCategory(0, u"Clubs");
        for (int i = 0; i < 1000; ++i) {
            while (i == 500 && !release) {
                if (report.IsCloseRequested()) {
                    stoppedEarly = true;
                    return;
                }
                ::Sleep(5);
            }
            report.AddEntry(clubs, ReportType::Info + i % 4, u"Entry", u"Line one\r\nline two");
            report.StepProgress(1);
        }
        report.RemoveEmptyCategories();
        report.SortByType();
    }
};

// The report of the one-category example.
class ExampleProducer : public ICommonReportHandler {
public:
    void Run(CReportModel& report) override
    {
        report.SetTitle(u"Check");
        const ReportEntryHandle clubs = report.AddCategory(0, u"Clubs");
        report.AddEntry(clubs, ReportType::Warning, u"Low", u"first");
        report.AddEntry(clubs, ReportType::Warning, u"High");
    }
};

// Runs for about a second whatever the window does, adding as it goes, so
// that a window that ends meanwhile must wait for it.
class SecondLongProducer : public ICommonReportHandler {
public:
    std::atomic<bool> started{false};
    std::atomic<bool> ended{false};

    void Run(CReportModel& report) override
    {
        const ReportEntryHandle category = report.AddCategory(0, u"Slow");
        started = true;
        for (int step = 0; step < 100; ++step) {
            report.AddEntry(category, ReportType::Info, u"Step");
            ::Sleep(10);
        }
        ended = true;
    }
};

class ThrowingProducer : public ICommonReportHandler {
public:
    void Run(CReportModel& report) override
    {
        report.AddEntry(0, ReportType::Info, u"Before the failure");
        throw std::runtime_error("producer broke");
    }
};

struct ShellCall {
    std::u16string verb, file;
    int show = -1;
};
ShellCall lastShellCall;
bool RecordShellOpen(HWND, const wchar_t* verb, const wchar_t* file, int show)
{
    lastShellCall = {win::U(verb), win::U(file), show};
    return true;
}

bool MenuPopupGrayed(HWND window)
{
    return (::GetMenuState(::GetMenu(window), 0, MF_BYPOSITION) & MF_GRAYED) != 0;
}

int TreeCount(HWND window)
{
    return static_cast<int>(::SendDlgItemMessageW(window, IDC_REPORT_TREE, TVM_GETCOUNT, 0, 0));
}

// Ctrl held in this thread's key state, then the arrow as the tree gets it.
void PressCtrlWith(HWND window, UINT key)
{
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    ::SetKeyboardState(keys);
    ::PostMessageW(::GetDlgItem(window, IDC_REPORT_TREE), WM_KEYDOWN, key, 1);
}

void ReleaseCtrl()
{
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
}

class DlgCommonReportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CTextManager::Instance()->LoadFile(
            testing_support::SourcePath(u"data\\trdata\\DatabaseEditor.txt").c_str()));
        CTextManager::Instance()->SetLanguage(CTextManager::English);
    }
    void TearDown() override { ReleaseCtrl(); }
};

TEST_F(DlgCommonReportTest, LiveEntriesThenCountLineAndCommands)
{
    TestProducer producer;
    CDlgCommonReport dialog(producer);
    int phase = 0;
    std::u16string failure;
    const auto check = [&](bool ok, const char16_t* what) {
        if (!ok && failure.empty()) failure = what;
        return ok;
    };
    gui_test::ModalDriver driver([&] {
        HWND window = dialog.Handle();
        if (window == nullptr) return false;
        switch (phase) {
        case 0:
            // Half-way: live labels, the report menu grey, the bar shown.
            if (TreeCount(window) < 502) return false;
            check(MenuPopupGrayed(window), u"menu enabled mid-run");
            check(::IsWindowVisible(::GetDlgItem(window, IDC_REPORT_PROGRESS)) &&
                      !::IsWindowVisible(::GetDlgItem(window, IDC_REPORT_COUNT)),
                  u"progress hidden mid-run");
            check(gui_test::WindowText(window) == u"Test report", u"caption");
            ::SendMessageW(window, WM_COMMAND, IDOK, 0);
            check(::IsWindowVisible(window) && TreeCount(window) == 502, u"Enter changed the report");
            producer.release = true;
            phase = 1;
            return false;
        case 1: {
            if (!::IsWindowVisible(::GetDlgItem(window, IDC_REPORT_COUNT))) return false;
            check(!MenuPopupGrayed(window), u"menu grey after the finish");
            check(!::IsWindowVisible(::GetDlgItem(window, IDC_REPORT_PROGRESS)), u"bar still shown");
            check(ItemText(window, IDC_REPORT_COUNT) ==
                      u" (information: 250, successes: 250, warnings: 250, errors: 250)",
                  u"count line");
            // Pruned and sorted by the producer: one category, information first.
            check(TreeCount(window) == 1001, u"empty category kept");
            HTREEITEM clubs = reinterpret_cast<HTREEITEM>(
                ::SendDlgItemMessageW(window, IDC_REPORT_TREE, TVM_GETNEXTITEM, TVGN_ROOT, 0));
            HTREEITEM first = reinterpret_cast<HTREEITEM>(
                ::SendDlgItemMessageW(window, IDC_REPORT_TREE, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(clubs)));
            ::SendDlgItemMessageW(window, IDC_REPORT_TREE, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(first));
            check(ItemText(window, IDC_REPORT_DESCRIPTION) == u"Line one\r\nline two", u"description");
            ::SendMessageW(window, WM_COMMAND, ID_REPORT_DELETE_WARNINGS, 0);
            check(TreeCount(window) == 751, u"warnings not deleted");
            check(ItemText(window, IDC_REPORT_COUNT) ==
                      u" (information: 250, successes: 250, warnings: 0, errors: 250)",
                  u"count line after the delete");
            RECT sizing{0, 0, 100, 120};
            ::SendMessageW(window, WM_SIZING, WMSZ_BOTTOMRIGHT, reinterpret_cast<LPARAM>(&sizing));
            check(sizing.right == 300 && sizing.bottom == 300, u"sizing below 300");
            PressCtrlWith(window, VK_DOWN);
            phase = 2;
            return false;
        }
        case 2:
            if (dialog.GetSplitPercent() != 80) return false;
            ReleaseCtrl();
            PressCtrlWith(window, VK_UP);
            phase = 3;
            return false;
        default:
            if (dialog.GetSplitPercent() != 75) return false;
            ::PostMessageW(window, WM_CLOSE, 0, 0);
            return true;
        }
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_TRUE(failure.empty()) << testing_support::Narrow(failure);
    EXPECT_FALSE(dialog.IsWorkerRunning());
}

TEST_F(DlgCommonReportTest, CloseMidRunEndsOnceTheProducerStopped)
{
    TestProducer producer;
    CDlgCommonReport dialog(producer);
    gui_test::ModalDriver driver([&] {
        if (dialog.Handle() == nullptr || TreeCount(dialog.Handle()) < 502) return false;
        ::PostMessageW(dialog.Handle(), WM_CLOSE, 0, 0);
        return true;
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_TRUE(producer.stoppedEarly);
    EXPECT_FALSE(dialog.IsWorkerRunning());
    EXPECT_EQ(dialog.Report().AddEntry(0, ReportType::Info, u"late"), 0u);
}

// Export through the save dialog: the Wine build writes the bytes of the
// native golden file; "export and open" reaches the shell with
// SW_SHOWNORMAL; a failed write shows "FileError" and opens nothing.
TEST_F(DlgCommonReportTest, ExportWritesTheGoldenBytesAndOpens)
{
    testing_support::TempFolder base;
    ASSERT_TRUE(platform::CreateFolders(base.File(u"trdata")));
    testing_support::WriteBytes(base.File(u"trdata\\ReportTemplate.html"),
                                testing_support::ReadBytes(testing_support::SourcePath(u"tests\\tools\\data\\Mini.html")));
    const std::u16string previousBase = platform::GetBaseFolder();
    platform::SetBaseFolder(base.Path());
    const win::ShellOpenHandler previousShell = win::SetShellOpenHandler(RecordShellOpen);
    lastShellCall = {};
    ExampleProducer producer;
    CDlgCommonReport dialog(producer);
    testing_support::MessageCapture messages;
    const std::u16string target = base.File(u"report.html");
    const std::u16string failedTarget = base.File(u"failed.html");
    const int commands[] = {ID_REPORT_EXPORT_OPEN, ID_REPORT_EXPORT_OPEN};
    int round = 0;
    bool posted = false;
    gui_test::ModalDriver driver([&] {
        HWND window = dialog.Handle();
        if (window == nullptr || !::IsWindowVisible(::GetDlgItem(window, IDC_REPORT_COUNT))) return false;
        if (round == 2) {
            ::PostMessageW(window, WM_CLOSE, 0, 0);
            return true;
        }
        if (!posted) {
            if (round == 1) platform::FailWritesAfter(1);
            ::PostMessageW(window, WM_COMMAND, commands[round], 0);
            posted = true;
            return false;
        }
        HWND save = gui_test::FindThreadDialog();
        if (save == nullptr || save == window) return false;
        HWND name = ::GetDlgItem(save, 1148) != nullptr ? ::GetDlgItem(save, 1148) : ::GetDlgItem(save, 1152);
        ::SetWindowTextW(name, win::W(round == 0 ? target : failedTarget));
        ::PostMessageW(::GetDlgItem(save, IDOK), BM_CLICK, 0, 0);
        ++round;
        posted = false;
        return false;
    }, 20000);
    dialog.DoModal();
    platform::FailWritesAfter(0);
    win::SetShellOpenHandler(previousShell);
    platform::SetBaseFolder(previousBase);
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_EQ(testing_support::ReadBytes(target),
              testing_support::ReadBytes(testing_support::SourcePath(u"tests\\tools\\data\\Example.golden")));
    EXPECT_EQ(lastShellCall.verb, u"open");
    EXPECT_EQ(lastShellCall.file, target);
    EXPECT_EQ(lastShellCall.show, SW_SHOWNORMAL);
    EXPECT_FALSE(platform::FileExists(failedTarget));
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0], CTextManager::Instance()->GetText(u"Dialog.CommonReport.FileError"_tk));
}

// A quit message ends the modal loop, and so does the destruction of the
// owner window; either way DoModal returns only once the producer ended,
// since the report and the producer go away right after.
TEST_F(DlgCommonReportTest, QuitOrOwnerGoneMidRunReturnsOnlyAfterTheWorkerEnded)
{
    for (const bool quit : {true, false}) {
        gui_test::TestDialog owner(IDD_TEST_HOST);
        ASSERT_TRUE(owner.Create(nullptr));
        SecondLongProducer producer;
        auto dialog = std::make_unique<CDlgCommonReport>(producer, owner.Handle());
        gui_test::ModalDriver driver([&] {
            if (dialog->Handle() == nullptr || !producer.started) return false;
            if (quit) {
                ::PostQuitMessage(0);
            } else {
                owner.Destroy();
            }
            return true;
        });
        const INT_PTR result = dialog->DoModal();
        const bool endedAtReturn = producer.ended;
        if (quit) {
            EXPECT_EQ(result, IDCANCEL);
        }
        EXPECT_TRUE(endedAtReturn) << quit;
        EXPECT_FALSE(dialog->IsWorkerRunning()) << quit;
        EXPECT_FALSE(driver.TimedOut()) << quit;
        dialog.reset();
        MSG message;
        EXPECT_EQ(::PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE, quit) << quit;
        owner.Destroy();
    }
}

// The failure is told once, from the producer's thread; the window ends
// and the program goes on with the next report.
TEST_F(DlgCommonReportTest, AProducerThatThrowsIsReportedOnceAndEndsTheWindow)
{
    testing_support::MessageCapture messages;
    ThrowingProducer producer;
    CDlgCommonReport dialog(producer);
    gui_test::ModalDriver driver([] { return false; });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_FALSE(dialog.IsWorkerRunning());
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_NE(messages.Messages()[0].find(u"(producer broke)"), std::u16string::npos);
    ExampleProducer next;
    CDlgCommonReport nextDialog(next);
    gui_test::ModalDriver closer([&] {
        if (nextDialog.Handle() == nullptr || nextDialog.IsWorkerRunning()) return false;
        ::PostMessageW(nextDialog.Handle(), WM_CLOSE, 0, 0);
        return true;
    });
    EXPECT_EQ(nextDialog.DoModal(), IDCANCEL);
    EXPECT_EQ(nextDialog.Report().Size(), 3u);
}

}  // namespace
