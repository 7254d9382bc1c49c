// Any bytes, widened to UTF-16, as a player line.
#include <cstdint>
#include <string>

#include "core/files/CsvPlayer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::u16string line;
    for (std::size_t k = 0; k < size; ++k) line += data[k] == 0 ? u' ' : static_cast<char16_t>(data[k]);
    TCsvPlayer record;
    ParseCsvPlayerLine(record, line.c_str());
    return 0;
}
