#include "editors/country_club/country/DlgLandYouthplayer.h"

#include <algorithm>

#include "core/text/TextTools.h"
#include "database/country/Country.h"
#include "database/world/EnumTexts.h"
#include "resources/CountryEditorIds.h"

namespace {

constexpr int HeightMin = 150;
constexpr int HeightMax = 220;
constexpr int WeightMin = 50;
constexpr int WeightMax = 150;

const char16_t* ItemName(TAppearanceList kind, int index)
{
    const CEnumTexts& texts = GetEnumTexts();
    switch (kind) {
    case TAppearanceList::HairColour: return texts.GetHairColourName(index);
    case TAppearanceList::Hairstyle: return texts.GetHairstyleName(index);
    case TAppearanceList::Face: return texts.GetFaceName(index);
    case TAppearanceList::FacialHair: return texts.GetFacialHairName(index);
    }
    return u"";
}

}  // namespace

CDlgLandYouthplayer::CDlgLandYouthplayer(HWND parent)
    : CDialogB(IDD_COUNTRY_APPEARANCE, parent),
      lists_{{{TAppearanceList::HairColour, IDC_APPEARANCE_HAIR_COLOURS, {}, {}},
              {TAppearanceList::Hairstyle, IDC_APPEARANCE_HAIRSTYLES, {}, {}},
              {TAppearanceList::Face, IDC_APPEARANCE_FACES, {}, {}},
              {TAppearanceList::FacialHair, IDC_APPEARANCE_FACIAL_HAIR, {}, {}}}}
{
    for (TList& list : lists_) list.values = AppearanceValues(list.kind);
}

BOOL CDlgLandYouthplayer::OnInitDialog()
{
    CDialogB::OnInitDialog();
    heightImperial_.SubclassDlgItem(IDC_APPEARANCE_HEIGHT_IMPERIAL, *this);
    weightImperial_.SubclassDlgItem(IDC_APPEARANCE_WEIGHT_IMPERIAL, *this);
    height_.SubclassDlgItem(IDC_APPEARANCE_HEIGHT, *this);
    weight_.SubclassDlgItem(IDC_APPEARANCE_WEIGHT, *this);
    group_.SubclassDlgItem(IDC_APPEARANCE_GROUP, *this);
    height_.SetNotify(this);
    weight_.SetNotify(this);
    height_.SetRange(HeightMin, HeightMax);
    weight_.SetRange(WeightMin, WeightMax);
    return TRUE;
}

void CDlgLandYouthplayer::LoadCountry(TCountry* country)
{
    if (country == nullptr) return;
    country_ = country;
    const std::uint32_t colours = country->GetHairColourMask();
    const std::uint32_t facialHair = country->GetFacialHairMask();
    FillList(lists_[0], std::span(&colours, 1));
    FillList(lists_[1], std::span(country->GetHairstyleMask(), 2));
    FillList(lists_[2], std::span(country->GetFaceMask(), 4));
    FillList(lists_[3], std::span(&facialHair, 1));
    height_.SetValue(country->GetAverageHeight());
    weight_.SetValue(country->GetAverageWeight());
    shownHeight_ = height_.GetValue();
    shownWeight_ = weight_.GetValue();
    OnChange(&height_);
    OnChange(&weight_);
}

void CDlgLandYouthplayer::FillList(TList& list, std::span<const std::uint32_t> mask)
{
    const HWND box = GetItem(list.controlId);
    ::SendMessageW(box, WM_SETREDRAW, FALSE, 0);
    ::SendMessageW(box, LB_RESETCONTENT, 0, 0);
    list.shown = SelectionFromMask(list.values, mask);
    for (std::size_t i = 0; i < list.values.size(); ++i) {
        const auto item = ::SendMessageW(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ItemName(list.kind, static_cast<int>(i))));
        ::SendMessageW(box, LB_SETITEMDATA, static_cast<WPARAM>(item), list.values[i]);
        if (list.shown[i]) ::SendMessageW(box, LB_SETSEL, TRUE, item);
    }
    ::SendMessageW(box, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(box, nullptr, TRUE);
}

std::vector<bool> CDlgLandYouthplayer::Selection(const TList& list) const
{
    const HWND box = GetItem(list.controlId);
    std::vector<bool> selected(list.values.size(), false);
    for (std::size_t i = 0; i < selected.size(); ++i) {
        selected[i] = ::SendMessageW(box, LB_GETSEL, static_cast<WPARAM>(i), 0) > 0;
    }
    return selected;
}

void CDlgLandYouthplayer::StoreList(const TList& list, std::span<std::uint32_t> mask) const
{
    MaskFromSelection(list.values, Selection(list), mask);
}

void CDlgLandYouthplayer::StoreCountry()
{
    if (country_ == nullptr) return;
    // A list is written back only when its selection was changed.
    if (Selection(lists_[0]) != lists_[0].shown) {
        std::uint32_t mask = country_->GetHairColourMask();
        StoreList(lists_[0], std::span(&mask, 1));
        country_->SetHairColourMask(mask);
    }
    if (Selection(lists_[1]) != lists_[1].shown) {
        std::uint32_t mask[2] = {country_->GetHairstyleMask()[0], country_->GetHairstyleMask()[1]};
        StoreList(lists_[1], mask);
        country_->SetHairstyleMask(mask);
    }
    if (Selection(lists_[3]) != lists_[3].shown) {
        std::uint32_t mask = country_->GetFacialHairMask();
        StoreList(lists_[3], std::span(&mask, 1));
        country_->SetFacialHairMask(mask);
    }
    if (Selection(lists_[2]) != lists_[2].shown) {
        std::uint32_t mask[4] = {};
        std::copy_n(country_->GetFaceMask(), 4, mask);
        StoreList(lists_[2], mask);
        country_->SetFaceMask(mask);
    }
    if (height_.GetValue() != shownHeight_) country_->SetAverageHeight(static_cast<std::uint8_t>(height_.GetValue()));
    if (weight_.GetValue() != shownWeight_) country_->SetAverageWeight(static_cast<std::uint8_t>(weight_.GetValue()));
}

void CDlgLandYouthplayer::OnChange(void* sender)
{
    if (sender == &height_) heightImperial_.SetText(FormatHeightImperial(height_.GetValue()));
    if (sender == &weight_) weightImperial_.SetText(FormatWeightImperial(weight_.GetValue()));
}
