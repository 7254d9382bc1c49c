#include "editors/country_club/club/DlgClubShirts.h"

#include <algorithm>

#include "core/text/Format.h"
#include "core/Random.h"
#include "database/club/Club.h"
#include "database/club/Kit.h"
#include "database/club/ReferenceLists.h"
#include "editors/country_club/club/DlgClub.h"
#include "editors/country_club/club/DlgClubShirtsColor.h"
#include "editors/country_club/model/club/RandomKit.h"
#include "resources/ClubEditorIds.h"

namespace {

constexpr int SliderIds[2][3] = {{IDC_KIT_HOME_STYLE0_SLIDER, IDC_KIT_HOME_STYLE1_SLIDER, IDC_KIT_HOME_STYLE2_SLIDER},
                                 {IDC_KIT_AWAY_STYLE0_SLIDER, IDC_KIT_AWAY_STYLE1_SLIDER, IDC_KIT_AWAY_STYLE2_SLIDER}};
constexpr int EditIds[2][3] = {{IDC_KIT_HOME_STYLE0_EDIT, IDC_KIT_HOME_STYLE1_EDIT, IDC_KIT_HOME_STYLE2_EDIT},
                               {IDC_KIT_AWAY_STYLE0_EDIT, IDC_KIT_AWAY_STYLE1_EDIT, IDC_KIT_AWAY_STYLE2_EDIT}};
constexpr int NumberColourIds[2] = {IDC_KIT_HOME_NUMBER_COLOUR, IDC_KIT_AWAY_NUMBER_COLOUR};
constexpr int BadgePositionIds[2] = {IDC_KIT_HOME_BADGE_POSITION, IDC_KIT_AWAY_BADGE_POSITION};
constexpr int PreviewIds[2][2] = {{IDC_KIT_PREVIEW_HOME, IDC_KIT_PREVIEW_AWAY},
                                  {IDC_KIT_PREVIEW_HOME_SIBLING, IDC_KIT_PREVIEW_AWAY_SIBLING}};
constexpr int MinStyle = 1;

// Button i (0..15 from the first colour button): three of slot 0 of each
// kit, three of slot 2 of each kit, two of slot 3 of each kit; the place in
// the kit's working block they edit.
struct TButtonPlace {
    int kit;
    int colour;
};
constexpr TButtonPlace ButtonPlaces[16] = {{0, 0}, {0, 1}, {0, 2}, {1, 0}, {1, 1}, {1, 2}, {0, 3}, {0, 4},
                                           {0, 5}, {1, 3}, {1, 4}, {1, 5}, {0, 6}, {0, 7}, {1, 6}, {1, 7}};

void SetItemText(HWND dialog, int id, const std::u16string& text)
{
    ::SetDlgItemTextW(dialog, id, reinterpret_cast<LPCWSTR>(text.c_str()));
}

}  // namespace

CDlgClubShirts::CDlgClubShirts(HWND parent) : CDialogB(IDD_CLUB_KIT, parent) {}

CDlgClubShirts::~CDlgClubShirts()
{
    for (HBRUSH& brush : brushes_) {
        if (brush != nullptr) ::DeleteObject(brush);
        brush = nullptr;
    }
}

BOOL CDlgClubShirts::OnInitDialog()
{
    CDialogB::OnInitDialog();
    preview_.SubclassDlgItem(IDC_KIT_PREVIEW, *this);
    sibling_.SubclassDlgItem(IDC_KIT_SIBLING_ID, *this);
    for (int k = 0; k < Kits; ++k) {
        for (int p = 0; p < Parts; ++p) {
            win::CSliderCtrl& slider = sliders_[static_cast<std::size_t>(k)][static_cast<std::size_t>(p)];
            slider.SubclassDlgItem(SliderIds[k][p], *this);
            slider.SetRange(MinStyle, TKit::MaxStyle[p]);
            slider.SetPos(MinStyle);
        }
        numberColours_[static_cast<std::size_t>(k)].SubclassDlgItem(NumberColourIds[k], *this);
        FillColourCombo(numberColours_[static_cast<std::size_t>(k)], GetShirtNumberColourList(), 0, false);
        numberColours_[static_cast<std::size_t>(k)].SetCurSel(-1);
        badgePositions_[static_cast<std::size_t>(k)].SubclassDlgItem(BadgePositionIds[k], *this);
        const KeyValue positions[] = {{u"Player.Kit.BadgePosition.Left"_tk.key, 0},
                                      {u"Player.Kit.BadgePosition.Center"_tk.key, 1},
                                      {u"Player.Kit.BadgePosition.Right"_tk.key, 2},
                                      {nullptr, 0}};
        FillComboFromKeyTable(badgePositions_[static_cast<std::size_t>(k)], positions, 0xFFFFFFFF);
    }
    FillComboFromTextFile(sibling_, GetClubIdList(), 0xFFFFFFFF);
    // The first kit starts the preview over its control; later ones only
    // change the kit it turns.
    preview_.RenderKit(BuildKitBlock(looks_[0], {}), 0, true);
    ApplySiblingSelection();
    return TRUE;
}

