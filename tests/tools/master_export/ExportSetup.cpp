#include "ExportSetup.h"

#include "competition/CompetitionFactory.h"
#include "core/files/TabbedConfig.h"
#include "core/text/TextManager.h"
#include "database/club/ReferenceLists.h"
#include "database/club/Stadium.h"
#include "database/world/WorldList.h"
#include "platform/Platform.h"

namespace master_export {

TCompleteWorld* LoadBaseFolder(std::u16string_view base, CTabbedConfig& guiColours)
{
    platform::SetBaseFolder(std::u16string(base));
    CTextManager::Instance()->LoadFile(u"trdata\\DatabaseEditor.txt");
    CTextManager::Instance()->SetLanguage(0);
    LoadTextFiles(u"trdata\\eng");
    LoadStadiumList(u"trdata\\eng");
    guiColours.Load(u"trdata\\GUIColors.txt");
    InstallCompetitionFactory();
    GetWorldList().Clear();
    TCompleteWorld* world = GetWorldList().CreateCompleteWorld();
    if (world == nullptr || !world->LoadWorld(u"Database")) return nullptr;
    return world;
}

}  // namespace master_export
