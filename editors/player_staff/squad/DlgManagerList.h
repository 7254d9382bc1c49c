#pragma once
// The squad window's staff list: the club's persons other than players
// with their roles. It reports the selected member to the frame and adds,
// deletes, moves and takes over staff members from its context menu.

#include "editors/player_staff/staff/StaffListPage.h"

class TClub;

class CDlgManagerList : public CStaffListPage {
public:
    static constexpr int StaffFilter = 2;

    explicit CDlgManagerList(HWND parent = nullptr);
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.Country.ManagerList"; }

    void Init(HWND frame, TClub* club, TPerson* person, int filter);

protected:
    TCompleteWorld* World() const override;
    void AddRows() override;
    bool SelectsFirstRowWhenNone() const override { return true; }
    UINT ContextMenuId() const override;
    bool OpensContextMenu(UINT message) const override { return message == WM_RBUTTONUP || message == WM_CONTEXTMENU; }
    bool IsGrayed(int command) const override;
    bool OnMenuCommand(int id) override;

private:
    void AddStaff(int type);
    void DeleteStaff();
    void MoveStaff();
    void TakeOverStaff();

    int filter_ = StaffFilter;
    int countryId_ = 0;
    TClub* club_ = nullptr;
};
