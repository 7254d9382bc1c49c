// Exports the database of a base folder into its "Database\Master.dat" as
// the program would, without a user: master_export <base folder> [seed].
// The exit code is the export's status (0 written); 10 for bad arguments,
// 11 for a world that cannot be loaded, 12 for a system code page the game
// database's names cannot be compared in.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "ExportSetup.h"
#include "core/Random.h"
#include "core/files/TabbedConfig.h"
#include "database/export/GameExport.h"
#include "database/world/WorldList.h"
#include "platform/Platform.h"

namespace {

constexpr int BadArguments = 10;
constexpr int WorldNotLoaded = 11;
constexpr int ForeignCodePage = 12;
// The shipped Master.dat is made in the code page the name files use.
constexpr unsigned ExpectedCodePage = 1252;

std::u16string Widen(const char* text)
{
    std::u16string wide;
    for (; *text != 0; ++text) wide.push_back(static_cast<unsigned char>(*text));
    return wide;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: master_export <base folder> [seed]\n");
        return BadArguments;
    }
    if (platform::SystemCodePage() != ExpectedCodePage) {
        std::fprintf(stderr, "master_export: the system code page must be %u\n", ExpectedCodePage);
        return ForeignCodePage;
    }
    const unsigned seed = argc == 3 ? static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10)) : 1;
    CTabbedConfig guiColours;
    TCompleteWorld* world = master_export::LoadBaseFolder(Widen(argv[1]), guiColours);
    if (world == nullptr) return WorldNotLoaded;
    SetGameExportSettingsSource([&guiColours] { return TGameExportSettings{false, &guiColours}; });
    CrtSrand(seed);
    const ExportStatus status = WriteDatabase(*world, nullptr);
    SetGameExportSettingsSource({});
    GetWorldList().Clear();
    return static_cast<int>(status);
}
