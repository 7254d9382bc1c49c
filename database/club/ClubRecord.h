#pragma once
// One record result of a club's history: a score with its opponent text
// and year (a record win or defeat) or a count with its text and year.

#include <cstdint>
#include <string>
#include <string_view>

class CIndexTextFile;
class CMasterWriter;

class TClubRecord {
public:
    static constexpr std::size_t MaxTextLength = 21;

    void Clear() { *this = TClubRecord(); }

    std::int8_t GetGoalsA() const { return goalsA_; }
    std::uint8_t GetGoalsB() const { return goalsB_; }
    std::int32_t GetValue() const { return value_; }
    const std::u16string& GetText() const { return text_; }
    std::uint16_t GetYear() const { return year_; }

    // The "RECORD" section. A missing section leaves the values as they
    // were; the text is cut to 21 characters either way.
    bool WriteClubRecord(CIndexTextFile& file) const;
    bool ReadClubRecord(CIndexTextFile& file);
    // The game database's form: the two goal counts ordered as asked, the
    // value, the text (at most 21 characters) and the year.
    void ExportClubRecord(CMasterWriter& writer, bool largerFirst) const;

    // From the history page's edit texts: "3-1" and "3:1" give 3 and 1; a
    // score without separator gives 0 and 0.
    void SetFromScoreTexts(std::u16string_view score, std::u16string_view text, std::u16string_view year);
    void SetFromValueTexts(std::u16string_view value, std::u16string_view text, std::u16string_view year);
    // Three empty texts for a record of 0:0 or of value 0.
    void GetScoreTexts(std::u16string& score, std::u16string& text, std::u16string& year) const;
    void GetValueTexts(std::u16string& value, std::u16string& text, std::u16string& year) const;

    bool operator==(const TClubRecord&) const = default;

private:
    std::int8_t goalsA_ = 0;
    std::uint8_t goalsB_ = 0;
    std::int32_t value_ = 0;
    std::u16string text_;
    std::uint16_t year_ = 0;
};
