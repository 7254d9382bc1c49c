#include "database/PreparedPersons.h"

#include <string_view>
#include <utility>

#include "database/DatabaseVersion.h"

namespace {

thread_local CPreparedPersons* personsInUse = nullptr;

constexpr std::u16string_view PlayerBegin = u"%INDEX%PLAYER";
constexpr std::u16string_view StaffBegin = u"%INDEX%STAFF";

// The thread's file version for the time of a preparation: the readers'
// gates follow it.
class CVersionScope {
public:
    explicit CVersionScope(std::uint32_t version) : saved_(TDatabaseVersion::GetFileVersion())
    {
        TDatabaseVersion::SetFileVersion(version);
    }
    ~CVersionScope() { TDatabaseVersion::SetFileVersion(saved_); }
    CVersionScope(const CVersionScope&) = delete;
    CVersionScope& operator=(const CVersionScope&) = delete;

private:
    std::uint32_t saved_;
};

}  // namespace

void CPreparedPersons::Prepare(CIndexTextFile& file)
{
    const CVersionScope version(TDatabaseVersion::ProgramVersion);
    std::vector<TEntry> entries;
    std::size_t position = 0;
    file.SetLinePosition(0);
    for (const char16_t* line = file.PeekLine(); line != nullptr; line = file.PeekLine()) {
        const bool player = line[0] == u'%' && PlayerBegin == line;
        const bool staff = !player && line[0] == u'%' && StaffBegin == line;
        if (player || staff) {
            auto person = std::make_unique<TPerson>(nullptr, 0);
            bool complete = false;
            if (person->ReadSectionNoting(file, staff, complete) == TSectionRead::Read && complete) {
                entries.push_back({position, file.GetLinePosition(), staff, std::move(person)});
                position = file.GetLinePosition();
                continue;
            }
        }
        file.SetLinePosition(++position);
    }
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
    persons_.entries_.clear();
    persons_.entries_.shrink_to_fit();
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
    TEntry& entry = entries[next++];
    person.CopyFrom(std::move(*entry.person));
    file.SetLinePosition(entry.end);
    return true;
}
