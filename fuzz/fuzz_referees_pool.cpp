// Runs arbitrary sequences of the referee list's commands (new confirmed
// or cancelled, edit, delete, sort) against a set of the ids that must be
// held, then arbitrary player pool entries through the pool page's rows,
// sorts and the entry write.

#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "database/country/Country.h"
#include "database/person/PoolPlayer.h"
#include "database/club/Referee.h"
#include "editors/player_staff/model/lists/PoolPageModel.h"
#include "editors/player_staff/model/lists/RefereeList.h"
#include "fuzz/FuzzBytes.h"

namespace {

using fuzz_support::FuzzBytes;
using fuzz_support::Require;

std::u16string Name(FuzzBytes& input)
{
    const int length = input.U8() % 24;
    std::u16string text;
    for (int i = 0; i < length; ++i) text.push_back(static_cast<char16_t>(u'A' + input.U8() % 60));
    return text;
}

void CheckReferees(const TCountry& country, TRefereeMap& map, const RefereeList& list, const std::set<int>& expected)
{
    std::set<int> held;
    for (const auto& entry : map) held.insert(entry.first);
    Require(held == expected);
    Require(list.GetRows().size() == expected.size());
    for (const RefereeRow& row : list.GetRows()) Require(map.Find(row.id) == row.referee);
}

int LowestFree(const std::set<int>& ids)
{
    for (int id = 1; id <= TRefereeMap::MaxCount; ++id) {
        if (!ids.count(id)) return id;
    }
    return 0;
}

void RunReferees(FuzzBytes& input, TCountry& country)
{
    RefereeList list;
    list.SetCountry(&country);
    TRefereeMap& map = country.GetReferees();
    std::set<int> ids;
    const int seeded = input.U8() % 4 == 0 ? TRefereeMap::MaxCount : input.U8();
    for (int i = 0; i < seeded; ++i) {
        TReferee referee;
        referee.SetNames(u"A", u"B");
        referee.SetType(input.U8());
        ids.insert(map.Add(referee));
    }
    list.Fill();
    for (int step = 0; step < 64 && !input.Empty(); ++step) {
        const std::uint8_t command = input.U8() % 6;
        if (command <= 2) {
            const int expectedId = LowestFree(ids);
            const int id = list.BeginNew();
            Require(id == expectedId);
            if (id == 0) continue;
            TReferee edited;
            const std::u16string first = Name(input);
            const std::u16string last = Name(input);
            edited.SetNames(first.c_str(), last.c_str());
            edited.SetType(input.U8());
            const bool kept = list.FinishNew(id, command == 1 ? nullptr : &edited);
            Require(kept == (command != 1 && edited.GetFirstName()[0] != 0 && edited.GetLastName()[0] != 0));
            if (kept) ids.insert(id);
        } else if (command == 3 && !list.GetRows().empty()) {
            const int id = list.GetRows()[input.U8() % list.GetRows().size()].id;
            TReferee edited;
            edited.SetType(input.U8());
            Require(list.Edit(id, edited));
        } else if (command == 4) {
            std::vector<int> rows;
            const int count = input.U8() % 4;
            for (int i = 0; i < count; ++i) rows.push_back(static_cast<int>(input.U8()) - 2);
            for (int row : rows) {
                if (row >= 0 && row < static_cast<int>(list.GetRows().size())) ids.erase(list.GetRows()[row].id);
            }
            list.Delete(rows);
        } else {
            list.ClickHeader(input.U8() % 3);
        }
        CheckReferees(country, map, list, ids);
    }
}

void FillEntry(FuzzBytes& input, TPoolPlayer& entry)
{
    const std::u16string first = Name(input);
    const std::u16string last = Name(input);
    entry.SetFirstName(first.c_str());
    entry.SetLastName(last.c_str());
    entry.SetNationality(input.U8());
    entry.SetAbilityIndex(input.U8());
    entry.SetTeamPart(input.U8());
    entry.SetCharacterTrait(input.U8());
    entry.SetFace(input.U8());
    entry.SetShoe(input.U8());
    entry.SetPreferredClub(input.U8() % 2 ? TPoolPlayer::CreateClub : input.U8());
    if (input.U8() % 3 == 0) entry.SetBirthDate(TDate());
}

void RunPool(FuzzBytes& input, TCountry& country)
{
    country.ResizePool(1 + input.U8() % 40);
    for (int index = 0; index < country.GetPoolPlayerCount() && !input.Empty(); ++index) FillEntry(input, *country.GetPoolPlayer(index));
    PoolPageModel model;
    model.SetCountry(&country);
    for (int column = 0; column < PoolPageModel::ColumnCount + 1; ++column) model.ClickHeader(column);
    int used = 0;
    int firstFree = -1;
    for (int index = 0; index < country.GetPoolPlayerCount(); ++index) {
        if (country.GetPoolPlayer(index)->HasName()) {
            ++used;
        } else if (firstFree < 0) {
            firstFree = index;
        }
    }
    Require(static_cast<int>(model.GetRows().size()) == used);
    Require(model.GetFirstFreeIndex() == firstFree);
    for (TPoolPlayer* entry : model.GetRows()) {
        PoolEntryValues values = PoolPageModel::ReadEntry(*entry);
        const bool hadDate = entry->GetBirthDate().IsSet();
        if (input.U8() % 2) {
            values.day = input.U8();
            values.month = input.U8();
            values.year = 1900 + input.U8();
        }
        PoolPageModel::WriteEntry(*entry, values);
        const TDate date = entry->GetBirthDate();
        Require(date.IsSet() || (!hadDate && values.day == 0 && values.month == 0 && values.year == 0) ||
              (values.day == 0 && values.month == 0 && values.year == 0));
        if (date.IsSet()) Require(date.GetYear() >= PoolPageModel::FirstBirthYear && date.GetYear() <= PoolPageModel::LastBirthYear);
    }
    std::vector<int> rows;
    for (int i = 0; i < 3; ++i) rows.push_back(input.U8() % (used + 1));
    model.Delete(rows);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzBytes input(data, size);
    TCountry country;
    RunReferees(input, country);
    RunPool(input, country);
    return 0;
}
