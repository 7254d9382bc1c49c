#include "tools/ValueText.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/text/TextManager.h"
#include "core/text/TextTools.h"

namespace {

constexpr std::int64_t Int32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t Int32Max = std::numeric_limits<std::int32_t>::max();

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int ClampInt(int value, int low, int high)
{
    return std::min(std::max(value, low), high);
}

std::u16string Bounded(std::u16string_view text)
{
    return std::u16string(text.substr(0, SpinEditTextMax));
}

// A whole-numbered double held inside the int32 range; NaN gives 0.
std::int32_t HeldInInt32(double whole)
{
    if (std::isnan(whole)) return 0;
    return static_cast<std::int32_t>(std::clamp(whole, static_cast<double>(Int32Min), static_cast<double>(Int32Max)));
}

}  // namespace

std::u16string MakeSpinEditFormat(std::u16string_view text)
{
    std::u16string format = Bounded(text);
    std::erase_if(format, [](char16_t c) { return std::u16string_view(u"0123456789.,-+").find(c) != std::u16string_view::npos; });
    return format;
}

std::int32_t ClampSpinValue(std::int64_t value, std::int32_t bound1, std::int32_t bound2)
{
    const std::int64_t low = std::min(bound1, bound2);
    const std::int64_t high = std::max(bound1, bound2);
    return static_cast<std::int32_t>(std::clamp(value, low, high));
}

std::int32_t ScaleSpinValue(double value, double scale) { return HeldInInt32(std::round(value * scale)); }

std::int32_t TruncateSpinValue(double value, double scale)
{
    // A typed 0.29 is a hair below 0.29 as a double; the allowance, far below
    // one step, keeps it at 29 steps while 12.345 still gives 1234.
    constexpr double Allowance = 1e-6;
    const double scaled = value * scale;
    return HeldInInt32(std::trunc(scaled + (scaled < 0 ? -Allowance : Allowance)));
}

std::u16string SpinValueText(const CTextManager& texts, const TSpinEditFormat& format, std::int32_t value)
{
    if (!format.specialText.empty() && value == format.specialValue) return Bounded(format.specialText);
    std::u16string number;
    if (format.decimals > 0) {
        number = texts.FormatFloat(value / format.scale, format.decimals);
    } else if (format.plainDigits) {
        const std::string digits = std::to_string(value);
        number.assign(digits.begin(), digits.end());
    } else {
        number = texts.FormatInt(value);
    }
    number = Bounded(number);
    if (format.format.empty()) return number;
    return Bounded(ReplaceTokens(format.format, {{u"_VALUE", number}}));
}

namespace {

std::int64_t TypedValue(const CTextManager& texts, const TSpinEditFormat& format, std::u16string_view typed)
{
    const std::u16string text = Bounded(typed);
    if (!format.specialText.empty() && text == format.specialText) return format.specialValue;
    if (format.decimals > 0) return TruncateSpinValue(texts.ParseFloat(text.c_str()), format.scale);
    return texts.ParseInt(text.c_str());
}

}  // namespace

std::int32_t SpinValueFromText(const CTextManager& texts, const TSpinEditFormat& format, std::u16string_view text)
{
    return ClampSpinValue(TypedValue(texts, format, text), format.minimum, format.maximum);
}

std::int32_t SpinValueAfterDelta(const CTextManager& texts, const TSpinEditFormat& format, std::u16string_view text,
                                 std::int64_t delta)
{
    const std::int64_t sum = TypedValue(texts, format, text) + std::clamp(delta, Int32Min, Int32Max);
    return ClampSpinValue(sum, format.minimum, format.maximum);
}

std::int32_t PackDate(const TDateParts& date)
{
    return static_cast<std::int32_t>((static_cast<std::uint32_t>(date.year) << 16) |
                                     (static_cast<std::uint32_t>(date.month) << 8) |
                                     static_cast<std::uint32_t>(date.day));
}

