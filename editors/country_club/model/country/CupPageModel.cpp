#include "editors/country_club/model/country/CupPageModel.h"

#include "competition/CupAlloc.h"
#include "core/text/Format.h"

namespace {

bool IsCup(int cup) { return cup >= 0 && cup < CupPageCups; }

std::size_t Word(int type, int round) { return static_cast<std::size_t>(type * CupRounds + round); }

}  // namespace

void TCupPrizeTable::SetCupSettings(int cup, const TCupSettings& settings)
{
    if (IsCup(cup)) cups_[static_cast<std::size_t>(cup)] = settings;
}

TCupSettings TCupPrizeTable::GetCupSettings(int cup) const
{
    return IsCup(cup) ? cups_[static_cast<std::size_t>(cup)] : TCupSettings{};
}

TCupAmounts TCupPrizeTable::Shown() const
{
    TCupAmounts amounts{};
    const TCupSettings& settings = cups_[static_cast<std::size_t>(currentCup_)];
    for (int round = 0; round < CupRounds; ++round) amounts[static_cast<std::size_t>(round)] = settings[Word(currentType_, round)];
    return amounts;
}

void TCupPrizeTable::Keep(const TCupAmounts& shown)
{
    TCupSettings& settings = cups_[static_cast<std::size_t>(currentCup_)];
    for (int round = 0; round < CupRounds; ++round) settings[Word(currentType_, round)] = shown[static_cast<std::size_t>(round)];
}

void TCupPrizeTable::ChooseCup(const TCupAmounts& shown, int cup)
{
    if (!IsCup(cup)) return;
    Keep(shown);
    currentCup_ = cup;
}

void TCupPrizeTable::ChooseType(const TCupAmounts& shown, int type)
{
    if (type != CupTypeBonus && type != CupTypeTelevision) return;
    Keep(shown);
    currentType_ = type;
}

std::vector<TCupComboItem> CupTypeItems(const TCupAllocTable& table, int kind, int stored, const std::u16string& noCup)
{
    std::vector<TCupComboItem> items{{0, noCup}};
    bool storedListed = stored == 0;
    // Entry 0 and sections the file lacks are no cup shapes.
    for (int index = 1; index < table.GetCount(); ++index) {
        const TCupAllocEntry* entry = table.GetEntry(index);
        if (entry == nullptr || (entry->group & 0xFFFF) != kind) continue;
        items.push_back({index, entry->name});
        storedListed |= index == stored;
    }
    if (!storedListed) items.push_back({stored, Format(u"%d", stored)});
    return items;
}

std::vector<TCupComboItem> BonusCupItems(const std::array<int, CupPageCups>& types,
                                         const std::array<std::u16string, CupPageCups>& names)
{
    std::vector<TCupComboItem> items;
    for (int cup = 0; cup < CupPageCups; ++cup) {
        if (types[static_cast<std::size_t>(cup)] != 0) items.push_back({cup, names[static_cast<std::size_t>(cup)]});
    }
    return items;
}

int BonusCupSelection(const std::vector<TCupComboItem>& items, int currentCup)
{
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].data == currentCup) return static_cast<int>(i);
    }
    return items.empty() ? -1 : 0;
}

std::uint8_t WithFixedRedCardBan(std::uint8_t flags, bool fixed)
{
    return static_cast<std::uint8_t>(fixed ? flags | FixedRedCardBanBit : flags & ~FixedRedCardBanBit);
}
