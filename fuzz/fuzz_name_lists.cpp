// Reads arbitrary bytes as a name file into the name lists and the name
// pool, then runs what the export does with the lists: names added twice
// (sizing and writing pass), weights, order and serialisation. Every list
// keeps the blank first, finds each of its names at its own index and
// serialises to exactly its announced size.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "database/person/NameFile.h"
#include "database/person/NameList.h"
#include "database/person/NamePool.h"

namespace {

void Check(bool condition)
{
    if (!condition) __builtin_trap();
}

void AddFileNamesAsPersons(CNameList& lists, std::span<const std::uint8_t> bytes)
{
    for (const TNameFileLine& line : ReadNameFileLines(bytes, bytes.size())) {
        const int index = lists.AddName(line.key, NameKindNickname, line.text, true);
        Check(index >= 0 && index < lists.GetList(line.key, NameKindNickname)->GetCount());
    }
}

void CheckList(const CNameList& lists, int number)
{
    const CNameList::TList* list = lists.GetListByNumber(number);
    for (int i = 0; i < list->GetCount(); ++i) {
        const CNameList::TEntry& entry = list->GetEntry(i);
        Check(list->Find(std::u16string_view(entry.text, entry.length)) == i);
        Check(entry.length <= CNameList::MaxTextLength && entry.count >= 1);
    }
    const std::vector<std::uint8_t> bytes = lists.Serialise(number);
    Check(bytes.size() == lists.GetSerialisedSize(number));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);
    static CNameList lists;
    lists.Reset();
    lists.LoadBytes(NameKindMale, bytes);
    lists.LoadBytes(NameKindSurname, bytes);
    AddFileNamesAsPersons(lists, bytes);
    lists.NormaliseAll();
    lists.SortAll();
    AddFileNamesAsPersons(lists, bytes);
    for (int number = 0; number < CNameList::ListCount; ++number) CheckList(lists, number);
    Check(lists.GetList(0, NameKindMale)->GetEntry(0).length == 1);

    CNamePool pool;
    pool.LoadBytes(NamePoolMale, bytes);
    for (int key = 0; key < CNameList::LanguageKeyCount; ++key) {
        const std::u16string name = pool.PickRandomName(NamePoolMale, key);
        Check(name.size() <= CNamePool::MaxLineBytes);
    }
    return 0;
}
