#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tests/common/TestSupport.h"
#include "tests/database/DatabaseTestSupport.h"
#include "core/AppMessage.h"
#include "database/world/WorldList.h"
#include "platform/Platform.h"
#include "tools/hotfix/BaseHotfix.h"
#include "tools/hotfix/FixBadgeNames.h"
#include "tools/hotfix/FixLeagueLevelIncreasement.h"
#include "tools/hotfix/HotfixFile.h"
#include "tools/hotfix/HotfixAverageCountryRating.h"
#include "tools/hotfix/HotfixManager.h"

namespace {

using testing_support::MessageCapture;

// A fix that notes its runs; Create writes "DATA", Apply reads one line.
class CRecordingFix : public CBaseHotfix {
public:
    CRecordingFix(const char16_t* name, std::uint32_t version, std::uint32_t flags, CHotfixManager& manager)
        : CBaseHotfix(name, version, flags, manager)
    {
    }

    void Apply(TCompleteWorld* world, CHotfixFile* file, CReportModel&) override
    {
        runs.push_back(u"apply");
        worldSeen = world;
        if (file != nullptr) file->ReadLine(lineRead);
    }

    void Create(TCompleteWorld*, CHotfixFile* file, CReportModel&) override
    {
        runs.push_back(u"create");
        if (file != nullptr) file->WriteText(u"DATA");
    }

    std::vector<std::u16string> runs;
    TCompleteWorld* worldSeen = nullptr;
    std::u16string lineRead;
};

std::u16string Answer(const AppFileChoice& choice, void* context)
{
    auto* answers = static_cast<std::vector<std::u16string>*>(context);
    answers->push_back(std::u16string(choice.title));
    return answers->front();
}

// The file dialog answers with the first entry of answers and notes the
// titles it was shown with after it.
class FileAnswer {
public:
    explicit FileAnswer(std::u16string path) : answers_{std::move(path)}
    {
        previous_ = SetAppFileChooser({Answer, &answers_});
    }
    ~FileAnswer() { SetAppFileChooser(previous_); }
    std::vector<std::u16string> Titles() const { return {answers_.begin() + 1, answers_.end()}; }

private:
    std::vector<std::u16string> answers_;
    AppFileChooserSink previous_{};
};

class HotfixManagerTest : public database_testing::CurrentWorldTest {
protected:
    std::u16string Path(std::u16string_view name) const { return folder_.File(name); }
    std::string FileBytes(std::u16string_view name) const
    {
        const auto bytes = testing_support::ReadBytes(Path(name));
        return std::string(bytes.begin(), bytes.end());
    }

    testing_support::TempFolder folder_;
    CHotfixManager manager_;
};

std::string Utf16(std::string_view ascii)
{
    std::string bytes;
    for (char c : ascii) bytes += std::string{c, '\0'};
    return bytes;
}

// The entries a run of the manager's report gave, as type and title.
class ReportCapture {
public:
    explicit ReportCapture(CHotfixManager& manager)
    {
        manager.SetReportRunner([this](ICommonReportHandler& handler, std::u16string_view) {
            CReportModel report;
            report.Open();
            handler.Run(report);
            for (ReportEntryHandle entry : report.Children(0)) {
                entries.emplace_back(report.Entry(entry).type, report.Entry(entry).title);
            }
        });
    }
    bool Has(int type) const
    {
        return std::any_of(entries.begin(), entries.end(), [&](const auto& entry) { return entry.first == type; });
    }
    std::vector<std::pair<int, std::u16string>> entries;
};

}  // namespace

