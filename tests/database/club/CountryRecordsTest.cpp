// Referees, sponsors, stadiums and the country's manager record: their
// sections, byte for byte, and their old layouts.
#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "tests/common/TestSupport.h"
#include "tests/database/DatabaseTestSupport.h"
#include "core/files/IndexTextFile.h"
#include "database/country/CountryFile.h"
#include "database/world/DatabaseVersion.h"
#include "database/person/Manager.h"
#include "database/club/Referee.h"
#include "database/club/Sponsor.h"
#include "database/club/Stadium.h"
#include "platform/Platform.h"

namespace {

using testing_support::Bytes;

constexpr std::uint32_t Current = TDatabaseVersion::ProgramVersion;

using database_testing::WrittenText;

class Reading {
public:
    explicit Reading(const std::string& text) { EXPECT_TRUE(file.OpenFromBytes(Bytes(text), u"Country14.sav")); }
    // The next value line after the records read, or "" at the end.
    std::u16string Rest()
    {
        std::u16string line;
        file.ReadCString(line);
        return line;
    }
    CIndexTextFile file;
};

std::string Stadium(const std::string& code, const std::string& kindLine)
{
    std::string text = "%INDEX%STADIUM\r\n" + code + "\r\nNorth Park\r\nPark\r\n" + kindLine + "\r\n";
    for (int i = 0; i < 24; ++i) text += std::to_string(i + 1) + "\r\n";
    return text + "8\r\n32\r\n%INDEXEND%STADIUM\r\n";
}

TEST(Referee, ShortNames)
{
    TReferee referee;
    referee.SetNames(u"Anna", u"Berg");
    EXPECT_EQ(std::u16string(referee.GetShortName()), u"Berg, A.");
    char16_t small[4] = u"xyz";
    referee.FormatShortName(small, 3);
    EXPECT_EQ(std::u16string(small), u"");
    referee.FormatShortName(small, 4);
    EXPECT_EQ(std::u16string(small), u"Ber");
    for (const auto& [first, last, expected] : {std::tuple{u"", u"Berg", u"Berg"}, std::tuple{u"Anna", u"", u"Anna"}}) {
        referee.SetNames(first, last);
        EXPECT_EQ(std::u16string(referee.GetShortName()), expected);
    }
    // Four results stay valid at once.
    TReferee others[4];
    const char16_t* names[4];
    for (int i = 0; i < 4; ++i) {
        others[i].SetNames(u"X", std::u16string(1, static_cast<char16_t>(u'A' + i)).c_str());
        names[i] = others[i].GetShortName();
    }
    for (int i = 0; i < 4; ++i) EXPECT_EQ(names[i][0], u'A' + i);
}

TEST(Referee, TwoThreadsNeverSeeEachOthersShortNames)
{
    TReferee first;
    TReferee second;
    first.SetNames(u"Anna", u"Berg");
    second.SetNames(u"Carl", u"Dorn");
    bool firstSame = true;
    bool secondSame = true;
    auto run = [](const TReferee& referee, const char16_t* expected, bool& same) {
        for (int i = 0; i < 20000 && same; ++i) {
            const char16_t* name = referee.GetShortName();
            for (int j = 0; j < 5; ++j) same = same && std::u16string(name) == expected;
        }
    };
    std::thread a(run, std::cref(first), u"Berg, A.", std::ref(firstSame));
    std::thread b(run, std::cref(second), u"Dorn, C.", std::ref(secondSame));
    a.join();
    b.join();
    EXPECT_TRUE(firstSame);
    EXPECT_TRUE(secondSame);
}

TEST(Referee, SectionLayoutAndLimits)
{
    TReferee referee;
    referee.SetNames(u"Sixteen-letters!", u";Twenty-letters-long");
    referee.SetType(6);
    const std::string text = WrittenText([&](CIndexTextFile& file) { return referee.WriteReferee(file); });
    EXPECT_EQ(text, "%INDEX%REFEREE\r\nSixteen-letters\r\nTwenty-letters-long\r\n6\r\n%INDEXEND%REFEREE\r\n");
    Reading reading(text);
    TReferee read;
    EXPECT_EQ(read.ReadReferee(reading.file), TSectionRead::Read);
    EXPECT_EQ(std::u16string(read.GetShortName()), u"Twenty-letters-long, S.");
    EXPECT_EQ(read.GetType(), 6);
}

TEST(Referee, AShortSectionNeverTakesTheNextOne)
{
    Reading reading("%INDEX%REFEREE\r\nOnly\r\n%INDEXEND%REFEREE\r\n%INDEX%REFEREE\r\nA\r\nB\r\n2\r\n"
                    "%INDEXEND%REFEREE\r\n%INDEX%REFEREE\r\nC\r\n");
    TReferee first;
    TReferee second;
    TReferee third;
    EXPECT_EQ(first.ReadReferee(reading.file), TSectionRead::Read);
    EXPECT_EQ(second.ReadReferee(reading.file), TSectionRead::Read);
    EXPECT_EQ(third.ReadReferee(reading.file), TSectionRead::Unterminated);
    EXPECT_EQ(std::u16string(first.GetLastName()), u"");
    EXPECT_EQ(first.GetType(), 0);
    EXPECT_EQ(std::u16string(second.GetShortName()), u"B, A.");
    EXPECT_EQ(second.GetType(), 2);
    TReferee missing;
    EXPECT_EQ(missing.ReadReferee(reading.file), TSectionRead::Missing);
}

TEST(Sponsor, FullLengthTextsSurviveASaveAndALoad)
{
    TSponsor sponsor;
    const std::u16string name = u"Twenty-nine characters, full!";
    const std::u16string text = u"Thirty-two characters of text 1!";
    ASSERT_EQ(name.size(), 29u);
    sponsor.SetName(name.c_str());
    sponsor.SetText1((text + u"cut").c_str());
    sponsor.SetValue(-5);
    const std::string written = WrittenText([&](CIndexTextFile& file) { return sponsor.WriteSponsor(file); });
    EXPECT_EQ(written, "%INDEX%SPONSOR\r\nTwenty-nine characters, full!\r\n-5\r\nThirty-two characters of text 1!\r\n"
                       "\r\n%INDEXEND%SPONSOR\r\n");
    Reading reading(written);
    TSponsor read;
    EXPECT_EQ(read.ReadSponsor(reading.file), TSectionRead::Read);
    EXPECT_EQ(std::u16string(read.GetName()), name);
    EXPECT_EQ(std::u16string(read.GetText1()), text);
    EXPECT_EQ(read.GetValue(), -5);
}

TEST(Sponsor, ANewSponsorWithoutItsValueLineIsWorthOne)
{
    Reading reading("%INDEX%SPONSOR\r\nName\r\n%INDEXEND%SPONSOR\r\n");
    TSponsor read;
    EXPECT_EQ(read.ReadSponsor(reading.file), TSectionRead::Read);
    EXPECT_EQ(read.GetValue(), 1);
}

TEST(Stadium, SectionLayoutRoundTrip)
{
    const std::string text = Stadium("130", "3");
    Reading reading(text + "after\r\n");
    TStadium stadium;
    EXPECT_EQ(stadium.ReadStadium(reading.file, Current), TSectionRead::Read);
    EXPECT_EQ(reading.Rest(), u"after");
    EXPECT_EQ(stadium.GetCode(), 2);
    EXPECT_TRUE(stadium.GetCodeFlag());
    EXPECT_EQ(stadium.GetKind(), 3);
    EXPECT_EQ(stadium.GetStandValueA(0), 1);
    EXPECT_EQ(stadium.GetStandValueB(0), 2);
    EXPECT_EQ(stadium.GetStandValueC(7), 24);
    EXPECT_EQ(stadium.GetStandValueA(8), 0);
    EXPECT_TRUE(stadium.HasStandA(3));
    EXPECT_FALSE(stadium.HasStandA(5));
    EXPECT_TRUE(stadium.MasksDisjoint());
    EXPECT_EQ(WrittenText([&](CIndexTextFile& file) { return stadium.WriteStadium(file); }), text);
    stadium.SetStandB(3, true);
    EXPECT_FALSE(stadium.MasksDisjoint());
    stadium.SetCodeFlag(false);
    stadium.SetStandValueA(-1, 9);
    EXPECT_EQ(stadium.GetCode(), 2);
    EXPECT_FALSE(stadium.GetCodeFlag());
}

TEST(Stadium, OldLayoutsAndTheirCodes)
{
    struct Case {
        std::uint32_t version;
        const char* code;
        const char* kindLine;
        int kind;
        int codeRead;
        bool flag;
    };
    const Case cases[] = {
        {1, "6", "Stand", 0, 2, false},
        {MakeDatabaseVersion(0x2003, 0), "10", "Stand", 0, 0, false},
        {MakeDatabaseVersion(0x2004, 3), "9", "2", 2, 2, false},
        {MakeDatabaseVersion(0x2004, 4), "9", "2", 2, 2, false},
        {MakeDatabaseVersion(0x2004, 5), "9", "2", 2, 9, false},
        {MakeDatabaseVersion(0x2005, 0), "9", "2", 2, 9, false},
        // A file of 2007 keeps codes above 10 and the flag bit.
        {MakeDatabaseVersion(0x2007, 0), "139", "1", 1, 11, true},
        {Current, "5", "1", 1, 5, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        Reading reading(Stadium(c.code, c.kindLine));
        TStadium stadium;
        EXPECT_EQ(stadium.ReadStadium(reading.file, c.version), TSectionRead::Read);
        EXPECT_EQ(stadium.GetKind(), c.kind);
        EXPECT_EQ(stadium.GetCode(), c.codeRead);
        EXPECT_EQ(stadium.GetCodeFlag(), c.flag);
        EXPECT_EQ(stadium.GetStandValueA(0), 1);
    }
}

TEST(StadiumList, LoadsCompleteEntriesOnly)
{
    testing_support::TempFolder folder;
    const std::u16string file = folder.File(u"StadiumList.txt");
    struct Case {
        const char* text;
        std::size_t count;
    };
    const std::string long64(70, 'x');
    for (const Case& c : {Case{"3\r\nArena\r\n5\r\n7\r\nBowl\r\n0\r\n9\r\nPark\r\n1\r\n", 2},
                          Case{"-4\r\nArena\r\n1\r\n1\r\n", 0}, Case{"2147483647\r\nArena\r\n1\r\n1\r\n", 1}}) {
        testing_support::WriteBytes(file, c.text);
        LoadStadiumList(folder.Path());
        EXPECT_EQ(GetStadiumList().size(), c.count) << c.text;
    }
    testing_support::WriteBytes(file, "1\r\n" + long64 + "\r\n5\r\n7\r\n");
    LoadStadiumList(folder.Path());
    ASSERT_EQ(GetStadiumList().size(), 1u);
    EXPECT_EQ(std::u16string(GetStadiumList()[0].Name), std::u16string(63, u'x'));
    EXPECT_EQ(GetStadiumList()[0].Flag, 1);
    EXPECT_EQ(GetStadiumList()[0].Number, 7);
    // A list that cannot be opened leaves the one loaded before.
    LoadStadiumList(folder.File(u"missing"));
    EXPECT_EQ(GetStadiumList().size(), 1u);
}

TEST(Manager, RoundTripAndMissingSection)
{
    const std::string text = "%INDEX%MANAGER\r\nJack\r\nEdwards\r\n\r\n91\r\n%INDEX%DATE\r\n23\r\n6\r\n1949\r\n"
                             "%INDEXEND%DATE\r\n8\r\n2\r\n4\r\n9\r\n5\r\n3\r\n5\r\n1\r\n1\r\n0\r\n%INDEXEND%MANAGER\r\n";
    Reading reading(text);
    TManager manager;
    EXPECT_EQ(manager.ReadManager(reading.file), TSectionRead::Read);
    EXPECT_EQ(std::u16string(manager.GetLastName()), u"Edwards");
    EXPECT_EQ(manager.GetManagerValue(), 91);
    EXPECT_EQ(manager.GetBirthDate(), TDate(1949, 6, 23));
    EXPECT_EQ(manager.GetSlotA(3), 9);
    EXPECT_EQ(manager.GetSlotA(4), 0);
    EXPECT_EQ(WrittenText([&](CIndexTextFile& file) { return manager.WriteManager(file); }), text);
    const std::string noDate = WrittenText([](CIndexTextFile& file) { return TManager().WriteManager(file); });
    EXPECT_EQ(noDate, "%INDEX%MANAGER\r\n\r\n\r\n\r\n0\r\n%INDEX%DATE\r\n0\r\n0\r\n0\r\n%INDEXEND%DATE\r\n"
                      "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n%INDEXEND%MANAGER\r\n");
    Reading again(noDate);
    TManager read;
    read.ReadManager(again.file);
    EXPECT_FALSE(read.GetBirthDate().IsSet());
    Reading without("%INDEX%OTHER\r\n1\r\n%INDEXEND%OTHER\r\n");
    TManager untouched;
    EXPECT_EQ(untouched.ReadManager(without.file), TSectionRead::Missing);
    EXPECT_EQ(untouched.GetManagerValue(), 0);
}

}  // namespace

namespace {

class CountryRecordListsTest : public database_testing::CurrentWorldTest {
protected:
    bool Read(const std::string& lists)
    {
        CIndexTextFile file;
        EXPECT_TRUE(file.OpenFromBytes(Bytes("%INDEX%COUNTRY\r\n" + lists + "%INDEXEND%COUNTRY\r\n"), u"Country14.sav"));
        return ReadCountrySections(England(), file);
    }
    TCountry& England() { return *world_->GetCountry(14); }
};

TEST_F(CountryRecordListsTest, RecordsBeyondTheLimitAreNotKept)
{
    std::string referees = "%INDEX%REFEREES\r\n257\r\n";
    for (int i = 0; i < 257; ++i) referees += "%INDEX%REFEREE\r\nA\r\nB" + std::to_string(i) + "\r\n1\r\n%INDEXEND%REFEREE\r\n";
    std::string sponsors = "%INDEX%SPONSORS\r\n41\r\n";
    for (int i = 0; i < 41; ++i) sponsors += "%INDEX%SPONSOR\r\nS\r\n%INDEXEND%SPONSOR\r\n";
    testing_support::MessageCapture messages;
    ASSERT_TRUE(Read(referees + "%INDEXEND%REFEREES\r\n" + sponsors + "%INDEXEND%SPONSORS\r\n"));
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(England().GetReferees().GetCount(), 256);
    EXPECT_EQ(std::u16string(England().GetReferees().Find(256)->GetLastName()), u"B255");
    EXPECT_EQ(England().GetSponsors().GetCount(), 40);
    EXPECT_EQ(England().GetSponsors().Find(40)->GetValue(), 1);
}

// A missing record stops its list, an unclosed one is not kept: both are
// damage, the read goes on as far as it can and leaves the telling to the
// world's load.
TEST_F(CountryRecordListsTest, AMissingOrUnclosedRecordIsDamage)
{
    for (const auto& [lists, stadiums, referees] :
         {std::tuple{"%INDEX%STADIUMS\r\n3\r\n%INDEX%STADIUM\r\n1\r\nA\r\n%INDEXEND%STADIUM\r\n%INDEXEND%STADIUMS\r\n", 1, 0},
          std::tuple{"%INDEX%REFEREES\r\n1\r\n%INDEX%REFEREE\r\nA\r\nB\r\n1\r\n%INDEXEND%REFEREES\r\n", 0, 0}}) {
        Restart();
        testing_support::MessageCapture messages;
        ASSERT_TRUE(Read(lists));
        EXPECT_TRUE(messages.Messages().empty());
        EXPECT_TRUE(England().IsDamaged());
        EXPECT_EQ(England().GetStadiums().GetCount(), stadiums);
        EXPECT_EQ(England().GetReferees().GetCount(), referees);
    }
}

}  // namespace

namespace {

class GeneratedLayoutsTest : public database_testing::CurrentWorldTest {
protected:
    // Every record of the country, as this program writes it.
    std::string RecordsOf(const std::u16string& path)
    {
        Restart();
        CIndexTextFile file;
        testing_support::MessageCapture messages;
        TCountry& country = *world_->GetCountry(21);
        EXPECT_TRUE(file.OpenRead(path) && ReadCountrySections(country, file));
        return WrittenText([&](CIndexTextFile& out) {
            bool ok = country.GetManager().WriteManager(out);
            for (const auto& entry : country.GetReferees()) ok &= entry.second.WriteReferee(out);
            for (const auto& entry : country.GetSponsors()) ok &= entry.second.WriteSponsor(out);
            // The oldest layout has no kind: it reads as 0.
            for (const auto& entry : country.GetStadiums()) {
                TStadium stadium = entry.second;
                stadium.SetKind(0);
                ok &= stadium.WriteStadium(out);
            }
            return ok;
        });
    }
};

TEST_F(GeneratedLayoutsTest, EveryOldLayoutReadsTheSameRecords)
{
    const std::u16string folder = testing_support::BinaryPath(u"generated\\fixtures");
    if (!platform::FileExists(platform::JoinPath(folder, u"Country21_2007-26.sav"))) GTEST_SKIP() << "not generated";
    const std::string newest = RecordsOf(platform::JoinPath(folder, u"Country21_2007-26.sav"));
    EXPECT_NE(newest.find("%INDEX%STADIUM\r\n"), std::string::npos);
    for (const std::u16string& name : platform::ListFolder(folder)) {
        if (name.starts_with(u"Country21_")) {
            EXPECT_EQ(RecordsOf(platform::JoinPath(folder, name)), newest) << testing_support::Narrow(name);
        }
    }
}

}  // namespace