void CDlgClubShirts::OnDestroy()
{
    for (HBRUSH& brush : brushes_) {
        if (brush != nullptr) ::DeleteObject(brush);
        brush = nullptr;
    }
    CDialogB::OnDestroy();
}

void CDlgClubShirts::LoadClub(TClub* club)
{
    if (club == nullptr) return;
    loading_ = true;
    club_ = club;
    const TKit& kit = *club->GetKit();
    for (int k = 0; k < Kits; ++k) {
        looks_[static_cast<std::size_t>(k)] = GetKitLook(kit, k);
        for (int p = 0; p < Parts; ++p) {
            SetItemText(Handle(), EditIds[k][p], Format(u"%i", looks_[static_cast<std::size_t>(k)].styles[p]));
            OnStyleEdit(k, p);
        }
        if (!numberColours_[static_cast<std::size_t>(k)].SelectByValue(kit.GetKitValueA(k))) {
            numberColours_[static_cast<std::size_t>(k)].SetCurSel(-1);
        }
        const win::CComboBox& position = badgePositions_[static_cast<std::size_t>(k)];
        position.SetCurSel(position.FindItemData(kit.GetKitValueB(k)));
    }
    RecreateBrushes();
    sibling_.SetCurSel(sibling_.FindItemData(static_cast<LPARAM>(kit.GetQaroKitId())));
    ApplySiblingSelection();
    ReadSliders();
    loaded_ = ReadShown();
    shownMode_ = -1;
    RefreshPreview(0, false);
    loading_ = false;
}

int CDlgClubShirts::SelectedSiblingId() const
{
    const int item = sibling_.GetCurSel();
    return item < 0 ? -1 : static_cast<int>(sibling_.GetItemData(item));
}

void CDlgClubShirts::ApplySiblingSelection()
{
    // The club's own sibling-game id follows the kit's chosen one, from the
    // moment the page shows it, not only when the page is stored.
    const int id = SelectedSiblingId();
    if (id >= 0 && club_ != nullptr) club_->SetQaroId(static_cast<std::uint32_t>(id));
    siblingMode_ = id > 0;
    ::ShowWindow(::GetDlgItem(Handle(), IDC_KIT_PREVIEW_HOME_SIBLING), siblingMode_ ? SW_SHOW : SW_HIDE);
    ::ShowWindow(::GetDlgItem(Handle(), IDC_KIT_PREVIEW_AWAY_SIBLING), siblingMode_ ? SW_SHOW : SW_HIDE);
    if (club_ != nullptr) RefreshPreview(0, false);
}

void CDlgClubShirts::ReadSliders()
{
    for (std::size_t k = 0; k < Kits; ++k) {
        for (std::size_t p = 0; p < Parts; ++p) looks_[k].styles[p] = static_cast<std::uint8_t>(sliders_[k][p].GetPos());
    }
}

