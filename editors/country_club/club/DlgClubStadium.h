#pragma once
// The club editor's ground page: stadium, facility levels, position, the
// transfer countries, the youth players' nationality and the Basque flag.
// Only what the user changed is written back.

#include <array>
#include <string>

#include "ui/base/DialogB.h"
#include "ui/controls/SpinEditCtrl.h"
#include "win/ComboBox.h"

class TClub;

class CDlgClubStadium : public CDialogB {
public:
    explicit CDlgClubStadium(HWND parent = nullptr);
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.Club.Ground"; }

    void LoadClub(TClub* club);
    void StoreClub();

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(win::CDataExchange& exchange) override;

private:
    static constexpr std::size_t Combos = 14;
    static constexpr std::size_t Spins = 5;

    // Combo selections' item data (-1 for none), spin values and checks as
    // shown; the store compares them with what the load showed.
    struct TShown {
        std::u16string stadiumName;
        std::array<long long, Combos> combos{};
        std::array<int, Spins> spins{};
        std::array<bool, 3> checks{};
        bool operator==(const TShown&) const = default;
    };

    TShown ReadShown();
    void FillLevelCombo(const win::CComboBox& combo, const char16_t* key);

    TClub* club_ = nullptr;
    std::u16string stadiumName_;
    TShown loaded_;
    std::array<win::CComboBox, Combos> combos_;
    std::array<Halvane::MFC::CSpinEditCtrl, Spins> spins_;
};
