// Spin-edit and date text from random formats, ranges and typed texts: the
// value must always land inside the range and the date on a calendar day.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/text/TextManager.h"
#include "tools/ValueText.h"

namespace {

template <typename T>
T Take(const std::uint8_t*& data, std::size_t& size)
{
    T value{};
    const std::size_t n = size < sizeof value ? size : sizeof value;
    std::memcpy(&value, data, n);
    data += n;
    size -= n;
    return value;
}

std::u16string TakeText(const std::uint8_t*& data, std::size_t& size)
{
    const std::size_t length = Take<std::uint8_t>(data, size) % 80;
    std::u16string text;
    while (text.size() < length && size >= 2) text.push_back(Take<char16_t>(data, size));
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static CTextManager texts;
    texts.SetLanguage(Take<std::uint8_t>(data, size) % 6);
    TSpinEditFormat format;
    format.decimals = Take<std::uint8_t>(data, size) % 4;
    format.scale = format.decimals == 0 ? 1.0 : std::pow(10.0, format.decimals);
    format.minimum = Take<std::int32_t>(data, size);
    format.maximum = Take<std::int32_t>(data, size);
    format.plainDigits = Take<std::uint8_t>(data, size) & 1;
    format.specialValue = Take<std::int32_t>(data, size);
    format.specialText = TakeText(data, size);
    format.format = MakeSpinEditFormat(TakeText(data, size));
    const std::int64_t delta = Take<std::int32_t>(data, size);
    const std::u16string typed = TakeText(data, size);

    const std::int32_t low = format.minimum < format.maximum ? format.minimum : format.maximum;
    const std::int32_t high = format.minimum < format.maximum ? format.maximum : format.minimum;
    for (std::int32_t value : {SpinValueFromText(texts, format, typed), SpinValueAfterDelta(texts, format, typed, delta)}) {
        if (value < low || value > high) std::abort();
        if (SpinValueText(texts, format, value).size() > SpinEditTextMax) std::abort();
    }

    TDateParts date{Take<std::int32_t>(data, size), Take<std::int32_t>(data, size), ParseDatePart(typed)};
    const std::int32_t minimum = MakeDateBound(Take<std::int16_t>(data, size), Take<std::int8_t>(data, size), Take<std::int8_t>(data, size));
    const std::int32_t maximum = MakeDateBound(Take<std::int16_t>(data, size), Take<std::int8_t>(data, size), Take<std::int8_t>(data, size));
    const TDateParts result = UpdateDate(date, minimum, maximum);
    if (result.year < 0 || result.year > 9999 || result.month < 1 || result.month > 12 || result.day < 1 ||
        result.day > DaysInMonth(result.year, result.month))
        std::abort();
    return 0;
}
