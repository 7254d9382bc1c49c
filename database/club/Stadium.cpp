#include "database/club/Stadium.h"

#include <algorithm>

#include "core/files/IndexTextFile.h"
#include "database/world/DatabaseVersion.h"
#include "database/world/RecordText.h"
#include "database/world/ValueTables.h"
#include "platform/Platform.h"

namespace {
constexpr std::u16string_view SectionKey = u"STADIUM";
// A count line of a damaged list must not reserve memory for millions of
// entries it does not hold.
constexpr std::int32_t MaxReservedEntries = 1024;

std::vector<StadiumListEntry>& StadiumList()
{
    static std::vector<StadiumListEntry> list;
    return list;
}
}  // namespace

void TStadium::SetName(const char16_t* name)
{
    SetRecordText(name_, name);
}

void TStadium::SetSecondName(const char16_t* name)
{
    SetRecordText(secondName_, name);
}

void TStadium::SetCodeFlag(bool on)
{
    code_ = static_cast<std::uint8_t>(on ? code_ | 0x80 : code_ & 0x7F);
}

void TStadium::SetStandBit(std::uint8_t& mask, int stand, bool on)
{
    if (!IsStand(stand)) return;
    const auto bit = static_cast<std::uint8_t>(1u << stand);
    mask = static_cast<std::uint8_t>(on ? mask | bit : mask & ~bit);
}

bool TStadium::WriteStadium(CIndexTextFile& file) const
{
    if (!file.WriteSectionBegin(SectionKey)) return false;
    bool ok = file.WriteUInt8(code_);
    ok &= WriteRecordText(file, name_);
    ok &= WriteRecordText(file, secondName_);
    ok &= file.WriteUInt8(kind_);
    for (int stand = 0; stand < StandCount; ++stand) {
        ok &= file.WriteInt32(standValuesA_[stand]);
        ok &= file.WriteInt32(standValuesB_[stand]);
        ok &= file.WriteInt32(standValuesC_[stand]);
    }
    ok &= file.WriteUInt8(standMaskA_);
    ok &= file.WriteUInt8(standMaskB_);
    return file.WriteSectionEnd(SectionKey) && ok;
}

TSectionRead TStadium::ReadStadium(CIndexTextFile& file, std::uint32_t version)
{
    CRecordSectionReader section(file, SectionKey);
    section.Number(code_);
    code_ = ConvertStadiumCode(version, code_);
    section.Text(name_, NameCapacity);
    section.Text(secondName_, NameCapacity);
    if ((version >> 16) < 0x2004) {
        // Older files held a text where the kind is now.
        section.Skip();
        kind_ = 0;
    } else {
        section.Number(kind_);
    }
    for (int stand = 0; stand < StandCount; ++stand) {
        section.Number(standValuesA_[stand]);
        section.Number(standValuesB_[stand]);
        section.Number(standValuesC_[stand]);
    }
    section.Number(standMaskA_);
    section.Number(standMaskB_);
    return section.Finish();
}

std::uint8_t ConvertStadiumCode(std::uint32_t version, std::uint8_t code)
{
    const std::uint32_t major = version >> 16;
    const bool olderNumbering = major < 0x2004 || (major == 0x2004 && (version & 0xFFFF) < 5);
    return olderNumbering ? static_cast<std::uint8_t>(ConvertStadiumValue(0x2003, code)) : code;
}

void LoadStadiumList(std::u16string_view dataFolder)
{
    CIndexTextFile file;
    if (!file.OpenRead(platform::JoinPath(dataFolder, u"StadiumList.txt"))) return;
    std::int32_t count = 0;
    file.ReadInt32(count);
    std::vector<StadiumListEntry>& list = StadiumList();
    list.clear();
    list.reserve(static_cast<std::size_t>(std::clamp(count, 0, MaxReservedEntries)));
    for (std::int32_t n = 0; n < count; ++n) {
        StadiumListEntry entry;
        std::int32_t flag = 0;
        const bool read = file.ReadString(entry.Name, StadiumListEntry::NameCapacity) && file.ReadInt32(flag) &&
                          file.ReadInt32(entry.Number);
        // Only the end of the text fails a read: no later entry is complete.
        if (!read) break;
        entry.Flag = flag != 0 ? 1 : 0;
        list.push_back(entry);
    }
}

const std::vector<StadiumListEntry>& GetStadiumList()
{
    return StadiumList();
}
