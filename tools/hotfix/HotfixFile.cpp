#include "tools/hotfix/HotfixFile.h"

#include <cstring>

namespace {
constexpr std::u16string_view ManagerVersionKey = u"HotfixManagerVersion";
constexpr std::u16string_view NameKey = u"Name";
constexpr std::u16string_view VersionKey = u"Version";
// The key is followed by a colon and a blank, or any two characters.
constexpr std::size_t Separator = 2;

std::u16string Decimal(std::uint32_t number)
{
    const std::string text = std::to_string(number);
    return std::u16string(text.begin(), text.end());
}
}  // namespace

bool CHotfixFile::OpenRead(std::u16string_view path)
{
    writing_ = false;
    position_ = 0;
    bytes_.clear();
    return platform::ReadWholeFile(path, bytes_);
}

bool CHotfixFile::OpenWrite(std::u16string_view path)
{
    bytes_.clear();
    position_ = 0;
    failed_ = false;
    writing_ = writer_.Open(path);
    return writing_;
}

bool CHotfixFile::Close()
{
    if (!writing_) return true;
    writing_ = false;
    if (failed_) {
        writer_.Discard();
        return false;
    }
    return writer_.Commit();
}

void CHotfixFile::Discard()
{
    if (writing_) writer_.Discard();
    writing_ = false;
}

bool CHotfixFile::ReadLine(std::u16string& line, std::size_t limit)
{
    line.clear();
    while (line.size() < limit && GetRemainingBytes() >= 2) {
        const auto unit = static_cast<char16_t>(bytes_[position_] | (bytes_[position_ + 1] << 8));
        position_ += 2;
        line.push_back(unit);
        if (unit == u'\n') break;
    }
    return !line.empty();
}

bool CHotfixFile::ReadBytes(void* out, std::size_t count)
{
    if (GetRemainingBytes() < count) return false;
    std::memcpy(out, bytes_.data() + position_, count);
    position_ += count;
    return true;
}

bool CHotfixFile::WriteText(std::u16string_view text)
{
    std::vector<std::uint8_t> units;
    units.reserve(text.size() * 2);
    for (char16_t c : text) {
        units.push_back(static_cast<std::uint8_t>(c & 0xFF));
        units.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    return WriteBytes(units.data(), units.size());
}

bool CHotfixFile::WriteBytes(const void* data, std::size_t count)
{
    if (!writing_) return false;
    if (count != 0 && !writer_.Write(data, count)) failed_ = true;
    return !failed_;
}

bool CHotfixFile::WriteHeaderLine(std::u16string_view key, std::u16string_view value)
{
    std::u16string line(key);
    line += u": ";
    line += value;
    line += u"\r\n";
    return WriteText(line);
}

bool CHotfixFile::WriteHeaderNumber(std::u16string_view key, std::uint32_t number)
{
    return WriteHeaderLine(key, Decimal(number));
}

bool CHotfixFile::ReadHeaderLine(std::u16string_view key, std::u16string_view value)
{
    std::u16string line;
    if (!ReadLine(line)) return false;
    const std::u16string_view text(line);
    if (!text.starts_with(key) || text.size() < key.size() + Separator + value.size()) return false;
    const std::u16string_view rest = text.substr(key.size() + Separator);
    return rest.starts_with(value) && (rest.size() == value.size() || rest[value.size()] < 32);
}

bool CHotfixFile::ReadHeaderNumber(std::u16string_view key, std::uint32_t number)
{
    return ReadHeaderLine(key, Decimal(number));
}

bool CHotfixFile::WriteHeader(std::u16string_view name, std::uint32_t version)
{
    bool ok = WriteHeaderNumber(ManagerVersionKey, ManagerVersion);
    ok &= WriteHeaderLine(NameKey, name);
    return WriteHeaderNumber(VersionKey, version) && ok;
}

bool CHotfixFile::ReadHeader(std::u16string_view name, std::uint32_t version)
{
    const bool manager = ReadHeaderNumber(ManagerVersionKey, ManagerVersion);
    const bool named = ReadHeaderLine(NameKey, name);
    const bool versioned = ReadHeaderNumber(VersionKey, version);
    return manager && named && versioned;
}
