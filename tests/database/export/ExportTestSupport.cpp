#include "ExportTestSupport.h"

#include "core/Random.h"
#include "database/world/WorldList.h"
#include "platform/Platform.h"
#include "tests/tools/master_export/ExportSetup.h"

namespace database_testing {

namespace {

void CopyInto(std::u16string_view base, std::u16string_view relative)
{
    const std::u16string to = platform::JoinPath(base, relative);
    platform::CreateFolders(to);
    CopyFolder(testing_support::SourcePath(platform::JoinPath(u"data", relative)), to);
}

}  // namespace

void SampleExportTest::SetUp()
{
    CopyInto(base_.Path(), u"Database");
    CopyInto(base_.Path(), u"trdata\\eng");
    for (const char16_t* name : {u"trdata\\DatabaseEditor.txt", u"trdata\\GUIColors.txt"}) {
        testing_support::WriteBytes(platform::JoinPath(base_.Path(), name),
                                    testing_support::ReadBytes(testing_support::SourcePath(platform::JoinPath(u"data", name))));
    }
    Reload();
    SetGameExportSettingsSource([this] { return TGameExportSettings{adminMode_, &guiColours_}; });
}

void SampleExportTest::TearDown()
{
    SetGameExportSettingsSource({});
    GetWorldList().Clear();
}

void SampleExportTest::Reload()
{
    world_ = master_export::LoadBaseFolder(base_.Path(), guiColours_);
    ASSERT_NE(world_, nullptr);
}

std::vector<std::uint8_t> SampleExportTest::Export()
{
    CrtSrand(1);
    EXPECT_EQ(WriteDatabase(*world_, nullptr), ExportStatus::Written);
    return platform::FileExists(MasterDat()) ? testing_support::ReadBytes(MasterDat()) : std::vector<std::uint8_t>{};
}

}  // namespace database_testing
