#pragma once
// The three clubs entered into European competition through the fairness
// ranking, on the continent editor's copy of the rules record.

#include "editors/country_club/model/continent/FairnessPlaces.h"
#include "ui/base/DialogB.h"

class TRulesAndMisc;

class CDlgEuropeanFairness : public CDialogB {
public:
    CDlgEuropeanFairness(TRulesAndMisc& rules, HWND parent = nullptr);
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.International.EuropeanFairness"; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    void ShowPlace(int place) const;
    void ChoosePlace(int place);

    FairnessPlaces places_;
};
