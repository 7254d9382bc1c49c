#pragma once
// The data of one league: name, size and rounds, money, multipliers,
// transfer and loan limits, and the rules of its level, which the caller
// writes into the country.

#include <array>

#include "editors/country_club/model/competition/LeagueDataModel.h"
#include "ui/base/DialogB.h"
#include "ui/skin/MyGroupBox.h"
#include "ui/controls/SpinEditCtrl.h"
#include "win/Edit.h"

class CDlgLeaguedataChange : public CDialogB {
public:
    explicit CDlgLeaguedataChange(HWND parent = nullptr);
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.Country.ChangeLeagueData"; }

    void SetLeague(CDBLeague& league, int system, int level, const TLeagueLevelRules& rules, bool scriptCountry);
    // The level's rules after OK.
    const TLeagueLevelRules& GetRules() const { return rules_; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    void ShowView(const TLeagueDataView& view);
    TLeagueDataView ReadView();
    void FillRelegationCombo(int selected);
    void FillNumberCombo(const win::CComboBox& combo, const TLeagueNumberCombo& numbers, int selected);
    void CheckRounds(int rounds);

    CDBLeague* league_ = nullptr;
    TLeagueDataContext context_;
    TLeagueLevelRules rules_;
    TLeagueDataView shown_;
    int rounds_ = 2;
    win::CEdit name_;
    win::CComboBox size_;
    win::CComboBox relegation_;
    win::CComboBox sort_;
    win::CComboBox foreigner_;
    std::array<win::CComboBox, LeagueNumberComboCount> numbers_;
    Halvane::MFC::CSpinEditCtrl attendance_;
    Halvane::MFC::CSpinEditCtrl transfer_;
    std::array<Halvane::MFC::CSpinEditCtrl, 3> money_;
    Halvane::MFC::CSpinEditCtrl maxNonEu_;
    Halvane::MFC::CSpinEditCtrl maxNonEuAge_;
    std::array<CMyGroupBox, 7> groups_;
};
