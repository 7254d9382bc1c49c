#pragma once
// The continental competitions editor: one page per continent in a tab
// control, working on a copy of the world's rules record that goes back to
// the world when the frame closes, by OK as by Escape.

#include <memory>

#include "database/country/RulesAndMisc.h"
#include "ui/base/DialogB.h"
#include "ui/skin/SkinnedTabCtrl.h"

class CDlgContinentCompetition;

class CDlgContinentFrame : public CDialogB {
public:
    static constexpr int Continents = TRulesAndMisc::Continents;

    explicit CDlgContinentFrame(HWND parent = nullptr);
    ~CDlgContinentFrame() override;
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.Continent"; }
    TRulesAndMisc& GetRules() { return rules_; }
    CDlgContinentCompetition* GetPage(int continent) const;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;

private:
    void CreatePage(int continent);
    void ShowSelectedPage();
    void StoreIntoWorld();

    std::unique_ptr<CDlgContinentCompetition> pages_[Continents];
    CSkinnedTabCtrl tab_;
    int tabCount_ = 0;
    TRulesAndMisc rules_;
};
