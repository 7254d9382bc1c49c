// Builds a squad of persons from arbitrary bytes and runs every person
// page's show and store on each twice: nothing may crash, and the second
// round must change nothing. Then the list orders, the duplicate pairing
// and the search match run over the squad.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "database/person/Person.h"
#include "editors/player_staff/model/squad/AbilityRules.h"
#include "editors/player_staff/model/squad/ContractPageModel.h"
#include "editors/player_staff/model/search/DuplicateFinder.h"
#include "editors/player_staff/model/squad/HistoryPageModel.h"
#include "editors/player_staff/model/squad/PersonCommonRules.h"
#include "editors/player_staff/model/search/PlayerSearch.h"
#include "editors/player_staff/model/squad/SquadListModel.h"
#include "editors/player_staff/model/squad/TraitEnabling.h"

namespace {

class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool AtEnd() const { return position_ >= size_; }
    std::uint8_t Byte() { return position_ < size_ ? data_[position_++] : 0; }
    std::uint32_t Word()
    {
        std::uint32_t value = 0;
        for (int n = 0; n < 4; ++n) value = value << 8 | Byte();
        return value;
    }
    // A short name from a small alphabet, so that names repeat.
    std::u16string Name()
    {
        static constexpr char16_t Letters[] = u"aAüÜæÆßœŒ*?%_ ";
        std::u16string name;
        const int length = Byte() % 6;
        for (int n = 0; n < length; ++n) name += Letters[Byte() % (std::size(Letters) - 1)];
        return name;
    }
    TDate Date() { return TDate(Word() % 2600000); }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

std::unique_ptr<TPerson> MakePerson(ByteReader& in, std::uint32_t id)
{
    auto person = std::make_unique<TPerson>(nullptr, id);
    person->SetType(in.Byte() % 20);
    person->SetFirstName(in.Name().c_str());
    person->SetLastName(in.Name().c_str());
    person->SetNickname(in.Name().c_str());
    person->SetPseudonym(in.Name().c_str());
    person->SetNationality(in.Byte());
    person->SetSecondNationality(in.Byte());
    person->SetPersonFlags(in.Byte());
    person->SetNationalBits(in.Byte());
    person->SetBirthDate(in.Date());
    person->SetTalent(in.Byte());
    person->SetYouthPlayer(in.Byte() & 1);
    if (in.Byte() & 1) person->SetReserveTeam();
    person->SetPosition(0, in.Byte());
    person->SetCharacterWord(in.Word());
    person->SetStaffLevel(in.Byte());
    person->SetStateBits(in.Byte());
    person->SetTransferStartDate(in.Date());
    person->SetTransferEndDate(in.Date());
    person->SetInjuryStartDate(in.Date());
    person->SetInjuryEndDate(in.Date());
    person->SetTransferFee(static_cast<std::int32_t>(in.Word()));
    person->SetCallOption(static_cast<std::int32_t>(in.Word()));
    person->SetBanLength(in.Byte());
    person->SetNationalTeamRecord(in.Byte(), in.Byte());
    for (int a = 0; a < TPerson::AbilityCount; a += 7) person->SetAbility(a, in.Byte());
    const int entries = in.Byte() % 34;
    for (int n = 0; n < entries; ++n) {
        THistoryEntry entry;
        entry.entryFlags = in.Byte();
        entry.clubId = in.Word();
        entry.start = in.Date();
        entry.end = in.Date();
        entry.matches = static_cast<std::uint16_t>(in.Word());
        entry.fee = in.Word();
        person->AddHistoryEntry(entry);
    }
    return person;
}

// Every value a page stores.
std::u16string Fingerprint(const TPerson& p)
{
    std::u16string print = std::u16string(p.GetFirstName()) + u"|" + p.GetLastName() + u"|" + p.GetNickname() + u"|" +
                           p.GetPseudonym() + u"|";
    const std::uint32_t values[] = {
        p.GetNationality(), p.GetSecondNationality(), p.GetPersonFlags(), p.GetNationalBits(), p.GetPlayerBits(),
        p.GetBirthDate().GetDayNumber(), p.GetNationalExperience(), p.GetInternationalExperience(),
        p.GetStaffLevel(), p.GetSummaryChoice(), p.GetStateBits(), p.GetTransferStartDate().GetDayNumber(),
        p.GetTransferEndDate().GetDayNumber(), p.GetInjuryStartDate().GetDayNumber(),
        p.GetInjuryEndDate().GetDayNumber(), static_cast<std::uint32_t>(p.GetTransferFee()),
        static_cast<std::uint32_t>(p.GetCallOption()), p.GetBanLength(), p.GetMoneyValue3(),
        static_cast<std::uint32_t>(p.GetHistoryCount())};
    for (std::uint32_t value : values) print += std::u16string(reinterpret_cast<const char16_t*>(&value), 2);
    for (int n = 0; n < p.GetHistoryCount(); ++n) {
        const THistoryEntry& e = p.GetHistoryEntry(n);
        const std::uint32_t entry[] = {e.start.GetDayNumber(), e.end.GetDayNumber(), e.entryFlags, e.matches, e.fee};
        for (std::uint32_t value : entry) print += std::u16string(reinterpret_cast<const char16_t*>(&value), 2);
    }
    return print;
}

void StorePages(TPerson& person)
{
    PersonCommonRules::Store(PersonCommonRules::Show(person), person);
    PersonCommonRules::StoreStaffLevel(person, PersonCommonRules::StaffLevelSelection(person));
    ContractPageModel::Store(ContractPageModel::Show(person), person);
    for (int n = 0; n < person.GetHistoryCount(); ++n) {
        THistoryEntry entry = person.GetHistoryEntry(n);
        HistoryPageModel::StoreEntry(HistoryPageModel::ShowEntry(entry), entry);
        person.SetHistoryEntry(n, entry);
    }
    HistoryPageModel::RaiseInternationalExperience(person);
    (void)TraitEnabling::EnabledBoxes(person);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ByteReader in(data, size);
    std::vector<std::unique_ptr<TPerson>> squad;
    while (!in.AtEnd() && squad.size() < 60) squad.push_back(MakePerson(in, static_cast<std::uint32_t>(squad.size() + 1)));

    std::vector<TPerson*> players;
    std::vector<DuplicateFinder::TCandidate> candidates;
    for (const auto& person : squad) {
        StorePages(*person);
        const std::u16string once = Fingerprint(*person);
        StorePages(*person);
        if (Fingerprint(*person) != once) __builtin_trap();
        players.push_back(person.get());
        candidates.push_back({nullptr, nullptr, person.get()});
        (void)AbilityRules::PercentChange(person->GetAbility(0), 110, 85);
    }
    for (int mode = 0; mode < 4; ++mode) SquadListModel::Sort(players, mode);
    const std::vector<DuplicateFinder::TCandidate> pairs = DuplicateFinder::PairUp(candidates);
    if (pairs.size() % 2 != 0) __builtin_trap();
    for (std::size_t n = 0; n + 2 < pairs.size(); n += 2) {
        for (int type = 0; type < DuplicateFinder::SortTypeCount; ++type) (void)DuplicateFinder::Compare(pairs, type, n, n + 2);
    }
    if (squad.size() >= 2) {
        const PlayerSearch::TCriteria criteria = PlayerSearch::MakeCriteria(
            squad[0]->GetFirstName(), squad[0]->GetLastName(), squad[1]->GetNickname());
        for (TPerson* person : players) (void)PlayerSearch::Matches(person, criteria);
    }
    return 0;
}
