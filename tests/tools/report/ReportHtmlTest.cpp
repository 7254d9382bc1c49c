#include "platform/Platform.h"
#include "platform/TextCodec.h"
#include "tests/tools/report/ReportTestSupport.h"
#include "tools/report/ReportHtml.h"
#include "tools/report/ReportModel.h"

namespace {

using testing_support::ReadBytes;
using testing_support::SourcePath;

std::u16string DataPath(std::u16string_view name)
{
    return SourcePath(u"tests\\tools\\data\\" + std::u16string(name));
}

class ReportHtmlTest : public ReportTextsTest {
protected:
    void SetUp() override
    {
        ReportTextsTest::SetUp();
        report.Open();
    }
    CReportTemplate Template(std::u16string_view name)
    {
        CReportTemplate loaded;
        EXPECT_TRUE(LoadReportTemplate(DataPath(name), loaded));
        return loaded;
    }
    void ExpectGolden(std::u16string_view templateName, std::u16string_view golden)
    {
        EXPECT_EQ(ReportHtmlBytes(Template(templateName), report), ReadBytes(DataPath(golden)))
            << testing_support::Narrow(golden);
    }
    CReportModel report;
};

TEST_F(ReportHtmlTest, OneCategoryWithTwoWarnings)
{
    report.SetTitle(u"Check");
    const ReportEntryHandle clubs = report.AddCategory(0, u"Clubs");
    report.AddEntry(clubs, ReportType::Warning, u"Low", u"first");
    report.AddEntry(clubs, ReportType::Warning, u"High");
    ExpectGolden(u"Mini.html", u"Example.golden");
}

TEST_F(ReportHtmlTest, LineBreaksBecomeBreakTags)
{
    report.SetTitle(u"Lines");
    report.AddEntry(0, ReportType::Info, u"Two", u"a\r\nb\n");
    ExpectGolden(u"Mini.html", u"LineBreak.golden");
}

TEST_F(ReportHtmlTest, MisorderedSectionsStayEmpty)
{
    report.SetTitle(u"Order");
    report.AddEntry(report.AddCategory(0, u"Top"), ReportType::Error, u"lost");
    ExpectGolden(u"Misordered.html", u"MisorderedOut.golden");
}

TEST_F(ReportHtmlTest, EmptyTreeWritesHeadAndFootOnly)
{
    report.SetTitle(u"Nothing");
    ExpectGolden(u"Mini.html", u"Empty.golden");
}

TEST_F(ReportHtmlTest, SeventyNestedCategoriesWriteSixtyThreeLevels)
{
    report.SetTitle(u"Deep");
    ReportEntryHandle parent = 0;
    for (int level = 0; level < 70; ++level) parent = report.AddCategory(parent, u"L" + platform::Utf8ToUtf16(std::to_string(level)));
    ExpectGolden(u"Mini.html", u"Deep.golden");
}

TEST_F(ReportHtmlTest, FieldValuesAreEscaped)
{
    report.SetTitle(u"<b>&\"");
    const ReportEntryHandle category = report.AddCategory(0, u"<b>&\"");
    report.AddEntry(category, ReportType::Success, u"<b>&\"", u"<b>&\"\r\n</i>");
    ExpectGolden(u"Mini.html", u"Escaped.golden");
}

TEST_F(ReportHtmlTest, MissingEmptyOrMarkerlessTemplates)
{
    testing_support::TempFolder folder;
    testing_support::WriteBytes(folder.File(u"empty.html"), std::string_view{});
    for (const char16_t* name : {u"missing.html", u"empty.html"}) {
        testing_support::MessageCapture messages;
        CReportTemplate loaded;
        EXPECT_FALSE(LoadReportTemplate(folder.File(name), loaded));
        ASSERT_EQ(messages.Messages().size(), 1u);
        EXPECT_NE(messages.Messages()[0].find(folder.File(name)), std::u16string::npos);
    }
    CReportTemplate markerless;
    EXPECT_TRUE(markerless.LoadFromBytes("just text <%HEAD%> unclosed"));
    EXPECT_TRUE(markerless.Text(CReportTemplate::Head).empty());
}

TEST_F(ReportHtmlTest, SavesAtomicallyAndReportsAFailedWrite)
{
    testing_support::TempFolder folder;
    report.AddEntry(0, ReportType::Info, u"x");
    const CReportTemplate shipped = Template(u"..\\..\\..\\data\\trdata\\ReportTemplate.html");
    const std::u16string target = folder.File(u"out.html");
    testing_support::WriteBytes(target, std::string_view{"old"});
    {
        testing_support::MessageCapture messages;
        platform::FailWritesAfter(1);
        EXPECT_FALSE(SaveReportHtml(target, shipped, report));
        platform::FailWritesAfter(0);
        ASSERT_EQ(messages.Messages().size(), 1u);
        EXPECT_EQ(messages.Messages()[0], CTextManager::Instance()->GetText(u"Dialog.CommonReport.FileError"_tk));
    }
    EXPECT_EQ(ReadBytes(target), testing_support::Bytes("old"));
    EXPECT_TRUE(SaveReportHtml(target, shipped, report));
    EXPECT_EQ(ReadBytes(target), ReportHtmlBytes(shipped, report));
}

// A mixed tree through the shipped template; check-report-html.sh hands the
// page to real HTML parsers and a browser.
TEST_F(ReportHtmlTest, ShippedTemplateWritesMixedReport)
{
    report.SetTitle(u"Mixed <b>&\" report");
    const ReportEntryHandle clubs = report.AddCategory(0, u"Clubs");
    report.AddEntry(clubs, ReportType::Warning, u"<b>&\"", u"line one\r\nline two");
    const ReportEntryHandle inner = report.AddCategory(clubs, u"Inner");
    for (int type = ReportType::Info; type <= ReportType::Error; ++type) report.AddEntry(inner, type, u"e", u"d");
    report.AddCategory(0, u"Empty");
    report.AddEntry(0, ReportType::Success, u"top");
    const CReportTemplate shipped = Template(u"..\\..\\..\\data\\trdata\\ReportTemplate.html");
    const std::u16string html = WriteReportHtml(shipped, report);
    EXPECT_NE(html.find(u"<div class=\"entry RITYPE_WARNING level1\""), std::u16string::npos);
    EXPECT_EQ(html.find(u"<b>"), std::u16string::npos);
    ASSERT_TRUE(SaveReportHtml(testing_support::BinaryPath(u"tests\\tools\\mixed-report.html"), shipped, report));
}

}  // namespace
