#pragma once
// The staff roles a club can hold: each person type with its menu command,
// the most persons of that type a club takes, and its text key.

#include <cstdint>
#include <span>
#include <vector>

class TClub;

class PersonTypeTable {
public:
    struct TRow {
        std::uint16_t command;
        std::uint16_t type;
        std::int32_t limit;
        const char16_t* key;
    };

    static std::span<const TRow> Rows();
    // Null for a command the table does not hold.
    static const TRow* FindByCommand(int command);
    // Null for a type outside the table (19 and above).
    static const TRow* FindByType(int type);
    // The commands of the roles the club already fills up to their limit.
    static std::vector<std::uint16_t> GrayedCommands(const TClub& club);
};
