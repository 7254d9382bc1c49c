// Products and ranges of untrusted sizes: exact at the edges, refused where
// 32 or 64 bits would wrap.
#include <gtest/gtest.h>

#include "core/CheckedSize.h"

namespace {

using checked_size::Fits;
using checked_size::Product;
using checked_size::RecordsFit;

TEST(CheckedSizeTest, ProductsThatWouldWrapAreRefused)
{
    const struct {
        const char* what;
        std::initializer_list<std::uint64_t> factors;
        std::uint64_t limit;
        std::optional<std::uint64_t> expected;
    } cases[] = {
        {"4 x 32768 x 32768 wraps in 32 bits", {4, 32768, 32768}, checked_size::NoLimit, 0x100000000u},
        {"the same beyond a 32-bit limit", {4, 32768, 32768}, 0xFFFFFFFFu, std::nullopt},
        {"2 x 65535 x 32769 (0x6D)", {2, 65535, 32769}, 0xFFFFFFFFu, std::nullopt},
        {"3 x 65535 x 21846 (0x7F)", {3, 65535, 21846}, 0xFFFFFFFFu, std::nullopt},
        {"wraps 64 bits", {0x100000000u, 0x100000000u}, checked_size::NoLimit, std::nullopt},
        {"wraps 64 bits only at the third factor", {0xFFFFFFFFu, 0xFFFFFFFFu, 2}, checked_size::NoLimit, std::nullopt},
        {"exactly the limit", {16, 16}, 256, 256},
        {"one above the limit", {257}, 256, std::nullopt},
        {"a zero factor", {0, 0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu}, 10, 0},
        {"no factors", {}, 10, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Product(c.factors, c.limit), c.expected);
    }
}

TEST(CheckedSizeTest, RangesAndRecordsMustLieWithinTheBytesPresent)
{
    EXPECT_TRUE(Fits(0, 64, 64));
    EXPECT_TRUE(Fits(64, 0, 64));
    EXPECT_FALSE(Fits(1, 64, 64));
    EXPECT_FALSE(Fits(65, 0, 64));
    EXPECT_FALSE(Fits(UINT64_MAX, 2, 64));
    EXPECT_FALSE(Fits(2, UINT64_MAX, 64));

    EXPECT_TRUE(RecordsFit(16, 6, 8, 64));
    EXPECT_FALSE(RecordsFit(16, 7, 8, 64));
    EXPECT_FALSE(RecordsFit(16, 0x7FFFFFFF, 8, 64));
    EXPECT_FALSE(RecordsFit(16, 0x2000000000000001u, 8, 64));
    EXPECT_TRUE(RecordsFit(64, 0, 8, 64));
    EXPECT_FALSE(RecordsFit(65, 0, 8, 64));
}

}  // namespace
