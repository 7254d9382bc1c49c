#include <pthread.h>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include "tests/tools/report/ReportTestSupport.h"
#include "tools/report/ReportModel.h"

namespace {

using testing_support::Narrow;

std::u16string Label(std::u16string_view title, int info, int success, int warning, int error)
{
    const auto n = [](int v) { return std::u16string(CTextManager::Instance()->FormatInt(v)); };
    return std::u16string(title) + u" (information: " + n(info) + u", successes: " + n(success) + u", warnings: " +
           n(warning) + u", errors: " + n(error) + u")";
}

class ReportModelTest : public ReportTextsTest {
protected:
    void SetUp() override
    {
        ReportTextsTest::SetUp();
        model.Open();
    }
    std::vector<std::u16string> Titles(ReportEntryHandle parent) const
    {
        std::vector<std::u16string> titles;
        for (ReportEntryHandle child : model.Children(parent)) titles.push_back(model.Entry(child).title);
        return titles;
    }
    CReportModel model;
};

TEST(ReportLayoutTest, SplitsTheClientAndKeepsTheSplitInRange)
{
    const ReportLayout layout = LayoutReport(600, 400, ReportSplit::Initial);
    EXPECT_EQ(layout.tree, (ReportRect{4, 4, 592, 296}));
    EXPECT_EQ(layout.description, (ReportRect{4, 304, 592, 72}));
    EXPECT_EQ(layout.progress, (ReportRect{4, 380, 592, 16}));
    int split = ReportSplit::Initial;
    for (int step = 0; step < 16; ++step) split = StepReportSplit(split, +1);
    EXPECT_EQ(split, 90);
    EXPECT_EQ(StepReportSplit(10, -1), 10);
}

TEST_F(ReportModelTest, DropsEntriesBeforeOpeningAfterClosingAndUnderUnknownParents)
{
    CReportModel closed;
    EXPECT_EQ(closed.AddCategory(0, u"x"), 0u);
    EXPECT_EQ(model.AddEntry(0, 5, u"bad type"), 0u);
    EXPECT_EQ(model.AddEntry(77, ReportType::Info, u"no parent"), 0u);
    EXPECT_NE(model.AddEntry(0, ReportType::Info, u"kept"), 0u);
    model.RequestClose();
    EXPECT_TRUE(model.IsCloseRequested());
    EXPECT_EQ(model.AddEntry(0, ReportType::Info, u"late"), 0u);
    EXPECT_EQ(model.Size(), 1u);
}

TEST_F(ReportModelTest, ThousandWarningsFormatTheirCountPerLanguage)
{
    const ReportEntryHandle category = model.AddCategory(0, u"Clubs");
    for (int i = 0; i < 1000; ++i) model.AddEntry(category, ReportType::Warning, u"w");
    EXPECT_EQ(Narrow(model.Label(category)), "Clubs (information: 0, successes: 0, warnings: 1,000, errors: 0)");
    CTextManager::Instance()->SetLanguage(CTextManager::German);
    EXPECT_EQ(Narrow(model.Label(category)), "Clubs (Hinweise: 0, Erfolge: 0, Warnungen: 1.000, Fehler: 0)");
}

TEST_F(ReportModelTest, CountsReachEveryAncestorAndTheCountLine)
{
    const ReportEntryHandle top = model.AddCategory(0, u"Top");
    const ReportEntryHandle inner = model.AddCategory(top, u"Inner");
    model.AddEntry(inner, ReportType::Error, u"e");
    model.AddEntry(top, ReportType::Success, u"s");
    model.AddEntry(0, ReportType::Info, u"i");
    EXPECT_EQ(model.Label(top), Label(u"Top", 0, 1, 0, 1));
    EXPECT_EQ(model.Label(inner), Label(u"Inner", 0, 0, 0, 1));
    EXPECT_EQ(model.CountLine(), Label(u"", 1, 1, 0, 1));
}

struct DeleteCase {
    int type;
    std::vector<std::string> remaining;
};

TEST_F(ReportModelTest, DeletesByTypeAndKeepsEmptiedCategoriesUntilAsked)
{
    const DeleteCase cases[] = {{ReportType::Info, {"S", "W", "E"}},
                                {ReportType::Success, {"I", "W", "E"}},
                                {ReportType::Warning, {"I", "S", "E"}},
                                {ReportType::Error, {"I", "S", "W"}}};
    for (const DeleteCase& c : cases) {
        CReportModel report;
        report.Open();
        const ReportEntryHandle mixed = report.AddCategory(0, u"Mixed");
        for (auto [type, title] : {std::pair{1, u"I"}, {2, u"S"}, {3, u"W"}, {4, u"E"}})
            report.AddEntry(mixed, type, title);
        report.DeleteEntriesOfType(c.type);
        std::vector<std::string> titles;
        for (ReportEntryHandle child : report.Children(mixed)) titles.push_back(Narrow(report.Entry(child).title));
        EXPECT_EQ(titles, c.remaining) << c.type;
        EXPECT_EQ(report.Entry(mixed).counts[c.type], 0);
    }
}

TEST_F(ReportModelTest, RemovesEmptyCategoriesIncludingThoseHoldingOnlyEmptyOnes)
{
    const ReportEntryHandle warnings = model.AddCategory(0, u"Warnings");
    model.AddEntry(warnings, ReportType::Warning, u"w");
    const ReportEntryHandle outer = model.AddCategory(0, u"Outer");
    model.AddCategory(outer, u"Empty");
    model.AddEntry(model.AddCategory(0, u"Kept"), ReportType::Error, u"e");
    model.DeleteEntriesOfType(ReportType::Warning);
    EXPECT_TRUE(model.Contains(warnings));
    EXPECT_EQ(model.Label(warnings), Label(u"Warnings", 0, 0, 0, 0));
    model.RemoveEmptyCategories();
    EXPECT_EQ(Titles(0), (std::vector<std::u16string>{u"Kept"}));
    EXPECT_EQ(model.CountLine(), Label(u"", 0, 0, 0, 1));
}

TEST_F(ReportModelTest, SortsStablyByTypeAndAlphabeticallyIgnoringCase)
{
    const ReportEntryHandle group = model.AddCategory(0, u"group");
    model.AddEntry(group, ReportType::Error, u"b");
    model.AddEntry(group, ReportType::Info, u"Zed");
    model.AddCategory(group, u"Inner");
    model.AddEntry(group, ReportType::Info, u"alpha");
    model.AddEntry(0, ReportType::Warning, u"Apple");
    model.SortByType();
    EXPECT_EQ(Titles(0), (std::vector<std::u16string>{u"group", u"Apple"}));
    EXPECT_EQ(Titles(group), (std::vector<std::u16string>{u"Inner", u"Zed", u"alpha", u"b"}));
    model.SortAlphabetically();
    EXPECT_EQ(Titles(0), (std::vector<std::u16string>{u"Apple", u"group"}));
    EXPECT_EQ(Titles(group), (std::vector<std::u16string>{u"alpha", u"b", u"Inner", u"Zed"}));
}

TEST_F(ReportModelTest, JournalNamesEveryChangeOnce)
{
    int wakeUps = 0;
    model.SetChangeListener([&] { ++wakeUps; });
    const ReportEntryHandle category = model.AddCategory(0, u"c");
    const ReportEntryHandle warning = model.AddEntry(category, ReportType::Warning, u"w");
    model.RequestHide();
    auto changes = model.DrainChanges();
    ASSERT_EQ(changes.size(), 4u);
    EXPECT_EQ(changes[1].kind, ReportChange::Added);
    EXPECT_EQ(changes[1].entry, warning);
    EXPECT_EQ(changes[2].kind, ReportChange::Relabelled);
    EXPECT_EQ(changes[3].kind, ReportChange::Hide);
    EXPECT_EQ(wakeUps, 1);
    model.DeleteEntriesOfType(ReportType::Warning);
    changes = model.DrainChanges();
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes[0].kind, ReportChange::Removed);
    EXPECT_EQ(changes[1].entry, category);
    EXPECT_TRUE(model.DrainChanges().empty());
}

