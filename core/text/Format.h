#pragma once
// The program's own printf-style formatter for the fixed format lines of the
// file writers and messages ("%d", "%08X", "%.2f", "%s", "%04d/%04d", ...).
// The format must be a literal, checked when the call is compiled: as many
// directives as arguments, integral arguments for d i u x X o c, floating
// ones for f F e E g G, texts for s S. A text that comes from data
// (localised texts, files, paths) is never a format and is filled by token
// replacement instead (ReplaceTokens).
//
// Conversions: d i u x X o c s f F e E g G %, flags - 0 + space #, width,
// precision, length modifiers h hh l ll I64 (ignored but for h and hh, which
// narrow the value as printf does). %s takes UTF-16 texts, %c a character.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

// What a directive or an argument is, for the check at compile time.
namespace format_check {

enum class Kind { Integral, Floating, Text, Other };

template <typename T>
consteval Kind KindOf()
{
    using D = std::decay_t<T>;
    if constexpr (std::is_integral_v<D>) return Kind::Integral;
    else if constexpr (std::is_floating_point_v<D>) return Kind::Floating;
    else if constexpr (std::is_convertible_v<D, std::u16string_view> || std::is_same_v<D, char16_t*>) return Kind::Text;
    else return Kind::Other;
}

// Reached only when a format does not fit its arguments: calling it stops
// the compilation of the call.
void FormatDoesNotMatchItsArguments();

// The kind the conversion character of a directive takes.
consteval Kind KindOfConversion(char16_t conversion)
{
    switch (conversion) {
    case u'd': case u'i': case u'u': case u'x': case u'X': case u'o': case u'c': return Kind::Integral;
    case u'f': case u'F': case u'e': case u'E': case u'g': case u'G': return Kind::Floating;
    case u's': case u'S': return Kind::Text;
    default: FormatDoesNotMatchItsArguments(); return Kind::Other;
    }
}

// Walks the directives as the formatter does: flags, width, precision and
// length, then the conversion; each must take the kind of its argument, and
// there must be exactly as many directives as arguments.
consteval void Check(const char16_t* text, const Kind* kinds, std::size_t count)
{
    std::size_t next = 0;
    for (std::size_t i = 0; text[i]; ++i) {
        if (text[i] != u'%') continue;
        if (text[++i] == u'%') continue;
        while (text[i] == u'-' || text[i] == u'0' || text[i] == u'+' || text[i] == u' ' || text[i] == u'#') ++i;
        while ((text[i] >= u'0' && text[i] <= u'9') || text[i] == u'.') ++i;
        while (text[i] == u'h' || text[i] == u'l') ++i;
        if (text[i] == u'I' && text[i + 1] == u'6' && text[i + 2] == u'4') i += 3;
        if (next == count || KindOfConversion(text[i]) != kinds[next++]) FormatDoesNotMatchItsArguments();
    }
    if (next != count) FormatDoesNotMatchItsArguments();
}

}  // namespace format_check

// A format literal checked against the types of the arguments it is given.
template <typename... Args>
class FormatString {
public:
    consteval FormatString(const char16_t* text) : text_(text)
    {
        constexpr format_check::Kind kinds[] = {format_check::KindOf<Args>()..., format_check::Kind::Other};
        format_check::Check(text, kinds, sizeof...(Args));
    }
    const char16_t* Text() const { return text_; }

private:
    const char16_t* text_;
};

template <typename... Args>
using FormatFor = FormatString<std::type_identity_t<Args>...>;

class FormatArg {
public:
    template <typename T>
        requires std::is_integral_v<T> && (!std::is_same_v<T, bool>) && (!std::is_same_v<T, char16_t>)
    FormatArg(T value) : bits_(sizeof(T) * 8)
    {
        if constexpr (std::is_signed_v<T>) integer_ = static_cast<std::int64_t>(value);
        else integer_ = static_cast<std::int64_t>(static_cast<std::uint64_t>(value));
    }
    FormatArg(bool value) : bits_(32), integer_(value ? 1 : 0) {}
    FormatArg(char16_t value) : bits_(16), integer_(value) {}
    FormatArg(double value) : bits_(64), float_(value) {}
    FormatArg(float value) : bits_(64), float_(value) {}
    FormatArg(const char16_t* value) : bits_(0), text_(value ? value : u"") {}
    FormatArg(char16_t* value) : FormatArg(static_cast<const char16_t*>(value)) {}
    FormatArg(std::u16string_view value) : bits_(0), text_(value) {}
    FormatArg(const std::u16string& value) : bits_(0), text_(value) {}

    int Bits() const { return bits_; }
    std::int64_t Integer() const { return integer_; }
    double Float() const { return float_; }
    std::u16string_view Text() const { return text_; }

private:
    int bits_;
    std::int64_t integer_ = 0;
    double float_ = 0;
    std::u16string_view text_;
};

// The formatter behind Format and FormatInto, for formats already checked.
std::u16string FormatArgs(const char16_t* format, const FormatArg* args, std::size_t count);
std::size_t FormatArgsInto(char16_t* dest, std::size_t capacity, const char16_t* format, const FormatArg* args,
                           std::size_t count);

template <typename... Args>
std::u16string Format(FormatFor<Args...> format, const Args&... args)
{
    const FormatArg list[] = {FormatArg(args)..., FormatArg(0)};
    return FormatArgs(format.Text(), list, sizeof...(Args));
}

// Writes at most capacity - 1 units and always terminates (nothing for a
// null destination or capacity 0); returns the units written.
template <typename... Args>
std::size_t FormatInto(char16_t* dest, std::size_t capacity, FormatFor<Args...> format, const Args&... args)
{
    const FormatArg list[] = {FormatArg(args)..., FormatArg(0)};
    return FormatArgsInto(dest, capacity, format.Text(), list, sizeof...(Args));
}
