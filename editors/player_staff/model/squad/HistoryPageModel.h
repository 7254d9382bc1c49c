#pragma once
// The history page without its window: the career list's orders, row
// texts and totals, the new entry, the entry editor's store and the
// experience that national appearances imply.

#include <cstdint>
#include <string>

#include "database/person/HistoryEntry.h"

class TCompleteWorld;
class TPerson;

class HistoryPageModel {
public:
    static constexpr int SortTypeCount = 6;

    // a before b when negative.
    static int Compare(const TCompleteWorld* world, int sortType, const THistoryEntry& a, const THistoryEntry& b);

    // "MatchGoalFormat" with "_FIRST" and "_RESERVE" replaced.
    static std::u16string MatchGoalText(int first, int reserve);
    // The fee, or "TransferLoanFormat" with it for a loan.
    static std::u16string FeeText(const THistoryEntry& entry);
    // The end column: the date, or "ListEntryOpen" for a running entry.
    static std::u16string EndText(const THistoryEntry& entry);
    static std::u16string DateText(TDate date);

    struct TTotals {
        int matches = 0;
        int goals = 0;
    };
    static TTotals Totals(const TPerson& person);

    // A new entry after the latest end (2006-07-01 for the first), ending
    // 2007-06-30, at the person's current club; false at 30 entries.
    static bool AddNewEntry(TPerson& person);

    // The entry editor's controls.
    struct TEntryView {
        TDate start;
        TDate end;
        // Dates are written back only when the user changed them.
        bool startEdited = false;
        bool endEdited = false;
        bool open = false;
        int matches = 0;
        int reserveMatches = 0;
        int goals = 0;
        int reserveGoals = 0;
        bool loan = false;
        std::uint32_t fee = 0;
    };
    static TEntryView ShowEntry(const THistoryEntry& entry);
    static void StoreEntry(const TEntryView& view, THistoryEntry& entry);

    // The least international experience the national appearances give.
    static int ExperienceForAppearances(int appearances);
    static void RaiseInternationalExperience(TPerson& person);
};
