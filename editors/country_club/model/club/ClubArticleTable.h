#pragma once
// The articles a club's name forms take and the two example phrases that
// show how the game uses the club's name, per database language (0 German,
// 1 English, 2 French, 3 Spanish, 4 Italian, 5 Polish). The counts bound the
// cycling of the page's buttons; stored indexes beyond them show entry 0.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

struct TClubArticleRow {
    int articleCount;
    int phraseCount;
    std::array<const char16_t*, 8> articles;
    // Each with one "%s" for the club's name.
    std::array<const char16_t*, 8> firstPhrases;
    std::array<const char16_t*, 8> secondPhrases;
};

inline constexpr int ClubArticleLanguages = 6;

// The row of a language; a language outside 0..5 takes the Polish row,
// which offers nothing to choose.
const TClubArticleRow& GetClubArticleRow(int language);

// The index shown for a stored index: itself when below count, else 0.
int ShownArticleIndex(int language, int stored);
int ShownPhraseIndex(int language, int stored);
// The index a click moves to: one after the shown one, 0 after the last.
std::uint8_t NextArticleIndex(int language, int stored);
std::uint8_t NextPhraseIndex(int language, int stored);
// Buttons are worth clicking only with more than one choice.
bool HasArticleChoice(int language);
bool HasPhraseChoice(int language);

const char16_t* ClubArticleText(int language, int stored);
// The first (which 0) or second (which 1) example with the club's name.
std::u16string ClubPhraseExample(int language, int which, int stored, std::u16string_view clubName);
