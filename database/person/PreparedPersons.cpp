#include "database/person/PreparedPersons.h"

#include <string_view>
#include <utility>

#include "database/world/DatabaseVersion.h"

namespace {

thread_local CPreparedPersons* personsInUse = nullptr;

// The begin lines of a person's sections; the second one a staff member's.
constexpr std::u16string_view BeginLines[] = {u"%INDEX%PLAYER", u"%INDEX%STAFF"};
constexpr std::size_t StaffBeginLine = 1;

struct TIdLine {
    std::size_t position;
    std::uint32_t id;
};

// The line before a begin line, when it is a value line of its own (not a
// comment, not a section line, not inside the section read before): the
// club reader reads a person's id there.
TIdLine IdLineBefore(CIndexTextFile& file, std::size_t begin, std::size_t readUpTo)
{
    TIdLine idLine{SIZE_MAX, 0};
    if (begin == 0 || begin - 1 < readUpTo || file.IsSectionLine(begin - 1)) return idLine;
    file.SetLinePosition(begin - 1);
    std::uint32_t id = 0;
    if (file.ReadInt32(id) && file.GetLinePosition() == begin) idLine = {begin - 1, id};
    return idLine;
}

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
        const TIdLine idLine = IdLineBefore(file, begin.position, readUpTo);
        file.SetLinePosition(begin.position);
        TPerson& person = persons.emplace_back(nullptr, 0);
        bool complete = false;
        const bool read = person.ReadSectionNoting(file, staff, complete) == TSectionRead::Read;
        // A line this pass found broken is named by the loading thread's
        // read of the section, which keeps its result; this pass, which
        // may read a file of another layout as its own, leaves no note.
        const bool sound = file.GetBrokenSectionLine() == 0;
        file.ForgetBrokenLinesFrom(0);
        if (read && complete && sound) {
            readUpTo = file.GetLinePosition();
            entries.push_back({begin.position, readUpTo, staff, idLine.position, idLine.id});
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

CPreparedPersons* CPreparedPersons::InUseFor(const CIndexTextFile& file)
{
    CPreparedPersons* prepared = personsInUse;
    if (prepared == nullptr || prepared->file_ != &file) return nullptr;
    // A nested section of another version changes the readers' gates.
    if (TDatabaseVersion::GetFileVersion() != TDatabaseVersion::ProgramVersion) return nullptr;
    return prepared;
}

std::size_t CPreparedPersons::EntryFrom(std::size_t position)
{
    while (nextEntry_ < entries_.size() && entries_[nextEntry_].begin < position) ++nextEntry_;
    return nextEntry_;
}

bool CPreparedPersons::TakeId(CIndexTextFile& file, std::uint32_t& id)
{
    CPreparedPersons* prepared = InUseFor(file);
    if (prepared == nullptr) return false;
    const std::size_t position = file.GetLinePosition();
    const std::size_t next = prepared->EntryFrom(position);
    if (next == prepared->entries_.size() || prepared->entries_[next].idLine != position) return false;
    id = prepared->entries_[next].id;
    file.SetLinePosition(position + 1);
    return true;
}

bool CPreparedPersons::TakeInto(CIndexTextFile& file, bool staff, TPerson& person)
{
    CPreparedPersons* prepared = InUseFor(file);
    if (prepared == nullptr) return false;
    const std::size_t position = file.GetLinePosition();
    const std::size_t next = prepared->EntryFrom(position);
    const std::vector<TEntry>& entries = prepared->entries_;
    if (next == entries.size() || entries[next].begin != position || entries[next].staff != staff) return false;
    person.CopyFrom(std::move(prepared->persons_[next]));
    prepared->nextEntry_ = next + 1;
    file.SetLinePosition(entries[next].end);
    return true;
}
