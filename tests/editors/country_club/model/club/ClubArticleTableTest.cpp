#include "editors/country_club/model/club/ClubArticleTable.h"

#include <gtest/gtest.h>

namespace {

struct TCounts {
    int language;
    int articles;
    int phrases;
};

constexpr TCounts Counts[] = {{0, 4, 4}, {1, 2, 2}, {2, 5, 6}, {3, 5, 7}, {4, 8, 7}, {5, 1, 1}};

TEST(ClubArticleTable, CountsBoundTheCyclingAndWrapAround)
{
    for (const TCounts& row : Counts) {
        SCOPED_TRACE(row.language);
        EXPECT_EQ(GetClubArticleRow(row.language).articleCount, row.articles);
        EXPECT_EQ(GetClubArticleRow(row.language).phraseCount, row.phrases);
        int article = 0;
        for (int click = 1; click <= row.articles; ++click) article = NextArticleIndex(row.language, article);
        EXPECT_EQ(article, 0);
        EXPECT_EQ(NextArticleIndex(row.language, row.articles - 1), 0);
        int phrase = 0;
        for (int click = 1; click < row.phrases; ++click) phrase = NextPhraseIndex(row.language, phrase);
        EXPECT_EQ(phrase, row.phrases - 1);
        EXPECT_EQ(NextPhraseIndex(row.language, phrase), 0);
        EXPECT_EQ(HasArticleChoice(row.language), row.articles > 1);
        EXPECT_EQ(HasPhraseChoice(row.language), row.phrases > 1);
    }
}

TEST(ClubArticleTable, PolishOffersOnlyTheDash)
{
    EXPECT_EQ(std::u16string_view(ClubArticleText(5, 0)), u"-");
    EXPECT_EQ(std::u16string_view(ClubArticleText(5, 3)), u"-");
    EXPECT_FALSE(HasArticleChoice(5));
    EXPECT_FALSE(HasPhraseChoice(5));
    EXPECT_EQ(ClubPhraseExample(5, 0, 0, u"Legia"), u"...Legia...");
}

TEST(ClubArticleTable, IndexesFromFilesBeyondTheCountShowTheFirstEntry)
{
    EXPECT_EQ(std::u16string_view(ClubArticleText(1, 9)), u"-");
    EXPECT_EQ(NextArticleIndex(1, 9), 1);
    EXPECT_EQ(ShownPhraseIndex(0, 200), 0);
    EXPECT_EQ(NextPhraseIndex(0, 200), 1);
    EXPECT_EQ(ClubPhraseExample(0, 1, 9, u"HSV"), u"... vom HSV kam ...");
    // An unknown language gets the row without choices rather than a row past the table.
    EXPECT_EQ(std::u16string_view(ClubArticleText(7, 0)), u"-");
}

struct TPhrase {
    int language;
    int which;
    int index;
    const char16_t* expected;
};

// The texts as the game's phrases have them, oddities included.
constexpr TPhrase Phrases[] = {
    {0, 0, 1, u"... können die Club ..."},
    {1, 1, 1, u"...from the Club came..."},
    {2, 0, 3, u"...du Club.."},
    {2, 0, 5, u"...des Club... "},
    {2, 1, 4, u"...à l'Club..."},
    {3, 1, 0, u"...del Club vino..."},
    {3, 1, 1, u"...del Club vino..."},
    {3, 0, 6, u"Club se ha proclamado..."},
    {4, 0, 0, u"...dall'Club..."},
    {4, 1, 6, u"...agli Club..."},
};

TEST(ClubArticleTable, PhrasesCarryTheNameVerbatim)
{
    for (const TPhrase& phrase : Phrases) {
        EXPECT_EQ(ClubPhraseExample(phrase.language, phrase.which, phrase.index, u"Club"), phrase.expected)
            << phrase.language << " " << phrase.which << " " << phrase.index;
    }
}

TEST(ClubArticleTable, TheTypedNameIsNeverAPattern)
{
    EXPECT_EQ(ClubPhraseExample(1, 0, 0, u"100%s %d"), u"...can 100%s %d...");
    EXPECT_EQ(ClubPhraseExample(1, 0, 0, u""), u"...can ...");
}

TEST(ClubArticleTable, ArticlesPerLanguage)
{
    EXPECT_EQ(std::u16string_view(ClubArticleText(0, 3)), u"das");
    EXPECT_EQ(std::u16string_view(ClubArticleText(2, 3)), u"l'");
    EXPECT_EQ(std::u16string_view(ClubArticleText(3, 4)), u"las");
    EXPECT_EQ(std::u16string_view(ClubArticleText(4, 7)), u"le");
}

}  // namespace
