#pragma once
// The country editor's list of the country's additional managers (staff
// members who belong to the country and to no club): name, role and
// nationality. Its context menu adds a manager or a chairman, moves the
// chosen one into a club or deletes him; nothing there is ever grayed.

#include "editors/player_staff/staff/StaffListPage.h"

class TCountry;

class CDlgLandManagerList : public CStaffListPage {
public:
    explicit CDlgLandManagerList(HWND parent = nullptr);
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.Country.ManagerList"; }

    // Binds the list to the country; the frame receives the chosen person.
    void Init(HWND frame, TCountry* country);

protected:
    TCompleteWorld* World() const override;
    void AddRows() override;
    bool SelectsFirstRowWhenNone() const override { return false; }
    UINT ContextMenuId() const override;
    bool OpensContextMenu(UINT message) const override { return message == WM_RBUTTONDOWN; }
    bool IsGrayed(int) const override { return false; }
    bool OnMenuCommand(int id) override;

private:
    void AddStaff(int type);
    void DeleteStaff();
    void MoveToClub();
    // Asks whether the current person may go into a club, whose file would
    // drop his nickname and pseudonym.
    bool ConfirmNamesDropped();

    // Country 21 until the list is bound.
    int countryId_ = 21;
    TCountry* country_ = nullptr;
};
