#pragma once
// The world's players without a club: sorted by any column, the selected
// ones signed to a club or deleted.

#include <cstdint>
#include <functional>

#include "editors/player_staff/model/lists/FreeAgentsList.h"
#include "ui/base/DialogB.h"
#include "win/ListCtrl.h"

class CDlgPlayerWithoutClub : public CDialogB {
public:
    // Asks for a team; true with its id (bit 24 the reserve team) on OK.
    using ClubChooser = std::function<bool(HWND owner, std::uint32_t& teamId)>;

    explicit CDlgPlayerWithoutClub(HWND parent);
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.FreeAgents"; }
    // The club picker the sign command runs; without one the command is
    // disabled.
    static void SetClubChooser(ClubChooser chooser);
    const FreeAgentsList& GetAgents() const { return agents_; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    // Shows the popup; tests look at it without tracking.
    virtual void TrackListMenu(HMENU menu) { TrackContextMenu(menu); }

private:
    void ShowRows();
    void SignSelected();
    void DeleteSelected();
    void ShowListMenu();

    win::CListCtrl list_;
    FreeAgentsList agents_;
};
