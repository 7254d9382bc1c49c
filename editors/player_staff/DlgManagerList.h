#pragma once
// The squad window's staff list: the club's persons other than players
// with their roles. It reports the selected member to the frame and adds,
// deletes, moves and takes over staff members from its context menu.
// Bound to a country instead, it lists the country's additional managers;
// there nothing is grayed and taking over does nothing.

#include <cstdint>

#include "ui/DialogB.h"
#include "ui/MyListBox.h"

class TClub;
class TCompleteWorld;
class TCountry;
class TPerson;

class CDlgManagerList : public CDialogB {
public:
    static constexpr UINT ListRefresh = WM_APP + 1;
    static constexpr UINT PersonChosen = WM_APP + 5;
    static constexpr int StaffFilter = 2;

    explicit CDlgManagerList(HWND parent = nullptr);
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.Country.ManagerList"; }

    void Init(HWND frame, TClub* club, TPerson* person, int filter);
    void InitCountry(HWND frame, TCountry* country);
    void FillList();
    TPerson* GetCurrentPerson() const { return person_; }
    int GetRowCount() const { return list_.GetCount(); }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    bool IsBound() const { return club_ != nullptr || country_ != nullptr; }
    TCompleteWorld* World() const;
    void AddRows(std::uint32_t rememberedId, int& selected);
    void RequestStore() const;
    void ReportPerson() const;
    void OnSelectionChange();
    void ShowContextMenu();
    bool IsGrayed(int command) const;
    void AddStaff(int type);
    void DeleteStaff();
    void MoveStaff();
    void TakeOverStaff();

    CMyListBox list_;
    int filter_ = StaffFilter;
    int countryId_ = 0;
    TClub* club_ = nullptr;
    TCountry* country_ = nullptr;
    TPerson* person_ = nullptr;
    HWND frame_ = nullptr;
};
