#pragma once
// The squad window: the club's first, second and youth team lists on the
// left, the pages of the selected person on the right. Leaving a page or a
// person writes the page back at once; OK checks the squad and lets the
// user go back or close anyway. Escape and the close box do nothing.

#include <array>
#include <functional>
#include <memory>

#include "editors/player_staff/squad/DlgManagerList.h"
#include "editors/player_staff/squad/DlgPlayerList.h"
#include "editors/player_staff/squad/DlgPlayerListComplete.h"
#include "ui/base/DialogB.h"
#include "ui/skin/MyTabCtrl.h"

class CDlgPlayerAbilities;
class CDlgPlayerAllRight;
class CDlgPlayerCharacter;
class CDlgPlayerContract;
class CDlgManagerAbilities;
class CDlgPlayerHist;
class CDlgPlayerLook;
class CDlgPlayerPosition;
class CPersonPage;
class TClub;
class TCompleteWorld;
class TCountry;
class TPerson;

class CDlgPlayerlistClub : public CDialogB {
public:
    enum Mode { ClubSquad = 0, CountryPlayers = 1 };
    enum PageCode { CommonPage = 1, PositionPage = 2, AbilitiesPage = 3, CharacterPage = 4, AppearancePage = 5,
                    HistoryPage = 6, StaffAbilitiesPage = 7, ContractPage = 8 };
    static constexpr int ListCount = 3;
    static constexpr int StaffTab = 3;
    enum PageSet { PlayerPages = 0, StaffPages = 1 };
    static constexpr int MaxPages = 10;
    static constexpr UINT ShowPerson = WM_APP + 5;
    static constexpr UINT ShowClubKit = WM_APP + 6;

    CDlgPlayerlistClub(int mode, HWND parent = nullptr);
    ~CDlgPlayerlistClub() override;
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.Player.Frame"; }

    void SetClub(TClub* club) { club_ = club; }
    void SetCountry(TCountry* country);
    TClub* GetClub() const { return club_; }
    TPerson* GetCurrentPerson() const { return person_; }
    CDlgPlayerList& GetSquadList(int teamPart) { return lists_[static_cast<std::size_t>(teamPart)]; }
    CDlgManagerList& GetStaffList() { return staffList_; }
    CDlgPlayerListComplete& GetCompleteList() { return completeList_; }
    int GetPageSet() const { return pageSet_; }
    CMyTabCtrl& GetListTabs() { return listTabs_; }
    CMyTabCtrl& GetPageTabs() { return pageTabs_; }
    CPersonPage* GetPage(int code) const;

    void ShowPlayer(int pageIndex);
    bool StorePlayer(int pageIndex);

    // The OK check's message box; tests answer it. Returns its result.
    using ProblemBox = std::function<INT_PTR(HWND owner, const std::u16string& lines)>;
    void SetProblemBox(ProblemBox box) { problemBox_ = std::move(box); }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override {}
    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnDestroy() override;

private:
    struct TPageSlot {
        int code;
        TextKey key;
        CPersonPage* page;
    };
    void CreatePages();
    void CreateLists();
    void CreateCompleteList();
    TCompleteWorld* World() const;
    static void PlaceOnTab(HWND page);
    void SetupPageTabs(int set);
    void RefreshVisibleList();
    void OnListTabChanged(int tab);
    void OnUpdateList();
    void SwitchListTab(int tab);
    void RunSearch();
    void RunDuplicateFinder();
    void RunShirtNumbers();
    std::u16string ProblemLines() const;
    int CurrentListTab() const { return listTabs_.GetCurSel(); }

    CMyTabCtrl listTabs_;
    CMyTabCtrl pageTabs_;
    std::unique_ptr<CDlgPlayerAllRight> commonPage_;
    std::unique_ptr<CDlgPlayerPosition> positionPage_;
    std::unique_ptr<CDlgPlayerAbilities> abilitiesPage_;
    std::unique_ptr<CDlgPlayerCharacter> characterPage_;
    std::unique_ptr<CDlgPlayerContract> contractPage_;
    std::unique_ptr<CDlgPlayerHist> historyPage_;
    std::unique_ptr<CDlgPlayerLook> appearancePage_;
    std::unique_ptr<CDlgManagerAbilities> staffAbilitiesPage_;
    std::array<CDlgPlayerList, ListCount> lists_;
    CDlgManagerList staffList_;
    CDlgPlayerListComplete completeList_;
    TPerson* person_ = nullptr;
    int mode_;
    TClub* club_ = nullptr;
    TCountry* country_ = nullptr;
    // Mode 1: the club of the player shown, for the pages that need one.
    TClub* shownClub_ = nullptr;
    int currentPage_ = -1;
    int pageSet_ = -1;
    std::array<int, MaxPages> pageCodes_{};
    std::vector<TPageSlot> playerPages_;
    std::vector<TPageSlot> staffPages_;
    ProblemBox problemBox_;
};
