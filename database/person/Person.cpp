#include "database/person/Person.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/person/NameList.h"
#include "database/person/NamePool.h"
#include "database/world/RecordText.h"

namespace {
bool IsIndex(int index, int count)
{
    return index >= 0 && index < count;
}
}  // namespace

TPersonFields::TPersonFields()
{
    std::fill(std::begin(abilities), std::end(abilities), std::uint8_t{40});
}

TPerson::TPerson(TCompleteWorld* world, std::uint32_t id) : world_(world), id_(id)
{
    InitOverDefaults(PersonPlayer, 0);
}

void TPerson::Init(std::uint8_t typeValue, std::uint8_t nationalityValue)
{
    static_cast<TPersonFields&>(*this) = TPersonFields();
    InitOverDefaults(typeValue, nationalityValue);
}

void TPerson::InitOverDefaults(std::uint8_t typeValue, std::uint8_t nationalityValue)
{
    type = typeValue;
    nationality = nationalityValue;
    const TCountry* country = world_ != nullptr ? world_->GetCountry(nationalityValue) : nullptr;
    if (country != nullptr) languages[0] = country->GetLanguage(0);
    // Only persons of a world are named: scratch persons used for their
    // rules would otherwise load the name files and use up random draws.
    if (world_ != nullptr) {
        const CNamePool& names = GetNamePool();
        SetFirstName(names.PickRandomName(NamePoolMale, languages[0]).c_str());
        SetLastName(names.PickRandomName(NamePoolSurname, languages[0]).c_str());
    }
    MarkRatingsStale();
}

void TPerson::SetFirstName(const char16_t* text)
{
    SetKeptName(firstName, text);
}

void TPerson::SetLastName(const char16_t* text)
{
    SetKeptName(lastName, text);
}

void TPerson::SetNickname(const char16_t* text)
{
    SetKeptName(nickname, text);
}

void TPerson::SetPseudonym(const char16_t* text)
{
    SetKeptName(pseudonym, text);
}

void TPerson::SetTalent(int talent)
{
    playerBits = static_cast<std::uint8_t>((playerBits & ~7) | (talent & 7));
    MarkRatingsStale();
}

void TPerson::SetPreferredFoot(int foot)
{
    playerBits = static_cast<std::uint8_t>((playerBits & ~0x38) | ((foot & 7) << 3));
    MarkRatingsStale();
}

void TPerson::SetYouthPlayer(bool youth)
{
    playerBits = static_cast<std::uint8_t>(youth ? playerBits | YouthBit : playerBits & ~YouthBit);
    MarkRatingsStale();
}

std::uint8_t TPerson::GetAbility(int index) const
{
    return IsIndex(index, AbilityCount) ? abilities[index] : 0;
}

void TPerson::SetAbility(int index, std::uint8_t value)
{
    if (!IsIndex(index, AbilityCount)) return;
    abilities[index] = value;
    MarkRatingsStale();
}

std::uint8_t TPerson::GetPosition(int slot) const
{
    return IsIndex(slot, PositionSlots) ? positions[slot] : 0;
}

void TPerson::SetPosition(int slot, std::uint8_t position)
{
    if (IsIndex(slot, PositionSlots)) positions[slot] = position;
}

void TPerson::SetAppearance(std::uint8_t hair, std::uint8_t faceValue, std::uint8_t style, std::uint8_t facial,
                            std::uint8_t shoeValue)
{
    hairColour = hair;
    face = faceValue;
    hairstyle = style;
    facialHair = facial;
    shoe = shoeValue;
}

int TPerson::GetHeightClamped() const
{
    return std::clamp<int>(heightCm, 150, 220);
}

int TPerson::GetWeightClamped() const
{
    return std::clamp<int>(weightKg, 50, 150);
}

void TPerson::SetHeightWeight(std::uint8_t height, std::uint8_t weight)
{
    heightCm = height;
    weightKg = weight;
}

void TPerson::SetNationalTeamRecord(std::uint8_t appearances, std::uint8_t goals)
{
    nationalAppearances = appearances;
    nationalGoals = goals;
}

std::uint8_t TPerson::GetStaffAbility(int index) const
{
    return IsIndex(index, StaffAbilityCount) ? staffAbilities[index] : 0;
}

void TPerson::SetStaffAbility(int index, std::uint8_t value)
{
    if (IsIndex(index, StaffAbilityCount)) staffAbilities[index] = value;
}

std::uint8_t TPerson::GetLanguage(int slot) const
{
    return IsIndex(slot, LanguageSlots) ? languages[slot] : 0;
}

void TPerson::SetLanguage(int slot, int language)
{
    if (language < 0 || language >= CNameList::LanguageKeyCount || !IsIndex(slot, LanguageSlots)) return;
    if (std::find(languages, languages + slot, language) != languages + slot) return;
    languages[slot] = static_cast<std::uint8_t>(language);
}

void TPerson::SetLanguageSlots(const std::uint8_t (&slots)[LanguageSlots])
{
    std::copy(std::begin(slots), std::end(slots), languages);
}

void TPerson::CompactLanguages()
{
    std::uint8_t kept[LanguageSlots] = {};
    int count = 0;
    for (std::uint8_t language : languages) {
        if (std::find(kept, kept + count, language) == kept + count) kept[count++] = language;
    }
    std::copy(std::begin(kept), std::end(kept), languages);
}

void TPerson::SetStability(int stability)
{
    stabilityBits = static_cast<std::uint8_t>((stabilityBits & ~7) | (stability & 7));
}

int TPerson::GetTransferState() const
{
    for (int bit = 0; bit < 6; ++bit) {
        if ((startOfSeasonState & (1 << bit)) != 0) return bit + 1;
    }
    return 0;
}

void TPerson::SetTransferState(int state)
{
    startOfSeasonState = state >= 1 && state <= 6 ? static_cast<std::uint8_t>(1 << (state - 1)) : 0;
}

const THistoryEntry& TPerson::GetHistoryEntry(int index) const
{
    static const THistoryEntry none;
    return IsIndex(index, GetHistoryCount()) ? history[static_cast<std::size_t>(index)] : none;
}

void TPerson::AddHistoryEntry(const THistoryEntry& entry)
{
    if (GetHistoryCount() >= MaxHistoryEntries) return;
    history.push_back(entry);
    if (entry.end < entry.start) history.back().end = entry.start;
}

void TPerson::SetHistoryEntry(int index, const THistoryEntry& entry)
{
    if (IsIndex(index, GetHistoryCount())) history[static_cast<std::size_t>(index)] = entry;
}

void TPerson::RemoveHistoryEntry(int index)
{
    if (IsIndex(index, GetHistoryCount())) history.erase(history.begin() + index);
}

void TPerson::SetCharacterTrait(int bit, bool on)
{
    if (bit < 0 || bit >= 32) return;
    characterWord = on ? characterWord | (1u << bit) : characterWord & ~(1u << bit);
}

int TPerson::GetTeamPart() const
{
    if (IsYouthPlayer()) return 2;
    return reserveTeam != 0 ? 1 : 0;
}

void TPerson::MarkRatingsStale()
{
    std::fill(std::begin(ratingCache_), std::end(ratingCache_), -1);
}

void TPerson::CopyFrom(const TPerson& source)
{
    static_cast<TPersonFields&>(*this) = static_cast<const TPersonFields&>(source);
    MarkRatingsStale();
}

void TPerson::CopyFrom(TPerson&& source)
{
    static_cast<TPersonFields&>(*this) = std::move(static_cast<TPersonFields&>(source));
    MarkRatingsStale();
}
