#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "core/files/ToolFiles.h"
#include "platform/Platform.h"

namespace {

// Each case leaves the drives at their defaults.
class ToolFilesTest : public testing::Test {
protected:
    void TearDown() override
    {
        CToolFiles::SetFolder(u'C', u"");
        CToolFiles::SetFolder(u'D', u"");
    }
};

}  // namespace

TEST_F(ToolFilesTest, DrivesCAndDStandForTheirFolders)
{
    CToolFiles::SetFolder(u'C', u"\\tmp\\tools\\c");
    CToolFiles::SetFolder(u'd', u"\\tmp\\tools\\d\\");
    struct Case {
        const char16_t* path;
        const char16_t* resolved;
    };
    for (const Case& c : {Case{u"C:\\Clubs.txt", u"\\tmp\\tools\\c\\Clubs.txt"},
                          Case{u"c:\\Qaro08_AI\\A - B.ai", u"\\tmp\\tools\\c\\Qaro08_AI\\A - B.ai"},
                          Case{u"D:\\TeamColors.html", u"\\tmp\\tools\\d\\TeamColors.html"},
                          Case{u"E:\\Other.txt", u"E:\\Other.txt"}, Case{u"C:", u"C:"},
                          Case{u"relative\\C:\\x", u"relative\\C:\\x"}, Case{u"", u""}}) {
        EXPECT_EQ(CToolFiles::Resolve(c.path), c.resolved) << testing::PrintToString(std::u16string(c.path));
    }
    EXPECT_EQ(CToolFiles::GetFolder(u'E'), u"");
}

TEST_F(ToolFilesTest, WithoutAFolderADriveIsItsRootOrNothing)
{
    if (std::getenv("EDITOR_TOOL_FILES_D") != nullptr) GTEST_SKIP() << "drive D configured";
    const bool driveLetters = !platform::GetDriveRoot(u'D').empty();
    EXPECT_EQ(CToolFiles::Resolve(u"D:\\TeamColors.html"), driveLetters ? u"D:\\TeamColors.html" : u"");
    CToolFiles::SetFolder(u'D', u"\\set");
    EXPECT_EQ(CToolFiles::Resolve(u"D:\\TeamColors.html"), u"\\set\\TeamColors.html");
}