// A producer on its own thread adds, prunes and sorts while the window
// drains; the close request stops it.
TEST_F(ReportModelTest, ThreadsProduceDrainAndCloseSafely)
{
    std::atomic<int> added{0};
    std::thread producer([&] {
        const ReportEntryHandle category = model.AddCategory(0, u"work");
        while (!model.IsCloseRequested()) {
            if (model.AddEntry(category, ReportType::Warning + added % 2, u"e") != 0) ++added;
            if (added % 200 == 0) {
                model.DeleteEntriesOfType(ReportType::Error);
                model.SortByType();
            }
            model.StepProgress(1);
        }
    });
    std::size_t drained = 0;
    while (added < 2000) drained += model.DrainChanges().size();
    model.RequestClose();
    producer.join();
    // The producer may have got far before the first drain: what it did
    // since the last one is still there.
    drained += model.DrainChanges().size();
    EXPECT_GT(drained, 0u);
    EXPECT_EQ(model.AddEntry(0, ReportType::Info, u"after"), 0u);
    EXPECT_GE(model.Progress().position, 2000);
}

// The window clears its listener when it goes while the producer still
// runs: from then on no notice reaches the window, and the thread checker
// sees every use of the listener under the model's lock.
TEST_F(ReportModelTest, ThreadsClearingTheListenerStopsEveryNotice)
{
    auto window = std::make_unique<std::atomic<int>>(0);
    model.SetChangeListener([target = window.get()] { ++*target; });
    std::atomic<bool> producing{false};
    std::thread producer([&] {
        const ReportEntryHandle category = model.AddCategory(0, u"work");
        while (!model.IsCloseRequested()) {
            producing = true;
            model.AddEntry(category, ReportType::Info, u"e");
            model.DrainChanges();
        }
        for (int i = 0; i < 100; ++i) {
            model.StepProgress(1);
            model.DrainChanges();
        }
    });
    while (!producing || *window < 10) std::this_thread::yield();
    model.RequestClose();
    model.SetChangeListener(nullptr);
    window.reset();  // a notice after the clear would write freed memory
    producer.join();
    EXPECT_GE(model.Progress().position, 100);
}

