#pragma once
// The staff page "TabAbilities": a staff member's four abilities, four
// languages and character. Only managers and chairmen can be edited here,
// but the store closes up every staff member's languages; a real person's
// abilities are shown as "-" and kept.

#include <array>

#include "editors/player_staff/squad/PersonPage.h"
#include "ui/controls/SpinEditCtrl.h"

class CDlgManagerAbilities : public CPersonPage {
public:
    static constexpr int HighestAbility = 15;

    explicit CDlgManagerAbilities(HWND parent = nullptr);
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.Country.ManagerAbilities"; }

    void SetPerson(TPerson* person, TClub* club) override;
    void ApplyToPerson() override;

protected:
    // The country editor's page of the same controls has a template of its own.
    CDlgManagerAbilities(UINT templateId, HWND parent);
    BOOL OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    static bool IsEditable(const TPerson& person);
    void EnableValues(bool enable) const;
    // The selected item's data, or fallback without a selection.
    int Selected(int id, int fallback) const;

    std::array<Halvane::MFC::CSpinEditCtrl, 4> abilities_;
    TPerson* person_ = nullptr;
};
