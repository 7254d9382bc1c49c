// The locale formatters of the text store. Locale texts come from the
// "Internal.*" keys of the localisation file and are cached per language
// when the file is loaded, so formatting only reads shared state.

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "core/text/Format.h"
#include "core/text/TextManager.h"
#include "core/text/TextTools.h"

namespace {
constexpr TextKey LocaleKeys[] = {
    u"Internal.Locale.Name"_tk,          u"Internal.Locale.Abbrevation"_tk,
    u"Internal.Number.Thousand"_tk,      u"Internal.Number.Decimal"_tk,
    u"Internal.Number.Negative"_tk,      u"Internal.Number.PercentFormat"_tk,
    u"Internal.Number.EnumerateMale"_tk, u"Internal.Number.EnumerateFemale"_tk,
    u"Internal.Currency.Format"_tk,      u"Internal.Currency.Decimals"_tk,
    u"Internal.Currency.EuroMultiplier"_tk,
};

constexpr TextKey ShortWeekdayKeys[] = {
    u"Internal.Chrono.Weekday.Short.Monday"_tk,   u"Internal.Chrono.Weekday.Short.Tuesday"_tk,
    u"Internal.Chrono.Weekday.Short.Wednesday"_tk, u"Internal.Chrono.Weekday.Short.Thursday"_tk,
    u"Internal.Chrono.Weekday.Short.Friday"_tk,   u"Internal.Chrono.Weekday.Short.Saturday"_tk,
    u"Internal.Chrono.Weekday.Short.Sunday"_tk,
};
constexpr TextKey LongWeekdayKeys[] = {
    u"Internal.Chrono.Weekday.Long.Monday"_tk,   u"Internal.Chrono.Weekday.Long.Tuesday"_tk,
    u"Internal.Chrono.Weekday.Long.Wednesday"_tk, u"Internal.Chrono.Weekday.Long.Thursday"_tk,
    u"Internal.Chrono.Weekday.Long.Friday"_tk,   u"Internal.Chrono.Weekday.Long.Saturday"_tk,
    u"Internal.Chrono.Weekday.Long.Sunday"_tk,
};
constexpr TextKey ShortMonthKeys[] = {
    u"Internal.Chrono.Month.Short.January"_tk,   u"Internal.Chrono.Month.Short.February"_tk,
    u"Internal.Chrono.Month.Short.March"_tk,     u"Internal.Chrono.Month.Short.April"_tk,
    u"Internal.Chrono.Month.Short.May"_tk,       u"Internal.Chrono.Month.Short.June"_tk,
    u"Internal.Chrono.Month.Short.July"_tk,      u"Internal.Chrono.Month.Short.August"_tk,
    u"Internal.Chrono.Month.Short.September"_tk, u"Internal.Chrono.Month.Short.October"_tk,
    u"Internal.Chrono.Month.Short.November"_tk,  u"Internal.Chrono.Month.Short.December"_tk,
};
constexpr TextKey LongMonthKeys[] = {
    u"Internal.Chrono.Month.Long.January"_tk,   u"Internal.Chrono.Month.Long.February"_tk,
    u"Internal.Chrono.Month.Long.March"_tk,     u"Internal.Chrono.Month.Long.April"_tk,
    u"Internal.Chrono.Month.Long.May"_tk,       u"Internal.Chrono.Month.Long.June"_tk,
    u"Internal.Chrono.Month.Long.July"_tk,      u"Internal.Chrono.Month.Long.August"_tk,
    u"Internal.Chrono.Month.Long.September"_tk, u"Internal.Chrono.Month.Long.October"_tk,
    u"Internal.Chrono.Month.Long.November"_tk,  u"Internal.Chrono.Month.Long.December"_tk,
};
constexpr TextKey DateTemplateKeys[] = {
    u"Internal.Chrono.Date.NumericShort"_tk,
    u"Internal.Chrono.Date.NumericLong"_tk,
    u"Internal.Chrono.Date.AlphaShort"_tk,
    u"Internal.Chrono.Date.AlphaLong"_tk,
};
constexpr TextKey TimeTemplateKeys[] = {
    u"Internal.Chrono.Time.Short"_tk,       u"Internal.Chrono.Time.Long"_tk,
    u"Internal.Chrono.Time.SecondsOnly"_tk, u"Internal.Chrono.Time.MinutesOnly"_tk,
    u"Internal.Chrono.Time.HoursOnly"_tk,
};

// English ordinals by the last digit; 11..19 always take "th".
constexpr const char16_t* EnglishSuffixes[] = {u"th", u"st", u"nd", u"rd", u"th",
                                               u"th", u"th", u"th", u"th", u"th"};

constexpr int MaxDecimals = 8;
constexpr int MaxParsedDigits = 63;
// Digits, separators and sign of any 64-bit number fit.
constexpr std::size_t NumberBufferSize = 512;
constexpr std::size_t FieldBufferSize = 64;
constexpr double TwoPow63 = 9223372036854775808.0;
// Time values up to this are written plainly, others grouped.
constexpr std::int64_t MaxPlainTimeValue = 999;

// Appends to a caller buffer, keeping at most capacity - 1 units and the
// buffer always terminated.
class BoundedWriter {
public:
    BoundedWriter(char16_t* dest, std::size_t capacity) : dest_(dest), capacity_(capacity) { dest_[0] = 0; }
    void Put(char16_t c)
    {
        if (length_ + 1 >= capacity_) return;
        dest_[length_++] = c;
        dest_[length_] = 0;
    }
    void Put(const char16_t* text)
    {
        for (; *text != 0; ++text) Put(*text);
    }
    bool Fits(std::size_t units) const { return length_ + units < capacity_; }
    std::size_t Length() const { return length_; }

private:
    char16_t* dest_;
    std::size_t capacity_;
    std::size_t length_ = 0;
};

bool StartsWith(const char16_t* text, const char16_t* prefix)
{
    for (; *prefix != 0; ++text, ++prefix)
        if (*text != *prefix) return false;
    return true;
}

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

std::uint64_t Magnitude(std::int64_t value)
{
    return value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
}

// Reads a plain "123.45" number the way the runtime does in the C locale,
// without consulting any locale.
bool ParsePlainNumber(std::string_view text, double& value)
{
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc();
}

std::string AsciiPrefix(const char16_t* text)
{
    std::string ascii;
    for (; *text != 0 && *text < 0x80; ++text) ascii += static_cast<char>(*text);
    return ascii;
}

// Without a destination the formatters write into a scratch buffer; a
// destination without room gets nothing.
struct Destination {
    char16_t* dest;
    std::size_t capacity;
    Destination(char16_t* given, std::size_t givenCapacity) : dest(given), capacity(givenCapacity)
    {
        if (dest == nullptr) {
            dest = CTextManager::NextScratchBuffer();
            capacity = CTextManager::ScratchCapacity;
        }
    }
    bool HasRoom() const { return capacity > 0; }
};

// A locale template with the formatted number in place of "_VALUE"; the
// plain number when the template is empty or missing.
const char16_t* FillTemplate(const char16_t* valueTemplate, const char16_t* value, char16_t* dest,
                             std::size_t capacity)
{
    const Destination out(dest, capacity);
    if (!out.HasRoom()) return out.dest;
    if (*valueTemplate == 0) CopyText(out.dest, value, out.capacity);
    else ReplaceToken(valueTemplate, u"_VALUE", value, out.dest, out.capacity);
    return out.dest;
}
}  // namespace

