#include "database/club/ReferenceLists.h"

#include <algorithm>

#include "core/files/IndexTextFile.h"
#include "core/text/TextManager.h"
#include "database/world/FieldNumber.h"
#include "platform/Platform.h"
#include "core/files/FileMessages.h"

namespace {

std::u16string_view Cut(std::u16string_view line, std::size_t most)
{
    return line.substr(0, std::min(line.size(), most));
}

}  // namespace

CBaseTextFile::CBaseTextFile(std::int32_t maxCount, bool hasIdColumn, bool hasCountLine, bool idFirst,
                             std::optional<TextKey> defaultKey)
    : maxCount_(std::max(maxCount, 1)),
      count_(maxCount_),
      hasIdColumn_(hasIdColumn),
      hasCountLine_(hasCountLine),
      idFirst_(idFirst),
      defaultKey_(defaultKey)
{
    // Empty entries until the list is loaded; a colour list gets
    // its colours then (a constructor cannot reach the derived class).
    CBaseTextFile::Allocate(maxCount_);
}

void CBaseTextFile::Free()
{
    texts_.clear();
    ids_.clear();
}

void CBaseTextFile::Allocate(std::int32_t count)
{
    Free();
    texts_.assign(static_cast<std::size_t>(count), std::u16string());
    ids_.assign(static_cast<std::size_t>(count), 0);
}

void CBaseTextFile::SetId(std::int32_t index, std::uint32_t id)
{
    ids_[static_cast<std::size_t>(index)] = id;
}

void CBaseTextFile::SetLine(std::int32_t index, std::u16string_view line)
{
    texts_[static_cast<std::size_t>(index)] = line;
}

void CBaseTextFile::SetDefault(std::int32_t index)
{
    if (defaultKey_) texts_[static_cast<std::size_t>(index)] = CTextManager::Instance()->GetText(*defaultKey_);
}

void CBaseTextFile::FillMissing()
{
    for (std::int32_t i = 0; i < maxCount_; ++i) SetId(i, static_cast<std::uint32_t>(i));
    if (defaultKey_) SetDefault(0);
    count_ = maxCount_;
}

// The end of the text before the entry's first line ends the list.
bool CBaseTextFile::ReadEntry(CIndexTextFile& file, std::uint32_t& id, std::u16string& text) const
{
    id = 0;
    if (hasIdColumn_ && idFirst_) {
        if (!file.ReadInt32(id)) return false;
        file.ReadCString(text);
        return true;
    }
    if (!file.ReadCString(text)) return false;
    if (hasIdColumn_) file.ReadInt32(id);
    return true;
}

void CBaseTextFile::Load(std::u16string_view path)
{
    Allocate(maxCount_);
    CIndexTextFile file;
    if (!file.OpenRead(path)) {
        ShowFileNotFound(std::u16string(path).c_str());
        FillMissing();
        return;
    }
    std::int32_t listed = maxCount_;
    if (hasCountLine_) file.ReadInt32(listed);
    std::int32_t index = 0;
    if (defaultKey_) {
        SetId(0, 0);
        SetDefault(0);
        index = 1;
    }
    const std::int64_t wanted = std::max<std::int64_t>(listed, 0) + index;
    const auto limit = static_cast<std::int32_t>(std::min<std::int64_t>(wanted, maxCount_));
    std::u16string text;
    std::uint32_t id = 0;
    for (; index < limit; ++index) {
        if (!ReadEntry(file, id, text)) break;
        SetId(index, id);
        SetLine(index, Cut(text, MaxLine));
    }
    count_ = index;
}

std::uint32_t CTeamColourTextFile::GetColour(std::int32_t index, int k) const
{
    if (!IsIndex(index) || k < 0 || k > 1 || colours_.empty()) return 0;
    return colours_[static_cast<std::size_t>(index) * 2 + static_cast<std::size_t>(k)];
}

void CTeamColourTextFile::Free()
{
    CBaseTextFile::Free();
    colours_.clear();
}

