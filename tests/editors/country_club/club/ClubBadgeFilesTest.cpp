// The badge page and the badge manager over real badges: a Badges folder
// and a badges.big (written by our archive writer) in the working folder,
// holding two pictures ImageMagick made (badges/make-badges.sh): a white
// disc on blue and a yellow disc on red.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ClubEditorTestSupport.h"
#include "archive/BadgeLookup.h"
#include "archive/MireloBig.h"
#include "core/AppMessage.h"
#include "core/text/TextManager.h"
#include "database/club/Club.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/world/WorldList.h"
#include "platform/Platform.h"
#include "resources/ClubEditorIds.h"
#include "tests/common/TestSupport.h"
#include "tests/ui/GuiTestSupport.h"

namespace {

using club_test::Click;
using club_test::ClickTab;
using club_test::Page;
using gui_test::ItemText;

constexpr int BadgeTab = 1;
constexpr COLORREF DiskDisc = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF DiskGround = RGB(0x0C, 0x3E, 0x95);
constexpr COLORREF ArchiveDisc = RGB(0xFF, 0xFF, 0x00);
constexpr COLORREF ArchiveGround = RGB(0xB5, 0x00, 0x00);

constexpr const char16_t* DiskBadge = u"South-Africa\\Badge%d\\sa_disk.tga";
constexpr const char16_t* ArchiveBadge = u"South-Africa\\Badge%d\\sa_arch.tga";
// 38 and 39 characters: the club keeps 38.
constexpr const char16_t* LongestBadge = u"South-Africa\\Badge%d\\abcdefghijklm.tga";
constexpr const char16_t* TooLongBadge = u"South-Africa\\Badge%d\\abcdefghijklmn.tga";

std::vector<std::uint8_t> Picture(const char16_t* name)
{
    return testing_support::ReadBytes(
        testing_support::SourcePath(std::u16string(u"tests\\editors\\country_club\\badges\\") + name));
}

COLORREF Pixel(HWND dialog, int id, int x, int y)
{
    const HWND control = ::GetDlgItem(dialog, id);
    ::RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC dc = ::GetDC(control);
    const COLORREF pixel = ::GetPixel(dc, x, y);
    ::ReleaseDC(control, dc);
    return pixel;
}

void ExpectBadgeShown(HWND dialog, int id, COLORREF disc, COLORREF ground)
{
    EXPECT_EQ(Pixel(dialog, id, 128, 128), disc);
    EXPECT_EQ(Pixel(dialog, id, 5, 5), ground);
}

std::vector<std::u16string> Items(HWND dialog, int id, UINT countMessage, UINT lengthMessage, UINT textMessage)
{
    std::vector<std::u16string> items;
    const int count = static_cast<int>(::SendDlgItemMessageW(dialog, id, countMessage, 0, 0));
    for (int i = 0; i < count; ++i) {
        std::u16string text(static_cast<std::size_t>(::SendDlgItemMessageW(dialog, id, lengthMessage, i, 0)), u'\0');
        std::vector<wchar_t> buffer(text.size() + 1);
        ::SendDlgItemMessageW(dialog, id, textMessage, i, reinterpret_cast<LPARAM>(buffer.data()));
        items.emplace_back(buffer.begin(), buffer.end() - 1);
    }
    return items;
}

std::vector<std::u16string> Groups(HWND manager)
{
    return Items(manager, IDC_BADGE_GROUPS, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}

std::vector<std::u16string> Badges(HWND manager)
{
    return Items(manager, IDC_BADGE_LIST, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT);
}

void SelectBadge(HWND manager, const std::u16string& name)
{
    const std::vector<std::u16string> badges = Badges(manager);
    const auto found = std::find(badges.begin(), badges.end(), name);
    ASSERT_NE(found, badges.end()) << "no badge " << testing::PrintToString(name.size());
    ::SendDlgItemMessageW(manager, IDC_BADGE_LIST, LB_SETCURSEL, static_cast<WPARAM>(found - badges.begin()), 0);
    ::SendMessageW(manager, WM_COMMAND, MAKEWPARAM(IDC_BADGE_LIST, LBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(::GetDlgItem(manager, IDC_BADGE_LIST)));
}

std::u16string Text(const char16_t* key)
{
    return CTextManager::Instance()->GetText(key);
}

class ClubBadgeFiles : public club_test::SampleClubTest {
protected:
    void SetUp() override
    {
        SampleClubTest::SetUp();
        const std::vector<std::uint8_t> disk = Picture(u"disk-badge.tga");
        const std::vector<std::uint8_t> archived = Picture(u"archive-badge.tga");
        ASSERT_GT(disk.size(), 18u);
        for (const char16_t* name : {u"South-Africa\\Badge256\\sa_disk.tga", u"South-Africa\\Badge256\\both.tga",
                                     u"South-Africa\\Badge256\\abcdefghijklm.tga",
                                     u"South-Africa\\Badge256\\abcdefghijklmn.tga", u"leagues\\Badge256\\league.tga",
                                     u"Generic\\Badge256\\generic.tga", u"Color\\Badge256\\bl_sw.tga"}) {
            const std::u16string path = platform::JoinPath(folder_.Path(), std::u16string(u"Badges\\") + name);
            ASSERT_TRUE(platform::CreateFolders(platform::FolderOf(path)));
            testing_support::WriteBytes(path, disk);
        }
        CMireloBig big;
        ASSERT_TRUE(big.Create(platform::JoinPath(folder_.Path(), u"badges.big")));
        ASSERT_TRUE(big.ImportData(u"Badges\\South-Africa\\Badge256\\sa_arch.tga", archived, true));
        ASSERT_TRUE(big.ImportData(u"Badges\\South-Africa\\Badge256\\both.tga", archived, false));
        ASSERT_TRUE(big.ImportData(u"Badges\\leagues\\Badge256\\cup.tga", archived, false));
        ASSERT_TRUE(big.Close());
        // The badge folder and archive are taken once per process: every
        // test of this group needs a process of its own, as ctest gives it.
        if (GetBadgeSources().Folder() != platform::JoinPath(folder_.Path(), u"Badges") || !GetBadgesArchive().IsOpen()) {
            GTEST_SKIP() << "an earlier test of this process fixed the badge folder";
        }
        previousSink_ = SetAppMessageSink({&Record, this});
    }
    void TearDown() override
    {
        SetAppMessageSink(previousSink_);
        SampleClubTest::TearDown();
    }

    static int Record(const char16_t* text, unsigned, void* context)
    {
        static_cast<ClubBadgeFiles*>(context)->messages_.emplace_back(text);
        return AppMessage::IdOk;
    }

    // Runs the manager from the badge page of club 0; act sees it once and ends it.
    void RunManager(const std::function<void(HWND)>& act)
    {
        bool acted = false;
        RunFrame(Club(0), ClubIds(), [&](HWND frame) {
            ::SetWindowPos(frame, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
            ClickTab(frame, BadgeTab);
            gui_test::ModalDriver manager([&] {
                const HWND window = app_test::FindDialogWith(IDC_BADGE_GROUPS);
                if (window == nullptr) return false;
                acted = true;
                act(window);
                return true;
            });
            Click(Page(frame, BadgeTab), IDC_BADGE_MANAGE);
            Click(frame, IDOK);
        });
        EXPECT_TRUE(acted);
    }

    AppMessageSink previousSink_{};
    std::vector<std::u16string> messages_;
};

TEST_F(ClubBadgeFiles, ThePageShowsADiskBadgeAndAnArchiveBadge)
{
    Club(0).SetBadgePath(DiskBadge);
    Club(1).SetBadgePath(ArchiveBadge);
    RunFrame(Club(0), ClubIds(), [&](HWND frame) {
        ::SetWindowPos(frame, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
        ClickTab(frame, BadgeTab);
        const HWND page = Page(frame, BadgeTab);
        EXPECT_EQ(ItemText(page, IDC_BADGE_STATUS), DiskBadge);
        ExpectBadgeShown(page, IDC_BADGE_IMAGE, DiskDisc, DiskGround);
        ::SendDlgItemMessageW(frame, IDC_CLUB_CHOOSER, CB_SETCURSEL, 1, 0);
        ::SendMessageW(frame, WM_COMMAND, MAKEWPARAM(IDC_CLUB_CHOOSER, CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(::GetDlgItem(frame, IDC_CLUB_CHOOSER)));
        EXPECT_EQ(ItemText(page, IDC_BADGE_STATUS), ArchiveBadge);
        ExpectBadgeShown(page, IDC_BADGE_IMAGE, ArchiveDisc, ArchiveGround);
        Click(frame, IDOK);
    });
    EXPECT_TRUE(messages_.empty());
}

TEST_F(ClubBadgeFiles, TheManagerGroupsByCountryAndChoosesAnArchiveBadge)
{
    Club(0).SetBadgePath(DiskBadge);
    const TCountry* southAfrica = GetWorld()->GetCountry(140);
    ASSERT_NE(southAfrica, nullptr);
    RunManager([&](HWND manager) {
        const std::vector<std::u16string> groups = Groups(manager);
        EXPECT_EQ(std::count(groups.begin(), groups.end(), u"leagues"), 0);
        EXPECT_EQ(std::count(groups.begin(), groups.end(), Text(u"Dialog.Club.BadgeSelect.Generic")), 2) << "Generic and Color";
        ASSERT_FALSE(groups.empty());
        EXPECT_EQ(groups.back(), Text(u"Dialog.Club.BadgeSelect.NoBadge"));
        const int selected = static_cast<int>(::SendDlgItemMessageW(manager, IDC_BADGE_GROUPS, CB_GETCURSEL, 0, 0));
        ASSERT_GE(selected, 0);
        EXPECT_EQ(groups[static_cast<std::size_t>(selected)], std::u16string(southAfrica->GetName()));

        std::vector<std::u16string> badges = Badges(manager);
        std::sort(badges.begin(), badges.end());
        EXPECT_EQ(badges, (std::vector<std::u16string>{u"abcdefghijklm", u"abcdefghijklmn", u"both", u"sa_arch", u"sa_disk"}))
            << "a badge on disk and in the archive is listed once";
        SelectBadge(manager, u"sa_arch");
        EXPECT_EQ(ItemText(manager, IDC_BADGE_PREVIEW_PATH), ArchiveBadge);
        ExpectBadgeShown(manager, IDC_BADGE_IMAGE, ArchiveDisc, ArchiveGround);
        SelectBadge(manager, u"both");
        ExpectBadgeShown(manager, IDC_BADGE_IMAGE, DiskDisc, DiskGround);
        SelectBadge(manager, u"sa_arch");
        Click(manager, IDOK);
    });
    EXPECT_EQ(std::u16string(Club(0).GetBadgePath()), ArchiveBadge);
    EXPECT_TRUE(messages_.empty());
}

struct TLengthCase {
    const char16_t* badge;
    const char16_t* path;
    bool taken;
};

TEST_F(ClubBadgeFiles, APathLongerThanTheClubKeepsIsRefusedAndTheManagerStaysOpen)
{
    const TLengthCase cases[] = {{u"abcdefghijklm", LongestBadge, true}, {u"abcdefghijklmn", TooLongBadge, false}};
    for (const TLengthCase& c : cases) {
        Club(0).SetBadgePath(DiskBadge);
        messages_.clear();
        RunManager([&](HWND manager) {
            SelectBadge(manager, c.badge);
            EXPECT_EQ(ItemText(manager, IDC_BADGE_PREVIEW_PATH), c.path);
            Click(manager, IDOK);
            EXPECT_EQ(::IsWindowVisible(manager) != FALSE, !c.taken);
            if (!c.taken) Click(manager, IDCANCEL);
        });
        EXPECT_EQ(std::u16string(Club(0).GetBadgePath()), c.taken ? c.path : DiskBadge);
        EXPECT_EQ(messages_, c.taken ? std::vector<std::u16string>{}
                                     : std::vector<std::u16string>{Text(u"Dialog.Club.BadgeSelect.PathTooLong")});
    }
}

}  // namespace
