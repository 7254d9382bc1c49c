#pragma once
// Streams in memory for the competition tests.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "../common/TestSupport.h"
#include "core/files/IndexTextFile.h"
#include "database/export/MasterWriter.h"

namespace competition_testing {

// The data bytes (header left out) of a game-database write done twice.
std::vector<std::uint8_t> BlockBytes(const std::function<void(CMasterWriter&)>& write);
// The lines written, as UTF-8 with CR LF and without the byte-order mark.
std::string WrittenText(const std::function<bool(CIndexTextFile&)>& write);
// Lines joined with CR LF.
std::string Lines(std::initializer_list<const char*> lines);
void OpenText(CIndexTextFile& file, const std::string& text);

}  // namespace competition_testing
