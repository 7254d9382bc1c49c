#include "editors/country_club/model/club/ClubArticleTable.h"

#include <algorithm>

#include "core/text/Format.h"

namespace {

constexpr TClubArticleRow Rows[ClubArticleLanguages] = {
    {4, 4,
     {u"-", u"der", u"die", u"das"},
     {u"... kann der %s ...", u"... können die %s ...", u"... kann %s ...", u"... kann die %s ..."},
     {u"... vom %s kam ...", u"... von den %s kam ...", u"... von %s kam ...", u"... von der %s kam ..."}},
    {2, 2,
     {u"-", u"the"},
     {u"...can %s...", u"...can the %s..."},
     {u"...from %s came...", u"...from the %s came..."}},
    {5, 6,
     {u"-", u"le", u"la", u"l'", u"les"},
     {u"...de %s...", u"...de la %s...", u"...d'%s...", u"...du %s..", u"...de l'%s...", u"...des %s... "},
     {u"...à %s...", u"...à la %s...", u"...à %s...", u"...au %s...", u"...à l'%s...", u"...aux %s..."}},
    {5, 7,
     {u"-", u"el", u"la", u"los", u"las"},
     {u"%s se ha proclamado...", u"El %s se ha proclamado...", u"La %s se ha proclamado...",
      u"%s se han proclamado...", u"Los %s se han proclamado...", u"Las %s se han proclamado...",
      u"%s se ha proclamado..."},
     {u"...del %s vino...", u"...del %s vino...", u"...de la %s vino...", u"...de los %s vinieron...",
      u"...de los %s vinieron...", u"...de las %s vinieron...", u"...de %s vino..."}},
    {8, 7,
     {u"-", u"il", u"lo", u"l'", u"la", u"i", u"gli", u"le"},
     {u"...dall'%s...", u"...dal %s...", u"...dai %s...", u"...dalla %s...", u"...dalle %s...", u"...dallo %s...",
      u"...dagli %s..."},
     {u"...all'%s...", u"...al %s...", u"...ai %s...", u"...alla %s...", u"...alle %s...", u"...allo %s...",
      u"...agli %s..."}},
    {1, 1, {u"-"}, {u"...%s..."}, {u"...%s..."}},
};

// Every phrase is a format for exactly one text, checked when this file is
// compiled, as the formatter's literal formats are.
consteval bool PhrasesTakeOneText()
{
    constexpr format_check::Kind text[] = {format_check::Kind::Text, format_check::Kind::Other};
    for (const TClubArticleRow& row : Rows) {
        if (row.articleCount < 1 || row.articleCount > 8 || row.phraseCount < 1 || row.phraseCount > 8) return false;
        for (int i = 0; i < row.articleCount; ++i) {
            if (row.articles[static_cast<std::size_t>(i)] == nullptr) return false;
        }
        for (int i = 0; i < row.phraseCount; ++i) {
            format_check::Check(row.firstPhrases[static_cast<std::size_t>(i)], text, 1);
            format_check::Check(row.secondPhrases[static_cast<std::size_t>(i)], text, 1);
        }
    }
    return true;
}
static_assert(PhrasesTakeOneText());

int Shown(int stored, int count)
{
    return stored >= 0 && stored < count ? stored : 0;
}

std::uint8_t Next(int stored, int count)
{
    const int next = Shown(stored, count) + 1;
    return static_cast<std::uint8_t>(next >= count ? 0 : next);
}

}  // namespace

const TClubArticleRow& GetClubArticleRow(int language)
{
    const bool known = language >= 0 && language < ClubArticleLanguages;
    return Rows[known ? language : ClubArticleLanguages - 1];
}

int ShownArticleIndex(int language, int stored)
{
    return Shown(stored, GetClubArticleRow(language).articleCount);
}

int ShownPhraseIndex(int language, int stored)
{
    return Shown(stored, GetClubArticleRow(language).phraseCount);
}

std::uint8_t NextArticleIndex(int language, int stored)
{
    return Next(stored, GetClubArticleRow(language).articleCount);
}

std::uint8_t NextPhraseIndex(int language, int stored)
{
    return Next(stored, GetClubArticleRow(language).phraseCount);
}

bool HasArticleChoice(int language)
{
    return GetClubArticleRow(language).articleCount > 1;
}

bool HasPhraseChoice(int language)
{
    return GetClubArticleRow(language).phraseCount > 1;
}

const char16_t* ClubArticleText(int language, int stored)
{
    return GetClubArticleRow(language).articles[static_cast<std::size_t>(ShownArticleIndex(language, stored))];
}

std::u16string ClubPhraseExample(int language, int which, int stored, std::u16string_view clubName)
{
    const TClubArticleRow& row = GetClubArticleRow(language);
    const auto index = static_cast<std::size_t>(ShownPhraseIndex(language, stored));
    const char16_t* phrase = which == 0 ? row.firstPhrases[index] : row.secondPhrases[index];
    const FormatArg name(clubName);
    return FormatArgs(phrase, &name, 1);
}