void CDlgClubShirts::RefreshPreview(int kit, bool sibling)
{
    if (club_ == nullptr) return;
    ReadSliders();
    char texture[KitBlockPathBytes] = {};
    club_->GetKitFileName(kit == 0, texture, sizeof texture);
    const TKitBlock block = BuildKitBlock(looks_[static_cast<std::size_t>(kit)], texture);
    const int id = SelectedSiblingId();
    const std::uint32_t siblingId = sibling && id > 0 ? static_cast<std::uint32_t>(id) : 0;
    const int mode = kit + (sibling ? 2 : 0);
    if (block == shownBlock_ && siblingId == shownSiblingId_ && mode == shownMode_) return;
    shownBlock_ = block;
    shownSiblingId_ = siblingId;
    shownMode_ = mode;
    preview_.SetKit(block, siblingId, kit == 0);
    ::CheckRadioButton(Handle(), IDC_KIT_PREVIEW_HOME, IDC_KIT_PREVIEW_AWAY_SIBLING, PreviewIds[sibling ? 1 : 0][kit]);
}

void CDlgClubShirts::ShowStyle(int kit, int part)
{
    const int position = sliders_[static_cast<std::size_t>(kit)][static_cast<std::size_t>(part)].GetPos();
    SetItemText(Handle(), EditIds[kit][part], Format(u"%i", position));
}

void CDlgClubShirts::OnStyleEdit(int kit, int part)
{
    const win::CSliderCtrl& slider = sliders_[static_cast<std::size_t>(kit)][static_cast<std::size_t>(part)];
    BOOL read = FALSE;
    const int value = static_cast<int>(::GetDlgItemInt(Handle(), EditIds[kit][part], &read, TRUE));
    const int maximum = TKit::MaxStyle[part];
    if (!read || value < MinStyle) {
        slider.SetPos(MinStyle);
    } else if (value <= maximum) {
        slider.SetPos(value);
    } else {
        slider.SetPos(maximum);
        SetItemText(Handle(), EditIds[kit][part], Format(u"%i", maximum));
    }
}

void CDlgClubShirts::RecreateBrushes()
{
    for (int button = 0; button < ColourButtons; ++button) {
        HBRUSH& brush = brushes_[static_cast<std::size_t>(button)];
        if (brush != nullptr) ::DeleteObject(brush);
        const std::uint32_t argb = GetKitPaletteColourArgb(ButtonColour(button));
        brush = ::CreateSolidBrush(CSelectColour::FromRgb(argb & 0xFFFFFF));
        ::InvalidateRect(::GetDlgItem(Handle(), IDC_KIT_COLOUR_FIRST + button), nullptr, TRUE);
    }
}

std::uint8_t& CDlgClubShirts::ButtonColour(int button)
{
    const TButtonPlace place = ButtonPlaces[button];
    return looks_[static_cast<std::size_t>(place.kit)].colours[place.colour];
}

int CDlgClubShirts::ButtonKit(int button)
{
    return ButtonPlaces[button].kit;
}

