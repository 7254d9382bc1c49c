#include "DatabaseTestSupport.h"

#include <gtest/gtest.h>

#include "core/Random.h"
#include "core/text/TextManager.h"
#include "database/country/CountryFile.h"
#include "database/world/GameIdMaps.h"
#include "database/export/MasterWriter.h"
#include "database/person/NameList.h"
#include "database/world/WorldList.h"

#include "core/text/Format.h"
#include "platform/Platform.h"
#include "platform/TextCodec.h"

namespace {

// Messages carry their file names and numbers only once the texts are loaded.
[[maybe_unused]] const bool editorTexts = (testing_support::UseEditorTextsInEnglish(), true);

}  // namespace

namespace database_testing {

std::vector<std::uint8_t> ExportBlock(const std::function<void(CMasterWriter&)>& write)
{
    BuildGameIdMaps(GetGameIdMaps());
    GetNameList().Reset();
    CrtSrand(1);
    CMasterWriter sizing;
    write(sizing);
    GetNameList().NormaliseAll();
    GetNameList().SortAll();
    testing_support::TempFolder folder;
    const std::u16string path = folder.File(u"Master.dat");
    CMasterWriter writer;
    writer.AddSize(sizing.GetSize());
    EXPECT_TRUE(writer.Open(path));
    write(writer);
    EXPECT_TRUE(writer.Flush()) << "the passes wrote different sizes";
    EXPECT_TRUE(writer.Close());
    const std::vector<std::uint8_t> file = testing_support::ReadBytes(path);
    return std::vector<std::uint8_t>(file.begin() + CMasterWriter::HeaderSize, file.end());
}

std::pair<int, int> ExportedShirtNumbers(TPerson& person)
{
    // Everything before the two numbers has a fixed size.
    constexpr std::size_t ShirtNumbersAt = 101;
    const std::vector<std::uint8_t> block = ExportBlock([&person](CMasterWriter& w) { person.WritePlayerBlock(w); });
    if (block.size() < ShirtNumbersAt + 2) {
        ADD_FAILURE() << "a player block of " << block.size() << " bytes";
        return {-1, -1};
    }
    return {block[ShirtNumbersAt], block[ShirtNumbersAt + 1]};
}

std::string CountriesSav(int version)
{
    std::string text = "\xEF\xBB\xBF" "Countries Version: " + std::to_string(version) + "\r\n";
    for (int id = 1; id <= TCompleteWorld::LastCountryId; ++id) {
        const std::string n = std::to_string(id);
        text += "Land " + n + ",Country " + n + ",Pays " + n + ",Pais " + n + ",Paese " + n;
        if (version >= 3) text += ",Kraj " + n;
        text += "\r\nL" + n.substr(0, 2) + ",C" + n.substr(0, 2) + "\r\n1,2,3,4,5,6\r\n";
        text += std::to_string((id - 1) % 6) + "\r\n" + std::to_string(id % 63) + "\r\n7\r\n3\r\n";
    }
    return text;
}

std::string FileText(std::u16string_view path)
{
    const auto bytes = testing_support::ReadBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

std::string SaveCountry(TCountry& country, std::u16string_view path)
{
    BuildGameIdMaps(GetGameIdMaps());
    CIndexTextFile file;
    EXPECT_TRUE(file.OpenWrite(path) && WriteCountrySections(country, file) && file.Close());
    return FileText(path);
}

ScratchBase::ScratchBase() : previousBase_(platform::GetBaseFolder())
{
    platform::CreateFolders(platform::JoinPath(folder_.Path(), u"Database"));
    platform::SetBaseFolder(folder_.Path());
    // The shipped scripts: cup shapes and continental competitions.
    const std::u16string scripts = platform::JoinPath(folder_.Path(), u"Script");
    platform::CreateFolders(scripts);
    CopyFolder(testing_support::SourcePath(u"data\\Script"), scripts);
    // The shipped name files: every person a world creates is named from them.
    for (const char16_t* names : {u"MaleNames.txt", u"FemaleNames.txt", u"Surnames.txt"}) {
        const std::u16string source = platform::JoinPath(testing_support::SourcePath(u"data\\Database"), names);
        testing_support::WriteBytes(platform::JoinPath(folder_.Path(), std::u16string(u"Database\\") + names),
                                    testing_support::ReadBytes(source));
    }
}

ScratchBase::~ScratchBase()
{
    platform::SetBaseFolder(previousBase_);
}

std::u16string ScratchBase::DatabasePath(std::u16string_view name) const
{
    return platform::JoinPath(platform::JoinPath(folder_.Path(), u"Database"), name);
}

void ScratchBase::WriteDatabaseFile(std::u16string_view name, std::string_view bytes) const
{
    testing_support::WriteBytes(DatabasePath(name), bytes);
}

std::unique_ptr<TCompleteWorld> ScratchBase::BuildWorld() const
{
    auto world = std::make_unique<TCompleteWorld>();
    world->LoadCountriesFile();
    return world;
}

void CopyFolder(std::u16string_view from, std::u16string_view to)
{
    for (const std::u16string& name : platform::ListFolder(from)) {
        std::vector<std::uint8_t> bytes;
        platform::ReadWholeFile(platform::JoinPath(from, name), bytes);
        testing_support::WriteBytes(platform::JoinPath(to, name), bytes);
    }
}

void CopySampleDatabase(std::u16string_view folder)
{
    CopyFolder(testing_support::SourcePath(u"data\\Database"), folder);
}

void CurrentWorldTest::SetUp()
{
    base_.WriteDatabaseFile(u"Countries.sav", CountriesSav(3));
    GetWorldList().Clear();
    world_ = GetWorldList().CreateCompleteWorld();
}

void CurrentWorldTest::TearDown() { GetWorldList().Clear(); }

void SampleWorldTest::SetUp()
{
    CopySampleDatabase(base_.DatabasePath(u""));
    NewWorld();
}

void SampleWorldTest::TearDown() { GetWorldList().Clear(); }

void SampleWorldTest::NewWorld()
{
    GetWorldList().Clear();
    world_ = GetWorldList().CreateCompleteWorld();
}

}  // namespace database_testing
