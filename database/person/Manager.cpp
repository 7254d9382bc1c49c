#include "database/person/Manager.h"

#include "core/files/IndexTextFile.h"
#include "database/world/RecordText.h"

namespace {
constexpr std::u16string_view SectionKey = u"MANAGER";
}

void TManager::SetSlotA(int index, std::uint8_t value)
{
    if (IsSlot(index)) slotsA_[index] = value;
}

void TManager::SetSlotB(int index, std::uint8_t value)
{
    if (IsSlot(index)) slotsB_[index] = value;
}

bool TManager::WriteManager(CIndexTextFile& file) const
{
    if (!file.WriteSectionBegin(SectionKey)) return false;
    bool ok = WriteRecordText(file, firstName_);
    ok &= WriteRecordText(file, lastName_);
    ok &= WriteRecordText(file, thirdName_);
    ok &= file.WriteInt32(managerValue_);
    ok &= birthDate_.WriteDate(file);
    for (std::uint8_t slot : slotsA_) ok &= file.WriteUInt8(slot);
    for (std::uint8_t slot : slotsB_) ok &= file.WriteUInt8(slot);
    ok &= file.WriteUInt8(byteA_);
    ok &= file.WriteUInt8(byteB_);
    return file.WriteSectionEnd(SectionKey) && ok;
}

TSectionRead TManager::ReadManager(CIndexTextFile& file)
{
    CRecordSectionReader section(file, SectionKey);
    if (!section.Found()) return TSectionRead::Missing;
    section.Text(firstName_, FirstNameCapacity);
    section.Text(lastName_, LastNameCapacity);
    section.Text(thirdName_, ThirdNameCapacity);
    section.Number(managerValue_);
    birthDate_.ReadDate(file);
    for (std::uint8_t& slot : slotsA_) section.Number(slot);
    for (std::uint8_t& slot : slotsB_) section.Number(slot);
    section.Number(byteA_);
    section.Number(byteB_);
    return section.Finish();
}
