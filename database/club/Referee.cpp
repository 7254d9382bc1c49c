#include "database/club/Referee.h"

#include <string>

#include "core/files/IndexTextFile.h"
#include "core/text/TextTools.h"
#include "database/world/RecordText.h"

namespace {
constexpr std::u16string_view SectionKey = u"REFEREE";
}

void TReferee::SetNames(const char16_t* first, const char16_t* last)
{
    SetKeptName(firstName_, first);
    SetKeptName(lastName_, last);
}

void TReferee::FormatShortName(char16_t* buffer, std::size_t size) const
{
    if (buffer == nullptr || size == 0) return;
    if (size < 4) {
        buffer[0] = 0;
        return;
    }
    std::u16string name;
    if (firstName_[0] != 0 && lastName_[0] != 0) {
        name = std::u16string(lastName_) + u", " + firstName_[0] + u".";
    } else {
        name = firstName_[0] != 0 ? firstName_ : lastName_;
    }
    CopyText(buffer, name, size);
}

const char16_t* TReferee::GetShortName() const
{
    thread_local char16_t buffers[4][ShortNameCapacity];
    thread_local int next = 0;
    char16_t* buffer = buffers[next];
    next = (next + 1) % 4;
    FormatShortName(buffer, ShortNameCapacity);
    return buffer;
}

bool TReferee::WriteReferee(CIndexTextFile& file) const
{
    if (!file.WriteSectionBegin(SectionKey)) return false;
    bool ok = WriteRecordText(file, firstName_);
    ok &= WriteRecordText(file, lastName_);
    ok &= file.WriteUInt8(type_);
    return file.WriteSectionEnd(SectionKey) && ok;
}

TSectionRead TReferee::ReadReferee(CIndexTextFile& file)
{
    CRecordSectionReader section(file, SectionKey);
    section.Text(firstName_, FirstNameCapacity);
    section.Text(lastName_, LastNameCapacity);
    section.Number(type_);
    return section.Finish();
}
