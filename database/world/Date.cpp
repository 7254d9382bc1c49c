#include "database/world/Date.h"

#include <limits>

#include "core/files/IndexTextFile.h"

namespace {

constexpr std::u16string_view DateSection = u"DATE";

// Earlier writers wrote an unset date as the split of day number 0.
bool MeansNoDate(std::int32_t day, std::int32_t month, std::int32_t year)
{
    return (day == 0 && month == 0 && year == 0) || (day == -1 && month == 0 && year == -4712);
}

struct RawDate {
    std::int32_t day = 0;
    std::int32_t month = 0;
    std::int32_t year = 0;
};

// Lines missing at the end of the text keep the given defaults.
RawDate ReadDateLines(CIndexTextFile& file, RawDate defaults)
{
    RawDate date;
    if (!file.ReadInt32(date.day)) date.day = defaults.day;
    if (!file.ReadInt32(date.month)) date.month = defaults.month;
    if (!file.ReadInt32(date.year)) date.year = defaults.year;
    file.FindSectionEnd(DateSection);
    return date;
}

}  // namespace

void FromDayNumber(std::uint32_t dayNumber, int& year, int& month, int& day)
{
    if (dayNumber == 0) {
        year = month = day = 0;
        return;
    }
    std::int64_t j = 4 * (static_cast<std::int64_t>(dayNumber) - JulianOffset) - 1;
    std::int64_t y = j / 146097;
    j -= 146097 * y;
    std::int64_t d = j / 4;
    j = (4 * d + 3) / 1461;
    d = ((4 * d + 3) - 1461 * j + 4) / 4;
    std::int64_t m = (5 * d - 3) / 153;
    d = ((5 * d - 3) - 153 * m + 5) / 5;
    y = 100 * y + j;
    if (m < 10) {
        m += 3;
    } else {
        m -= 9;
        ++y;
    }
    year = static_cast<int>(y);
    month = static_cast<int>(m);
    day = static_cast<int>(d);
}

void TDate::GetYearMonthDay(std::uint16_t& year, std::uint8_t& month, std::uint8_t& day) const
{
    int y = 0, m = 0, d = 0;
    FromDayNumber(dayNumber_, y, m, d);
    year = static_cast<std::uint16_t>(y);
    month = static_cast<std::uint8_t>(m);
    day = static_cast<std::uint8_t>(d);
}

std::uint16_t TDate::GetYear() const
{
    int y = 0, m = 0, d = 0;
    FromDayNumber(dayNumber_, y, m, d);
    return static_cast<std::uint16_t>(y);
}

std::uint8_t TDate::GetMonth() const
{
    int y = 0, m = 0, d = 0;
    FromDayNumber(dayNumber_, y, m, d);
    return static_cast<std::uint8_t>(m);
}

std::uint8_t TDate::GetDay() const
{
    int y = 0, m = 0, d = 0;
    FromDayNumber(dayNumber_, y, m, d);
    return static_cast<std::uint8_t>(d);
}

TDate TDate::AddYears(int years)
{
    if (!IsSet()) return *this;
    int y = 0, m = 0, d = 0;
    FromDayNumber(dayNumber_, y, m, d);
    Set(y + years, m, d);
    return *this;
}

bool TDate::WriteDate(CIndexTextFile& file) const
{
    int y = 0, m = 0, d = 0;
    FromDayNumber(dayNumber_, y, m, d);
    return file.WriteSectionBegin(DateSection) && file.WriteInt32(d) && file.WriteInt32(m) && file.WriteInt32(y) &&
           file.WriteSectionEnd(DateSection);
}

std::uint32_t TDate::ReadDate(CIndexTextFile& file)
{
    if (!file.FindNestedSection(DateSection)) return 0;
    RawDate date = ReadDateLines(file, RawDate{1, 1, 2000});
    if (MeansNoDate(date.day, date.month, date.year)) {
        Clear();
        return 0;
    }
    if (date.year < 100) date.year += 1900;
    if (date.year < 1700 || date.year > 2100) date.year = 2000;
    if (date.month < 1 || date.month > 12) date.month = 1;
    if (date.day < 1 || date.day > 31) date.day = 1;
    Set(date.year, date.month, date.day);
    return dayNumber_;
}

std::uint32_t TDate::ReadPlain(CIndexTextFile& file)
{
    Clear();
    if (!file.FindNestedSection(DateSection)) return 0;
    const RawDate date = ReadDateLines(file, RawDate{});
    if (MeansNoDate(date.day, date.month, date.year)) return 0;
    const std::int64_t dayNumber = ToDayNumber(date.year, date.month, date.day);
    if (dayNumber > 0 && dayNumber <= std::numeric_limits<std::uint32_t>::max()) {
        dayNumber_ = static_cast<std::uint32_t>(dayNumber);
    }
    return dayNumber_;
}

TDate GetReferenceDay()
{
    return TDate(2007, 7, 3);
}

const TDate& GetApplicationDate()
{
    static const TDate date(2007, 7, 1);
    return date;
}

int GetAgeTodayDmy(int day, int month, int year)
{
    static const TDate reference = GetReferenceDay();
    const int referenceYear = reference.GetYear();
    const int referenceMonth = reference.GetMonth();
    const int referenceDay = reference.GetDay();
    int years = referenceYear - year - 1;
    if (month < referenceMonth || (month == referenceMonth && day <= referenceDay)) ++years;
    return years;
}

int GetAgeToday(TDate date)
{
    int y = 0, m = 0, d = 0;
    FromDayNumber(date.GetDayNumber(), y, m, d);
    return GetAgeTodayDmy(d, m, y);
}

int GetAgeGroup(int age)
{
    if (age < 19) return 0;
    if (age == 19) return 1;
    if (age == 20) return 2;
    if (age <= 23) return 3;
    if (age <= 29) return 4;
    if (age <= 33) return 5;
    return 6;
}