void CDlgClubShirts::DrawColourButton(const DRAWITEMSTRUCT& item) const
{
    const int button = static_cast<int>(item.CtlID) - IDC_KIT_COLOUR_FIRST;
    RECT area = item.rcItem;
    ::DrawEdge(item.hDC, &area, (item.itemState & ODS_SELECTED) ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_ADJUST);
    HBRUSH brush = brushes_[static_cast<std::size_t>(button)];
    ::FillRect(item.hDC, &area, brush != nullptr ? brush : static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    if (item.itemState & ODS_FOCUS) ::DrawFocusRect(item.hDC, &area);
}

void CDlgClubShirts::OnColourButton(int button)
{
    CDlgClubShirtsColor picker(Handle());
    picker.SetSelectedIndex(ButtonColour(button));
    if (picker.DoModal() != IDOK || picker.GetSelectedIndex() < 0) return;
    ButtonColour(button) = static_cast<std::uint8_t>(picker.GetSelectedIndex());
    RecreateBrushes();
    RefreshPreview(ButtonKit(button), false);
    ::InvalidateRect(Handle(), nullptr, TRUE);
}

CDlgClubShirts::TShown CDlgClubShirts::ReadShown()
{
    TShown shown;
    ReadSliders();
    shown.looks = looks_;
    for (std::size_t k = 0; k < Kits; ++k) {
        const int colour = numberColours_[k].GetCurSel();
        shown.numberColours[k] = colour < 0 ? -1 : static_cast<int>(numberColours_[k].GetItemValue(colour));
        const int position = badgePositions_[k].GetCurSel();
        shown.badgePositions[k] = position < 0 ? -1 : static_cast<int>(badgePositions_[k].GetItemData(position));
    }
    shown.siblingId = SelectedSiblingId();
    return shown;
}

void CDlgClubShirts::StoreClub()
{
    if (club_ == nullptr) return;
    const TShown now = ReadShown();
    TKit& kit = *club_->GetKit();
    for (int k = 0; k < Kits; ++k) {
        const TKitLook& look = now.looks[static_cast<std::size_t>(k)];
        const TKitLook& was = loaded_.looks[static_cast<std::size_t>(k)];
        for (int p = 0; p < Parts; ++p) {
            if (look.styles[p] != was.styles[p]) kit.SetStyle(k, p, look.styles[p]);
        }
        const auto differs = [&](int first, int count) {
            return !std::equal(look.colours + first, look.colours + first + count, was.colours + first);
        };
        if (differs(0, 3)) kit.SetColour(k, 0, look.colours[0], look.colours[1], look.colours[2]);
        if (differs(3, 3)) kit.SetColour(k, 2, look.colours[3], look.colours[4], look.colours[5]);
        if (differs(6, 2)) kit.SetColour(k, 3, look.colours[6], look.colours[7], 0);
        const auto kk = static_cast<std::size_t>(k);
        if (now.numberColours[kk] >= 0 && now.numberColours[kk] != loaded_.numberColours[kk]) {
            kit.SetKitValueA(k, static_cast<std::uint8_t>(now.numberColours[kk]));
        }
        if (now.badgePositions[kk] >= 0 && now.badgePositions[kk] != loaded_.badgePositions[kk]) {
            kit.SetKitValueB(k, static_cast<std::uint8_t>(now.badgePositions[kk]));
        }
    }
    if (now.siblingId >= 0 && now.siblingId != loaded_.siblingId) kit.SetQaroKitId(static_cast<std::uint32_t>(now.siblingId));
    loaded_ = now;
}

void CDlgClubShirts::OnRandomKit()
{
    StoreClub();
    const std::vector<std::uint32_t> references =
        RandomKitReferences(GetTeamColourList(), club_->GetBadgeParam(0), club_->GetBadgePath());
    if (MakeRandomKit(*club_->GetKit(), RandomKitCandidates(references), RandomInt)) LoadClub(club_);
}

bool CDlgClubShirts::OnCommand(int id, int code, HWND control)
{
    if (loading_ || club_ == nullptr) return false;
    for (int k = 0; k < Kits; ++k) {
        for (int p = 0; p < Parts; ++p) {
            if (id == EditIds[k][p] && code == EN_CHANGE) {
                OnStyleEdit(k, p);
                RefreshPreview(k, false);
                return true;
            }
        }
    }
    if (code == BN_CLICKED && id >= IDC_KIT_COLOUR_FIRST && id <= IDC_KIT_COLOUR_LAST) {
        OnColourButton(id - IDC_KIT_COLOUR_FIRST);
        return true;
    }
    if (code == BN_CLICKED && id == IDC_KIT_RANDOM) {
        OnRandomKit();
        return true;
    }
    if (code == BN_CLICKED && id >= IDC_KIT_PREVIEW_HOME && id <= IDC_KIT_PREVIEW_AWAY_SIBLING) {
        const int mode = id - IDC_KIT_PREVIEW_HOME;
        RefreshPreview(mode % 2, mode >= 2);
        return true;
    }
    if (id == IDC_KIT_SIBLING_ID && code == CBN_SELCHANGE) {
        ApplySiblingSelection();
        return true;
    }
    return false;
}

bool CDlgClubShirts::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_DRAWITEM) {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (static_cast<int>(item.CtlID) >= IDC_KIT_COLOUR_FIRST && static_cast<int>(item.CtlID) <= IDC_KIT_COLOUR_LAST) {
            DrawColourButton(item);
            result = TRUE;
            return true;
        }
    }
    if (message == WM_HSCROLL && lParam != 0 && !loading_) {
        const int id = ::GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
        for (int k = 0; k < Kits; ++k) {
            for (int p = 0; p < Parts; ++p) {
                if (id != SliderIds[k][p]) continue;
                ShowStyle(k, p);
                RefreshPreview(k, false);
                result = 0;
                return true;
            }
        }
    }
    return CDialogB::OnMessage(message, wParam, lParam, result);
}