void CTeamColourTextFile::Allocate(std::int32_t count)
{
    CBaseTextFile::Allocate(count);
    colours_.assign(static_cast<std::size_t>(count) * 2, 0);
}

void CTeamColourTextFile::SetLine(std::int32_t index, std::u16string_view line)
{
    line = Cut(line, MaxColourLine);
    const auto at = static_cast<std::size_t>(index);
    const std::size_t comma = line.find(u',');
    texts_[at] = line.substr(0, comma);
    colours_[at * 2] = 0;
    colours_[at * 2 + 1] = 0;
    if (comma == std::u16string_view::npos) return;
    const std::u16string_view colours = line.substr(comma + 1);
    const std::size_t bar = colours.find(u'|');
    // Colours are 0xRRGGBB: higher bits would name another colour.
    colours_[at * 2] = ParseFieldNumber(colours.substr(0, bar)) & 0xFFFFFF;
    if (bar != std::u16string_view::npos) colours_[at * 2 + 1] = ParseFieldNumber(colours.substr(bar + 1)) & 0xFFFFFF;
}

void CTeamColourTextFile::SetDefault(std::int32_t index)
{
    CBaseTextFile::SetDefault(index);
    colours_[static_cast<std::size_t>(index) * 2] = 0;
}

std::uint32_t CBaseTextFile::GetId(std::int32_t index) const
{
    return IsIndex(index) ? ids_[static_cast<std::size_t>(index)] : 0;
}

const char16_t* CBaseTextFile::GetText(std::int32_t index) const
{
    return texts_[static_cast<std::size_t>(IsIndex(index) ? index : 0)].c_str();
}

bool CBaseTextFile::Contains(std::uint32_t id) const
{
    return id == 0 || std::find(ids_.begin(), ids_.begin() + count_, id) != ids_.begin() + count_;
}

const char16_t* CBaseTextFile::GetTextById(std::uint32_t id) const
{
    if (id == 0) return u"";
    const auto found = std::find(ids_.begin(), ids_.begin() + count_, id);
    return found == ids_.begin() + count_ ? u"" : texts_[static_cast<std::size_t>(found - ids_.begin())].c_str();
}

CBaseTextFile& GetShoeList()
{
    static CBaseTextFile list(9, true, true, true);
    return list;
}

CBaseTextFile& GetFaceList()
{
    static CBaseTextFile list(6000, true, true, false, u"Common.NotAvailable"_tk);
    return list;
}

CTeamColourTextFile& GetTeamColourList()
{
    static CTeamColourTextFile list(30);
    return list;
}

CTeamColourTextFile& GetMerchandiseColourList()
{
    static CTeamColourTextFile list(5);
    return list;
}

CBaseTextFile& GetLeagueSystemList()
{
    static CBaseTextFile list(100, true, true, false, u"Common.NotAvailable"_tk);
    return list;
}

CBaseTextFile& GetFormationList()
{
    static CBaseTextFile list(25, true, true, false);
    return list;
}

CBaseTextFile& GetClubIdList()
{
    static CBaseTextFile list(2000, true, true, false, u"Common.NotAvailable"_tk);
    return list;
}

CTeamColourTextFile& GetShirtNumberColourList()
{
    static CTeamColourTextFile list(16);
    return list;
}

void LoadTextFiles(std::u16string_view dataFolder)
{
    const std::pair<CBaseTextFile*, std::u16string_view> lists[] = {
        {&GetShoeList(), u"shoe.txt"},
        {&GetFaceList(), u"faceIDs.txt"},
        {&GetTeamColourList(), u"TeamColour.txt"},
        {&GetMerchandiseColourList(), u"MerchandiseColour.txt"},
        {&GetLeagueSystemList(), u"LeagueSystem.txt"},
        {&GetFormationList(), u"Formation.txt"},
        {&GetClubIdList(), u"ClubIDs.txt"},
        {&GetShirtNumberColourList(), u"ShirtnumberColor.txt"},
    };
    for (const auto& [list, name] : lists) list->Load(platform::JoinPath(dataFolder, name));
}
