#include "core/text/Format.h"

#include <cstdio>

namespace {

struct Directive {
    bool leftAlign = false;
    bool zeroPad = false;
    bool plusSign = false;
    bool spaceSign = false;
    bool alternate = false;
    int width = 0;
    int precision = -1;
    int lengthBits = 0;  // 8 or 16 for hh and h, else 0
    char16_t conversion = 0;
};

// Parses the conversion starting after '%'; returns the position after it.
std::size_t ParseSpec(const char16_t* format, std::size_t i, Directive& directive)
{
    for (;; ++i) {
        const char16_t c = format[i];
        if (c == u'-') directive.leftAlign = true;
        else if (c == u'0') directive.zeroPad = true;
        else if (c == u'+') directive.plusSign = true;
        else if (c == u' ') directive.spaceSign = true;
        else if (c == u'#') directive.alternate = true;
        else break;
    }
    while (format[i] >= u'0' && format[i] <= u'9') directive.width = directive.width * 10 + (format[i++] - u'0');
    if (format[i] == u'.') {
        directive.precision = 0;
        ++i;
        while (format[i] >= u'0' && format[i] <= u'9') directive.precision = directive.precision * 10 + (format[i++] - u'0');
    }
    if (format[i] == u'h') {
        directive.lengthBits = 16;
        if (format[++i] == u'h') {
            directive.lengthBits = 8;
            ++i;
        }
    } else if (format[i] == u'l') {
        if (format[++i] == u'l') ++i;
    } else if (format[i] == u'I' && format[i + 1] == u'6' && format[i + 2] == u'4') {
        i += 3;
    }
    directive.conversion = format[i];
    return format[i] ? i + 1 : i;
}

// The argument's bits as the conversion reads them: printf reinterprets an
// int's bits for %x and %u and narrows them for h and hh.
std::uint64_t RawBits(const FormatArg& arg, int bits)
{
    const auto value = static_cast<std::uint64_t>(arg.Integer());
    return bits >= 64 ? value : value & ((std::uint64_t{1} << bits) - 1);
}

std::int64_t SignedValue(const FormatArg& arg, int bits)
{
    const std::uint64_t raw = RawBits(arg, bits);
    if (bits >= 64) return static_cast<std::int64_t>(raw);
    const std::uint64_t sign = std::uint64_t{1} << (bits - 1);
    return static_cast<std::int64_t>((raw ^ sign) - sign);
}

void AppendPadded(std::u16string& out, const Directive& directive, std::u16string_view prefix, std::u16string_view digits)
{
    const std::size_t length = prefix.size() + digits.size();
    const std::size_t pad = directive.width > static_cast<int>(length) ? directive.width - length : 0;
    if (directive.leftAlign) {
        out += prefix;
        out += digits;
        out.append(pad, u' ');
    } else if (directive.zeroPad) {
        out += prefix;
        out.append(pad, u'0');
        out += digits;
    } else {
        out.append(pad, u' ');
        out += prefix;
        out += digits;
    }
}

void AppendInteger(std::u16string& out, Directive directive, const FormatArg& arg)
{
    const int bits = directive.lengthBits ? directive.lengthBits : (arg.Bits() > 32 ? 64 : 32);
    std::u16string_view prefix;
    std::uint64_t magnitude = 0;
    unsigned base = 10;
    bool upper = false;
    switch (directive.conversion) {
    case u'd':
    case u'i': {
        const std::int64_t value = SignedValue(arg, bits);
        magnitude = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
        if (value < 0) prefix = u"-";
        else if (directive.plusSign) prefix = u"+";
        else if (directive.spaceSign) prefix = u" ";
        break;
    }
    case u'x': base = 16; magnitude = RawBits(arg, bits); if (directive.alternate && magnitude) prefix = u"0x"; break;
    case u'X': base = 16; upper = true; magnitude = RawBits(arg, bits); if (directive.alternate && magnitude) prefix = u"0X"; break;
    case u'o': base = 8; magnitude = RawBits(arg, bits); break;
    default: magnitude = RawBits(arg, bits); break;
    }
    // Digits are produced from the right into a buffer wide enough for a
    // 64-bit value in octal plus the largest precision we pad to here.
    constexpr std::size_t kDigits = 96;
    char16_t buffer[kDigits];
    std::size_t first = kDigits;
    const char* alphabet = upper ? "0123456789ABCDEF" : "0123456789abcdef";
    do {
        buffer[--first] = static_cast<char16_t>(alphabet[magnitude % base]);
        magnitude /= base;
    } while (magnitude);
    if (directive.precision >= 0) {
        if (directive.precision == 0 && first == kDigits - 1 && buffer[first] == u'0') ++first;
        const std::size_t wanted = directive.precision < 64 ? static_cast<std::size_t>(directive.precision) : 64;
        while (kDigits - first < wanted) buffer[--first] = u'0';
        directive.zeroPad = false;
    }
    AppendPadded(out, directive, prefix, std::u16string_view(buffer + first, kDigits - first));
}

void AppendFloat(std::u16string& out, const Directive& directive, double value)
{
    // The narrow printf of the C locale, which the program never changes,
    // gives the same digits on both builds (both round the exact binary value).
    char format[16];
    int n = 0;
    format[n++] = '%';
    if (directive.leftAlign) format[n++] = '-';
    if (directive.zeroPad) format[n++] = '0';
    if (directive.plusSign) format[n++] = '+';
    if (directive.spaceSign) format[n++] = ' ';
    if (directive.alternate) format[n++] = '#';
    format[n++] = '*';
    format[n++] = '.';
    format[n++] = '*';
    format[n++] = static_cast<char>(directive.conversion);
    format[n] = '\0';
    const int precision = directive.precision < 0 ? 6 : directive.precision;
    const int length = std::snprintf(nullptr, 0, format, directive.width, precision, value);
    if (length <= 0) return;
    std::string narrow(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(narrow.data(), narrow.size(), format, directive.width, precision, value);
    narrow.resize(static_cast<std::size_t>(length));
    out.append(narrow.begin(), narrow.end());
}

void AppendText(std::u16string& out, const Directive& directive, std::u16string_view text)
{
    if (directive.precision >= 0 && text.size() > static_cast<std::size_t>(directive.precision)) text = text.substr(0, directive.precision);
    Directive padding = directive;
    padding.zeroPad = false;
    AppendPadded(out, padding, {}, text);
}

void AppendConversion(std::u16string& out, const Directive& directive, const FormatArg& arg)
{
    switch (directive.conversion) {
    case u'd': case u'i': case u'u': case u'x': case u'X': case u'o':
        AppendInteger(out, directive, arg);
        break;
    case u'f': case u'F': case u'e': case u'E': case u'g': case u'G':
        AppendFloat(out, directive, arg.Float());
        break;
    case u'c': {
        const char16_t c = static_cast<char16_t>(arg.Integer());
        AppendText(out, directive, std::u16string_view(&c, 1));
        break;
    }
    case u's': case u'S':
        AppendText(out, directive, arg.Text());
        break;
    default:
        break;
    }
}

void AppendFormatted(std::u16string& out, const char16_t* text, const FormatArg* args, std::size_t count)
{
    std::size_t next = 0;
    std::size_t i = 0;
    while (text[i]) {
        if (text[i] != u'%') {
            out.push_back(text[i++]);
            continue;
        }
        if (text[i + 1] == u'%') {
            out.push_back(u'%');
            i += 2;
            continue;
        }
        Directive directive;
        i = ParseSpec(text, i + 1, directive);
        if (next < count) AppendConversion(out, directive, args[next++]);
    }
}

}  // namespace

std::u16string FormatArgs(const char16_t* format, const FormatArg* args, std::size_t count)
{
    std::u16string out;
    AppendFormatted(out, format, args, count);
    return out;
}

std::size_t FormatArgsInto(char16_t* dest, std::size_t capacity, const char16_t* format, const FormatArg* args,
                           std::size_t count)
{
    if (!dest || capacity == 0) return 0;
    // The writers of large files format millions of lines: one buffer per
    // thread keeps that free of allocations.
    thread_local std::u16string scratch;
    scratch.clear();
    AppendFormatted(scratch, format, args, count);
    const std::size_t length = scratch.size() < capacity ? scratch.size() : capacity - 1;
    scratch.copy(dest, length);
    dest[length] = u'\0';
    return length;
}
