#pragma once
// The "TabPosition" page: main position and five further positions,
// preferred foot, experience, tactical education and three languages.
// Showing a person writes the page back at once, so his positions and
// languages come out normalised.

#include "editors/player_staff/squad/PersonPage.h"
#include "ui/controls/SpinEditCtrl.h"

struct PositionPageValues;

class CDlgPlayerPosition : public CPersonPage {
public:
    explicit CDlgPlayerPosition(HWND parent = nullptr);
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.Player.Position"; }

    void SetPerson(TPerson* person, TClub* club) override;
    void ApplyToPerson() override;

protected:
    BOOL OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void FillCombos();
    void Select(int id, int value) const;
    int Selected(int id) const;
    void ShowValues(const PositionPageValues& values);
    void ShowTexts();
    void OnScroll(int code, int thumb, HWND bar);

    TPerson* person_ = nullptr;
    Halvane::MFC::CSpinEditCtrl tacticalEducation_;
};
