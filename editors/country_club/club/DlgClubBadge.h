#pragma once
// The club editor's badge page: the badge, its stored path and standard
// file name, the colour choices of generated badges and merchandise, and
// the badge manager.

#include <array>

#include "ui/base/DialogB.h"
#include "ui/render/ImageCtrl.h"
#include "ui/controls/SelectColour.h"

class TClub;

class CDlgClubBadge : public CDialogB {
public:
    explicit CDlgClubBadge(HWND parent = nullptr);
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.Club.Badge"; }

    void LoadClub(TClub* club);
    void StoreClub();

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    static constexpr std::size_t Combos = 3;

    void ShowBadge(bool nationalTeam);
    void OnManage();
    std::array<int, Combos> ReadShown() const;

    TClub* club_ = nullptr;
    CImageCtrl image_;
    // Badge parameters 0, 2 and 4.
    std::array<CSelectColour, Combos> combos_;
    std::array<int, Combos> loaded_{};
};