TEST(HotfixMenu, TheStartUpFixesGetTheirIdsInAnyOrder)
{
    struct TFixRow {
        const char16_t* name;
        std::uint32_t version;
        std::uint32_t flags;
    };
    std::array<TFixRow, 3> rows = {TFixRow{u"Fix Amateur rule", 3, 6}, TFixRow{u"Various Lists/Fixes", 2, 2},
                                   TFixRow{u"Fill Spain with teams and leagues", 1, 16}};
    std::sort(rows.begin(), rows.end(), [](const TFixRow& a, const TFixRow& b) { return a.version < b.version; });
    do {
        CHotfixManager manager;
        CRecordingFix a(rows[0].name, rows[0].version, rows[0].flags, manager);
        CRecordingFix b(rows[1].name, rows[1].version, rows[1].flags, manager);
        CRecordingFix c(rows[2].name, rows[2].version, rows[2].flags, manager);
        ASSERT_TRUE(manager.BuildMenu(true));
        const std::vector<THotfixMenuItem>& menu = manager.GetMenu();
        ASSERT_EQ(menu.size(), 4u);
        EXPECT_EQ(menu[0].id, 56790u);
        EXPECT_EQ(menu[0].text, u"Fix Amateur rule");
        EXPECT_EQ(menu[1].id, 56791u);
        EXPECT_EQ(menu[1].text, u"Various Lists/Fixes");
        EXPECT_TRUE(menu[2].separator);
        EXPECT_EQ(menu[3].id, 56792u);
        EXPECT_EQ(menu[3].text, u"Create hotfix");
        EXPECT_EQ(manager.GetCreateItemId(), 56792u);

        manager.SetExtended(true);
        ASSERT_TRUE(manager.BuildMenu(true));
        EXPECT_EQ(manager.GetMenu()[0].id, 56789u);
        EXPECT_EQ(manager.GetMenu()[0].text, u"Fill Spain with teams and leagues");
    } while (std::next_permutation(rows.begin(), rows.end(), [](const TFixRow& a, const TFixRow& b) {
        return a.version < b.version;
    }));
}

TEST(HotfixMenu, ListingFollowsTheFlagsAndTheMode)
{
    CHotfixManager manager;
    EXPECT_FALSE(manager.BuildMenu(true)) << "no fixes";
    CRecordingFix developer(u"b developer", 1, CBaseHotfix::FlagDeveloperOnly, manager);
    CRecordingFix hidden(u"A hidden", 1, CBaseHotfix::FlagNotListed, manager);
    CRecordingFix unnamed(nullptr, 1, 0, manager);
    EXPECT_FALSE(manager.BuildMenu(false)) << "nothing listed outside administration mode";
    EXPECT_TRUE(manager.GetMenu().empty());
    {
        CRecordingFix everyone(u"C for everyone", 1, 0, manager);
        ASSERT_TRUE(manager.BuildMenu(false));
        ASSERT_EQ(manager.GetMenu().size(), 1u) << "no create item outside administration mode";
        // Sorted "", "A hidden", "b developer", "C for everyone".
        EXPECT_EQ(manager.GetMenu()[0].id, 56792u);
        EXPECT_EQ(manager.GetCreateItemId(), 0u);
    }
    EXPECT_EQ(manager.GetFixCount(), 3) << "a destroyed fix leaves the manager";
    manager.SetEnabled(false);
    EXPECT_FALSE(manager.BuildMenu(true));

    const CRecordingFix longName(u"0123456789012345678901234567890123456789012345678901234567890123456789", 1, 0,
                                 manager);
    EXPECT_EQ(longName.GetName().size(), CBaseHotfix::MaxNameLength);
}

TEST_F(HotfixManagerTest, CreateModeTogglesAndACancelledDialogRunsNothing)
{
    CRecordingFix fix(u"Fix Amateur rule", 3, 6, manager_);
    ASSERT_TRUE(manager_.BuildMenu(true));
    manager_.OnCommand(56790);
    EXPECT_TRUE(manager_.IsCreateMode());
    EXPECT_TRUE(manager_.GetMenu().back().checked);
    manager_.OnCommand(56790);
    EXPECT_FALSE(manager_.IsCreateMode());
    EXPECT_FALSE(manager_.GetMenu().back().checked);

    EXPECT_EQ(ChooseAppFile(AppFileChoice{}), u"") << "no chooser installed: cancelled";
    manager_.OnCommand(56789);
    EXPECT_TRUE(fix.runs.empty());
    FileAnswer cancelled(u"");
    manager_.OnCommand(56789);
    EXPECT_TRUE(fix.runs.empty());
    EXPECT_EQ(cancelled.Titles(), std::vector<std::u16string>{u"Browse for hotfix file"});
    manager_.OnCommand(56788);
    manager_.OnCommand(56791);
    EXPECT_TRUE(fix.runs.empty());
}

