#pragma once
// The text form of a club: the section "CLUB%d" of a country file (clubs
// numbered 1, 2, 3, ..., the national team 65535) and of a club file
// (index 0). The reader converts every older layout; the writer always
// writes the newest one.

#include <cstdint>
#include <memory>
#include <vector>

class CIndexTextFile;
class TClub;
class TPerson;

// A squad member read but not yet given to the world, with his file id.
struct TPendingPerson {
    std::uint32_t id;
    std::unique_ptr<TPerson> person;
};

class CClubSection {
public:
    // With pending given, the squad's persons are collected there instead
    // of being created in the world and added to the squad.
    static bool Read(TClub& club, CIndexTextFile& file, std::uint32_t index,
                     std::vector<TPendingPerson>* pending = nullptr);
    static bool Write(const TClub& club, CIndexTextFile& file, std::uint32_t index);
    // The warning about damaged club names; on at start, off once the user
    // declines further warnings.
    static bool IsNameWarningOn();
    static void SetNameWarning(bool on);

private:
    class Reader;
    class Writer;
};
