#pragma once
// The national cup page without a window: the prize amounts of the six cups
// by amount type and round, the items of the cup-type and bonus-cup combos,
// and the fixed red-card ban bit.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class TCupAllocTable;

constexpr int CupPageCups = 6;
constexpr int CupAmountTypes = 4;
constexpr int CupRounds = 8;
constexpr int CupTypeTelevision = 0;
constexpr int CupTypeBonus = 1;
// A cup's settings table: amount type t, round r at word t * 8 + r.
using TCupSettings = std::array<std::uint32_t, CupAmountTypes * CupRounds>;
using TCupAmounts = std::array<std::uint32_t, CupRounds>;

// The amounts of every cup; the page shows those of the current cup and
// type, and keeps what is shown before either changes.
class TCupPrizeTable {
public:
    void SetCupSettings(int cup, const TCupSettings& settings);
    TCupSettings GetCupSettings(int cup) const;
    int GetCurrentCup() const { return currentCup_; }
    int GetCurrentType() const { return currentType_; }
    TCupAmounts Shown() const;
    void Keep(const TCupAmounts& shown);
    // Keep what is shown, then change; a cup or type out of range changes nothing.
    void ChooseCup(const TCupAmounts& shown, int cup);
    void ChooseType(const TCupAmounts& shown, int type);

private:
    std::array<TCupSettings, CupPageCups> cups_{};
    int currentCup_ = 0;
    int currentType_ = CupTypeBonus;
};

struct TCupComboItem {
    int data = 0;
    std::u16string text;
};

// "NoCup" (0), then the table's entries of the kind; a stored type that is
// no such entry gets an item of its own showing its number, so that
// looking at the page does not delete the cup.
std::vector<TCupComboItem> CupTypeItems(const TCupAllocTable& table, int kind, int stored, const std::u16string& noCup);
// The cups whose type is not 0, by their names: cup i as item data i.
std::vector<TCupComboItem> BonusCupItems(const std::array<int, CupPageCups>& types,
                                         const std::array<std::u16string, CupPageCups>& names);
// The item of the current cup after a refill; item 0 when it is gone, -1
// for an empty combo.
int BonusCupSelection(const std::vector<TCupComboItem>& items, int currentCup);

constexpr std::uint8_t FixedRedCardBanBit = 0x10;
std::uint8_t WithFixedRedCardBan(std::uint8_t flags, bool fixed);
