#pragma once
// The country editor's cup page: the national cup, the league cups and the
// super cup with their types, names and prize money by round, the final's
// stadium and the card rules.

#include <array>

#include "editors/country_club/model/country/CountryCupView.h"
#include "editors/country_club/model/country/CupPageModel.h"
#include "ui/base/DialogB.h"
#include "ui/skin/MyGroupBox.h"
#include "ui/controls/SpinEditCtrl.h"
#include "win/Edit.h"

class TCountry;

class CDlgLandCup : public CDialogB {
public:
    explicit CDlgLandCup(HWND parent = nullptr);
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.Country.Cup"; }

    // A null country leaves the page as it is.
    void LoadCountry(TCountry* country);
    // Nothing before the first load.
    void StoreCountry();

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    // A page of the frame: Enter and Escape are the frame's.
    void OnOK() override {}
    void OnCancel() override {}

private:
    void FillCupTypeCombo(int cup, int kind, int stored);
    void FillBonusCupCombo();
    TCupAmounts ShownAmounts();
    void ShowAmounts();
    void EnableKeptRounds();
    void OnBonusCupChanged();
    void OnAmountType(int type);
    void ShowView(const TCountryCupView& view);
    TCountryCupView ReadView();
    int SelectedType(int cup) const;
    bool Checked(int id) const;
    void Check(int id, bool on) const;

    TCountry* country_ = nullptr;
    int language_ = 0;
    bool loading_ = false;
    TCupPrizeTable prizes_;
    std::uint8_t cardFlags_ = 0;
    std::array<win::CEdit, CupPageCups> names_;
    std::array<win::CComboBox, CupPageCups> types_;
    win::CComboBox finalStadium_;
    win::CComboBox yellowLeagueRule_;
    win::CComboBox yellowCupRule_;
    win::CComboBox redCardRule_;
    win::CComboBox bonusCup_;
    std::array<Halvane::MFC::CSpinEditCtrl, CupRounds> amounts_;
    std::array<CMyGroupBox, 6> groups_;
};
