#pragma once
// A squad list page of the squad window: the players of one team part of
// the club in one of four orders. It reports the selected player to the
// frame and offers the squad commands of its context menu.

#include <cstdint>

#include "ui/base/DialogB.h"
#include "ui/controls/MyListBox.h"

class TClub;
class TPerson;

class CDlgPlayerList : public CDialogB {
public:
    static constexpr UINT ListRefresh = WM_APP + 1;
    static constexpr UINT PersonChosen = WM_APP + 5;

    explicit CDlgPlayerList(HWND parent = nullptr);
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.Club.Playerlist"; }

    void Bind(HWND frame, TClub* club, TPerson* person, int teamPart);
    void FillList();
    TPerson* GetCurrentPerson() const { return person_; }
    // Makes the person the one the next fill selects.
    void SetCurrentPerson(TPerson* person) { person_ = person; }
    int GetTeamPart() const { return teamPart_; }
    int GetRowCount() const;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void RequestStore() const;
    void OnSelectionChange();
    void ShowContextMenu();
    void ShowInfo(int rows);
    bool RunMenuCommand(int id);
    void AddNewPlayer();
    // Stores the shown page and tells the frame that no person is shown.
    void ForgetCurrentPerson();
    void DeletePlayer();
    void DeleteTeam();
    void TransferPlayer();
    void TakeOverPlayer();
    void GeneratePlayer();
    void GenerateTeam();
    void SwapTeam();
    void MarkRealPersons(bool real);

    CMyListBox list_;
    int sortMode_ = 0;
    TClub* club_ = nullptr;
    TPerson* person_ = nullptr;
    int teamPart_ = 0;
    HWND frame_ = nullptr;
};
