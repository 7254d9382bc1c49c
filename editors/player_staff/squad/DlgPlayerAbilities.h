#pragma once
// The "TabAbilities" page: the 43 abilities of a player, each coloured by
// how much it weighs in the rating of his main position, six buttons that
// raise or lower all of them by a percentage and one that draws a new set
// matched to his club.

#include <array>
#include <cstdint>

#include "database/person/Person.h"
#include "editors/player_staff/squad/PersonPage.h"
#include "editors/player_staff/model/squad/AbilityRules.h"
#include "ui/controls/SpinEditCtrl.h"

class CDlgPlayerAbilities : public CPersonPage {
public:
    explicit CDlgPlayerAbilities(HWND parent = nullptr);
    ~CDlgPlayerAbilities() override;
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.Player.Abilities"; }

    void SetPerson(TPerson* person, TClub* club) override;
    void ApplyToPerson() override;
    void OnChange(void* sender) override;
    double GetTargetRating() const { return target_; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT message) override;

private:
    void ApplyPercent(int percent);
    void DrawRandomAbilities();
    void ReportChangedLevel();
    int AbilityOfControl(HWND control) const;

    std::array<Halvane::MFC::CSpinEditCtrl, TPerson::AbilityCount> spins_;
    std::array<HBRUSH, AbilityRules::BandCount> brushes_{};
    TPerson* person_ = nullptr;
    TClub* club_ = nullptr;
    double target_ = AbilityRules::DefaultTarget;
    int level_ = 0;
    bool showing_ = false;
};
