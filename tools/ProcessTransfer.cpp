#include "tools/ProcessTransfer.h"

#include <string>
#include <vector>

#include "core/text/Format.h"
#include "database/club/Club.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/world/Date.h"
#include "database/person/Person.h"

namespace {

constexpr int FirstCountryId = 1;
constexpr int LastVisitedCountryId = 206;

enum TransferState { StateRetirement = 3, StateLoanedIn = 4, StateSold = 5, StateLoanedOut = 6 };

TDate SeasonEnd() { return TDate(2007, 6, 30); }
TDate EarlierSeasonStart() { return TDate(2006, 7, 1); }

bool SameClub(std::uint32_t a, std::uint32_t b) { return WithoutReserveBit(a) == WithoutReserveBit(b); }

THistoryEntry Station(std::uint32_t club, TDate start, TDate end, bool loan, bool running, std::uint32_t fee = 0)
{
    THistoryEntry entry;
    entry.clubId = club;
    entry.start = start;
    entry.end = end;
    entry.entryFlags = static_cast<std::uint8_t>((loan ? THistoryEntry::LoanFlag : 0) |
                                                 (running ? THistoryEntry::RunningFlag : 0));
    entry.fee = fee;
    return entry;
}

std::uint32_t PositiveFee(std::int32_t fee) { return fee > 0 ? static_cast<std::uint32_t>(fee) : 0; }

// The history as the case will leave it, written back only when the whole
// case can be carried out.
class CHistoryDraft {
public:
    explicit CHistoryDraft(const TPerson& person)
    {
        for (int index = 0; index < person.GetHistoryCount(); ++index) entries_.push_back(person.GetHistoryEntry(index));
        originalCount_ = entries_.size();
        FindLast();
    }

    // The entry with the latest end date, the first of equal ones; -1 for none.
    int Last() const { return last_; }
    // The last entry that became the latest while scanning and is no loan.
    int LastNonLoanSeen() const { return lastNonLoan_; }
    THistoryEntry& At(int index) { return entries_[static_cast<std::size_t>(index)]; }
    const THistoryEntry& At(int index) const { return entries_[static_cast<std::size_t>(index)]; }
    bool LastBelongsTo(std::uint32_t club) const { return last_ >= 0 && SameClub(At(last_).clubId, club); }

    // As the person adds it: an end before the start becomes the start.
    int Add(THistoryEntry entry)
    {
        if (entry.end < entry.start) entry.end = entry.start;
        entries_.push_back(entry);
        return static_cast<int>(entries_.size()) - 1;
    }
    void MakeLast(int index) { last_ = index; }
    bool Fits() const { return entries_.size() <= static_cast<std::size_t>(TPerson::MaxHistoryEntries); }
    // Ends the last entry, no longer running, on end; false when that would
    // end it before its start.
    bool CloseLast(TDate end)
    {
        THistoryEntry& last = At(last_);
        if (!last.start.IsSet() || end < last.start) return false;
        last.entryFlags &= static_cast<std::uint8_t>(~THistoryEntry::RunningFlag);
        last.end = end;
        return true;
    }

    // The latest-ending entry but the last one and loans; -1 for none.
    int LatestEarlierNonLoan() const
    {
        int found = -1;
        for (int index = 0; index < static_cast<int>(entries_.size()); ++index) {
            if (index == last_ || At(index).IsLoan()) continue;
            if (found < 0 || At(index).end > At(found).end) found = index;
        }
        return found;
    }

    void WriteTo(TPerson& person) const
    {
        for (std::size_t index = 0; index < entries_.size(); ++index) {
            if (index < originalCount_) person.SetHistoryEntry(static_cast<int>(index), entries_[index]);
            else person.AddHistoryEntry(entries_[index]);
        }
    }

private:
    void FindLast()
    {
        for (int index = 0; index < static_cast<int>(entries_.size()); ++index) {
            if (last_ >= 0 && !(At(index).end > At(last_).end)) continue;
            last_ = index;
            if (!At(index).IsLoan()) lastNonLoan_ = index;
        }
    }

