#pragma once
// A BIG archive laid out in one piece, every entry holding the same bytes:
// adding thousands of entries one by one would time the archive's growth,
// not what a benchmark measures.

#include <cstdint>
#include <string>
#include <vector>

namespace {

std::vector<std::uint8_t> LayOutBigArchive(const std::vector<std::string>& names, const std::vector<std::uint8_t>& content)
{
    std::uint32_t headerLength = 19;
    for (const auto& name : names) headerLength += 9 + static_cast<std::uint32_t>(name.size());
    const std::uint32_t dataStart = (headerLength + 15) & ~15u;
    const std::uint32_t fileSize = dataStart + static_cast<std::uint32_t>(names.size() * content.size());
    std::vector<std::uint8_t> file = {'B', 'I', 'G', 'F'};
    auto put = [&file](std::uint32_t value, bool bigEndian) {
        for (int k = 0; k < 4; ++k) file.push_back(static_cast<std::uint8_t>(value >> (bigEndian ? 24 - 8 * k : 8 * k)));
    };
    put(fileSize, false);
    put(static_cast<std::uint32_t>(names.size()), true);
    put(headerLength, true);
    for (std::size_t k = 0; k < names.size(); ++k) {
        put(dataStart + static_cast<std::uint32_t>(k * content.size()), true);
        put(static_cast<std::uint32_t>(content.size()), true);
        file.insert(file.end(), names[k].begin(), names[k].end());
        file.push_back(0);
    }
    file.resize(dataStart, 0);
    for (std::size_t k = 0; k < names.size(); ++k) file.insert(file.end(), content.begin(), content.end());
    return file;
}

}  // namespace
