#include "tools/hotfix/FixEmpics.h"

#include "core/AppMessage.h"
#include "core/text/Format.h"
#include "core/text/TextTools.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "tools/hotfix/HotfixFile.h"
#include "tools/report/ReportModel.h"

namespace {
constexpr char16_t FixName[] = u"Fix empics ids";
constexpr std::uint32_t FixVersion = 1;
constexpr std::uint32_t FixFlags =
    CBaseHotfix::FlagDeveloperOnly | CBaseHotfix::FlagNeedsFile | CBaseHotfix::FlagNoHeader;
constexpr char16_t Question[] = u"Do you want to apply empic modifications to players? (Else they only will be reported)";

void CheckPerson(TPerson& person, std::uint32_t picture, bool apply, CReportModel& report)
{
    const std::u16string name = TPerson::GetShortName(&person);
    if (person.GetEmpicsId() == picture) {
        report.AddEntry(0, ReportType::Info, name, u"Already set");
        return;
    }
    report.AddEntry(0, ReportType::Success, name,
                    Format(u"Current empics id: %d, found empics id: %d", person.GetEmpicsId(), picture));
    if (apply) person.SetEmpicsId(picture);
}
}  // namespace

CFixEmpics::CFixEmpics() : CBaseHotfix(FixName, FixVersion, FixFlags) {}

CFixEmpics::CFixEmpics(CHotfixManager& manager) : CBaseHotfix(FixName, FixVersion, FixFlags, manager) {}

CFixEmpics::TPictureMap CFixEmpics::ReadPictures(CHotfixFile& file)
{
    TPictureMap pictures;
    std::u16string line;
    file.ReadLine(line, MaxLineLength);
    while (file.ReadLine(line, MaxLineLength)) {
        const std::size_t bar = line.find(u'|');
        if (bar == std::u16string::npos) continue;
        const auto face = static_cast<std::uint32_t>(WindowsStrToLong(line.c_str(), 10));
        const auto picture = static_cast<std::uint32_t>(WindowsStrToLong(line.c_str() + bar + 1, 10));
        pictures.emplace(face, picture);
    }
    return pictures;
}

void CFixEmpics::Apply(TCompleteWorld* world, CHotfixFile* file, CReportModel& report)
{
    if (world == nullptr || !RequireFile(file, report)) return;
    const TPictureMap pictures = ReadPictures(*file);
    const bool apply = ShowAppMessageBox(Question, AppMessage::YesNo | AppMessage::IconQuestion) == AppMessage::IdYes;
    for (int id = 1; id <= LastCountryId && !report.IsCloseRequested(); ++id) {
        const TCountry* country = world->GetCountry(id);
        for (int index = 0; country != nullptr && index < country->GetClubCount(); ++index) {
            const TClub* club = country->GetClubByIndex(index);
            for (int slot = 0; club != nullptr && slot < club->GetSquadCount(); ++slot) {
                TPerson* person = club->GetSquadPerson(slot);
                if (person == nullptr || person->GetFaceId() == 0) continue;
                const auto found = pictures.find(person->GetFaceId());
                if (found != pictures.end()) CheckPerson(*person, found->second, apply, report);
            }
        }
    }
}
