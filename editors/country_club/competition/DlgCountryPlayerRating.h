#pragma once
// The rating (0..99) of each named league level of a country, written at
// every change of the spin.

#include "ui/base/DialogB.h"
#include "ui/controls/MyListBox.h"
#include "ui/skin/MyStaticControl.h"
#include "ui/controls/SpinEditCtrl.h"

class TCountry;

class CDlgCountryPlayerRating : public CDialogB {
public:
    CDlgCountryPlayerRating(TCountry& country, HWND parent);
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.Country.ChangePlayerRating"; }
    void OnChange(void* sender) override;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    void FillList();
    void OnLevelSelected();

    CMyListBox levels_;
    CMyStaticControl levelName_;
    Halvane::MFC::CSpinEditCtrl rating_;
    TCountry& country_;
    int level_ = 0;
    // Set while a chosen level's rating is shown: the spin clamps a stored
    // rating above 99, which is no edit of the user's.
    bool showingLevel_ = false;
};
