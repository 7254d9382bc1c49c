#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/database/DatabaseTestSupport.h"
#include "core/files/CsvPlayer.h"
#include "database/person/PlayerXImport.h"
#include "platform/Platform.h"

using testing_support::MessageCapture;

namespace {

// A line of 67 columns: names in columns 1 and 2, dates in 7 and 56, the
// given integers in their columns, 0 elsewhere.
std::string Line(const std::string& first, const std::string& last, std::vector<std::pair<int, int>> values)
{
    std::string line;
    for (int column = 0; column < TCsvPlayer::ColumnCount; ++column) {
        if (column > 0) line += ",";
        std::string field = "0";
        if (column == 1) field = first;
        if (column == 2) field = last;
        if (column == 7 || column == 56) field = "1/7/1980";
        for (const auto& [at, value] : values) {
            if (at == column) field = std::to_string(value);
        }
        line += field;
    }
    return line + "\r\n";
}

std::vector<std::pair<int, int>> Looks(int hair, int face, int style, int facial, int apps, int goals, int height,
                                       int weight)
{
    return {{48, hair}, {50, face}, {51, style}, {52, facial}, {9, apps}, {10, goals}, {59, height}, {60, weight}};
}

class PlayerXImport : public database_testing::CurrentWorldTest {
protected:
    TPerson* Person(std::uint32_t id, const char16_t* first, const char16_t* last)
    {
        TPerson* person = world_->CreatePerson(id, false);
        person->SetFirstName(first);
        person->SetLastName(last);
        return person;
    }
    void WritePlayerX(const std::string& text) const
    {
        testing_support::WriteBytes(platform::JoinPath(base_.Path(), u"playerx.txt"),
                                    std::vector<std::uint8_t>(text.begin(), text.end()));
    }
};

struct Seen {
    int hair, face, style, facial, shoe, apps, goals, height, weight;
    bool operator==(const Seen&) const = default;
};

Seen Values(const TPerson& p)
{
    return {p.GetHairColour(), p.GetFace(), p.GetHairstyle(), p.GetFacialHair(), p.GetShoe(),
            p.GetNationalAppearances(), p.GetNationalGoals(), p.GetHeight(), p.GetWeight()};
}

TEST_F(PlayerXImport, MatchingPersonsTakeTheLastLineNamingThem)
{
    TPerson* anna = Person(1, u"Anna", u"Berg");
    TPerson* twin = Person(2, u"Anna", u"Berg");
    TPerson* lower = Person(3, u"anna", u"Berg");
    TPerson* titled = Person(4, u"John", u"Smith, Jr.");
    TPerson* other = Person(60000, u"Anna", u"Berg");
    const Seen untouched = Values(*lower);
    WritePlayerX(Line("Anna", "Berg", Looks(1, 2, 3, 4, 5, 6, 170, 60)) +
                 Line("Eva", "Berg", Looks(9, 9, 9, 9, 9, 9, 199, 99)) +
                 Line("John", "\"Smith, Jr.\"", Looks(3, 30, 12, 2, 300, -4, 188, 82)) +
                 Line("Anna", "Berg", Looks(2, 7, 11, 3, 40, 12, 181, 74)) + "Anna,Nobody\r\n" + "\r\n");
    MessageCapture messages;
    ImportPlayerX(*world_);
    EXPECT_TRUE(messages.Messages().empty());
    const Seen last{2, 7, 11, 3, 36, 40, 12, 181, 74};
    EXPECT_EQ(Values(*anna), last);
    EXPECT_EQ(Values(*twin), last) << "every person of that name";
    EXPECT_EQ(Values(*lower), untouched) << "names match in their case only";
    EXPECT_EQ(Values(*titled), (Seen{3, 30, 12, 2, 36, 255, 0, 188, 82})) << "a quoted comma; values clamped";
    EXPECT_EQ(Values(*other), untouched) << "ids from 60000 on are not indexed";
}

TEST_F(PlayerXImport, AShortLineGivesZeroForItsMissingColumns)
{
    TPerson* anna = Person(1, u"Anna", u"Berg");
    WritePlayerX("0,Anna,Berg,0,0,0,0,1/2/3,0,7,8\r\n");
    ImportPlayerX(*world_);
    EXPECT_EQ(Values(*anna), (Seen{0, 0, 0, 0, 36, 7, 8, 0, 0}));
}

TEST_F(PlayerXImport, AMissingFileIsReportedWithItsFullPathAndChangesNothing)
{
    TPerson* anna = Person(1, u"Anna", u"Berg");
    const Seen before = Values(*anna);
    MessageCapture messages;
    ImportPlayerX(*world_);
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_NE(messages.Messages()[0].find(platform::MakeAbsolute(platform::JoinPath(base_.Path(), u"playerx.txt"))),
              std::u16string::npos)
        << testing_support::Narrow(messages.Messages()[0]);
    EXPECT_EQ(Values(*anna), before);
}

}  // namespace
