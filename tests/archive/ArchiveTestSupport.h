#pragma once
// Helpers of the archive tests: expected message texts, byte helpers and an
// archive reader of its own that checks the layout rules independently of
// the code under test.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "core/text/TextKey.h"
#include "core/text/TextManager.h"
#include "core/text/TextTools.h"
#include "platform/Platform.h"
#include "tests/common/TestSupport.h"

namespace archive_test {

using Bytes = std::vector<std::uint8_t>;

inline void LoadTexts()
{
    static const bool loaded =
        CTextManager::Instance()->LoadFile(testing_support::SourcePath(u"data\\trdata\\DatabaseEditor.txt").c_str());
    ASSERT_TRUE(loaded);
}

inline std::u16string Message(TextKey key, TokenList tokens = {})
{
    return ReplaceTokens(CTextManager::Instance()->GetText(key), tokens);
}

inline std::uint32_t BigEndianAt(const Bytes& b, std::size_t at)
{
    return static_cast<std::uint32_t>(b[at]) << 24 | b[at + 1] << 16 | b[at + 2] << 8 | b[at + 3];
}

inline std::uint32_t LittleEndianAt(const Bytes& b, std::size_t at)
{
    return static_cast<std::uint32_t>(b[at + 3]) << 24 | b[at + 2] << 16 | b[at + 1] << 8 | b[at];
}

inline void PutBigEndian(Bytes& b, std::uint32_t v)
{
    b.insert(b.end(), {static_cast<std::uint8_t>(v >> 24), static_cast<std::uint8_t>(v >> 16),
                       static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v)});
}

struct StoredEntry {
    std::string name;
    std::uint32_t offset;
    std::uint32_t size;
};

// Parses an archive written by us and checks every layout rule: the size
// field is the file length, the header length follows its formula, blocks
// lie behind the padded directory, inside the file and never overlap.
inline std::vector<StoredEntry> CheckLayout(const Bytes& file)
{
    std::vector<StoredEntry> entries;
    EXPECT_GE(file.size(), 16u);
    if (file.size() < 16) return entries;
    EXPECT_EQ(std::string(file.begin(), file.begin() + 4), "BIGF");
    EXPECT_EQ(LittleEndianAt(file, 4), file.size());
    const std::uint32_t count = BigEndianAt(file, 8);
    std::size_t at = 16;
    std::uint32_t expectedLength = count == 0 ? 16 : 19;
    for (std::uint32_t k = 0; k < count && at + 8 < file.size(); ++k) {
        StoredEntry e{{}, BigEndianAt(file, at), BigEndianAt(file, at + 4)};
        at += 8;
        while (at < file.size() && file[at] != 0) e.name.push_back(static_cast<char>(file[at++]));
        ++at;
        expectedLength += 9 + static_cast<std::uint32_t>(e.name.size());
        entries.push_back(e);
    }
    EXPECT_EQ(entries.size(), count);
    EXPECT_EQ(BigEndianAt(file, 12), expectedLength);
    const std::uint32_t paddedEnd = (expectedLength + 15) & ~15u;
    std::vector<StoredEntry> blocks;
    for (const auto& e : entries) {
        EXPECT_GE(e.offset, paddedEnd) << e.name;
        EXPECT_LE(std::uint64_t{e.offset} + e.size, file.size()) << e.name;
        if (e.size > 0) blocks.push_back(e);
    }
    std::sort(blocks.begin(), blocks.end(), [](auto& a, auto& b) { return a.offset < b.offset; });
    for (std::size_t k = 1; k < blocks.size(); ++k) {
        EXPECT_LE(blocks[k - 1].offset + blocks[k - 1].size, blocks[k].offset)
            << blocks[k - 1].name << " overlaps " << blocks[k].name;
    }
    return entries;
}

inline Bytes BlockOf(const Bytes& file, const StoredEntry& e)
{
    return Bytes(file.begin() + e.offset, file.begin() + e.offset + e.size);
}

// Files in a folder other than the ones named: leftovers of working copies.
inline std::vector<std::u16string> OtherFiles(const std::u16string& folder, std::vector<std::u16string> expected)
{
    std::vector<std::u16string> others;
    for (const auto& name : platform::ListFolder(folder)) {
        if (std::find(expected.begin(), expected.end(), name) == expected.end()) others.push_back(name);
    }
    return others;
}

}  // namespace archive_test
