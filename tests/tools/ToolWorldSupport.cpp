#include "tests/tools/ToolWorldSupport.h"

#include "core/text/TextManager.h"
#include "database/world/CompleteWorld.h"
#include "tests/common/TestSupport.h"

namespace tool_testing {
namespace {

void Collect(const CReportModel& report, ReportEntryHandle parent, const std::string& prefix,
             std::vector<TReported>* entries, std::vector<std::string>* categories)
{
    for (ReportEntryHandle child : report.Children(parent)) {
        const ReportEntry entry = report.Entry(child);
        const std::string path = prefix + testing_support::Narrow(entry.title);
        if (entry.type == ReportType::Category) {
            if (categories != nullptr) categories->push_back(path);
            Collect(report, child, path + "/", entries, categories);
        } else if (entries != nullptr) {
            entries->push_back({path, entry.type, testing_support::Narrow(entry.description)});
        }
    }
}

}  // namespace

std::vector<TReported> Entries(const CReportModel& report)
{
    std::vector<TReported> entries;
    Collect(report, 0, "", &entries, nullptr);
    return entries;
}

std::vector<std::string> Categories(const CReportModel& report)
{
    std::vector<std::string> categories;
    Collect(report, 0, "", nullptr, &categories);
    return categories;
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            if (start < text.size()) lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

void ToolWorldTest::SetUp()
{
    CurrentWorldTest::SetUp();
    ASSERT_TRUE(CTextManager::Instance()->LoadFile(
        testing_support::SourcePath(u"data\\trdata\\DatabaseEditor.txt").c_str()));
    CTextManager::Instance()->SetLanguage(CTextManager::English);
    report_.Open();
}

void ToolWorldTest::TearDown()
{
    CTextManager::Instance()->SetLanguage(CTextManager::English);
    CurrentWorldTest::TearDown();
}

TClub& ToolWorldTest::NewClub(const char16_t* name, int countryId)
{
    TClub& club = *world_->GetClub(Land(countryId).CreateClub(name));
    for (int language = 0; language < TClub::LanguageCount; ++language) club.SetTownForLanguage(language, u"Town");
    return club;
}

TPerson& ToolWorldTest::NewPlayer(TClub& club, const char16_t* lastName, int position)
{
    TPerson& person = *world_->CreatePerson(world_->GetFreePersonId(), false);
    person.Init(PersonPlayer, 21);
    person.SetLastName(lastName);
    person.SetFirstName(u"Jan");
    person.SetFaceId(nextFace_++);
    person.SetBirthDate(TDate(1985, 5, 5));
    person.SetPosition(0, static_cast<std::uint8_t>(position));
    EXPECT_TRUE(club.AddPlayer(&person));
    return person;
}

TPerson& ToolWorldTest::NewStaff(TClub& club, const char16_t* lastName)
{
    TPerson& person = NewPlayer(club, lastName);
    person.SetType(PersonManager);
    return person;
}

void ToolWorldTest::FillSquad(TClub& club, int players)
{
    for (int i = 0; i < players; ++i) NewPlayer(club, (u"Player" + std::u16string(1, static_cast<char16_t>(u'A' + i % 26))).c_str());
}

}  // namespace tool_testing
