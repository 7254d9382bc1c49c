#pragma once
// The hits of a player search: every club of every country and the players
// without club are searched on a worker thread, and at most 10,000 hits
// are listed in a sortable list. "Show club" ends the window with the
// club of the chosen hit.

#include <atomic>
#include <cstdint>
#include <vector>

#include "editors/player_staff/model/search/PlayerSearch.h"
#include "ui/base/DialogB.h"
#include "ui/base/DialogWorker.h"
#include "ui/lists/HVListCtrl.h"

class CDlgSearchResult : public CDialogB, public Halvane::MFC::CHVListCtrl::ISortTypeCompare {
public:
    static constexpr UINT SearchEnded = WM_USER + 8;
    static constexpr UINT RefillList = WM_USER + 7;

    explicit CDlgSearchResult(HWND parent = nullptr);
    ~CDlgSearchResult() override;

    // The patterns as typed; they are folded and upper-cased here.
    void SetCriteria(const std::u16string& firstName, const std::u16string& lastName, const std::u16string& pseudonym);
    void SetAllowShowClub(bool allow) { allowShowClub_ = allow; }
    void SetTargetClub(std::uint32_t clubId) { targetClub_ = clubId; }
    bool IsChanged() const { return changed_; }
    void GetChosenClubId(std::uint32_t& id) const { id = chosenClub_; }
    bool IsSearching() const { return running_; }
    int GetHitCount() const { return static_cast<int>(hits_.size()); }

    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.Player.SearchResult"; }
    int Compare(int sortType, LPARAM item1, LPARAM item2) override;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnDestroy() override;

private:
    void AddColumns();
    void StartSearch();
    // Stops a running search and waits for its worker, however long the
    // current club takes: the worker writes into this object.
    void StopSearch();
    void OnSearchEnded();
    void FillList();
    void ShowContextMenu();
    PlayerSearch::THit* SelectedHit();
    void ShowClubOfSelection();
    // The list's commands on the selected hit; the search runs again after each.
    void RunHitCommand(int id);
    bool MoveToChosenClub(PlayerSearch::THit& hit);
    bool RegisterWithTargetClub(PlayerSearch::THit& hit);

    bool changed_ = false;
    bool allowShowClub_ = false;
    std::uint32_t chosenClub_ = 0;
    std::uint32_t targetClub_ = 0;
    Halvane::MFC::CHVListCtrl list_;
    CDialogWorker worker_;
    bool running_ = false;
    std::atomic<bool> stopRequest_{false};
    std::vector<PlayerSearch::THit> found_;
    std::vector<PlayerSearch::THit> hits_;
    PlayerSearch::TCriteria criteria_;
};