TEST_F(HotfixManagerTest, CreatedFilesCarryTheHeaderAndApplyChecksIt)
{
    CRecordingFix fix(u"Fix Amateur rule", 3, 6, manager_);
    ASSERT_TRUE(manager_.BuildMenu(true));
    manager_.SetSelection(14, 0x000E0001);
    EXPECT_EQ(manager_.GetSelectedCountry(), 14u);
    EXPECT_EQ(manager_.GetSelectedClub(), 0x000E0001u);
    manager_.OnCommand(56790);
    {
        FileAnswer answer(Path(u"rule.txt"));
        manager_.OnCommand(56789);
        EXPECT_EQ(answer.Titles(), std::vector<std::u16string>{u"Browse for hotfix file (OUTPUT!)"});
    }
    EXPECT_EQ(FileBytes(u"rule.txt"),
              Utf16("HotfixManagerVersion: 2\r\nName: Fix Amateur rule\r\nVersion: 3\r\nDATA"));
    manager_.OnCommand(56790);
    {
        FileAnswer answer(Path(u"rule.txt"));
        manager_.OnCommand(56789);
    }
    EXPECT_EQ(fix.runs, (std::vector<std::u16string>{u"create", u"apply"}));
    EXPECT_EQ(fix.worldSeen, GetWorld());
    EXPECT_EQ(fix.lineRead, u"DATA");

    testing_support::WriteBytes(Path(u"old.txt"), Utf16("HotfixManagerVersion: 2\r\nName: Fix Amateur rule\r\nVersion: 2\r\n"));
    MessageCapture messages;
    {
        FileAnswer answer(Path(u"old.txt"));
        manager_.OnCommand(56789);
    }
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0], u"Invalid hotfix file for version");
    EXPECT_EQ(fix.runs.size(), 2u) << "the fix did not run";

    messages.Clear();
    {
        FileAnswer answer(Path(u"missing.txt"));
        manager_.OnCommand(56789);
    }
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_NE(messages.Messages()[0].find(u"missing.txt"), std::u16string::npos);
    EXPECT_EQ(fix.runs.size(), 2u);
}

TEST_F(HotfixManagerTest, AHeaderlessFixGetsItsFileFromTheFirstByte)
{
    CRecordingFix fix(u"Fix empics ids", 1, 38, manager_);
    ASSERT_TRUE(manager_.BuildMenu(true));
    manager_.OnCommand(56790);
    {
        FileAnswer answer(Path(u"empics.txt"));
        manager_.OnCommand(56789);
    }
    EXPECT_EQ(FileBytes(u"empics.txt"), Utf16("DATA"));
    manager_.OnCommand(56790);
    {
        FileAnswer answer(Path(u"empics.txt"));
        manager_.OnCommand(56789);
    }
    EXPECT_EQ(fix.lineRead, u"DATA");
}

TEST_F(HotfixManagerTest, FixesWithoutAFileRunAlsoInCreateModeAndNeedAWorld)
{
    CRecordingFix fix(u"Show players with contract", 2, CBaseHotfix::FlagHiddenReport, manager_);
    ASSERT_TRUE(manager_.BuildMenu(true));
    bool hidden = false;
    std::u16string title;
    manager_.SetReportRunner([&](ICommonReportHandler& handler, std::u16string_view name) {
        title = name;
        CReportModel report;
        handler.Run(report);
        for (const ReportChange& change : report.DrainChanges()) hidden |= change.kind == ReportChange::Hide;
    });
    manager_.OnCommand(56789);
    EXPECT_EQ(title, u"Show players with contract");
    EXPECT_TRUE(hidden);
    manager_.OnCommand(56790);
    manager_.OnCommand(56789);
    EXPECT_EQ(fix.runs, (std::vector<std::u16string>{u"apply", u"create"}));
    EXPECT_EQ(fix.lineRead, u"");

    GetWorldList().Clear();
    manager_.OnCommand(56789);
    EXPECT_EQ(fix.runs.size(), 2u) << "no database, no run";
}

