// Loads arbitrary bytes as a multi-language table, saves it, loads the saved
// bytes and saves again: both saves must be equal, whatever the input held.

#include <cstddef>
#include <cstdint>
#include <span>

#include "core/files/TabbedConfig.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CTabbedConfig table;
    if (!table.LoadFromBytes(std::span<const std::uint8_t>(data, size))) return 0;
    for (int i = -1; i <= table.GetRecordCount(); ++i) {
        const TTabbedConfigRecord* row = table.GetRecordAt(i);
        if (row == nullptr) break;
        for (int column = -1; column <= TTabbedConfigRecord::ColumnCount; ++column) {
            row->GetColumnInt(column, 16);
            row->GetColumnInt(column, 0);
            row->GetColumnFloat(column);
        }
        row->GetText(-1);
        row->GetWorldText();
    }
    const auto first = table.SaveToBytes();
    CTabbedConfig reloaded;
    if (!reloaded.LoadFromBytes(first)) __builtin_trap();
    if (reloaded.SaveToBytes() != first) __builtin_trap();
    return 0;
}
