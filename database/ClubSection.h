#pragma once
// The text form of a club: the section "CLUB%d" of a country file (clubs
// numbered 1, 2, 3, ..., the national team 65535) and of a club file
// (index 0). The reader converts every older layout; the writer always
// writes the newest one.

#include <cstdint>

class CIndexTextFile;
class TClub;

class CClubSection {
public:
    static bool Read(TClub& club, CIndexTextFile& file, std::uint32_t index);
    static bool Write(const TClub& club, CIndexTextFile& file, std::uint32_t index);
    // The warning about damaged club names; on at start, off once the user
    // declines further warnings.
    static bool IsNameWarningOn();
    static void SetNameWarning(bool on);

private:
    class Reader;
    class Writer;
};
