// Our TGA decoding against Pillow's pictures and ImageMagick's conversions.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "archive/TgaDib.h"
#include "tests/common/TestSupport.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using testing_support::ReadBytes;

std::string Native(std::u16string_view corePath)
{
    std::string path = testing_support::Narrow(corePath);
    for (auto& c : path) c = c == '\\' ? '/' : c;
    return path;
}

class TgaCrossCheck : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        folder_ = new testing_support::TempFolder;
        const std::string command = std::string(TR_PYTHON) + " '" + TR_IMAGECHECK_DIR + "/make_tga_fixtures.py' '" +
                                    Native(folder_->Path()) + "'";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
    }
    static void TearDownTestSuite() { delete folder_; }
    static Bytes Fixture(const std::string& name) { return ReadBytes(folder_->File(std::u16string(name.begin(), name.end()))); }
    static inline testing_support::TempFolder* folder_ = nullptr;
};

TEST_F(TgaCrossCheck, EveryPillowPictureMatchesItsReference)
{
    std::istringstream cases(std::string(reinterpret_cast<const char*>(Fixture("cases.txt").data()),
                                         Fixture("cases.txt").size()));
    int checked = 0;
    std::string name, kind;
    while (cases >> name >> kind) {
        SCOPED_TRACE(name + " " + kind);
        const Bytes tga = Fixture(name + ".tga");
        if (kind == "alpha") {
            const auto image = ConvertTgaAlphaToBmp8(tga.data(), tga.size());
            if (name.find("_rle_") != std::string::npos) {
                EXPECT_FALSE(image);
                continue;
            }
            ASSERT_TRUE(image);
            const Bytes alpha = Fixture(name + ".alpha");
            const std::size_t width = image->Width(), height = image->Height();
            ASSERT_EQ(alpha.size(), width * height);
            for (std::size_t y = 0; y < height; ++y) {
                const std::uint8_t* row = image->Pixels() + (height - 1 - y) * image->Stride();
                ASSERT_EQ(Bytes(row, row + width), Bytes(alpha.begin() + y * width, alpha.begin() + (y + 1) * width));
            }
        } else {
            const auto image = ConvertTgaToBmp24(tga.data(), tga.size());
            ASSERT_TRUE(image);
            const Bytes reference = Fixture(name + ".bmp");
            const Bytes& ours = image->FileImage();
            if (kind == "exact") {
                EXPECT_EQ(ours, reference);
            } else {
                ASSERT_EQ(ours.size(), reference.size());
                EXPECT_EQ(Bytes(ours.begin(), ours.begin() + 54), Bytes(reference.begin(), reference.begin() + 54));
                for (std::size_t k = 54; k < ours.size(); ++k) ASSERT_EQ(ours[k] >> 3, reference[k] >> 3) << k;
            }
        }
        ++checked;
    }
    EXPECT_EQ(checked, 44);
}

}  // namespace