// A target that cannot be replaced (here a folder of that name) keeps what
// it was; the run ends with an error entry and a message, and no entry
// claims that anything was saved.
TEST_F(HotfixManagerTest, AFileThatCannotReplaceItsTargetIsReportedAndNothingClaimsSuccess)
{
    struct TCase {
        std::function<std::unique_ptr<CBaseHotfix>(CHotfixManager&)> make;
        std::u16string saved;  // the entry of a successful run, if any
    };
    const TCase cases[] = {
        {[](CHotfixManager& m) { return std::make_unique<CFixBadgeNames>(m); }, u"All club badges saved"},
        {[](CHotfixManager& m) { return std::make_unique<CHotfixAverageCountryRating>(m); }, u"Countries written"},
        {[](CHotfixManager& m) { return std::make_unique<CFixLeagueLevelIncreasement>(m); }, u""},
    };
    for (const TCase& c : cases) {
        CHotfixManager manager;
        const std::unique_ptr<CBaseHotfix> fix = c.make(manager);
        ASSERT_TRUE(manager.BuildMenu(true));
        manager.OnCommand(manager.GetCreateItemId());
        ASSERT_TRUE(manager.IsCreateMode());
        const std::u16string name = fix->GetName();
        for (const bool writable : {true, false}) {
            const std::u16string target = Path((writable ? u"file " : u"folder ") + name);
            if (!writable) {
                ASSERT_TRUE(platform::CreateFolders(target));
            }
            ReportCapture report(manager);
            MessageCapture messages;
            {
                FileAnswer answer(target);
                manager.OnCommand(CHotfixManager::FirstCommandId);
            }
            const std::string label = testing_support::Narrow(fix->GetName()) + (writable ? " to a file" : " to a folder");
            EXPECT_EQ(report.Has(ReportType::Error), !writable) << label;
            EXPECT_EQ(messages.Messages().size(), writable ? 0u : 1u) << label;
            if (!writable && !messages.Messages().empty()) {
                EXPECT_NE(messages.Messages()[0].find(target), std::u16string::npos) << label;
            }
            const bool claimsSuccess = std::any_of(report.entries.begin(), report.entries.end(), [](const auto& entry) {
                return entry.first == ReportType::Info || entry.first == ReportType::Success;
            });
            EXPECT_EQ(claimsSuccess, writable && !c.saved.empty()) << label;
            EXPECT_EQ(platform::FolderExists(target), !writable) << label;
            EXPECT_EQ(platform::FileExists(target), writable) << label;
        }
    }
    EXPECT_EQ(platform::ListFolder(folder_.Path()).size(), 6u) << "no temporary file is left behind";
}

// A file that cannot even be started (its folder is missing) is said to be
// unwritable, not missing, and the fix does not run.
TEST_F(HotfixManagerTest, AFileThatCannotBeCreatedIsNamedAndTheFixDoesNotRun)
{
    CRecordingFix fix(u"Fix Amateur rule", 3, 6, manager_);
    ASSERT_TRUE(manager_.BuildMenu(true));
    manager_.OnCommand(56790);
    MessageCapture messages;
    {
        FileAnswer answer(Path(u"missing folder\\rule.txt"));
        manager_.OnCommand(56789);
    }
    EXPECT_TRUE(fix.runs.empty());
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_NE(messages.Messages()[0].find(u"could not be written"), std::u16string::npos);
    EXPECT_NE(messages.Messages()[0].find(u"rule.txt"), std::u16string::npos);
}

// A run that ends before the fix wrote anything (no database) leaves the
// chosen file as it was.
TEST_F(HotfixManagerTest, ACreateRunWithoutADatabaseKeepsTheChosenFile)
{
    CRecordingFix fix(u"Fix Amateur rule", 3, 6, manager_);
    ASSERT_TRUE(manager_.BuildMenu(true));
    manager_.OnCommand(56790);
    testing_support::WriteBytes(Path(u"old.txt"), Utf16("OLD"));
    GetWorldList().Clear();
    {
        FileAnswer answer(Path(u"old.txt"));
        manager_.OnCommand(56789);
    }
    EXPECT_TRUE(fix.runs.empty());
    EXPECT_EQ(FileBytes(u"old.txt"), Utf16("OLD"));
}