    std::vector<THistoryEntry> entries_;
    std::size_t originalCount_ = 0;
    int last_ = -1;
    int lastNonLoan_ = -1;
};

// One player's case: the draft history, the squad move and the message.
struct TTransferCase {
    TTransferCase(TPerson& p, TClub& own, TClub* other) : person(p), club(own), transferClub(other), history(p) {}

    TPerson& person;
    TClub& club;
    TClub* transferClub;
    CHistoryDraft history;
    TClub* moveTo = nullptr;
    std::u16string message;
    int type = ReportType::Info;

    // False when the span from the last entry's end to end is empty.
    bool AddMissingEntry(TDate end)
    {
        const int last = history.Last();
        if (last >= 0 && !history.At(last).end.IsSet()) return false;
        const TDate start = last < 0 ? EarlierSeasonStart() : history.At(last).end + 1;
        if (end < start) return false;
        history.MakeLast(history.Add(Station(club.GetId(), start, end, false, false)));
        message += Format(u"History entry for club %s was missing and has been added.\r\n", club.GetName());
        return true;
    }
    // Nothing was written, so only the reason is told.
    void Invalid()
    {
        message = u"Player has an invalid history entry and cannot be transferred.\r\n";
        type = ReportType::Error;
    }
    // Whether the draft and the move can be carried out without losing the
    // player or an entry; if not, the reason is the message.
    bool Fits()
    {
        if (!history.Fits()) {
            message = u"Player cannot be transferred: his history is full.\r\n";
            type = ReportType::Error;
            return false;
        }
        if (moveTo != nullptr && moveTo != &club && moveTo->FindPlayer(person.GetId()) == nullptr &&
            moveTo->GetSquadCount() >= TClub::SquadCapacity) {
            message = Format(u"Player cannot be transferred: the squad of %s is full.\r\n", moveTo->GetName());
            type = ReportType::Error;
            return false;
        }
        return true;
    }
    void Commit()
    {
        history.WriteTo(person);
        if (moveTo != nullptr) {
            club.RemovePlayer(&person);
            moveTo->AddPlayer(&person);
        }
        type = ReportType::Success;
    }
};

void LoanOut(TTransferCase& c, TDate start, TDate end)
{
    if ((!c.history.LastBelongsTo(c.club.GetId()) && !c.AddMissingEntry(start - 1)) || !c.history.CloseLast(start - 1)) {
        c.Invalid();
        return;
    }
    const bool ended = end <= SeasonEnd();
    c.history.Add(Station(c.transferClub->GetId(), start, ended ? end : SeasonEnd(), true, !ended,
                          PositiveFee(c.person.GetCallOption())));
    if (ended) {
        c.history.Add(Station(c.club.GetId(), end + 1, SeasonEnd(), false, true));
        c.message += Format(u"Player was loaned to %s and is now back at %s.\r\n", c.transferClub->GetName(),
                            c.club.GetName());
    } else {
        c.moveTo = c.transferClub;
        c.message += Format(u"Player is loaned to %s and has a 'loaned (present)' state now.\r\n",
                            c.transferClub->GetName());
    }
    if (!c.Fits()) return;
    c.Commit();
    if (ended) {
        c.person.SetTransferState(0);
    } else {
        c.person.SetTransferState(StateLoanedIn);
        c.person.SetTransferClub(c.club.GetId());
    }
}

void Sell(TTransferCase& c, TDate saleDay)
{
    if ((!c.history.LastBelongsTo(c.club.GetId()) && !c.AddMissingEntry(saleDay - 1)) || !c.history.CloseLast(saleDay - 1)) {
        c.Invalid();
        return;
    }
    const TDate joined = saleDay;
    c.history.Add(Station(c.transferClub->GetId(), joined, SeasonEnd(), false, true, PositiveFee(c.person.GetTransferFee())));
    c.moveTo = c.transferClub;
    c.message += Format(u"Player was sold from %s to %s.\r\n", c.club.GetName(), c.transferClub->GetName());
    if (!c.Fits()) return;
    c.Commit();
    c.person.SetTransferState(0);
    c.person.SetYearJoined(joined.GetYear());
}

void ReturnFromLoan(TTransferCase& c, TDate start, TDate end)
{
    const std::uint32_t owner = c.transferClub->GetId();
    const int remembered = c.history.LastNonLoanSeen();
    if (!c.history.LastBelongsTo(c.club.GetId()) && remembered >= 0 && SameClub(c.history.At(remembered).clubId, owner)) {
        if (!start.IsSet() || end < start) {
            c.Invalid();
            return;
        }
        c.history.MakeLast(c.history.Add(Station(c.club.GetId(), start, end, true, false)));
        c.message += Format(u"History entry for club %s was missing and has been added.\r\n", c.club.GetName());
    }
    const int earlier = c.history.LatestEarlierNonLoan();
    if (!c.history.LastBelongsTo(c.club.GetId()) || (earlier >= 0 && !SameClub(c.history.At(earlier).clubId, owner)) ||
        !c.history.CloseLast(end)) {
        c.Invalid();
        return;
    }
    c.history.Add(Station(owner, end + 1, SeasonEnd(), false, true));
    c.moveTo = c.transferClub;
    c.message += Format(u"Player was loaned from %s and was moved back.\r\n", c.transferClub->GetName());
    if (c.person.GetTransferFee() != 0) c.message += u"The deal included a buy option.\r\n";
    if (!c.Fits()) return;
    c.Commit();
    c.person.SetTransferState(0);
}

}  // namespace

