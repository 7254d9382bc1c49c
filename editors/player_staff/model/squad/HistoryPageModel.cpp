#include "editors/player_staff/model/squad/HistoryPageModel.h"

#include <algorithm>

#include "core/text/TextManager.h"
#include "core/text/TextTools.h"
#include "database/club/Club.h"
#include "database/world/CompleteWorld.h"
#include "database/person/Person.h"

namespace {

constexpr int MaxCount = 0xFFFF;

const TClub* ClubOf(const TCompleteWorld* world, const THistoryEntry& entry)
{
    return world ? world->GetClubConst(entry.clubId) : nullptr;
}

int CompareClubs(const TCompleteWorld* world, const THistoryEntry& a, const THistoryEntry& b)
{
    const TClub* clubA = ClubOf(world, a);
    const TClub* clubB = ClubOf(world, b);
    if (!clubA || !clubB) return (clubA ? 0 : 1) - (clubB ? 0 : 1);
    return CompareCollated(clubA->GetName(), clubB->GetName());
}

int CompareEnds(const THistoryEntry& a, const THistoryEntry& b)
{
    if (a.IsRunning() || b.IsRunning()) return (a.IsRunning() ? 1 : 0) - (b.IsRunning() ? 1 : 0);
    return a.end < b.end ? -1 : (b.end < a.end ? 1 : 0);
}

int Difference(std::int64_t a, std::int64_t b)
{
    return a < b ? -1 : (a > b ? 1 : 0);
}

std::uint16_t Count(int value)
{
    return static_cast<std::uint16_t>(std::clamp(value, 0, MaxCount));
}

void SetFlag(std::uint8_t& flags, std::uint8_t flag, bool on)
{
    flags = static_cast<std::uint8_t>(on ? flags | flag : flags & ~flag);
}

}  // namespace

int HistoryPageModel::Compare(const TCompleteWorld* world, int sortType, const THistoryEntry& a,
                              const THistoryEntry& b)
{
    switch (sortType) {
    case 0:
        return CompareClubs(world, a, b);
    case 1:
        return Difference(a.start.GetDayNumber(), b.start.GetDayNumber());
    case 2:
        return CompareEnds(a, b);
    case 3:
        return a.matches != b.matches ? Difference(a.matches, b.matches) : Difference(a.reserveMatches, b.reserveMatches);
    case 4:
        return a.goals != b.goals ? Difference(a.goals, b.goals) : Difference(a.reserveGoals, b.reserveGoals);
    case 5:
        return Difference(a.fee, b.fee);
    default:
        return 0;
    }
}

std::u16string HistoryPageModel::MatchGoalText(int first, int reserve)
{
    const CTextManager& texts = *CTextManager::Instance();
    const std::u16string firstText = texts.FormatInt(first);
    const std::u16string reserveText = texts.FormatInt(reserve);
    const char16_t* const from[] = {u"_FIRST", u"_RESERVE", nullptr};
    const char16_t* const to[] = {firstText.c_str(), reserveText.c_str(), nullptr};
    char16_t line[256];
    ReplaceTokens(texts.GetText(u"Dialog.Player.History.MatchGoalFormat"_tk), from, to, line, 256);
    return line;
}

std::u16string HistoryPageModel::FeeText(const THistoryEntry& entry)
{
    const CTextManager& texts = *CTextManager::Instance();
    const std::u16string fee = texts.FormatInt(static_cast<std::int32_t>(std::min<std::uint32_t>(entry.fee, 0x7FFFFFFF)));
    if (!entry.IsLoan()) return fee;
    char16_t line[256];
    ReplaceToken(texts.GetText(u"Dialog.Player.History.TransferLoanFormat"_tk), u"_VALUE", fee.c_str(), line, 256);
    return line;
}

std::u16string HistoryPageModel::DateText(TDate date)
{
    std::uint16_t year = 0;
    std::uint8_t month = 0;
    std::uint8_t day = 0;
    date.GetYearMonthDay(year, month, day);
    return CTextManager::Instance()->FormatDate(1, year, month, day);
}

std::u16string HistoryPageModel::EndText(const THistoryEntry& entry)
{
    if (entry.IsRunning()) return CTextManager::Instance()->GetText(u"Dialog.Player.History.ListEntryOpen"_tk);
    return DateText(entry.end);
}

HistoryPageModel::TTotals HistoryPageModel::Totals(const TPerson& person)
{
    TTotals totals;
    for (int index = 0; index < person.GetHistoryCount(); ++index) {
        const THistoryEntry& entry = person.GetHistoryEntry(index);
        totals.matches += entry.matches + entry.reserveMatches;
        totals.goals += entry.goals + entry.reserveGoals;
    }
    return totals;
}

bool HistoryPageModel::AddNewEntry(TPerson& person)
{
    if (person.GetHistoryCount() >= TPerson::MaxHistoryEntries) return false;
    TDate latestEnd;
    for (int index = 0; index < person.GetHistoryCount(); ++index) {
        latestEnd = std::max(latestEnd, person.GetHistoryEntry(index).end);
    }
    THistoryEntry entry;
    entry.start = latestEnd.IsSet() ? latestEnd + 1 : TDate(2006, 7, 1);
    entry.end = TDate(2007, 6, 30);
    if (const TCompleteWorld* world = person.GetWorld()) {
        if (const TClub* club = world->FindClubOfPerson(&person)) entry.clubId = club->GetId();
    }
    person.AddHistoryEntry(entry);
    return true;
}

HistoryPageModel::TEntryView HistoryPageModel::ShowEntry(const THistoryEntry& entry)
{
    TEntryView view;
    view.start = entry.start;
    view.end = entry.end;
    view.open = entry.IsRunning();
    view.matches = entry.matches;
    view.reserveMatches = entry.reserveMatches;
    view.goals = entry.goals;
    view.reserveGoals = entry.reserveGoals;
    view.loan = entry.IsLoan();
    view.fee = entry.fee;
    return view;
}

void HistoryPageModel::StoreEntry(const TEntryView& view, THistoryEntry& entry)
{
    if (view.startEdited) entry.start = view.start;
    if (view.endEdited) entry.end = view.end;
    entry.matches = Count(view.matches);
    entry.reserveMatches = Count(view.reserveMatches);
    entry.goals = Count(view.goals);
    entry.reserveGoals = Count(view.reserveGoals);
    SetFlag(entry.entryFlags, THistoryEntry::LoanFlag, view.loan);
    entry.fee = view.fee;
    SetFlag(entry.entryFlags, THistoryEntry::RunningFlag, view.open);
}

int HistoryPageModel::ExperienceForAppearances(int appearances)
{
    if (appearances >= 50) return 4;
    if (appearances >= 25) return 3;
    if (appearances >= 10) return 2;
    if (appearances >= 1) return 1;
    return 0;
}

void HistoryPageModel::RaiseInternationalExperience(TPerson& person)
{
    const int least = ExperienceForAppearances(person.GetNationalAppearances());
    if (person.GetInternationalExperience() < least) {
        person.SetInternationalExperience(static_cast<std::uint8_t>(least));
    }
}
