#include "database/club/ClubRecord.h"

#include "core/text/Format.h"
#include "core/files/IndexTextFile.h"
#include "database/export/MasterWriter.h"
#include "database/world/RecordText.h"
#include "platform/TextCodec.h"

namespace {

constexpr std::u16string_view RecordSection = u"RECORD";

// The integer a text begins with (blanks and a sign allowed before the
// digits), as the edit fields give it; 0 when there is none.
std::int32_t LeadingInteger(std::u16string_view text)
{
    std::size_t at = text.find_first_not_of(u" \t");
    if (at == std::u16string_view::npos) return 0;
    bool negative = false;
    if (text[at] == u'-' || text[at] == u'+') negative = text[at++] == u'-';
    std::uint32_t value = 0;
    for (; at < text.size() && text[at] >= u'0' && text[at] <= u'9'; ++at) value = value * 10 + (text[at] - u'0');
    return static_cast<std::int32_t>(negative ? 0u - value : value);
}

}  // namespace

bool TClubRecord::WriteClubRecord(CIndexTextFile& file) const
{
    bool ok = file.WriteSectionBegin(RecordSection);
    ok &= file.WriteInt8(goalsA_);
    ok &= file.WriteUInt8(goalsB_);
    ok &= file.WriteInt32(value_);
    ok &= WriteRecordText(file, text_);
    ok &= file.WriteUInt16(year_);
    return ok && file.WriteSectionEnd(RecordSection);
}

bool TClubRecord::ReadClubRecord(CIndexTextFile& file)
{
    const bool found = file.FindNestedSection(RecordSection);
    if (found) {
        file.ReadInt8(goalsA_);
        file.ReadInt8(goalsB_);
        file.ReadInt32(value_);
        std::u16string text;
        file.ReadCString(text);
        text_ = MakeRecordText(text);
        file.ReadInt16(year_);
        file.FindSectionEnd(RecordSection);
    }
    if (text_.size() > MaxTextLength) {
        // A cut between the halves of a surrogate pair would leave half a
        // character, which no file can hold.
        const bool splitsPair = platform::IsHighSurrogate(text_[MaxTextLength - 1]);
        text_.resize(splitsPair ? MaxTextLength - 1 : MaxTextLength);
    }
    return found;
}

void TClubRecord::SetFromScoreTexts(std::u16string_view score, std::u16string_view text, std::u16string_view year)
{
    std::size_t separator = score.find(u':');
    if (separator == std::u16string_view::npos) separator = score.find(u'-');
    goalsA_ = static_cast<std::int8_t>(separator == std::u16string_view::npos ? 0 : LeadingInteger(score));
    goalsB_ = static_cast<std::uint8_t>(
        separator == std::u16string_view::npos ? 0 : LeadingInteger(score.substr(separator + 1)));
    text_ = MakeRecordText(text);
    year_ = static_cast<std::uint16_t>(LeadingInteger(year));
}

void TClubRecord::SetFromValueTexts(std::u16string_view value, std::u16string_view text, std::u16string_view year)
{
    value_ = LeadingInteger(value);
    text_ = MakeRecordText(text);
    year_ = static_cast<std::uint16_t>(LeadingInteger(year));
}

void TClubRecord::GetScoreTexts(std::u16string& score, std::u16string& text, std::u16string& year) const
{
    score.clear();
    text.clear();
    year.clear();
    if (goalsA_ == 0 && goalsB_ == 0) return;
    score = Format(u"%d:%d", static_cast<int>(goalsA_), static_cast<int>(goalsB_));
    text = text_;
    year = Format(u"%d", static_cast<int>(year_));
}

void TClubRecord::GetValueTexts(std::u16string& value, std::u16string& text, std::u16string& year) const
{
    value.clear();
    text.clear();
    year.clear();
    if (value_ == 0) return;
    value = Format(u"%d", value_);
    text = text_;
    year = Format(u"%d", static_cast<int>(year_));
}

void TClubRecord::ExportClubRecord(CMasterWriter& writer, bool largerFirst) const
{
    const std::int8_t a = goalsA_;
    const std::int8_t b = static_cast<std::int8_t>(goalsB_);
    const bool swap = largerFirst ? a < b : a > b;
    writer.WriteI8(swap ? b : a);
    writer.WriteI8(swap ? a : b);
    writer.WriteI32(value_);
    writer.WriteString(std::u16string_view(text_).substr(0, MaxTextLength));
    writer.WriteU16(year_);
}
