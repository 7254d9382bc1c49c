#include "database/PreparedPersons.h"

#include <string_view>
#include <utility>

#include "database/DatabaseVersion.h"

namespace {

thread_local CPreparedPersons* personsInUse = nullptr;

// The begin lines of a person's sections; the second one a staff member's.
constexpr std::u16string_view BeginLines[] = {u"%INDEX%PLAYER", u"%INDEX%STAFF"};
constexpr std::size_t StaffBeginLine = 1;

}  // namespace

void CPreparedPersons::Prepare(CIndexTextFile& file)
{
    const CProgramLayout layout;
    const std::vector<CIndexTextFile::TFoundLine> begins = file.FindLines(BeginLines);
    std::vector<TPerson> persons;
    persons.reserve(begins.size());
    std::vector<TEntry> entries;
    entries.reserve(begins.size());
    // A begin line inside a section read already belongs to that person.
    std::size_t readUpTo = 0;
    for (const CIndexTextFile::TFoundLine& begin : begins) {
        if (begin.position < readUpTo) continue;
        const bool staff = begin.text == StaffBeginLine;
        file.SetLinePosition(begin.position);
        TPerson& person = persons.emplace_back(nullptr, 0);
        bool complete = false;
        if (person.ReadSectionNoting(file, staff, complete) == TSectionRead::Read && complete) {
            readUpTo = file.GetLinePosition();
            entries.push_back({begin.position, readUpTo, staff});
        } else {
            persons.pop_back();
        }
    }
    persons_ = std::move(persons);
    entries_ = std::move(entries);
    nextEntry_ = 0;
}

CPreparedPersons::CInUse::CInUse(CPreparedPersons& persons, const CIndexTextFile* file)
    : persons_(persons), previous_(personsInUse)
{
    persons_.file_ = file;
    personsInUse = &persons_;
}

CPreparedPersons::CInUse::~CInUse()
{
    personsInUse = previous_;
    persons_.persons_ = {};
    persons_.entries_ = {};
    persons_.file_ = nullptr;
}

bool CPreparedPersons::TakeInto(CIndexTextFile& file, bool staff, TPerson& person)
{
    CPreparedPersons* prepared = personsInUse;
    if (prepared == nullptr || prepared->file_ != &file) return false;
    // A nested section of another version changes the readers' gates.
    if (TDatabaseVersion::GetFileVersion() != TDatabaseVersion::ProgramVersion) return false;
    const std::size_t position = file.GetLinePosition();
    std::vector<TEntry>& entries = prepared->entries_;
    std::size_t& next = prepared->nextEntry_;
    while (next < entries.size() && entries[next].begin < position) ++next;
    if (next == entries.size() || entries[next].begin != position || entries[next].staff != staff) return false;
    const TEntry& entry = entries[next];
    person.CopyFrom(std::move(prepared->persons_[next]));
    ++next;
    file.SetLinePosition(entry.end);
    return true;
}
