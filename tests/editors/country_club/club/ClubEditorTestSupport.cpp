#include "ClubEditorTestSupport.h"

#include <commctrl.h>

#include "app/LedraApp.h"
#include "core/files/IndexTextFile.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/country/CountryFile.h"
#include "database/world/GameIdMaps.h"
#include "database/world/WorldList.h"
#include "editors/country_club/club/DlgClubParent.h"
#include "platform/Platform.h"
#include "resources/ClubEditorIds.h"
#include "tests/common/TestSupport.h"
#include "tests/ui/GuiTestSupport.h"
#include "win/WideText.h"

namespace club_test {

void SampleClubTest::SetUp()
{
    TCompleteWorld* world = app_test::StartOverWorkingFolder(globals_->App());
    ASSERT_NE(world, nullptr);
    for (int id = 1; id <= 206 && country_ == nullptr; ++id) {
        TCountry* country = world->GetCountry(id);
        if (country->GetId() == id && country->GetClubCountWithoutNationalTeam() >= 2) country_ = country;
    }
    ASSERT_NE(country_, nullptr);
}

void SampleClubTest::TearDown()
{
    GetWorldList().Clear();
}

std::vector<TTeamId> SampleClubTest::ClubIds() const
{
    std::vector<TTeamId> ids;
    for (int index = 0; index < country_->GetClubCount(); ++index) {
        const TClub* club = country_->GetClubByIndex(index);
        if (club != nullptr && !IsNationalTeamId(club->GetId())) ids.push_back(club->GetId());
    }
    return ids;
}

TClub& SampleClubTest::Club(int index) const
{
    return *GetWorld()->GetClub(ClubIds()[static_cast<std::size_t>(index)]);
}

std::string SampleClubTest::CountryBytes() const
{
    const std::u16string path = platform::JoinPath(folder_.Path(), u"country-bytes.txt");
    BuildGameIdMaps(GetGameIdMaps());
    CIndexTextFile file;
    EXPECT_TRUE(file.OpenWrite(path) && WriteCountrySections(*country_, file) && file.Close());
    const std::vector<std::uint8_t> bytes = testing_support::ReadBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

INT_PTR SampleClubTest::RunFrame(TClub& club, const std::vector<TTeamId>& rows, const std::function<void(HWND)>& act)
{
    return RunFrameSteps(club, rows, {act});
}

INT_PTR SampleClubTest::RunFrameSteps(TClub& club, const std::vector<TTeamId>& rows,
                                      const std::vector<std::function<void(HWND)>>& steps)
{
    std::vector<std::function<bool(HWND)>> once;
    for (const auto& step : steps) {
        once.push_back([step](HWND frame) {
            step(frame);
            return true;
        });
    }
    return RunFrameUntil(club, rows, once);
}

INT_PTR SampleClubTest::RunFrameUntil(TClub& club, const std::vector<TTeamId>& rows,
                                      const std::vector<std::function<bool(HWND)>>& steps)
{
    CDlgClubParent frame(nullptr);
    frame.SetCurrentClub(&club);
    frame.SetCountry(country_);
    for (const TTeamId id : rows) frame.AddClub(id);
    std::size_t done = 0;
    bool stayedOpen = false;
    bool inStep = false;
    gui_test::ModalDriver driver([&] {
        // A step that pumps messages itself sees no turn of the driver.
        if (inStep) return false;
        const HWND window = frame.Handle();
        if (window == nullptr || !::IsWindowVisible(window)) return done > 0;
        if (done < steps.size()) {
            inStep = true;
            if (steps[done](window)) ++done;
            inStep = false;
            return false;
        }
        stayedOpen = true;
        ::PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
        return true;
    });
    const INT_PTR result = frame.DoModal();
    EXPECT_EQ(done, steps.size());
    EXPECT_FALSE(stayedOpen) << "the frame stayed open after the last step";
    EXPECT_FALSE(driver.TimedOut());
    return result;
}

void ClickTab(HWND frame, int index)
{
    HWND tab = ::GetDlgItem(frame, IDC_CLUB_TAB);
    RECT item{};
    ::SendMessageW(tab, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    const LPARAM point = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    ::SendMessageW(tab, WM_LBUTTONDOWN, MK_LBUTTON, point);
    ::SendMessageW(tab, WM_LBUTTONUP, 0, point);
}

void Click(HWND dialog, int id)
{
    ::SendMessageW(::GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

void SetItem(HWND dialog, int id, const std::u16string& text)
{
    ::SetDlgItemTextW(dialog, id, win::W(text));
}

HWND Page(HWND frame, int tab)
{
    TCITEMW item{};
    item.mask = TCIF_PARAM;
    ::SendMessageW(::GetDlgItem(frame, IDC_CLUB_TAB), TCM_GETITEMW, static_cast<WPARAM>(tab), reinterpret_cast<LPARAM>(&item));
    return reinterpret_cast<HWND>(item.lParam);
}

}  // namespace club_test
