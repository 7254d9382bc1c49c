#pragma once
// What the squad window's staff list and the country editor's list of
// additional managers have in common: a list box of persons with a count
// below it, the selected person reported to the frame, and a context menu
// of roles to add and of persons to delete or move.

#include <cstdint>
#include <string>

#include "ui/base/DialogB.h"
#include "ui/controls/MyListBox.h"

class TCompleteWorld;
class TPerson;

class CStaffListPage : public CDialogB {
public:
    static constexpr UINT ListRefresh = WM_APP + 1;
    static constexpr UINT PersonChosen = WM_APP + 5;

    // Refills the list, keeping its scroll position and, when he is still
    // listed, the current person's row.
    void FillList();
    TPerson* GetCurrentPerson() const { return person_; }
    int GetRowCount() const { return list_.GetCount(); }

protected:
    CStaffListPage(UINT templateId, HWND parent);

    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    virtual TCompleteWorld* World() const = 0;
    // Sets the columns and adds every row with AddRow.
    virtual void AddRows() = 0;
    // A list whose remembered person is gone selects its first row instead.
    virtual bool SelectsFirstRowWhenNone() const = 0;
    virtual UINT ContextMenuId() const = 0;
    // The mouse message that opens the context menu.
    virtual bool OpensContextMenu(UINT message) const = 0;
    virtual bool IsGrayed(int command) const = 0;
    // A command of the context menu; false when it is none of the list's.
    virtual bool OnMenuCommand(int id) = 0;

    void AddRow(std::uint32_t personId, const std::u16string& text);
    // The role text of a person type's key; empty without a key.
    const char16_t* RoleText(const char16_t* key);
    // Has the frame write its visible person page back.
    void RequestStore() const;
    void ReportPerson() const;
    // The person becomes the current one and the list is filled again.
    void ShowAdded(TPerson* person);

    CMyListBox list_;
    TPerson* person_ = nullptr;
    HWND frame_ = nullptr;

private:
    void OnSelectionChange();
    void ShowContextMenu();

    std::uint32_t rememberedId_ = 0;
    int selected_ = -1;
};
