#pragma once
// The quick transfer's lists and its move: players of a country's clubs,
// the teams of a target country (each club, then its reserve team) and the
// shirt numbers a target team has free.

#include <cstdint>
#include <string>
#include <vector>

class TClub;
class TCompleteWorld;
class TCountry;
class TPerson;

struct TransferSource {
    TPerson* person = nullptr;
    const TClub* club = nullptr;
};

struct TransferTarget {
    std::uint32_t teamId = 0;
    std::u16string name;
};

class QuickTransferModel {
public:
    static constexpr int LastOfferedNumber = 98;

    // Players (type 0) of the country's clubs but its national team, in
    // club order and squad slot order.
    static std::vector<TransferSource> GetSourcePlayers(const TCountry& country);
    // Each club of the country but its national team, followed by its
    // reserve team (the id with bit 24).
    static std::vector<TransferTarget> GetTargets(const TCountry& country);
    // Numbers 1..98 that no player of the target team part wears; none for
    // an unknown team.
    static std::vector<int> GetFreeNumbers(const TCompleteWorld& world, std::uint32_t teamId);
    // Moves the person into the team (youth players into the youth) and
    // gives him the number. False, and nothing changed, without a country
    // in the id, a person, a club or a number, or when the move is refused.
    static bool Transfer(TCompleteWorld& world, std::uint32_t personId, std::uint32_t teamId, int number);
};
