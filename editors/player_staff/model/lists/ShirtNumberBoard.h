#pragma once
// The shirt numbers 1..99 of one team of a club as the number board shows
// them, and the drop that hands a number to a dragged player.

#include <array>
#include <cstdint>
#include <string>

class TClub;
class TPerson;

class ShirtNumberBoard {
public:
    static constexpr int NumberCount = 100;
    static constexpr int RowsPerList = 33;
    static constexpr int ListCount = 3;

    ShirtNumberBoard(TClub* club, bool firstTeam);

    // Players of the shown team in squad order: a free stored number 1..99
    // is his place; number 0, above 99 or taken by an earlier player gives
    // the highest free number. The stored numbers stay as they are.
    void Fill();

    // The person id shown on a number 1..99; 0 for a free or other number.
    std::uint32_t PersonOn(int number) const;
    // "number\tshort name\tposition", or "number\t \t " for a free number.
    std::u16string RowText(int number) const;
    // Number of a row of one of the three lists; 0 outside them.
    static int NumberAt(int list, int row);

    // The dragged player takes the target number; the player shown there
    // gets the dragged player's stored number. A target outside 1..99 or a
    // player not shown on the board changes nothing (false). Fills again.
    bool Drop(std::uint32_t draggedId, int targetNumber);

    // The number the board keeps for a person of the shown team.
    std::uint8_t StoredNumber(const TPerson& person) const;

private:
    void SetStoredNumber(TPerson& person, std::uint8_t number) const;
    bool IsShown(std::uint32_t personId) const;

    TClub* club_;
    bool firstTeam_;
    std::array<std::uint32_t, NumberCount> board_{};
};
