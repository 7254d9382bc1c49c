#pragma once
// What the program loads before it exports, done for a base folder without
// the program: the English texts, the reference lists of "trdata\eng", the
// interface colours, the competition factory and the world of "Database".

#include <string_view>

class CTabbedConfig;
class TCompleteWorld;

namespace master_export {

// Makes base the base folder and its loaded world the current one; null
// when the world cannot be loaded.
TCompleteWorld* LoadBaseFolder(std::u16string_view base, CTabbedConfig& guiColours);

}  // namespace master_export
