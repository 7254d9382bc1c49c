#pragma once
// Numbers inside a line that holds several fields (the colour lists'
// "name,colour1|colour2", the towns file's '|' fields), read as the
// stream reads a number line: leading blanks, an optional sign, then
// decimal digits up to the first other character, wrapping modulo 2^32;
// a field without digits reads as 0.

#include <cstdint>
#include <string_view>

std::uint32_t ParseFieldNumber(std::u16string_view field);
