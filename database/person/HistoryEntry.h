#pragma once
// One station of a person's career: a club with the dates, matches, goals
// and fee of the spell. Kept by value in the person's history.

#include <cstdint>

#include "database/world/Date.h"

class CIndexTextFile;

struct THistoryEntry {
    static constexpr std::uint8_t LoanFlag = 0x01;
    static constexpr std::uint8_t RunningFlag = 0x02;

    std::uint8_t entryFlags0 = 0;
    std::uint8_t entryFlags = 0;
    std::uint32_t clubId = 0;
    TDate start;
    // A new entry ends on June 30 of year 0: no season yet.
    TDate end{0, 6, 30};
    std::uint16_t matches = 0;
    std::uint16_t reserveMatches = 0;
    std::uint16_t goals = 0;
    std::uint16_t reserveGoals = 0;
    std::uint32_t fee = 0;

    bool IsLoan() const { return (entryFlags & LoanFlag) != 0; }
    bool IsRunning() const { return (entryFlags & RunningFlag) != 0; }

    // One entry of the HIST section; club ids travel as save ids.
    bool WriteHistoryEntry(CIndexTextFile& file) const;
    void ReadHistoryEntry(CIndexTextFile& file);
};
