#include "database/world/RecordSection.h"

#include <string>

#include "core/files/IndexTextFile.h"

CRecordSectionReader::CRecordSectionReader(CIndexTextFile& file, std::u16string_view key)
    : file_(file), key_(key), found_(file.FindNestedSection(key))
{
}

bool CRecordSectionReader::HasValue()
{
    if (!found_) return false;
    const char16_t* next = file_.PeekLine();
    return next != nullptr && next[0] != u'%';
}

void CRecordSectionReader::Text(char16_t* dest, std::size_t capacity)
{
    if (HasValue()) file_.ReadString(dest, capacity);
}

void CRecordSectionReader::Number(std::int32_t& value)
{
    if (HasValue()) file_.ReadInt32(value);
}

void CRecordSectionReader::Number(std::uint8_t& value)
{
    if (HasValue()) file_.ReadInt8(value);
}

void CRecordSectionReader::Skip()
{
    std::u16string ignored;
    if (HasValue()) file_.ReadCString(ignored);
}

TSectionRead CRecordSectionReader::Finish()
{
    if (!found_) return TSectionRead::Missing;
    return file_.FindSectionEnd(key_) ? TSectionRead::Read : TSectionRead::Unterminated;
}
