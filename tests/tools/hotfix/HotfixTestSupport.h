#pragma once
// Running one hot-fix the way the manager runs it, on files of a temporary
// folder: Create writes the header and the fix's data, Apply reads them.

#include <cstdint>
#include <string>
#include <vector>

#include "tests/common/TestSupport.h"
#include "tests/tools/ToolWorldSupport.h"
#include "tools/hotfix/BaseHotfix.h"
#include "tools/hotfix/HotfixFile.h"
#include "tools/hotfix/HotfixManager.h"

namespace tool_testing {

class HotfixTest : public ToolWorldTest {
protected:
    // The file's bytes as the fix's Create wrote them (with the header
    // unless the fix has none).
    std::vector<std::uint8_t> CreateFile(CBaseHotfix& fix, std::u16string_view name)
    {
        CHotfixFile file;
        EXPECT_TRUE(file.OpenWrite(folder_.File(name)));
        if (!fix.HasNoHeader()) {
            EXPECT_TRUE(file.WriteHeader(fix.GetName(), fix.GetVersion()));
        }
        fix.Create(world_, &file, report_);
        EXPECT_TRUE(file.Close());
        return testing_support::ReadBytes(folder_.File(name));
    }

    // The fix applied from a file holding these bytes.
    void ApplyBytes(CBaseHotfix& fix, const std::vector<std::uint8_t>& bytes)
    {
        testing_support::WriteBytes(folder_.File(u"apply.txt"), bytes);
        CHotfixFile file;
        ASSERT_TRUE(file.OpenRead(folder_.File(u"apply.txt")));
        if (!fix.HasNoHeader()) {
            ASSERT_TRUE(file.ReadHeader(fix.GetName(), fix.GetVersion()));
        }
        fix.Apply(world_, &file, report_);
    }

    static std::vector<std::uint8_t> Golden(std::u16string_view name)
    {
        return testing_support::ReadBytes(testing_support::SourcePath(u"tests\\tools\\golden\\" + std::u16string(name)));
    }

    // Text as UTF-16LE bytes (the tests' texts are ASCII).
    static std::vector<std::uint8_t> Utf16(std::string_view text)
    {
        std::vector<std::uint8_t> bytes;
        for (char c : text) {
            bytes.push_back(static_cast<std::uint8_t>(c));
            bytes.push_back(0);
        }
        return bytes;
    }

    testing_support::TempFolder folder_;
    CHotfixManager manager_;
};

}  // namespace tool_testing
