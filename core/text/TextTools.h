#pragma once
// Free functions on zero-terminated UTF-16 texts. Capacities count UTF-16
// units including the terminator: a bounded copy keeps at most capacity - 1
// characters and always terminates.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

// Length of a zero-terminated text; 0 for null.
std::size_t TextLength(const char16_t* text);

char16_t* TrimText(char16_t* text);
void RemoveChars(char16_t* text, const char16_t* set);
int SplitText(char16_t* text, char16_t separator, char16_t** fields, int max);
bool NormaliseWhitespace(char16_t* text);

void CopyText(char16_t* dest, const char16_t* src, std::size_t capacity);
void CopyText(char16_t* dest, std::u16string_view src, std::size_t capacity);
template <std::size_t N>
void CopyText(char16_t (&dest)[N], std::u16string_view src)
{
    CopyText(dest, src, N);
}
char16_t* CopyTextNoQuotes(char16_t* dest, const char16_t* src, std::size_t capacity);

// Token replacement for message templates: at each position the first
// non-empty token of the list that matches is replaced by its partner;
// replacements are not scanned again. Put a longer token before a shorter
// one that begins it ("_HOUR2" before "_HOUR").
using TokenList = std::initializer_list<std::pair<std::u16string_view, std::u16string_view>>;
std::u16string ReplaceTokens(std::u16string_view src, TokenList tokens);

// Text for HTML and XML content and attribute values: the five characters
// with a meaning there (& < > " ') written as entities, all others as they are.
std::u16string EscapeMarkup(std::u16string_view text);
// A name usable as a file name: the characters \ / : * ? " < > | and '.'
// become '_'.
std::u16string SanitisedFileName(std::u16string_view name);

// The same on zero-terminated lists (ended by a null entry); a null entry
// of to keeps its token. Returns dest, or null for a null src, dest or list.
char16_t* ReplaceTokens(const char16_t* src, const char16_t* const* from, const char16_t* const* to, char16_t* dest,
                        std::size_t capacity);
char16_t* ReplaceToken(const char16_t* src, const char16_t* from, const char16_t* to, char16_t* dest,
                       std::size_t capacity);
// Into a per-thread buffer of 1024 units, valid until the next call of either.
const char16_t* ReplaceTokensStatic(const char16_t* src, const char16_t* const* from, const char16_t* const* to);
const char16_t* ReplaceTokenStatic(const char16_t* src, const char16_t* from, const char16_t* to);

// wcstol as the Windows runtime has it: long is 32 bits there, so values
// saturate at 0x7FFFFFFF and 0x80000000 on every build; text that is not a
// number gives 0.
std::int32_t WindowsStrToLong(const char16_t* text, int radix);

// Whole-text match: '*' any run of characters, '?' any one character.
bool WildcardMatch(const char16_t* text, const char16_t* pattern);
const char16_t* FindTextNoCase(const char16_t* text, const char16_t* part);
void NormalisePathForCompare(char16_t* path);

// Lower case for ASCII and the Latin-1 letters, so "émile" and "Émile" sort alike.
std::u16string FoldLatinCase(std::u16string_view text);

// Accent-folding order for sorted name lists.
char16_t* MakeSortKey(char16_t* dest, const char16_t* src, std::size_t capacity);
int CompareCollated(const char16_t* a, const char16_t* b);
// The same order with letter case ignored as well: "de Jong" before "Dijk".
int CompareCollatedNoCase(const char16_t* a, const char16_t* b);
// Upper-cases a key of MakeSortKey in place, so that a search ignores
// letter case as well as accents; the letters the key keeps as their own
// (æ, œ, þ ...) meet their capitals too. Returns key.
char16_t* UpperCaseSortKey(char16_t* key);

// The game's 8-bit encoding (Latin-1 with the Polish letters moved).
// Writes at most capacity - 1 bytes and a terminating zero byte.
void ToGameCodepage(const char16_t* src, std::uint8_t* dest, std::size_t capacity);
bool IsGameCodepageText(const char16_t* text);

// Imperial texts in a per-thread buffer of 64 units, valid until the next call.
const char16_t* FormatHeightImperial(int centimetres);
const char16_t* FormatWeightImperial(int kilograms);

// Sets slots repeating an earlier one to 0 and moves the zeros to the end.
void CompactUniqueSlots4(std::uint8_t slots[4]);
