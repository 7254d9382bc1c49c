#pragma once
// The club editor's kit page: styles and colours of the home and away kit,
// shirt-number colours, badge positions, the sibling game's kit id, a
// random kit and the live preview. Only what the user changed is written to
// the kit; the club's sibling-game id follows the kit's as soon as it shows.

#include <array>
#include <cstdint>

#include "database/club/KitPalette.h"
#include "ui/base/DialogB.h"
#include "ui/render/KitCtrl.h"
#include "ui/controls/SelectColour.h"
#include "win/ComboBox.h"
#include "win/SliderCtrl.h"

class TClub;

class CDlgClubShirts : public CDialogB {
public:
    explicit CDlgClubShirts(HWND parent = nullptr);
    ~CDlgClubShirts() override;
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.Club.Kit"; }

    void LoadClub(TClub* club);
    void StoreClub();

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnDestroy() override;

private:
    static constexpr int Kits = 2;
    static constexpr int Parts = 3;
    static constexpr int ColourButtons = 16;

    struct TShown {
        std::array<TKitLook, Kits> looks{};
        std::array<int, Kits> numberColours{};
        std::array<int, Kits> badgePositions{};
        int siblingId = -1;
    };

    void ReadSliders();
    void ShowStyle(int kit, int part);
    void OnStyleEdit(int kit, int part);
    void OnColourButton(int button);
    void ApplySiblingSelection();
    void RefreshPreview(int kit, bool sibling);
    void RecreateBrushes();
    void DrawColourButton(const DRAWITEMSTRUCT& item) const;
    void OnRandomKit();
    TShown ReadShown();
    std::uint8_t& ButtonColour(int button);
    static int ButtonKit(int button);
    int SelectedSiblingId() const;

    TClub* club_ = nullptr;
    bool loading_ = false;
    std::array<TKitLook, Kits> looks_{};
    TShown loaded_;
    std::array<std::array<win::CSliderCtrl, Parts>, Kits> sliders_;
    std::array<CSelectColour, Kits> numberColours_;
    std::array<win::CComboBox, Kits> badgePositions_;
    win::CComboBox sibling_;
    CKitCtrl preview_;
    std::array<HBRUSH, ColourButtons> brushes_{};
    bool siblingMode_ = false;
    // What the preview shows, to skip handing it the same again.
    TKitBlock shownBlock_{};
    std::uint32_t shownSiblingId_ = 0;
    int shownMode_ = -1;
};
