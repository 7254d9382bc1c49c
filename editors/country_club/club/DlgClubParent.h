#pragma once
// The club editor: a club's pages on a tab control and a chooser that steps
// through the clubs the main window listed. Only the page on display is
// loaded and stored: when its tab is left, when the club changes and on OK.
// Enter on a page's focused push button presses it.

#include <array>
#include <cstdint>
#include <vector>

#include "database/club/Club.h"
#include "editors/country_club/club/DlgClub.h"
#include "editors/country_club/club/DlgClubBadge.h"
#include "editors/country_club/club/DlgClubHist.h"
#include "editors/country_club/club/DlgClubShirts.h"
#include "editors/country_club/club/DlgClubStadium.h"
#include "ui/base/DialogB.h"
#include "ui/skin/MyTabCtrl.h"
#include "win/ComboBox.h"

class TCountry;

class CDlgClubParent : public CDialogB {
public:
    static constexpr std::size_t TitleCapacity = 128;

    explicit CDlgClubParent(HWND parent = nullptr);
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.Club.Frame"; }

    // Before DoModal.
    void AddClub(TTeamId id);
    void SetCountry(TCountry* country) { country_ = country; }
    void SetCurrentClub(TClub* club) { club_ = club; }
    TClub* GetCurrentClub() const { return club_; }

    // Enter and Escape in a page go to the page: on the ground and history
    // pages Enter ends the frame as its OK does; Escape does nothing.
    bool PreTranslateMessage(MSG& message) override;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    enum PageCode { NoPage = 0, CommonPage = 1, BadgePage = 2, KitPage = 3, GroundPage = 4, HistoryPage = 5 };

    void AddPage(int tab, CDialogB& page, const char16_t* title, PageCode code);
    void LoadCurrentPage();
    void StoreCurrentPage();
    void UpdateCaption();
    void FillChooser();
    void ChangeClub();
    void Step(int delta);
    bool IsInCurrentPage(HWND window) const;
    bool CurrentPageEndsOnEnter() const;

    CMyTabCtrl tab_;
    win::CComboBox chooser_;
    TCountry* country_ = nullptr;
    TClub* club_ = nullptr;
    CDlgClub common_;
    CDlgClubBadge badge_;
    CDlgClubShirts kit_;
    CDlgClubStadium ground_;
    CDlgClubHist history_;
    std::vector<TTeamId> clubs_;
    char16_t title_[TitleCapacity] = {};
    int currentTab_ = 0;
    std::vector<PageCode> pageCodes_;
};