void CTextManager::FillLocaleCache()
{
    for (int language = 0; language < LanguageCount; ++language) {
        for (int entry = 0; entry < LocaleEntryCount; ++entry) {
            const char16_t* text = Lookup(LocaleKeys[entry].hash, language);
            CopyText(localeCache_[language][entry], text != nullptr ? text : u"", LocaleTextCapacity);
        }
    }
}

std::size_t CTextManager::WriteGrouped(bool negative, std::uint64_t magnitude, char16_t* dest,
                                       std::size_t capacity) const
{
    char16_t digits[24];
    std::size_t count = 0;
    do {
        digits[count++] = static_cast<char16_t>(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    BoundedWriter out(dest, capacity);
    if (negative) out.Put(Locale(NumberNegative));
    const char16_t* thousands = Locale(NumberThousand);
    while (count > 0) {
        out.Put(digits[--count]);
        if (count > 0 && count % 3 == 0) out.Put(thousands);
    }
    return out.Length();
}

const char16_t* CTextManager::FormatInt(std::int32_t value, char16_t* dest, std::size_t capacity) const
{
    const Destination out(dest, capacity);
    if (out.HasRoom()) WriteGrouped(value < 0, Magnitude(value), out.dest, out.capacity);
    return out.dest;
}

const char16_t* CTextManager::FormatFloat(double value, int decimals, char16_t* dest, std::size_t capacity) const
{
    const Destination out(dest, capacity);
    if (!out.HasRoom()) return out.dest;
    if (std::isnan(value)) value = 0.0;
    decimals = std::clamp(decimals, 0, MaxDecimals);
    double step = 1.0;
    for (int i = 0; i < decimals; ++i) step *= 0.1;
    const double rounded = value >= 0 ? value + 0.5 * step : value - 0.5 * step;
    const double magnitude = std::fabs(rounded);
    std::uint64_t integer = std::numeric_limits<std::int64_t>::max();
    double fraction = 0.0;
    if (magnitude < TwoPow63) {
        integer = static_cast<std::uint64_t>(magnitude);
        fraction = magnitude - static_cast<double>(integer);
    }
    const std::size_t length = WriteGrouped(rounded < 0, integer, out.dest, out.capacity);
    if (decimals == 0) return out.dest;
    const char16_t* separator = Locale(NumberDecimal);
    BoundedWriter rest(out.dest + length, out.capacity - length);
    if (!rest.Fits(TextLength(separator))) return out.dest;
    rest.Put(separator);
    for (int i = 0; i < decimals; ++i) {
        fraction *= 10.0;
        const auto digit = static_cast<std::int64_t>(fraction) % 10;
        fraction -= static_cast<double>(digit);
        rest.Put(static_cast<char16_t>(u'0' + digit));
    }
    return out.dest;
}

std::int32_t CTextManager::ParseInt(const char16_t* text) const
{
    if (text == nullptr) return 0;
    const char16_t* separator = Locale(NumberDecimal);
    bool negative = false;
    bool overflow = false;
    int collected = 0;
    std::int64_t value = 0;
    for (; *text != 0; ++text) {
        if (IsDigit(*text)) {
            if (collected == MaxParsedDigits) continue;
            ++collected;
            if (overflow) continue;
            value = value * 10 + (*text - u'0');
            overflow = value > std::numeric_limits<std::int32_t>::max();
        } else if (*text == u'-' && collected == 0) {
            negative = true;
        } else if (*separator == 0 || StartsWith(text, separator)) {
            break;
        }
    }
    if (overflow) return negative ? std::numeric_limits<std::int32_t>::min() : std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(negative ? -value : value);
}

double CTextManager::ParseFloat(const char16_t* text) const
{
    if (text == nullptr) return 0.0;
    const char16_t* separator = Locale(NumberDecimal);
    const std::size_t separatorLength = TextLength(separator);
    std::string plain;
    bool negative = false;
    bool digitSeen = false;
    while (*text != 0) {
        if (IsDigit(*text)) {
            digitSeen = true;
            if (plain.size() < MaxParsedDigits) plain += static_cast<char>(*text);
        } else if (*text == u'-' && !digitSeen) {
            negative = true;
        } else if (separatorLength > 0 && StartsWith(text, separator)) {
            if (plain.size() < MaxParsedDigits) plain += '.';
            text += separatorLength;
            continue;
        }
        ++text;
    }
    double value = 0.0;
    if (!ParsePlainNumber(plain, value)) return 0.0;
    return negative ? -value : value;
}

const char16_t* CTextManager::FormatIntPercent(std::int32_t value, char16_t* dest, std::size_t capacity) const
{
    char16_t number[NumberBufferSize];
    FormatInt(value, number, NumberBufferSize);
    return FillTemplate(Locale(PercentFormat), number, dest, capacity);
}

const char16_t* CTextManager::FormatFloatPercent(double value, int decimals, char16_t* dest,
                                                 std::size_t capacity) const
{
    char16_t number[NumberBufferSize];
    FormatFloat(value, decimals, number, NumberBufferSize);
    return FillTemplate(Locale(PercentFormat), number, dest, capacity);
}

const char16_t* CTextManager::FormatOrdinal(std::int32_t value, bool masculine, char16_t* dest,
                                            std::size_t capacity) const
{
    char16_t number[NumberBufferSize];
    FormatInt(value, number, NumberBufferSize);
    if (language_ != English) return FillTemplate(Locale(masculine ? EnumerateMale : EnumerateFemale), number, dest,
                                                  capacity);
    const Destination out(dest, capacity);
    if (!out.HasRoom()) return out.dest;
    const int lastTwo = value % 100;
    const char16_t* suffix = lastTwo >= 11 && lastTwo <= 19 ? u"th" : EnglishSuffixes[Magnitude(value) % 10];
    BoundedWriter writer(out.dest, out.capacity);
    writer.Put(number);
    writer.Put(suffix);
    return out.dest;
}

const char16_t* CTextManager::FormatCurrency(double value, char16_t* dest, std::size_t capacity) const
{
    const char16_t decimals = Locale(CurrencyDecimals)[0];
    char16_t number[NumberBufferSize];
    FormatFloat(value, IsDigit(decimals) ? decimals - u'0' : 0, number, NumberBufferSize);
    return FillTemplate(Locale(CurrencyFormat), number, dest, capacity);
}

const char16_t* CTextManager::FormatCurrencyInt(std::int32_t value, char16_t* dest, std::size_t capacity) const
{
    char16_t number[NumberBufferSize];
    FormatInt(value, number, NumberBufferSize);
    return FillTemplate(Locale(CurrencyFormat), number, dest, capacity);
}

double CTextManager::GetEuroMultiplier() const
{
    double multiplier = 0.0;
    if (!ParsePlainNumber(AsciiPrefix(Locale(EuroMultiplier)), multiplier)) return 1.0;
    return std::isfinite(multiplier) && multiplier > 0.0 ? multiplier : 1.0;
}

const char16_t* CTextManager::GetLocaleName() const { return Locale(LocaleName); }

const char16_t* CTextManager::GetLocaleAbbreviation() const { return Locale(LocaleAbbreviation); }

const char16_t* CTextManager::GetWeekdayName(int weekday, bool shortForm) const
{
    if (weekday < 0 || weekday > 6) return nullptr;
    return GetText(shortForm ? ShortWeekdayKeys[weekday] : LongWeekdayKeys[weekday]);
}

const char16_t* CTextManager::FormatDateTemplate(const char16_t* dateTemplate, int year, int month, int day,
                                                 char16_t* dest, std::size_t capacity) const
{
    const Destination out(dest, capacity);
    if (!out.HasRoom()) return out.dest;
    year = std::clamp(year, 1, 9999);
    month = std::clamp(month, 1, 12);
    day = std::clamp(day, 1, 31);
    char16_t year4[FieldBufferSize], year2[FieldBufferSize], month2[FieldBufferSize], monthPlain[FieldBufferSize],
        day2[FieldBufferSize], dayPlain[FieldBufferSize];
    FormatInto(year4, FieldBufferSize, u"%04d", year);
    FormatInto(year2, FieldBufferSize, u"%02d", year % 100);
    FormatInto(month2, FieldBufferSize, u"%02d", month);
    FormatInto(monthPlain, FieldBufferSize, u"%d", month);
    FormatInto(day2, FieldBufferSize, u"%02d", day);
    FormatInto(dayPlain, FieldBufferSize, u"%d", day);
    // Longer tokens first where one begins another.
    const char16_t* tokens[] = {u"_YEAR2", u"_YEAR4", u"_ALPHASHORTMONTH", u"_ALPHAMONTH",
                                u"_SHORTMONTH", u"_MONTH", u"_SHORTDAY", u"_DAY", nullptr};
    const char16_t* values[] = {year2, year4, GetText(ShortMonthKeys[month - 1]), GetText(LongMonthKeys[month - 1]),
                                monthPlain, month2, dayPlain, day2, nullptr};
    if (ReplaceTokens(dateTemplate, tokens, values, out.dest, out.capacity) == nullptr) out.dest[0] = 0;
    return out.dest;
}

const char16_t* CTextManager::FormatDate(int style, int year, int month, int day, char16_t* dest,
                                         std::size_t capacity) const
{
    if (style < 0 || style > 3) return nullptr;
    return FormatDateTemplate(GetText(DateTemplateKeys[style]), year, month, day, dest, capacity);
}

const char16_t* CTextManager::FormatTimeTemplate(const char16_t* timeTemplate, std::int64_t hours,
                                                 std::int64_t minutes, std::int64_t seconds, char16_t* dest,
                                                 std::size_t capacity) const
{
    const Destination out(dest, capacity);
    if (!out.HasRoom()) return out.dest;
    // Values 0..999 are written plainly ("2" forms with at least two
    // digits); anything else goes through the grouped number.
    char16_t padded[3][NumberBufferSize];
    char16_t plain[3][NumberBufferSize];
    const std::int64_t values[] = {hours, minutes, seconds};
    for (int i = 0; i < 3; ++i) {
        const std::int64_t value = values[i];
        if (value >= 0 && value <= MaxPlainTimeValue) {
            FormatInto(padded[i], NumberBufferSize, u"%02d", static_cast<int>(value));
            FormatInto(plain[i], NumberBufferSize, u"%d", static_cast<int>(value));
        } else {
            WriteGrouped(value < 0, Magnitude(value), padded[i], NumberBufferSize);
            WriteGrouped(value < 0, Magnitude(value), plain[i], NumberBufferSize);
        }
    }
    const char16_t* tokens[] = {u"_HOUR2", u"_HOUR", u"_MINUTE2", u"_MINUTE", u"_SECOND2", u"_SECOND", nullptr};
    const char16_t* replacements[] = {padded[0], plain[0], padded[1], plain[1], padded[2], plain[2], nullptr};
    if (ReplaceTokens(timeTemplate, tokens, replacements, out.dest, out.capacity) == nullptr) out.dest[0] = 0;
    return out.dest;
}

const char16_t* CTextManager::FormatTime(int style, int hours, int minutes, int seconds, char16_t* dest,
                                         std::size_t capacity) const
{
    if (style < 0 || style > 4) return nullptr;
    const std::int64_t total = (static_cast<std::int64_t>(hours) * 60 + minutes) * 60 + seconds;
    std::int64_t h = 0, m = 0, s = 0;
    switch (style) {
    case 0:
    case 1:
        h = total / 3600;
        m = total / 60 % 60;
        s = total - (h * 60 + m) * 60;
        break;
    case 2:
        s = total;
        break;
    case 3:
        m = static_cast<std::int64_t>(hours) * 60 + minutes + seconds / 60;
        break;
    default:
        h = static_cast<std::int64_t>(hours) + minutes / 60 + seconds / 3600;
        break;
    }
    return FormatTimeTemplate(GetText(TimeTemplateKeys[style]), h, m, s, dest, capacity);
}
