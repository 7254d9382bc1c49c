#pragma once
// The program's own printf-style formatter for the fixed format lines of the
// file writers and messages ("%d", "%08X", "%.2f", "%s", "%04d/%04d", ...).
// Arguments are type-checked at the call; the format must be a literal: a
// text that comes from data (localised texts, files, paths) is never a format
// and is filled by token replacement instead (ReplaceTokens).
//
// Conversions: d i u x X o c s f F e E g G %, flags - 0 + space #, width,
// precision, length modifiers h hh l ll I64 (ignored but for h and hh, which
// narrow the value as printf does). %s takes UTF-16 texts, %c a character.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

class FormatString {
public:
    consteval FormatString(const char16_t* text) : text_(text) {}
    const char16_t* Text() const { return text_; }

private:
    const char16_t* text_;
};

class FormatArg {
public:
    enum class Kind { Signed, Unsigned, Float, Text, Char };

    template <typename T>
        requires std::is_integral_v<T> && (!std::is_same_v<T, bool>) && (!std::is_same_v<T, char16_t>)
    FormatArg(T value) : kind_(std::is_signed_v<T> ? Kind::Signed : Kind::Unsigned), bits_(sizeof(T) * 8)
    {
        if constexpr (std::is_signed_v<T>) integer_ = static_cast<std::int64_t>(value);
        else integer_ = static_cast<std::int64_t>(static_cast<std::uint64_t>(value));
    }
    FormatArg(bool value) : kind_(Kind::Signed), bits_(32), integer_(value ? 1 : 0) {}
    FormatArg(char16_t value) : kind_(Kind::Char), bits_(16), integer_(value) {}
    FormatArg(double value) : kind_(Kind::Float), bits_(64), float_(value) {}
    FormatArg(float value) : kind_(Kind::Float), bits_(64), float_(value) {}
    FormatArg(const char16_t* value) : kind_(Kind::Text), bits_(0), text_(value ? value : u"") {}
    FormatArg(char16_t* value) : FormatArg(static_cast<const char16_t*>(value)) {}
    FormatArg(std::u16string_view value) : kind_(Kind::Text), bits_(0), text_(value) {}
    FormatArg(const std::u16string& value) : kind_(Kind::Text), bits_(0), text_(value) {}

    Kind GetKind() const { return kind_; }
    int Bits() const { return bits_; }
    std::int64_t Integer() const { return integer_; }
    double Float() const { return float_; }
    std::u16string_view Text() const { return text_; }

private:
    Kind kind_;
    int bits_;
    std::int64_t integer_ = 0;
    double float_ = 0;
    std::u16string_view text_;
};

std::u16string FormatArgs(FormatString format, const FormatArg* args, std::size_t count);
// Writes at most capacity - 1 units and always terminates (nothing for a
// null destination or capacity 0); returns the units written.
std::size_t FormatArgsInto(char16_t* dest, std::size_t capacity, FormatString format, const FormatArg* args,
                           std::size_t count);

template <typename... Args>
std::u16string Format(FormatString format, const Args&... args)
{
    const FormatArg list[] = {FormatArg(args)..., FormatArg(0)};
    return FormatArgs(format, list, sizeof...(Args));
}

template <typename... Args>
std::size_t FormatInto(char16_t* dest, std::size_t capacity, FormatString format, const Args&... args)
{
    const FormatArg list[] = {FormatArg(args)..., FormatArg(0)};
    return FormatArgsInto(dest, capacity, format, list, sizeof...(Args));
}