TDateParts UnpackDate(std::int32_t packed)
{
    const auto bits = static_cast<std::uint32_t>(packed);
    return {static_cast<int>(bits >> 16), static_cast<int>((bits >> 8) & 0xFF), static_cast<int>(bits & 0xFF)};
}

int DaysInMonth(int year, int month)
{
    static constexpr int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && IsLeapYear(year)) return 29;
    return days[ClampInt(month, 1, 12) - 1];
}

std::int32_t MakeDateBound(int year, int month, int day)
{
    TDateParts bound;
    bound.year = ClampInt(year, 0, 9999);
    bound.month = ClampInt(month, 1, 12);
    bound.day = ClampInt(day, 1, bound.month == 2 ? 28 : DaysInMonth(1, bound.month));
    return PackDate(bound);
}

namespace {

TDateParts ClampToCalendar(TDateParts date)
{
    date.year = ClampInt(date.year, 1, 9999);
    date.month = ClampInt(date.month, 1, 12);
    date.day = ClampInt(date.day, 1, DaysInMonth(date.year, date.month));
    return date;
}

}  // namespace

TDateParts UpdateDate(TDateParts date, std::int32_t minimum, std::int32_t maximum)
{
    date = ClampToCalendar(date);
    // A bound is itself clamped to the calendar, so the date ends on it
    // even when the bounds cross (the lower one wins then).
    const std::int32_t packed = PackDate(date);
    if (packed < minimum) return ClampToCalendar(UnpackDate(minimum));
    if (packed > maximum) return ClampToCalendar(UnpackDate(maximum));
    return date;
}

int ParseDatePart(std::u16string_view text)
{
    std::int64_t value = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9') break;
        value = std::min<std::int64_t>(value * 10 + (c - u'0'), Int32Max);
    }
    return static_cast<int>(value);
}

TDateLayout LayoutDateFields(const TValueRect& dayEdit)
{
    const int w = dayEdit.width - 8;
    const int part = (4 * w) / 13;
    TDateLayout layout;
    layout.day = {dayEdit.left, dayEdit.top, part, dayEdit.height};
    layout.month = {dayEdit.left + part + 4, dayEdit.top, part, dayEdit.height};
    layout.year = {dayEdit.left + 2 * part + 8, dayEdit.top, w - 2 * part, dayEdit.height};
    return layout;
}

std::vector<TValueRect> LayoutGroupButtons(const TValueRect& placeholder, int count, int columns, int maxButtons)
{
    std::vector<TValueRect> buttons;
    if (count < 1 || columns < 1) return buttons;
    count = std::min(count, maxButtons);
    const int rows = (count + columns - 1) / columns;
    const int columnWidth = (placeholder.width - 16) / columns;
    for (int i = 0; i < count; ++i) {
        buttons.push_back({placeholder.left + (i / rows) * columnWidth + 8, placeholder.top + (i % rows) * 16 + 18,
                           columnWidth, 16});
    }
    return buttons;
}

std::vector<int> SplitSwatchBands(int width, int count)
{
    std::vector<int> widths;
    if (count < 1) return widths;
    const int remainder = std::max(width, 0) % count;
    for (int i = 0; i < count; ++i) widths.push_back(std::max(width, 0) / count + (i < remainder ? 1 : 0));
    return widths;
}

TColourSwatch LayoutColourSwatch(const TValueRect& item, int colourCount)
{
    TColourSwatch swatch;
    const int fifth = item.width / 5;
    swatch.textLeft = item.left + fifth + 2;
    swatch.frame = {item.left + 2, item.top + 2, std::max(fifth - 4, 0), std::max(item.height - 4, 0)};
    const TValueRect inner = {swatch.frame.left + 1, swatch.frame.top + 1, std::max(swatch.frame.width - 2, 0),
                              std::max(swatch.frame.height - 2, 0)};
    int left = inner.left;
    for (int width : SplitSwatchBands(inner.width, colourCount)) {
        swatch.bands.push_back({left, inner.top, width, inner.height});
        left += width;
    }
    return swatch;
}
