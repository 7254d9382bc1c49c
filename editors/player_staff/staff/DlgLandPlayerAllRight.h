#pragma once
// The country editor's common page of an additional manager: the four
// names, both nationalities and the birth date, each change written into
// the person at once, and below them the sub-page of his kind.

#include "editors/player_staff/squad/PersonCommonPage.h"

class CDlgLandPlayerAllRight : public CPersonCommonPage {
public:
    explicit CDlgLandPlayerAllRight(HWND parent = nullptr);
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.Country.PlayerAllRight"; }

    // The frame that hears of a changed name.
    void SetNotifyWindow(HWND window) { notify_ = window; }
    void ApplyToPerson() override;

protected:
    BOOL OnInitDialog() override;
    void OnNameEdited() override;
    void OnNationalityChosen() override;
    void OnBirthDateEdited() override;

private:
    void StoreBirthDate();

    HWND notify_ = nullptr;
};
