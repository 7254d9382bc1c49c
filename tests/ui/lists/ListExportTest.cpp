#include <gtest/gtest.h>

#include <string>

#include "platform/Platform.h"
#include "platform/TextCodec.h"
#include "tests/common/TestSupport.h"
#include "tests/ui/GuiTestSupport.h"
#include "win/FileDialog.h"
#include "ui/lists/ListExport.h"

namespace {

std::string Utf16Le(std::u16string_view text)
{
    std::string bytes;
    platform::AppendUtf16Le(text, bytes);
    return bytes;
}

class ListExportTest : public gui_test::GalleryTest {
protected:
    void SetUp() override
    {
        GalleryTest::SetUp();
        ASSERT_TRUE(list_.Attach(gallery_.GetItem(IDC_GALLERY_SORTLIST)));
        list_.InsertColumn(0, u"First", LVCFMT_LEFT, 60, 0);
        list_.InsertColumn(1, u"Second", LVCFMT_LEFT, 60, 1);
    }
    void AddRow(const char16_t* first, const char16_t* second)
    {
        int row = list_.InsertItem(list_.GetItemCount(), first);
        list_.SetItemText(row, 1, second);
    }

    win::CListCtrl list_;
};

TEST_F(ListExportTest, TabSeparatedIsUtf16WithoutByteOrderMark)
{
    AddRow(u"ab", u"c");
    AddRow(u"", u"d\u00E9fgh");
    EXPECT_EQ(BuildListExport(list_, u"Title", ListExportTabs), Utf16Le(u"Title\r\nab\tc\r\n\td\u00E9fgh\r\n"));
    EXPECT_EQ(BuildListExport(list_, nullptr, ListExportTabs), Utf16Le(u"\r\nab\tc\r\n\td\u00E9fgh\r\n"));
}

TEST_F(ListExportTest, AlignedColumnsPadEachCellToOneMoreThanItsColumnsLongest)
{
    AddRow(u"ab", u"c");
    AddRow(u"", u"defgh");
    EXPECT_EQ(BuildListExport(list_, u"T", ListExportColumns), Utf16Le(u"T\r\nab c     \r\n   defgh \r\n"));
}

TEST_F(ListExportTest, XmlIsUtf8AndEscaped)
{
    AddRow(u"Caf\u00E9 & <Bar>", u"\"quoted\" 'single'");
    std::string expected =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<list>\r\n\t<title>A &amp; B</title>\r\n\t<row>\r\n"
        "\t\t<col>Caf\xC3\xA9 &amp; &lt;Bar&gt;</col>\r\n\t\t<col>&quot;quoted&quot; &apos;single&apos;</col>\r\n"
        "\t</row>\r\n\t</list>\r\n";
    EXPECT_EQ(BuildListExport(list_, u"A & B", ListExportXml), expected);
    // Written into the build folder, where a script checks it with xmllint.
    testing_support::MessageCapture messages;
    EXPECT_TRUE(WriteListExport(list_, u"A & B", ListExportXml, testing_support::BinaryPath(u"tests\\ui\\list-export.xml")));
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(ListExportTest, EmptyListAsXmlHasDeclarationListAndTitle)
{
    EXPECT_EQ(BuildListExport(list_, u"Empty", ListExportXml),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<list>\r\n\t<title>Empty</title>\r\n\t</list>\r\n");
}

TEST_F(ListExportTest, UnwritablePathIsReportedAndWritesNothing)
{
    AddRow(u"ab", u"c");
    testing_support::TempFolder folder;
    std::u16string path = folder.File(u"missing-folder\\out.txt");
    testing_support::MessageCapture messages;
    EXPECT_FALSE(WriteListExport(list_, u"T", ListExportTabs, path));
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_NE(messages.Messages()[0].find(path), std::u16string::npos);
    EXPECT_FALSE(platform::FileExists(path));

    // An existing file stays as it was when a write fails half-way.
    std::u16string existing = folder.File(u"existing.txt");
    testing_support::WriteBytes(existing, std::string_view("old"));
    platform::FailWritesAfter(1);
    EXPECT_FALSE(WriteListExport(list_, u"T", ListExportTabs, existing));
    platform::FailWritesAfter(0);
    EXPECT_EQ(testing_support::ReadBytes(existing), testing_support::Bytes("old"));
}

TEST(ListCtrlFileDialogTest, FilterBecomesANulSeparatedList)
{
    EXPECT_EQ(win::CFileDialog::FilterToNulList(u"Text|*.txt||"), std::u16string(u"Text\0*.txt\0\0\0\0", 14));
}

}  // namespace
