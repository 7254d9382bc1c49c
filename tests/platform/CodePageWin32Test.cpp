// Conversions with a code page given explicitly: UTF-8 as the system code
// page of a modern Windows, and 1252.

#ifdef _WIN32
#include "platform/win32/CodePage.h"

#include <gtest/gtest.h>

namespace {

using platform::win32::CodePageToUtf16;
using platform::win32::Utf16ToCodePage;

TEST(CodePageWin32, ConvertsAndReportsLossAtEveryCall)
{
    const struct {
        unsigned codePage;
        std::u16string text;
        std::string bytes;
        bool lossy;
    } cases[] = {
        {65001, u"Łódź €", "\xC5\x81\xC3\xB3" "d\xC5\xBA \xE2\x82\xAC", false},
        {65001, u"a\xD800" "b", "a\xEF\xBF\xBD" "b", true},  // an unpaired surrogate
        {65001, u"", "", false},
        {1252, u"Café €", "Caf\xE9 \x80", false},
        {1252, u"Łódź", "L\xF3" "dz", true},
        {1252, u"Ж", "?", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.codePage);
        for (bool before : {false, true}) {
            bool lossy = before;
            const auto bytes = Utf16ToCodePage(c.codePage, c.text, &lossy);
            ASSERT_TRUE(bytes.has_value());
            EXPECT_EQ(*bytes, c.bytes);
            EXPECT_EQ(lossy, c.lossy);
        }
        if (!c.lossy) {
            EXPECT_EQ(CodePageToUtf16(c.codePage, c.bytes), c.text);
        }
    }
}

TEST(CodePageWin32, RefusedConversionIsReportedNeverAStringOfZeros)
{
    constexpr unsigned NoSuchCodePage = 12345;
    bool lossy = true;
    EXPECT_EQ(Utf16ToCodePage(NoSuchCodePage, u"abc", &lossy), std::nullopt);
    EXPECT_FALSE(lossy);
    EXPECT_EQ(CodePageToUtf16(NoSuchCodePage, "abc"), std::nullopt);
}

}  // namespace
#endif