void CProcessTransfer::Run(CReportModel& report)
{
    report.SetProgressRange(0, ProgressRange);
    report.SetProgressPos(0);
    for (int id = FirstCountryId; id <= LastVisitedCountryId; ++id) {
        const TCountry* country = world_.GetCountry(id);
        if (country == nullptr) continue;
        const ReportEntryHandle countryCategory = report.AddCategory(0, country->GetName());
        report.SetProgressPos(id);
        for (int index = 0; index < country->GetClubCount() && !report.IsCloseRequested(); ++index) {
            TClub* club = country->GetClubByIndex(index);
            if (club == nullptr) continue;
            const ReportEntryHandle category = report.AddCategory(countryCategory, club->GetName());
            for (int slot = club->GetSquadCount() - 1; slot >= 0; --slot) {
                TPerson* person = club->GetSquadPerson(slot);
                if (person != nullptr && person->IsPlayer()) ProcessPlayer(*person, *club, category, report);
            }
        }
        if (report.IsCloseRequested()) return;
    }
    report.RemoveEmptyCategories();
    report.SortAlphabetically();
}

void CProcessTransfer::ProcessPlayer(TPerson& person, TClub& club, ReportEntryHandle parent, CReportModel& report)
{
    const int state = person.GetTransferState();
    const TDate start = person.GetTransferStartDate();
    const TDate end = person.GetTransferEndDate();
    TTransferCase c(person, club, world_.GetClub(person.GetTransferClub()));
    const bool needsClub = state == StateLoanedIn || state == StateSold || state == StateLoanedOut;
    if (needsClub && c.transferClub == nullptr) return;
    const TDate today = GetApplicationDate();
    // An unset date would pass every "before" test and wrap "the day before".
    const bool unsetDates = ((state == StateSold || state == StateLoanedOut) && !start.IsSet()) ||
                            ((state == StateLoanedIn || state == StateLoanedOut) && !end.IsSet());
    if (state == StateRetirement) {
        c.message = u"Retirement flag set. Delete the player manually.\r\n";
    } else if (unsetDates) {
        c.Invalid();
    } else if (state == StateLoanedOut && start < today) {
        LoanOut(c, start, end);
    } else if (state == StateSold && start < today) {
        Sell(c, start);
    } else if (state == StateLoanedIn && c.history.Last() >= 0 && end < today) {
        ReturnFromLoan(c, start, end);
    }
    if (!c.message.empty()) report.AddEntry(parent, c.type, TPerson::GetShortName(&person), c.message);
}
