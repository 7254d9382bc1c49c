#pragma once
// The club editor's tests: the sample database loaded in a working folder,
// the frame run modally with a driver acting from inside its loop, and the
// country files as bytes to tell whether anything changed.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/GlobalObjects.h"
#include "database/club/Club.h"
#include "tests/app/AppTestSupport.h"

class TCountry;
class CDlgClubParent;

namespace club_test {

class SampleClubTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The first country with at least two clubs besides its national team.
    TCountry& Country() const { return *country_; }
    std::vector<TTeamId> ClubIds() const;
    TClub& Club(int index) const;
    // The country's sections as the country file holds them.
    std::string CountryBytes() const;

    // Runs the frame on a club with the clubs as chooser rows; act runs
    // once from inside the frame's modal loop with its window and must end
    // it. Returns the frame's result.
    INT_PTR RunFrame(TClub& club, const std::vector<TTeamId>& rows, const std::function<void(HWND)>& act);
    // The same with several steps, each run from a later turn of the
    // frame's loop, so what one step posts has gone through the loop (and
    // its message filter) before the next; the last must end the frame (a
    // frame still open after it is a failure, and cancelled).
    INT_PTR RunFrameSteps(TClub& club, const std::vector<TTeamId>& rows, const std::vector<std::function<void(HWND)>>& steps);
    // The same with steps that are run again at later turns until they
    // return true.
    INT_PTR RunFrameUntil(TClub& club, const std::vector<TTeamId>& rows, const std::vector<std::function<bool(HWND)>>& steps);

    app_test::WorkingFolder folder_{u"clubeditor", true};
    std::unique_ptr<CGlobalObjects> globals_ = std::make_unique<CGlobalObjects>();
    TCountry* country_ = nullptr;
};

// A user's click on a tab of the frame's tab control.
void ClickTab(HWND frame, int index);
void Click(HWND dialog, int id);
void SetItem(HWND dialog, int id, const std::u16string& text);
// The page window on a tab of the frame.
HWND Page(HWND frame, int tab);

}  // namespace club_test
