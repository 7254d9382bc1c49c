#pragma once
// The country editor's appearance page: which faces, facial hair,
// hairstyles and hair colours generated players may get, and the country's
// average height and weight.

#include <array>
#include <vector>

#include "editors/country_club/model/country/AppearanceMasks.h"
#include "ui/base/DialogB.h"
#include "ui/skin/MyGroupBox.h"
#include "ui/skin/MyStaticControl.h"
#include "ui/controls/SpinEditCtrl.h"

class TCountry;

class CDlgLandYouthplayer : public CDialogB {
public:
    explicit CDlgLandYouthplayer(HWND parent = nullptr);
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.Country.Appearance"; }

    void LoadCountry(TCountry* country);
    void StoreCountry();
    void OnChange(void* sender) override;

protected:
    BOOL OnInitDialog() override;

private:
    struct TList {
        TAppearanceList kind;
        int controlId;
        std::vector<int> values;
        std::vector<bool> shown;
    };
    void FillList(TList& list, std::span<const std::uint32_t> mask);
    std::vector<bool> Selection(const TList& list) const;
    void StoreList(const TList& list, std::span<std::uint32_t> mask) const;

    TCountry* country_ = nullptr;
    std::array<TList, 4> lists_;
    Halvane::MFC::CSpinEditCtrl height_;
    Halvane::MFC::CSpinEditCtrl weight_;
    CMyStaticControl heightImperial_;
    CMyStaticControl weightImperial_;
    CMyGroupBox group_;
    int shownHeight_ = 0;
    int shownWeight_ = 0;
};
