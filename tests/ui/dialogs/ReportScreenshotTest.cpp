// The finished report window as a picture for a person to look at, and the
// time a large report takes to reach its count line.
#include "ui/dialogs/DlgCommonReport.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

#include "core/text/TextManager.h"
#include "resources/ResourceIds.h"
#include "tests/common/TestSupport.h"
#include "tests/ui/GuiTestSupport.h"

namespace {

// A check of some clubs: every type, two levels, descriptions.
class ClubCheckProducer : public ICommonReportHandler {
public:
    void Run(CReportModel& report) override
    {
        report.SetTitle(u"Club check");
        const ReportEntryHandle clubs = report.AddCategory(0, u"Clubs");
        const ReportEntryHandle harbour = report.AddCategory(clubs, u"Harbourside Rovers");
        report.AddEntry(harbour, ReportType::Error, u"No goalkeeper in the squad", u"The squad holds 18 players.\r\nNone of them keeps goal.");
        report.AddEntry(harbour, ReportType::Warning, u"Stadium smaller than the league asks", u"8,000 seats, 10,000 asked.");
        report.AddEntry(harbour, ReportType::Success, u"Kits complete");
        const ReportEntryHandle albion = report.AddCategory(clubs, u"Albion");
        report.AddEntry(albion, ReportType::Info, u"Founded 1884");
        report.AddEntry(albion, ReportType::Warning, u"Two players share the shirt number 9");
        const ReportEntryHandle leagues = report.AddCategory(0, u"Leagues");
        report.AddEntry(leagues, ReportType::Success, u"Every league has its full team count");
    }
};

// Entries of the four types in turns under categories of 1,000.
class LargeProducer : public ICommonReportHandler {
public:
    static constexpr int Entries = 50000;
    void Run(CReportModel& report) override
    {
        report.SetTitle(u"Large report");
        report.SetProgressRange(0, Entries);
        ReportEntryHandle category = 0;
        for (int i = 0; i < Entries; ++i) {
            if (i % 1000 == 0) category = report.AddCategory(0, u"Category");
            report.AddEntry(category, ReportType::Info + i % 4, u"Entry", u"Description");
            report.StepProgress(1);
        }
    }
};

bool Finished(HWND window)
{
    return window != nullptr && ::IsWindowVisible(::GetDlgItem(window, IDC_REPORT_COUNT));
}

class ReportWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CTextManager::Instance()->LoadFile(
            testing_support::SourcePath(u"data\\trdata\\DatabaseEditor.txt").c_str()));
        CTextManager::Instance()->SetLanguage(CTextManager::English);
    }
};

// Taken once the window has been shown and painted for a while: a window
// caught at its first paint inside the modal loop is still blank.
TEST_F(ReportWindow, FinishedReportScreenshot)
{
    ClubCheckProducer producer;
    CDlgCommonReport dialog(producer);
    int settled = 0;
    std::vector<std::uint8_t> bitmap;
    gui_test::ModalDriver driver([&] {
        HWND window = dialog.Handle();
        if (!Finished(window)) return false;
        if (settled == 0) {
            HWND tree = ::GetDlgItem(window, IDC_REPORT_TREE);
            for (HTREEITEM item = TreeView_GetRoot(tree); item != nullptr; item = TreeView_GetNextSibling(tree, item))
                TreeView_Expand(tree, item, TVE_EXPAND);
            HTREEITEM clubs = TreeView_GetRoot(tree);
            HTREEITEM harbour = TreeView_GetChild(tree, clubs);
            TreeView_Expand(tree, harbour, TVE_EXPAND);
            TreeView_SelectItem(tree, TreeView_GetChild(tree, harbour));
            ::SetWindowPos(window, HWND_TOP, 10, 10, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
        }
        if (++settled < 15) return false;
        ::RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        bitmap = gui_test::CaptureWindow(window);
        ::PostMessageW(window, WM_CLOSE, 0, 0);
        return true;
    });
    dialog.DoModal();
    EXPECT_FALSE(driver.TimedOut());
    ASSERT_GT(bitmap.size(), 54u + 300u * 300u * 3u);
    // The tree's icons, text and the frame give far more than a blank window.
    EXPECT_GT(gui_test::CountColours(bitmap), 20u);
    testing_support::WriteBytes(testing_support::PicturePath(u"tests\\ui\\report.bmp"), bitmap);
}

TEST_F(ReportWindow, FiftyThousandEntriesReachTheCountLine)
{
    LargeProducer producer;
    CDlgCommonReport dialog(producer);
    const auto start = std::chrono::steady_clock::now();
    std::chrono::steady_clock::duration elapsed{};
    std::u16string countLine;
    int items = 0;
    gui_test::ModalDriver driver([&] {
        HWND window = dialog.Handle();
        if (!Finished(window)) return false;
        elapsed = std::chrono::steady_clock::now() - start;
        countLine = gui_test::ItemText(window, IDC_REPORT_COUNT);
        items = static_cast<int>(::SendDlgItemMessageW(window, IDC_REPORT_TREE, TVM_GETCOUNT, 0, 0));
        ::PostMessageW(window, WM_CLOSE, 0, 0);
        return true;
    }, 300000);
    dialog.DoModal();
    ASSERT_FALSE(driver.TimedOut());
    EXPECT_EQ(countLine, u" (information: 12,500, successes: 12,500, warnings: 12,500, errors: 12,500)");
    EXPECT_EQ(items, LargeProducer::Entries + LargeProducer::Entries / 1000);
    const long long ms = std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count();
    std::printf("report window: %d entries to the count line in %lld ms (%.0f entries/s)\n", LargeProducer::Entries, ms,
                ms > 0 ? LargeProducer::Entries * 1000.0 / static_cast<double>(ms) : 0.0);
    RecordProperty("count_line_ms", static_cast<int>(ms));
}

}  // namespace
