#pragma once
// The country editor's general page: federation, climate, ranking, transfer
// settings, amateur rule, naturalisation, titles, average rating, notes and
// the four languages with their shares.

#include <array>

#include "editors/country_club/model/country/CountryGeneralModel.h"
#include "ui/base/DialogB.h"
#include "ui/skin/MyGroupBox.h"
#include "ui/skin/MyStaticControl.h"
#include "ui/controls/SpinEditCtrl.h"
#include "win/Edit.h"

class TCountry;

class CDlgLand : public CDialogB {
public:
    explicit CDlgLand(HWND parent = nullptr);
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.Country.Common"; }

    // A null country leaves the page as it is.
    void LoadCountry(TCountry* country);
    // Nothing before the first load.
    void StoreCountry();
    void OnChange(void* sender) override;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    void OnModifyLeagueRating();
    void FillKeyCombo(const win::CComboBox& combo, const TextKey* keys, int count, int selected);
    void ShowView(const TCountryGeneralView& view);
    TCountryGeneralView ReadView();
    void ShowShareSum(int sum);

    TCountry* country_ = nullptr;
    // Set while the page shows a country: the spins then report values the
    // page put there, not edits to check against the shares' cap.
    bool loading_ = false;
    win::CEdit federation_;
    win::CEdit notes_;
    win::CComboBox climate_;
    win::CComboBox territory_;
    win::CComboBox amateurRule_;
    win::CButton noTerraces_;
    win::CButton generateNames_;
    Halvane::MFC::CSpinEditCtrl ranking_;
    Halvane::MFC::CSpinEditCtrl foreignTransfers_;
    Halvane::MFC::CSpinEditCtrl naturalisation_;
    Halvane::MFC::CSpinEditCtrl averageRating_;
    std::array<Halvane::MFC::CSpinEditCtrl, 4> titles_;
    std::array<win::CComboBox, 4> languages_;
    std::array<Halvane::MFC::CSpinEditCtrl, 4> shares_;
    CMyStaticControl shareSum_;
    std::array<CMyGroupBox, 5> groups_;
};
