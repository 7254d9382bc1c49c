#pragma once
// A country's additional managers: the staff members who belong to the
// country and to no club, listed by the country editor's "Manager" tab,
// added, deleted and moved into a club. The country's map and the world's
// persons are kept in step.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "database/club/Club.h"

class TCompleteWorld;
class TCountry;
class TPerson;

struct AdditionalManagerRow {
    std::uint32_t personId = 0;
    std::u16string shortName;
    // The text key of the person's role; null for a type without a role.
    const char16_t* roleKey = nullptr;
    std::u16string nationality;

    // "name\trole\tabbreviation" as the list shows it.
    std::u16string Text(std::u16string_view role) const;
};

class AdditionalManagers {
public:
    enum class MoveResult { NoClub, Refused, Moved };

    AdditionalManagers(TCompleteWorld& world, TCountry& country) : world_(world), country_(country) {}

    // In the map's order; an entry whose person the world no longer holds
    // is left out.
    std::vector<AdditionalManagerRow> Rows() const;
    // A new person of the type with the country's nationality and its first
    // two languages, entered into the map; null when the world has no id
    // left.
    TPerson* Add(std::uint8_t type);
    // Takes the person out of the map and out of the world; false when the
    // map does not hold him.
    bool Delete(std::uint32_t personId);
    // Into the club or reserve team of the id; a club that refuses him (a
    // full squad) keeps him on the country's list. A moved person loses his
    // nickname and pseudonym at once, as the club's file would at the next save.
    MoveResult MoveToClub(std::uint32_t personId, TTeamId team);
    // A club's file keeps a staff member's first and last names only: the
    // person's nickname or pseudonym would not outlive a move into a club.
    static bool MoveDropsNames(const TPerson& person);

private:
    // The person of a map entry, null when the world no longer holds him.
    TPerson* Holder(std::uint32_t personId) const;

    TCompleteWorld& world_;
    TCountry& country_;
};
