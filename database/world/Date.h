#pragma once
// A calendar date as one Julian day number, so that dates compare and
// subtract as integers; 0 means "no date". The editor's "today" is a fixed
// reference day, 2007-07-03, against which ages are computed.

#include <compare>
#include <cstdint>

class CIndexTextFile;

// The day before 1 March of year 0, from which the calculation's years,
// each starting in March, are counted.
inline constexpr std::int64_t JulianOffset = 1721119;

// Day number of a date (Fliegel and Van Flandern); no range check. Inline
// and constant, so that the default dates of every record cost nothing.
constexpr std::int64_t ToDayNumber(std::int64_t year, std::int64_t month, std::int64_t day)
{
    if (month < 3) {
        month += 9;
        --year;
    } else {
        month -= 3;
    }
    const std::int64_t century = year / 100;
    const std::int64_t yearInCentury = year - 100 * century;
    return 146097 * century / 4 + 1461 * yearInCentury / 4 + (153 * month + 2) / 5 + day + JulianOffset;
}
// The inverse; day number 0 splits into 0/0/0.
void FromDayNumber(std::uint32_t dayNumber, int& year, int& month, int& day);

class TDate {
public:
    constexpr TDate() = default;
    constexpr explicit TDate(std::uint32_t dayNumber) : dayNumber_(dayNumber) {}
    constexpr TDate(int year, int month, int day) { Set(year, month, day); }

    std::uint32_t GetDayNumber() const { return dayNumber_; }
    void Clear() { dayNumber_ = 0; }
    bool IsSet() const { return dayNumber_ != 0; }

    constexpr void Set(int year, int month, int day)
    {
        dayNumber_ = static_cast<std::uint32_t>(ToDayNumber(year, month, day));
    }
    void GetYearMonthDay(std::uint16_t& year, std::uint8_t& month, std::uint8_t& day) const;
    std::uint16_t GetYear() const;
    std::uint8_t GetMonth() const;
    std::uint8_t GetDay() const;
    // 0 Monday .. 6 Sunday.
    int GetWeekday() const { return static_cast<int>(dayNumber_ % 7); }
    // Same month and day n years on; 29 February of a year without one
    // becomes 1 March. No date stays no date.
    TDate AddYears(int years);

    auto operator<=>(const TDate&) const = default;
    std::int64_t operator-(TDate other) const
    {
        return static_cast<std::int64_t>(dayNumber_) - static_cast<std::int64_t>(other.dayNumber_);
    }
    TDate operator+(std::int32_t days) const { return TDate(dayNumber_ + static_cast<std::uint32_t>(days)); }
    TDate operator-(std::int32_t days) const { return TDate(dayNumber_ - static_cast<std::uint32_t>(days)); }
    TDate& operator+=(std::int32_t days)
    {
        dayNumber_ += static_cast<std::uint32_t>(days);
        return *this;
    }
    TDate& operator++()
    {
        ++dayNumber_;
        return *this;
    }
    TDate& operator--()
    {
        --dayNumber_;
        return *this;
    }
    void Increment() { ++dayNumber_; }

    // The "DATE" section: day, month and year lines; no date writes 0, 0, 0.
    bool WriteDate(CIndexTextFile& file) const;
    // Reads the "DATE" section with clamps (year below 100 gets 1900 added,
    // other years outside 1700..2100 become 2000, months and days outside
    // their range 1); 0/0/0 reads as no date. A missing section leaves the
    // date and returns 0, else the stored day number is returned. A begin
    // line that is misspelt, missing or doubled is read past and noted
    // (CIndexTextFile::FindNestedSection).
    std::uint32_t ReadDate(CIndexTextFile& file);
    // The same without clamps; a missing section or a date outside the
    // day-number range stores no date.
    std::uint32_t ReadPlain(CIndexTextFile& file);

private:
    std::uint32_t dayNumber_ = 0;
};

TDate GetReferenceDay();
// The editor's notion of today for pending transfers: 2007-07-01.
const TDate& GetApplicationDate();
int GetAgeTodayDmy(int day, int month, int year);
int GetAgeToday(TDate date);
// Age band: below 19 -> 0, 19 -> 1, 20 -> 2, 21..23 -> 3, 24..29 -> 4,
// 30..33 -> 5, 34 and above -> 6.
int GetAgeGroup(int age);
