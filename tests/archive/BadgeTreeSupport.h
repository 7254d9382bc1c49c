#pragma once
// A Badges tree for the badge tests: loose files of two countries and the
// generic "color" badges in four sizes, and a badges.big beside them.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "archive/MireloBig.h"
#include "platform/Platform.h"
#include "tests/common/TestSupport.h"

namespace badge_testing {

// A 1 × 1 24-bit TGA whose blue byte tells the pictures apart.
inline std::vector<std::uint8_t> TinyTga(std::uint8_t blue)
{
    return {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 0, 24, 0, blue, 2, 3};
}

inline constexpr int Sizes[] = {256, 128, 64, 32};

class BadgeTree {
public:
    // Loose: DE\Badge*\Test_Club_Two.tga and DE.tga, FR\Badge*\FR.tga,
    // color\Badge*\bl_sw.tga. Archive: color\Badge*\bl_ro.tga and only
    // the 64-pixel color\Badge64\gr_sw.tga.
    BadgeTree()
    {
        for (const int size : Sizes) {
            const std::u16string folder = u"Badge" + Text(size);
            for (const char16_t* name : {u"DE\\F\\Test_Club_Two.tga", u"DE\\F\\DE.tga", u"FR\\F\\FR.tga",
                                         u"color\\F\\bl_sw.tga"}) {
                AddLoose(ReplaceF(name, folder), static_cast<std::uint8_t>(size));
            }
        }
        CMireloBig big;
        EXPECT_TRUE(big.Create(platform::JoinPath(root_.Path(), u"badges.big")));
        for (const int size : Sizes) {
            EXPECT_TRUE(big.ImportData(u"Badges\\color\\Badge" + Text(size) + u"\\bl_ro.tga",
                                       TinyTga(static_cast<std::uint8_t>(size + 1)), size == 128));
        }
        EXPECT_TRUE(big.ImportData(u"badges\\COLOR\\badge64\\gr_sw.tga", TinyTga(9), false));
        EXPECT_TRUE(big.Close());
        EXPECT_TRUE(archive_.Open(platform::JoinPath(root_.Path(), u"badges.big"), true));
    }

    void AddLoose(const std::u16string& relative, std::uint8_t blue)
    {
        const std::u16string path = platform::JoinPath(Folder(), relative);
        platform::CreateFolders(platform::FolderOf(path));
        testing_support::WriteBytes(path, TinyTga(blue));
    }

    std::u16string Root() const { return root_.Path(); }
    std::u16string Folder() const { return platform::JoinPath(root_.Path(), u"Badges"); }
    CMireloBig& Archive() { return archive_; }

    static std::u16string Text(int value)
    {
        const std::string digits = std::to_string(value);
        return std::u16string(digits.begin(), digits.end());
    }

private:
    static std::u16string ReplaceF(std::u16string name, const std::u16string& folder)
    {
        return name.replace(name.find(u"\\F\\") + 1, 1, folder);
    }

    testing_support::TempFolder root_;
    CMireloBig archive_;
};

}  // namespace badge_testing
