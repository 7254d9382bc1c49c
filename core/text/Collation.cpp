#include "core/text/TextTools.h"

#include <array>
#include <string_view>

#include "platform/TextCodec.h"

namespace {

using FoldTable = std::array<signed char, 256>;

constexpr void FoldRange(FoldTable& table, int first, int last, char to)
{
    for (int i = first; i <= last; ++i) table[i] = to;
}

// Accents go, case stays; the Latin-1 letters without a base letter (Æ, ß,
// æ, ð, þ ...) keep their value, which is negative as a signed byte and so
// sorts them before ASCII.
constexpr FoldTable MakeFoldTable()
{
    FoldTable table{};
    for (int i = 0; i < 256; ++i) table[i] = static_cast<signed char>(i);
    table[0x60] = '\'';
    table[0x82] = ',';
    table[0x84] = '"';
    table[0x93] = '"';
    table[0x94] = '"';
    table[0x91] = '\'';
    table[0x92] = '\'';
    table[0xB4] = '\'';
    table[0x96] = '-';
    table[0x8A] = 'S';
    table[0x8E] = 'Z';
    table[0x9A] = 's';
    table[0x9E] = 'z';
    table[0x9F] = 'Y';
    table[0xA1] = 'i';
    table[0xA2] = 'c';
    table[0xBF] = '?';
    FoldRange(table, 0xC0, 0xC5, 'A');
    table[0xC7] = 'C';
    FoldRange(table, 0xC8, 0xCB, 'E');
    FoldRange(table, 0xCC, 0xCF, 'I');
    table[0xD0] = 'D';
    table[0xD1] = 'N';
    FoldRange(table, 0xD2, 0xD6, 'O');
    table[0xD7] = 'x';
    table[0xD8] = 'O';
    FoldRange(table, 0xD9, 0xDC, 'U');
    table[0xDD] = 'Y';
    FoldRange(table, 0xE0, 0xE5, 'a');
    table[0xE7] = 'c';
    FoldRange(table, 0xE8, 0xEB, 'e');
    FoldRange(table, 0xEC, 0xEF, 'i');
    table[0xF1] = 'n';
    FoldRange(table, 0xF2, 0xF6, 'o');
    table[0xF8] = 'o';
    FoldRange(table, 0xF9, 0xFC, 'u');
    table[0xFD] = 'y';
    table[0xFF] = 'y';
    return table;
}

constexpr FoldTable Fold = MakeFoldTable();

// The base letters of Latin Extended-A (U+0100..U+017F), '.' where a letter
// has none: the ligatures and the letters of their own (Ĳ, ĸ, Ŋ, Œ).
constexpr std::u16string_view LatinExtendedABase =
    u"AaAaAaCcCcCcCcDd" u"DdEeEeEeEeEeGgGg" u"GgGgHhHhIiIiIiIi" u"Ii..JjKk.LlLlLlL"
    u"lLlNnNnNnn..OoOo" u"Oo..RrRrRrSsSsSs" u"SsTtTtTtUuUuUuUu" u"UuUuWwYyYZzZzZzs";
static_assert(LatinExtendedABase.size() == 0x80);

// The folded value of one unit. Latin-1 goes through the table, Latin
// Extended-A letters meet their base letters. Other wide characters fold as
// their Windows-1252 byte does, exact or best-fit, so typographic quotes and
// dashes meet their ASCII forms and Œ sorts with Æ; characters with no byte
// at all keep their own value, which sorts them after everything else.
int FoldUnit(char16_t c)
{
    if (c <= 0xFF) return Fold[c];
    if (c < 0x180 && LatinExtendedABase[c - 0x100] != u'.') return LatinExtendedABase[c - 0x100];
    const std::uint8_t byte = platform::CharToCp1252BestFit(c);
    return byte == '?' ? c : Fold[byte];
}

// The capital of a folded value. The Latin-1 letters without a base letter
// fold to negative values (their bytes as signed): the small ones 0xE0..0xFE
// (not the division sign) lie 0x20 above their capitals, ð meets the base
// letter of Ð and œ meets Œ.
int UpperFolded(int folded)
{
    if (folded >= 'a' && folded <= 'z') return folded - 0x20;
    if (folded >= 0) return folded;
    const int byte = folded & 0xFF;
    if (byte == 0xF0) return 'D';
    if (byte == 0x9C) return static_cast<signed char>(0x8C);
    if (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7) return static_cast<signed char>(byte - 0x20);
    return folded;
}

int UpperFoldUnit(char16_t c) { return UpperFolded(FoldUnit(c)); }

template <int (*FoldOf)(char16_t)>
int CompareFolded(const char16_t* a, const char16_t* b)
{
    if (!a) return b ? 1 : 0;
    if (!b) return -1;
    int foldedA = FoldOf(*a);
    int foldedB = FoldOf(*b);
    while (foldedA != 0 && foldedA == foldedB) {
        foldedA = FoldOf(*++a);
        foldedB = FoldOf(*++b);
    }
    return foldedA - foldedB;
}

}  // namespace

char16_t* MakeSortKey(char16_t* dest, const char16_t* src, std::size_t capacity)
{
    if (!dest || !src || capacity < 1) return nullptr;
    std::size_t i = 0;
    for (; i + 1 < capacity && src[i]; ++i) dest[i] = static_cast<char16_t>(FoldUnit(src[i]));
    dest[i] = 0;
    return dest;
}

int CompareCollated(const char16_t* a, const char16_t* b)
{
    return CompareFolded<FoldUnit>(a, b);
}

int CompareCollatedNoCase(const char16_t* a, const char16_t* b)
{
    return CompareFolded<UpperFoldUnit>(a, b);
}

char16_t* UpperCaseSortKey(char16_t* key)
{
    if (!key) return nullptr;
    // A key holds negative folded values widened: 0xFF80..0xFFFF.
    for (char16_t* unit = key; *unit; ++unit) {
        const int folded = *unit >= 0xFF80 ? *unit - 0x10000 : *unit;
        *unit = static_cast<char16_t>(UpperFolded(folded));
    }
    return key;
}
