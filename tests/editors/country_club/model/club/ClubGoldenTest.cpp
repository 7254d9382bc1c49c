// The random kit's candidate sets and the year-list normaliser against the
// golden files make-club-goldens.py writes from the rules themselves.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "database/club/ReferenceLists.h"
#include "editors/country_club/model/club/ClubYearList.h"
#include "editors/country_club/model/club/RandomKit.h"
#include "platform/TextCodec.h"
#include "tests/common/TestSupport.h"

namespace {

std::vector<std::string> GoldenLines(const char16_t* name)
{
    const auto bytes = testing_support::ReadBytes(
        testing_support::SourcePath(std::u16string(u"tests\\editors\\country_club\\model\\golden\\") + name));
    std::istringstream text(std::string(bytes.begin(), bytes.end()));
    std::vector<std::string> lines;
    for (std::string line; std::getline(text, line);) lines.push_back(line);
    return lines;
}

std::string Joined(const std::vector<int>& values)
{
    std::string text;
    for (const int value : values) text += (text.empty() ? "" : " ") + std::to_string(value);
    return text;
}

TEST(ClubGolden, RandomKitCandidatesOfEveryTeamColourTokenAndBadgeName)
{
    CTeamColourTextFile teamColours(30);
    teamColours.Load(testing_support::SourcePath(u"data\\trdata\\eng\\TeamColour.txt"));
    ASSERT_EQ(teamColours.GetCount(), 24);
    const std::vector<std::string> golden = GoldenLines(u"random_kit_candidates.txt");
    int entries = 0, tokens = 0, badges = 0;
    for (const std::string& line : golden) {
        const std::size_t space = line.find(' ');
        const std::size_t colon = line.find(": ");
        ASSERT_NE(colon, std::string::npos) << line;
        const std::string kind = line.substr(0, space);
        const std::string subject = line.substr(space + 1, colon - space - 1);
        const std::u16string text = platform::Utf8ToUtf16(subject);
        std::vector<std::uint32_t> references;
        if (kind == "entry") {
            references = RandomKitReferences(teamColours, std::stoi(subject), u"");
            ++entries;
        } else if (kind == "token") {
            references.push_back(ColourOfToken(text).value_or(0x123456));
            ++tokens;
        } else {
            references = BadgePathColours(text);
            ++badges;
        }
        EXPECT_EQ(kind + " " + subject + ": " + Joined(RandomKitCandidates(references)), line);
    }
    EXPECT_EQ(entries, teamColours.GetCount());
    EXPECT_EQ(tokens, 10);
    EXPECT_EQ(badges, 100);
}

TEST(ClubGolden, YearListsOfTenThousandSeededTexts)
{
    const std::vector<std::string> golden = GoldenLines(u"year_lists.txt");
    ASSERT_EQ(golden.size(), 10000u);
    int failures = 0;
    for (const std::string& line : golden) {
        const std::size_t bar = line.rfind('|');
        ASSERT_NE(bar, std::string::npos);
        const std::u16string result = NormaliseYearList(platform::Utf8ToUtf16(line.substr(0, bar)));
        if (platform::Utf16ToUtf8(result) != line.substr(bar + 1) && ++failures <= 5) {
            ADD_FAILURE() << "text: " << line.substr(0, bar) << " gave " << platform::Utf16ToUtf8(result);
        }
    }
    EXPECT_EQ(failures, 0);
}

}  // namespace
