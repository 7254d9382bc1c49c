#include "database/person/PreparedPersons.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

#include "core/files/IndexTextFile.h"
#include "database/world/DatabaseVersion.h"
#include "database/person/Person.h"
#include "tests/common/TestSupport.h"

namespace {

using testing_support::ReadBytes;
using testing_support::SourcePath;
using testing_support::TempFolder;

struct TBegin {
    std::size_t position;
    bool staff;
};

// Where each person section of a file begins: the position at which its
// begin line is the next one.
std::vector<TBegin> PersonSectionBegins(CIndexTextFile& file)
{
    std::vector<TBegin> begins;
    file.SetLinePosition(0);
    for (const char16_t* line = file.PeekLine(); line != nullptr; line = file.PeekLine()) {
        const std::u16string_view text(line);
        if (text == u"%INDEX%PLAYER" || text == u"%INDEX%STAFF") {
            begins.push_back({file.GetLinePosition(), text == u"%INDEX%STAFF"});
        }
        file.SetLinePosition(file.GetLinePosition() + 1);
    }
    return begins;
}

bool Open(CIndexTextFile& file, const std::string& text)
{
    return file.OpenFromBytes({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}, u"Country1.sav");
}

// Prepared the way a load prepares a file: on another thread.
void PrepareOnWorker(CPreparedPersons& persons, CIndexTextFile& file)
{
    std::thread worker([&] { persons.Prepare(file); });
    worker.join();
}

TEST(PreparedPersons, EverySectionOfASampleFileIsTakenOverAsReadingItGives)
{
    const std::u16string path = SourcePath(u"data\\Database\\Country21.sav");
    CIndexTextFile prepared;
    CIndexTextFile direct;
    ASSERT_TRUE(prepared.OpenRead(path));
    ASSERT_TRUE(direct.OpenRead(path));
    CPreparedPersons persons;
    PrepareOnWorker(persons, prepared);
    const CProgramLayout layout;
    const CPreparedPersons::CInUse use(persons, &prepared);

    TempFolder folder;
    CIndexTextFile takenOut;
    CIndexTextFile readOut;
    ASSERT_TRUE(takenOut.OpenWrite(folder.File(u"taken.sav")));
    ASSERT_TRUE(readOut.OpenWrite(folder.File(u"read.sav")));
    const std::vector<TBegin> begins = PersonSectionBegins(direct);
    ASSERT_GT(begins.size(), 300u);
    for (const TBegin& begin : begins) {
        SCOPED_TRACE(testing::Message() << "section at line " << begin.position + 1);
        // The club reader reads each person's id from the line before.
        prepared.SetLinePosition(begin.position - 1);
        direct.SetLinePosition(begin.position - 1);
        std::uint32_t takenId = 0;
        std::uint32_t readId = 1;
        ASSERT_TRUE(CPreparedPersons::TakeId(prepared, takenId));
        ASSERT_TRUE(direct.ReadInt32(readId));
        EXPECT_EQ(takenId, readId);
        ASSERT_EQ(prepared.GetLinePosition(), begin.position);
        ASSERT_EQ(direct.GetLinePosition(), begin.position);
        TPerson taken(nullptr, 0);
        TPerson read(nullptr, 0);
        ASSERT_TRUE(CPreparedPersons::TakeInto(prepared, begin.staff, taken));
        ASSERT_EQ(begin.staff ? read.ReadStaff(direct) : read.ReadPlayer(direct), TSectionRead::Read);
        EXPECT_EQ(prepared.GetLinePosition(), direct.GetLinePosition());
        ASSERT_TRUE(begin.staff ? taken.WriteStaff(takenOut) : taken.WritePlayer(takenOut));
        ASSERT_TRUE(begin.staff ? read.WriteStaff(readOut) : read.WritePlayer(readOut));
        // A prepared person is taken once.
        prepared.SetLinePosition(begin.position);
        EXPECT_FALSE(CPreparedPersons::TakeInto(prepared, begin.staff, taken));
    }
    ASSERT_TRUE(takenOut.Close());
    ASSERT_TRUE(readOut.Close());
    EXPECT_EQ(ReadBytes(folder.File(u"taken.sav")), ReadBytes(folder.File(u"read.sav")));
}

// One player section of the sample as lines, begin and end line included.
std::vector<std::string> SamplePlayerSection()
{
    const std::vector<std::uint8_t> bytes = ReadBytes(SourcePath(u"data\\Database\\Country21.sav"));
    const std::string text(bytes.begin(), bytes.end());
    const std::size_t begin = text.find("%INDEX%PLAYER\r\n");
    const std::string endLine = "%INDEXEND%PLAYER\r\n";
    const std::size_t end = text.find(endLine, begin) + endLine.size();
    std::vector<std::string> lines;
    for (std::size_t at = begin; at < end;) {
        const std::size_t next = text.find("\r\n", at) + 2;
        lines.push_back(text.substr(at, next - at));
        at = next;
    }
    return lines;
}

struct TDamageCase {
    const char* name;
    // Changes the section's lines; the file holds them after one club id line.
    void (*change)(std::vector<std::string>& lines);
    bool taken;
};

TEST(PreparedPersons, OnlyACompleteSectionIsPrepared)
{
    const TDamageCase cases[] = {
        {"complete", [](std::vector<std::string>&) {}, true},
        {"ending before its languages",
         [](std::vector<std::string>& lines) { lines.erase(lines.begin() + 20, lines.end() - 1); }, false},
        {"ending inside its birth date",
         [](std::vector<std::string>& lines) { lines.erase(lines.begin() + 12, lines.end() - 1); }, false},
        {"without its end line", [](std::vector<std::string>& lines) { lines.pop_back(); }, false},
        {"with a doubled begin line of its birth date",
         [](std::vector<std::string>& lines) { lines.insert(std::find(lines.begin(), lines.end(), "%INDEX%DATE\r\n"), "%INDEX%DATE\r\n"); },
         false},
    };
    for (const TDamageCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> lines = SamplePlayerSection();
        ASSERT_GT(lines.size(), 60u);
        c.change(lines);
        std::string text = "7\r\n";
        for (const std::string& line : lines) text += line;
        text += "%INDEX%CLUB\r\n%INDEXEND%CLUB\r\n";
        CIndexTextFile file;
        ASSERT_TRUE(Open(file, text));
        CPreparedPersons persons;
        PrepareOnWorker(persons, file);
        const CProgramLayout layout;
        const CPreparedPersons::CInUse use(persons, &file);
        file.SetLinePosition(1);
        TPerson person(nullptr, 0);
        // The reader that reads the section again names what was broken.
        EXPECT_EQ(file.GetBrokenSectionLine(), 0u);
        EXPECT_EQ(CPreparedPersons::TakeInto(file, false, person), c.taken);
        EXPECT_EQ(file.GetLinePosition(), c.taken ? lines.size() + 1 : 1u);
        EXPECT_EQ(file.GetError(), nullptr);
    }
}

// A complete section is taken only by a reader of that very file, of the
// program's version, asking for that kind of person at its begin line.
TEST(PreparedPersons, ASectionIsTakenOnlyWhereReadingItWouldGiveTheSame)
{
    std::string text = "7\r\n";
    for (const std::string& line : SamplePlayerSection()) text += line;
    CIndexTextFile file;
    CIndexTextFile otherFile;
    ASSERT_TRUE(Open(file, text));
    ASSERT_TRUE(Open(otherFile, text));
    CPreparedPersons persons;
    PrepareOnWorker(persons, file);
    TPerson person(nullptr, 0);
    const auto takenAt = [&](CIndexTextFile& from, std::size_t position, bool staff) {
        from.SetLinePosition(position);
        return CPreparedPersons::TakeInto(from, staff, person);
    };

    EXPECT_FALSE(takenAt(file, 1, false)) << "no preparation in use";
    {
        const CProgramLayout layout;
        const CPreparedPersons::CInUse use(persons, nullptr);
        EXPECT_FALSE(takenAt(file, 1, false)) << "in use for no file";
    }
    {
        const CProgramLayout layout;
        const CPreparedPersons::CInUse use(persons, &otherFile);
        EXPECT_FALSE(takenAt(otherFile, 1, false)) << "in use for another file";
    }
    CPreparedPersons again;
    PrepareOnWorker(again, file);
    {
        const CPreparedPersons::CInUse use(again, &file);
        {
            const CProgramLayout restoresTheVersion;
            TDatabaseVersion::SetFileVersion(MakeDatabaseVersion(0x2007, 27));
            EXPECT_FALSE(takenAt(file, 1, false)) << "a file of another version";
        }
        const CProgramLayout layout;
        EXPECT_FALSE(takenAt(file, 0, false)) << "a value line before the begin line";
        EXPECT_FALSE(takenAt(file, 1, true)) << "a staff member asked for";
        EXPECT_TRUE(takenAt(file, 1, false));
    }
    const CProgramLayout layout;
    EXPECT_FALSE(takenAt(file, 1, false)) << "no longer in use";
}

// The id line is taken only where the reader's next read steps to it: the
// value line right before a prepared section, nowhere else.
TEST(PreparedPersons, AnIdIsTakenOnlyFromTheLineRightBeforeAPreparedSection)
{
    std::string section;
    for (const std::string& line : SamplePlayerSection()) section += line;
    const struct {
        const char* name;
        std::string before;
        std::size_t position;
        bool taken;
    } cases[] = {
        {"the id line", "9\r\n7\r\n", 1, true},
        {"a line before the id line", "9\r\n7\r\n", 0, false},
        {"the begin line", "9\r\n7\r\n", 2, false},
        {"a comment before the id line", ";note\r\n7\r\n", 0, false},
        {"a comment between the id and the section", "7\r\n;note\r\n", 0, false},
        {"no line before the section", "", 0, false},
        {"a section line before the section", "%INDEXEND%CLUB\r\n", 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CIndexTextFile file;
        ASSERT_TRUE(Open(file, c.before + section));
        CPreparedPersons persons;
        PrepareOnWorker(persons, file);
        const CProgramLayout layout;
        const CPreparedPersons::CInUse use(persons, &file);
        file.SetLinePosition(c.position);
        std::uint32_t id = 42;
        EXPECT_EQ(CPreparedPersons::TakeId(file, id), c.taken);
        EXPECT_EQ(id, c.taken ? 7u : 42u);
        EXPECT_EQ(file.GetLinePosition(), c.position + (c.taken ? 1 : 0));
    }
    // Sections back to back: the line before the second is the first's end line.
    CIndexTextFile file;
    ASSERT_TRUE(Open(file, "7\r\n" + section + section));
    CPreparedPersons persons;
    PrepareOnWorker(persons, file);
    const CProgramLayout layout;
    const CPreparedPersons::CInUse use(persons, &file);
    const std::size_t secondBegin = 1 + SamplePlayerSection().size();
    file.SetLinePosition(secondBegin - 1);
    std::uint32_t id = 42;
    EXPECT_FALSE(CPreparedPersons::TakeId(file, id));
    file.SetLinePosition(secondBegin);
    TPerson person(nullptr, 0);
    EXPECT_TRUE(CPreparedPersons::TakeInto(file, false, person));
}

}  // namespace
