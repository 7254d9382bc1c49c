#pragma once
// The arithmetic behind the value controls, kept free of windows so that it
// can be tested and fuzzed natively: spin-edit value <-> text, the date
// clamping, and where the companion windows and colour swatches go.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CTextManager;

// What a spin edit needs to turn its value into text and back. Values are
// scaled: a float value times scale (10^decimals).
struct TSpinEditFormat {
    int decimals = 0;
    double scale = 1.0;
    std::int32_t minimum = 0;
    std::int32_t maximum = 100;
    bool plainDigits = false;
    std::int32_t specialValue = 0;
    std::u16string specialText;
    // Display template; "_VALUE" marks where the number goes. Empty = none.
    std::u16string format;
};

constexpr std::size_t SpinEditTextMax = 63;

// The display template as SetFormat keeps it: cut to 63 characters, with
// digits, '.', ',', '-' and '+' removed so that the number is the only one.
std::u16string MakeSpinEditFormat(std::u16string_view text);
// value clamped between the two bounds, whichever of them is the larger.
std::int32_t ClampSpinValue(std::int64_t value, std::int32_t bound1, std::int32_t bound2);
// (int)(v * scale) rounded to nearest (halves away from zero) and held
// inside the int32 range; NaN gives 0.
std::int32_t ScaleSpinValue(double value, double scale);
// (int)(v * scale) with the digits beyond the scale cut off, held inside
// the int32 range; NaN gives 0. A typed number is read so.
std::int32_t TruncateSpinValue(double value, double scale);
std::u16string SpinValueText(const CTextManager& texts, const TSpinEditFormat& format, std::int32_t value);
// The typed text as a value inside the range; digits beyond the decimals
// shown are cut off.
std::int32_t SpinValueFromText(const CTextManager& texts, const TSpinEditFormat& format, std::u16string_view text);
// The value a spin click leads to: the typed value plus the delta, in range.
std::int32_t SpinValueAfterDelta(const CTextManager& texts, const TSpinEditFormat& format, std::u16string_view text,
                                 std::int64_t delta);

struct TDateParts {
    int year = 1980;
    int month = 1;
    int day = 1;
    bool operator==(const TDateParts&) const = default;
};

// year << 16 | month << 8 | day; packed dates compare as signed integers.
std::int32_t PackDate(const TDateParts& date);
TDateParts UnpackDate(std::int32_t packed);
int DaysInMonth(int year, int month);
// A range bound as SetMinDate/SetMaxDate keep it: year 0..9999, month
// 1..12, day within the month counting February as 28.
std::int32_t MakeDateBound(int year, int month, int day);
// The date clamped into a calendar date of 1..9999 and then into the range.
// The leap year is judged on the clamped year, so year 0 never allows 29 Feb.
TDateParts UpdateDate(TDateParts date, std::int32_t minimum, std::int32_t maximum);
// A typed date part: leading decimal digits, anything else 0.
int ParseDatePart(std::u16string_view text);

struct TValueRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const TValueRect&) const = default;
};

// Day, month and year fields for a day edit placed at dayEdit.
struct TDateLayout {
    TValueRect day, month, year;
};
TDateLayout LayoutDateFields(const TValueRect& dayEdit);

// Buttons of a check or option group inside its placeholder; empty when
// count or columns is below 1. At most maxButtons buttons.
std::vector<TValueRect> LayoutGroupButtons(const TValueRect& placeholder, int count, int columns, int maxButtons);

// Swatch of a colour-combo item: the frame and one band per colour.
struct TColourSwatch {
    TValueRect frame;
    std::vector<TValueRect> bands;
    int textLeft = 0;
};
TColourSwatch LayoutColourSwatch(const TValueRect& item, int colourCount);
// Widths of count bands across width: the remainder goes one pixel each to
// the first bands.
std::vector<int> SplitSwatchBands(int width, int count);
