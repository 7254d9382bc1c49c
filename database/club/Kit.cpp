#include "database/club/Kit.h"

#include <algorithm>

#include "core/files/IndexTextFile.h"
#include "database/world/DatabaseVersion.h"
#include "database/export/MasterWriter.h"
#include "database/world/ValueTables.h"

namespace {

constexpr std::u16string_view KitSection = u"KIT";

bool IsPart(int part)
{
    return part >= 0 && part < TKit::PartCount;
}

bool IsSlot(int slot)
{
    return slot >= 0 && slot < TKit::SlotCount;
}

int ColourIndex(int kit, int slot)
{
    return kit * TKit::SlotCount * TKit::ComponentCount + slot * TKit::ComponentCount;
}

std::uint8_t Converted(std::int32_t (*convert)(std::int32_t), std::uint8_t value)
{
    return static_cast<std::uint8_t>(convert(value));
}

}  // namespace

std::uint8_t TKit::GetStyle(int kit, int part) const
{
    return IsKit(kit) && IsPart(part) ? styles_[kit * PartCount + part] : 0;
}

void TKit::SetStyle(int kit, int part, std::uint8_t value)
{
    if (IsKit(kit) && IsPart(part)) styles_[kit * PartCount + part] = value;
}

void TKit::GetColour(int kit, int slot, std::uint8_t& a, std::uint8_t& b, std::uint8_t& c) const
{
    a = b = c = 0;
    if (!IsKit(kit) || !IsSlot(slot)) return;
    const std::uint8_t* colour = colours_ + ColourIndex(kit, slot);
    a = colour[0];
    b = colour[1];
    c = colour[2];
}

void TKit::SetColour(int kit, int slot, std::uint8_t a, std::uint8_t b, std::uint8_t c)
{
    if (!IsKit(kit) || !IsSlot(slot)) return;
    std::uint8_t* colour = colours_ + ColourIndex(kit, slot);
    colour[0] = a;
    colour[1] = b;
    colour[2] = c;
}

void TKit::SetKitValueA(int kit, std::uint8_t value)
{
    if (IsKit(kit)) valueA_[kit] = value;
}

void TKit::SetKitValueB(int kit, std::uint8_t value)
{
    if (IsKit(kit)) valueB_[kit] = value;
}

bool TKit::WriteKit(CIndexTextFile& file) const
{
    bool ok = file.WriteSectionBegin(KitSection);
    for (int kit = 0; kit < KitCount; ++kit) {
        ok &= file.WriteUInt8Array(styles_ + kit * PartCount, PartCount);
        ok &= file.WriteUInt8Array(colours_ + ColourIndex(kit, 0), SlotCount * ComponentCount);
        ok &= file.WriteUInt8(valueA_[kit]);
        ok &= file.WriteUInt8(valueB_[kit]);
    }
    ok &= file.WriteInt32(qaroKitId_);
    return ok && file.WriteSectionEnd(KitSection);
}

bool TKit::ReadKit(CIndexTextFile& file)
{
    if (!file.FindNestedSection(KitSection)) return false;
    const bool withValues = TDatabaseVersion::IsVersionAtLeast(0x2007, 5);
    for (int kit = 0; kit < KitCount; ++kit) {
        file.ReadInt8Array(styles_ + kit * PartCount, PartCount);
        file.ReadInt8Array(colours_ + ColourIndex(kit, 0), SlotCount * ComponentCount);
        if (withValues) {
            file.ReadInt8(valueA_[kit]);
            file.ReadInt8(valueB_[kit]);
        }
    }
    file.ReadInt32(qaroKitId_);
    if (TDatabaseVersion::GetFileMajor() < 0x2004) ConvertOldNumbering();
    file.FindSectionEnd(KitSection);
    return true;
}

void TKit::ConvertOldNumbering()
{
    static constexpr std::int32_t (*StyleTables[PartCount])(std::int32_t) = {ConvertKitStyle0, ConvertKitStyle1,
                                                                              ConvertKitStyle2};
    for (int kit = 0; kit < KitCount; ++kit) {
        for (int part = 0; part < PartCount; ++part) {
            std::uint8_t& style = styles_[kit * PartCount + part];
            style = Converted(StyleTables[part], style);
        }
    }
    for (std::uint8_t& colour : colours_) colour = Converted(ConvertKitColour, colour);
}

void TKit::ClampKit()
{
    for (int kit = 0; kit < KitCount; ++kit) {
        for (int part = 0; part < PartCount; ++part) {
            std::uint8_t& style = styles_[kit * PartCount + part];
            style = std::min(style, MaxStyle[part]);
        }
        valueA_[kit] = std::min(valueA_[kit], MaxShirtNumberColour);
    }
}

void TKit::ExportKit(CMasterWriter& writer) const
{
    writer.WriteU32(qaroKitId_ != 0 ? qaroKitId_ | 0x80000000u : 0);
    writer.WriteBlock(styles_, sizeof styles_);
    writer.WriteBlock(colours_, sizeof colours_);
    writer.WriteBytes(valueA_, sizeof valueA_);
    writer.WriteBytes(valueB_, sizeof valueB_);
}
