#pragma once
// The lines of a name file (MaleNames.txt, FemaleNames.txt, Surnames.txt):
// Windows-1252 text, one name per line; a line "%N" keys the names that
// follow by the language id N, and the key is 0 until the first such line.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

struct TNameFileLine {
    int key = 0;
    // White space normalised: no CR, LF or TAB, single blanks, none at
    // either end; never empty.
    std::u16string text;
};

// The names of the file in file order. Names under a key outside 0..62 or
// an unreadable key line, and lines holding NUL or an undefined byte, are
// dropped; so are lines longer than maxLineBytes.
std::vector<TNameFileLine> ReadNameFileLines(std::span<const std::uint8_t> bytes, std::size_t maxLineBytes);
