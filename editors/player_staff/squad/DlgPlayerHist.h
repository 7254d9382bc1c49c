#pragma once
// The "TabHistory" page: the player's national-team record and his career,
// one row per station, with an editor for the selected station and a
// context menu that adds and deletes stations.

#include "editors/player_staff/squad/PersonPage.h"
#include "ui/controls/DateCtrl.h"
#include "ui/lists/HVListCtrl.h"
#include "ui/controls/SpinEditCtrl.h"

class CDlgPlayerHist : public CPersonPage, public Halvane::MFC::CHVListCtrl::ISortTypeCompare {
public:
    explicit CDlgPlayerHist(HWND parent = nullptr);
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.Player.History"; }

    void SetPerson(TPerson* person, TClub* club) override;
    void ApplyToPerson() override;
    void OnChange(void* sender) override;
    int Compare(int sortType, LPARAM item1, LPARAM item2) override;
    int GetEditedEntry() const { return entry_; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    // Stores the edited entry, lists every entry and edits wanted (or the last row).
    void Refill(int wanted);
    void StoreEntry();
    void ShowEntry();
    void WriteRow(int row, int entry);
    int RowOfEntry(int entry) const;
    void ShowTotals();
    void ShowContextMenu();
    void AddEntry();
    void DeleteSelectedEntry();
    void ChooseEntryClub();

    Halvane::MFC::CHVListCtrl list_;
    Halvane::MFC::CSpinEditCtrl joined_;
    Halvane::MFC::CSpinEditCtrl appearances_;
    Halvane::MFC::CSpinEditCtrl goals_;
    Halvane::MFC::CSpinEditCtrl counts_[4];
    Halvane::MFC::CSpinEditCtrl fee_;
    Halvane::MFC::CDateCtrl start_;
    Halvane::MFC::CDateCtrl end_;
    TPerson* person_ = nullptr;
    int entry_ = -1;
    int shownJoined_ = 0;
    bool showing_ = false;
    bool startEdited_ = false;
    bool endEdited_ = false;
};
