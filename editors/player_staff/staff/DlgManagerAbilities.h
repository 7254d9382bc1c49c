#pragma once
// The staff page "TabAbilities": a staff member's four abilities, four
// languages and character. Only managers and chairmen can be edited here,
// but the store closes up every staff member's languages; a real person's
// abilities are shown as "-" and kept. Only the values the user changed are
// written back: an ability above 15 or a language no row offers stays as
// stored while the page merely shows it.

#include <array>

#include "editors/player_staff/squad/PersonPage.h"
#include "ui/base/UserChanges.h"
#include "ui/controls/SpinEditCtrl.h"

class CDlgManagerAbilities : public CPersonPage {
public:
    static constexpr int HighestAbility = 15;

    explicit CDlgManagerAbilities(HWND parent = nullptr);
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.Country.ManagerAbilities"; }

    void SetPerson(TPerson* person, TClub* club) override;
    void ApplyToPerson() override;
    void OnChange(void* sender) override;

protected:
    // The country editor's page of the same controls has a template of its own.
    CDlgManagerAbilities(UINT templateId, HWND parent);
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    static bool IsEditable(const TPerson& person);
    void ShowPerson(const TPerson& person);
    void ApplyEditableValues();
    void EnableValues(bool enable) const;
    // The selected item's data once the user chose an item, else stored.
    int ChosenOr(int id, int stored) const;

    std::array<Halvane::MFC::CSpinEditCtrl, 4> abilities_;
    TPerson* person_ = nullptr;
    CUserChanges changes_;
};
