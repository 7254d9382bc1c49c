#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "../common/TestSupport.h"
#include "platform/FileSearch.h"
#include "platform/Platform.h"

namespace {

using platform::FindFiles;
using platform::JoinPath;
using platform::MatchFileNamePattern;

std::vector<std::u16string> Sorted(std::vector<std::u16string> paths)
{
    std::sort(paths.begin(), paths.end());
    return paths;
}

void Touch(const std::u16string& path) { testing_support::WriteBytes(path, std::string_view("x")); }

// Many files at once, straight through the library: the platform's own
// path lookup is made for a few files per folder.
void TouchMany(const std::u16string& folder, int count)
{
    std::u16string native = folder;
    std::replace(native.begin(), native.end(), u'\\', u'/');
    for (int n = 0; n < count; ++n) {
        std::ofstream(std::filesystem::path(native) / ("n" + std::to_string(n) + ".tga")) << "x";
    }
}

}  // namespace

TEST(MatchFileNamePattern, StarStopsAtTheNextDotAndAPassedNameMatches)
{
    struct Case {
        const char16_t* name;
        const char16_t* pattern;
        bool matches;
    };
    const Case cases[] = {
        {u"club.tga", u"*.tga", true},
        {u"CLUB.TGA", u"*.tga", true},
        {u"club.bmp", u"*.tga", false},
        {u"club.tga", u"c*.tga", true},
        {u"ab1.tga", u"ab?.tga", true},
        {u"ab.tga", u"ab?.tga", false},
        // '*' goes to the next '.' only, not to the last.
        {u"a.b.tga", u"*.tga", false},
        {u"a.b.tga", u"*.*.tga", true},
        // No further '.': the rest of the pattern decides by its own dots.
        {u"readme", u"*", true},
        {u"readme", u"*x", true},
        {u"readme", u"*.*", false},
        // The match holds once the name is passed, the pattern not yet.
        {u"abc", u"abcdef", true},
        {u"abcdef", u"abc", false},
        {u"", u"x", true},
        {u"x", u"", true},
        {u"", u"", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MatchFileNamePattern(c.name, c.pattern), c.matches)
            << testing_support::Narrow(c.name) << " / " << testing_support::Narrow(c.pattern);
    }
}

TEST(FindFiles, OneFolderOrTheTreeBelowIt)
{
    testing_support::TempFolder folder;
    const std::u16string& root = folder.Path();
    ASSERT_TRUE(platform::CreateFolders(JoinPath(root, u"sub\\deeper")));
    for (const char16_t* name : {u"a.tga", u"b.bmp", u"sub\\C.TGA", u"sub\\d.txt", u"sub\\deeper\\e.tga"}) {
        Touch(JoinPath(root, name));
    }
    EXPECT_EQ(Sorted(FindFiles(JoinPath(root, u"*.TGA"), false)), (std::vector<std::u16string>{JoinPath(root, u"a.tga")}));
    EXPECT_EQ(Sorted(FindFiles(JoinPath(root, u"*.tga"), true)),
              Sorted({JoinPath(root, u"a.tga"), JoinPath(root, u"sub\\C.TGA"), JoinPath(root, u"sub\\deeper\\e.tga")}));
    // Not recursive, the system's search gives folders too.
    EXPECT_EQ(Sorted(FindFiles(JoinPath(root, u"*"), false)),
              Sorted({JoinPath(root, u"a.tga"), JoinPath(root, u"b.bmp"), JoinPath(root, u"sub")}));
    EXPECT_TRUE(FindFiles(JoinPath(root, u"missing\\*.tga"), true).empty());
}

TEST(FindFiles, ThirtyTwoLevelsAndEightThousandOneHundredNinetyTwoFiles)
{
    testing_support::TempFolder folder;
    std::u16string level = folder.Path();
    for (int depth = 0; depth < 34; ++depth) {
        Touch(JoinPath(level, u"f.tga"));
        level = JoinPath(level, u"d");
        ASSERT_TRUE(platform::CreateFolders(level));
    }
    EXPECT_EQ(FindFiles(JoinPath(folder.Path(), u"*.tga"), true).size(), 32u) << "the pattern's folder and 31 below";

    testing_support::TempFolder many;
    TouchMany(many.Path(), 8200);
    EXPECT_EQ(FindFiles(JoinPath(many.Path(), u"*.tga"), true).size(), platform::MaxFoundFiles);
    EXPECT_EQ(FindFiles(JoinPath(many.Path(), u"*.tga"), false).size(), platform::MaxFoundFiles);
}
