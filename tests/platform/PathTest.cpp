#include <gtest/gtest.h>

#include "platform/Platform.h"
#include "tests/common/TestSupport.h"

namespace {

using testing_support::TempFolder;

// Restores the base folder a test changed.
class BaseFolderGuard {
public:
    BaseFolderGuard() : saved_(platform::GetBaseFolder()) {}
    ~BaseFolderGuard() { platform::SetBaseFolder(saved_); }

private:
    std::u16string saved_;
};

TEST(Path, RelativePathsResolveAgainstTheBaseFolder)
{
    BaseFolderGuard guard;
    TempFolder folder;
    platform::SetBaseFolder(folder.Path());
    EXPECT_EQ(platform::MakeAbsolute(u"Database\\Country1.sav"), folder.Path() + u"\\Database\\Country1.sav");
    EXPECT_EQ(platform::MakeAbsolute(u"Database/./x/../Countries.sav"), folder.Path() + u"\\Database\\Countries.sav");
    ASSERT_TRUE(platform::CreateFolders(u"Database"));
    testing_support::WriteBytes(folder.File(u"Database\\Countries.sav"), "x");
    EXPECT_TRUE(platform::FileExists(u"Database\\Countries.sav"));
    EXPECT_TRUE(platform::FolderExists(u"Database"));
}

TEST(Path, AbsolutePathsFoldAndSplit)
{
    const std::pair<std::u16string_view, std::u16string_view> absolute[] = {
        {u"C:\\Games\\..\\Trellan\\.\\Database", u"C:\\Trellan\\Database"}, {u"C:/a//b/", u"C:\\a\\b"},
        {u"C:\\..\\..", u"C:\\"}, {u"\\\\server\\share\\x\\..\\y", u"\\\\server\\share\\y"},
    };
    for (const auto& [path, expected] : absolute) {
        EXPECT_TRUE(platform::IsAbsolutePath(path));
        EXPECT_EQ(platform::MakeAbsolute(path), expected);
    }
    EXPECT_FALSE(platform::IsAbsolutePath(u"C:x"));
    EXPECT_FALSE(platform::IsAbsolutePath(u"Database"));
    // Path, folder part, name part.
    const std::u16string_view parts[][3] = {{u"C:\\a\\b.txt", u"C:\\a", u"b.txt"}, {u"b.txt", u"", u"b.txt"}};
    for (const auto& part : parts) {
        EXPECT_EQ(platform::FolderOf(part[0]), part[1]);
        EXPECT_EQ(platform::NameOf(part[0]), part[2]);
    }
    EXPECT_EQ(platform::JoinPath(u"C:\\a", u"b"), u"C:\\a\\b");
    EXPECT_EQ(platform::JoinPath(u"C:\\a\\", u"b"), u"C:\\a\\b");
}

TEST(Path, ComponentsMatchWithoutRegardToCase)
{
    TempFolder folder;
    ASSERT_TRUE(platform::CreateFolders(folder.File(u"Database")));
    testing_support::WriteBytes(folder.File(u"Database\\Country1.sav"), "abc");
    EXPECT_TRUE(platform::FileExists(folder.File(u"DATABASE\\country1.SAV")));
    EXPECT_EQ(platform::FileSize(folder.File(u"database\\COUNTRY1.sav")), 3);
    // A new file in a folder named in another case lands in that folder.
    testing_support::WriteBytes(folder.File(u"database\\New.txt"), "n");
    const auto names = platform::ListFolder(folder.File(u"Database"));
    EXPECT_EQ(names.size(), 2u);
}

TEST(Path, NonAsciiNamesRoundTrip)
{
    TempFolder folder;
    const std::u16string sub = folder.File(u"Łódź Ünïcödé");
    ASSERT_TRUE(platform::CreateFolders(sub));
    testing_support::WriteBytes(platform::JoinPath(sub, u"żółw.txt"), "ok");
    const auto names = platform::ListFolder(sub);
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(names[0], u"żółw.txt");
}

}  // namespace
