#pragma once
// Picks a stadium through the club that owns it.

#include "database/club/Club.h"
#include "ui/base/DialogB.h"
#include "win/ListBox.h"

class CDlgChooseStadion : public CDialogB {
public:
    explicit CDlgChooseStadion(HWND parent = nullptr);
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.StadiumSelect"; }

    void SetSelectedClubId(TTeamId id);
    void GetSelectedClubId(TTeamId& id) const { id = selected_; }
    const TTeamId& GetSelectedClubIdRef() const { return selected_; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    void FillStadiums();

    win::CListBox countries_;
    win::CListBox stadiums_;
    TTeamId selected_ = 0;
    int country_ = 1;
};
