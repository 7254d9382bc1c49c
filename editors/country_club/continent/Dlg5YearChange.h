#pragma once
// One country's six assessment coefficients, edited as decimal values;
// the caller stores them into the country after OK.

#include <cstdint>

#include "ui/base/DialogB.h"
#include "ui/controls/SpinEditCtrl.h"

class TCountry;

class CDlg5YearChange : public CDialogB {
public:
    static constexpr int Years = 6;

    explicit CDlg5YearChange(HWND parent = nullptr);
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.AssessmentChange"; }
    void SetCountry(TCountry* country) { country_ = country; }
    void Store() const;
    void OnChange(void* sender) override;
    Halvane::MFC::CSpinEditCtrl& GetSpin(int year) { return spins_[year - 1]; }

protected:
    BOOL OnInitDialog() override;

private:
    void ShowTotal() const;

    Halvane::MFC::CSpinEditCtrl spins_[Years];
    TCountry* country_ = nullptr;
    std::uint16_t values_[Years] = {};
};