// Runs body on a thread whose stack is one MiB, as a worker's may be.
void RunOnSmallStack(const std::function<void()>& body)
{
    pthread_attr_t attributes;
    ASSERT_EQ(pthread_attr_init(&attributes), 0);
    ASSERT_EQ(pthread_attr_setstacksize(&attributes, 1 << 20), 0);
    pthread_t thread;
    auto start = [](void* argument) -> void* {
        (*static_cast<const std::function<void()>*>(argument))();
        return nullptr;
    };
    ASSERT_EQ(pthread_create(&thread, &attributes, start, const_cast<std::function<void()>*>(&body)), 0);
    pthread_join(thread, nullptr);
    pthread_attr_destroy(&attributes);
}

TEST_F(ReportModelTest, DeepChainDeletesAndRecountsOnASmallStack)
{
    constexpr int Depth = 8000;
    std::vector<ReportEntryHandle> chain;
    ReportEntryHandle parent = 0;
    for (int level = 0; level < Depth; ++level) chain.push_back(parent = model.AddCategory(parent, u"c"));
    model.AddEntry(parent, ReportType::Warning, u"deepest warning");
    model.AddEntry(parent, ReportType::Error, u"deepest error");
    model.DrainChanges();
    RunOnSmallStack([&] {
        model.DeleteEntriesOfType(ReportType::Warning);
        model.SortByType();
    });
    EXPECT_EQ(model.Size(), Depth + 1u);
    EXPECT_EQ(model.Entry(chain.front()).counts[ReportType::Error], 1);
    EXPECT_EQ(model.Entry(chain.front()).counts[ReportType::Warning], 0);
    EXPECT_EQ(model.Entry(chain.back()).counts[ReportType::Error], 1);
    RunOnSmallStack([&] { model.DeleteEntriesOfType(ReportType::Error); });
    EXPECT_EQ(model.Entry(chain.front()).counts[ReportType::Error], 0);
    model.DrainChanges();
    // Emptied from the deepest up, the whole chain goes in one call.
    RunOnSmallStack([&] { model.RemoveEmptyCategories(); });
    EXPECT_EQ(model.Size(), 0u);
    EXPECT_TRUE(model.Children(0).empty());
    const auto changes = model.DrainChanges();
    ASSERT_EQ(changes.size(), std::size_t{Depth});
    EXPECT_EQ(changes.front().entry, chain.back());
    EXPECT_EQ(changes.back().entry, chain.front());
}

// The window deletes its tree items in journal order: an item's children
// must be named before it, or their items would be gone already.
TEST_F(ReportModelTest, RemovalsNameChildrenBeforeTheirParents)
{
    const ReportEntryHandle outer = model.AddEntry(0, ReportType::Warning, u"outer");
    const ReportEntryHandle middle = model.AddCategory(outer, u"middle");
    const ReportEntryHandle inner = model.AddEntry(middle, ReportType::Info, u"inner");
    const ReportEntryHandle kept = model.AddEntry(0, ReportType::Info, u"kept");
    model.DrainChanges();
    model.DeleteEntriesOfType(ReportType::Warning);
    std::vector<ReportEntryHandle> removed;
    for (const ReportChange& change : model.DrainChanges()) {
        if (change.kind == ReportChange::Removed) removed.push_back(change.entry);
    }
    EXPECT_EQ(removed, (std::vector<ReportEntryHandle>{inner, middle, outer}));
    EXPECT_EQ(model.Children(0), std::vector<ReportEntryHandle>{kept});
}

}  // namespace
