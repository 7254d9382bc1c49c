#include "editors/country_club/model/country/AppearanceMasks.h"

#include "database/world/EnumTexts.h"

namespace {

bool InMask(int value, std::size_t words) { return value >= 0 && static_cast<std::size_t>(value / 32) < words; }

std::uint32_t BitOf(int value) { return 1u << (value % 32); }

}  // namespace

std::vector<int> AppearanceValues(TAppearanceList list)
{
    std::vector<int> values;
    auto take = [&values](int count, int (*value)(int)) {
        for (int i = 0; i < count; ++i) values.push_back(value(i));
    };
    switch (list) {
    case TAppearanceList::HairColour: take(CEnumTexts::GetHairColourCount(), &CEnumTexts::GetHairColourValue); break;
    case TAppearanceList::Hairstyle: take(CEnumTexts::GetHairstyleCount(), &CEnumTexts::GetHairstyleValue); break;
    case TAppearanceList::Face: take(CEnumTexts::GetFaceCount(), &CEnumTexts::GetFaceValue); break;
    case TAppearanceList::FacialHair: take(CEnumTexts::GetFacialHairCount(), &CEnumTexts::GetFacialHairValue); break;
    }
    return values;
}

std::vector<bool> SelectionFromMask(const std::vector<int>& values, std::span<const std::uint32_t> mask)
{
    std::vector<bool> selected;
    for (int value : values) {
        selected.push_back(InMask(value, mask.size()) && (mask[static_cast<std::size_t>(value / 32)] & BitOf(value)));
    }
    return selected;
}

void MaskFromSelection(const std::vector<int>& values, const std::vector<bool>& selected, std::span<std::uint32_t> mask)
{
    for (std::size_t i = 0; i < values.size() && i < selected.size(); ++i) {
        if (!InMask(values[i], mask.size())) continue;
        std::uint32_t& word = mask[static_cast<std::size_t>(values[i] / 32)];
        word = selected[i] ? word | BitOf(values[i]) : word & ~BitOf(values[i]);
    }
}
