#pragma once
// The "TabAppearance" page: hair, face, shoes, face template, height and
// weight with their imperial read-outs, long sleeves, a 3D head in the
// club's kit and the 2D portrait; the picture id in administration mode.
// A look chosen in a combo reaches the person at once for the previews;
// the rest when the frame stores the page.

#include "database/person/PlayerPortrait.h"
#include "editors/player_staff/squad/PersonPage.h"
#include "editors/player_staff/model/squad/PlayerLookModel.h"
#include "ui/render/PlayerImageCtrl.h"
#include "ui/controls/SpinEditCtrl.h"

class CDlgPlayerLook : public CPersonPage {
public:
    static constexpr std::uint32_t HeadBackground = 0xFF2020C0u;

    explicit CDlgPlayerLook(HWND parent = nullptr);
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.Player.Appearance"; }

    void SetPerson(TPerson* person, TClub* club) override;
    void ApplyToPerson() override;
    void OnChange(void* sender) override;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    void FillCombos();
    void Select(int id, std::uint32_t value) const;
    std::uint32_t Selected(int id, std::uint32_t fallback) const;
    void ReadCombos(PlayerLooks& looks) const;
    void StoreLooksForPreview();
    void UpdatePreviews();
    void ShowImperial();

    TPerson* person_ = nullptr;
    TClub* club_ = nullptr;
    TPortraitPerson portrait_;
    TPortraitHead head_;
    Halvane::MFC::CSpinEditCtrl height_;
    Halvane::MFC::CSpinEditCtrl weight_;
    CPlayerImageCtrl headPreview_;
    CPlayerImageCtrl portraitPreview_;
};
