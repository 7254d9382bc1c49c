#include "database/club/Sponsor.h"

#include "core/files/IndexTextFile.h"
#include "database/world/RecordText.h"

namespace {
constexpr std::u16string_view SectionKey = u"SPONSOR";
}

void TSponsor::SetName(const char16_t* name)
{
    SetRecordText(name_, name);
}

void TSponsor::SetText1(const char16_t* text)
{
    SetRecordText(text1_, text);
}

bool TSponsor::WriteSponsor(CIndexTextFile& file) const
{
    if (!file.WriteSectionBegin(SectionKey)) return false;
    bool ok = WriteRecordText(file, name_);
    ok &= file.WriteInt32(value_);
    ok &= WriteRecordText(file, text1_);
    ok &= WriteRecordText(file, text2_);
    return file.WriteSectionEnd(SectionKey) && ok;
}

TSectionRead TSponsor::ReadSponsor(CIndexTextFile& file)
{
    value_ = 1;
    CRecordSectionReader section(file, SectionKey);
    // Every text keeps as many characters as its field holds, so a name
    // set to its full length survives a save and a load.
    section.Text(name_, NameCapacity);
    section.Number(value_);
    section.Text(text1_, TextCapacity);
    section.Text(text2_, TextCapacity);
    return section.Finish();
}
