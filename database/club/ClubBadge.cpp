#include "database/club/ClubBadge.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "core/text/TextTools.h"
#include "database/club/Club.h"
#include "database/country/CountryPropertyTable.h"
#include "platform/Platform.h"

namespace {

constexpr std::size_t BadgeFileNameLength = 29;
constexpr const char16_t* GenericBadgeFiles[] = {
    u"bl_sw.tga",  u"bl_gr.tga", u"bl_ro.tga",  u"bl_ws.tga",  u"bl_ge.tga", u"dro_sw.tga",
    u"dro_hbl.tga", u"dro_ws.tga", u"gr_sw.tga", u"gr_ro.tga", u"gr_ws.tga", u"gr_ge.tga",
    u"hbl_sw.tga", u"hbl_ws.tga", u"or_sw.tga",  u"or_ws.tga",  u"li_sw.tga", u"li_ws.tga",
    u"ro_sw.tga",  u"ro_ws.tga",  u"ro_ge.tga",  u"ge_sw.tga",  u"ge_ws.tga", u"sw_ws.tga"};
constexpr std::uint8_t LastGenericBadge = std::size(GenericBadgeFiles) - 1;

std::u16string OwnBadgeFileName(const TClub* club, const CBadgeSources& sources)
{
    if (club == nullptr) return {};
    const char16_t* code = GetCountryAlpha2(club->GetCountryId());
    if (code == nullptr || code[0] == 0) return {};
    std::u16string name(IsNationalTeamId(club->GetId()) ? code : club->GetName());
    name = SanitisedFileName(name.substr(0, BadgeFileNameLength));
    std::u16string path = sources.Folder() + u"\\" + code + u"\\Badge%d\\" + name + u".tga";
    std::replace(path.begin(), path.end(), u'/', u'\\');
    return path;
}

bool OwnFileExists(const std::u16string& ownName, int size, const CBadgeSources& sources)
{
    return !ownName.empty() && sources.FileExists(FillBadgeSize(ownName, size));
}

}  // namespace

std::u16string GetGenericBadgePath(std::uint8_t badgeParam)
{
    return std::u16string(u"color\\badge%d\\") + GenericBadgeFiles[std::min(badgeParam, LastGenericBadge)];
}

void GetClubBadgeFileName(const TClub* club, char16_t* dest, std::size_t capacity, const CBadgeSources& sources)
{
    if (dest == nullptr || capacity == 0) return;
    CopyText(dest, OwnBadgeFileName(club, sources), capacity);
}

unsigned GetClubBadgeState(const TClub* club, int sizeIndex, const CBadgeSources& sources)
{
    if (club == nullptr) return 0;
    unsigned flags = CheckClubBadgeFiles(club->GetBadgePath(), sizeIndex, sources);
    if (sizeIndex < AllBadgeSizes || sizeIndex > 3) return flags;
    flags |= BadgeOwnFiles;
    const std::u16string ownName = OwnBadgeFileName(club, sources);
    for (int index = 0; index < 4; ++index) {
        if (sizeIndex != AllBadgeSizes && sizeIndex != index) continue;
        if (!OwnFileExists(ownName, BadgeSizes[index], sources)) flags &= ~BadgeOwnFiles;
    }
    return flags;
}

bool HasAllClubBadgeFiles(const TClub* club, const CBadgeSources& sources)
{
    const std::u16string ownName = OwnBadgeFileName(club, sources);
    for (const int size : {32, 64, 128, 256}) {
        if (!OwnFileExists(ownName, size, sources)) return false;
    }
    return true;
}

std::unique_ptr<TDibImage> LoadClubBadgeDib(const TClub* club, const CBadgeSources& sources)
{
    if (club == nullptr) return nullptr;
    const std::u16string ownName = OwnBadgeFileName(club, sources);
    if (!ownName.empty()) {
        if (auto image = LoadTgaDibFromFile(FillBadgeSize(ownName, 256))) return image;
    }
    return LoadBadgeDib(club->GetBadgePath(), sources);
}
