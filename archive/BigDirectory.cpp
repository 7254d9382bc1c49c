#include "archive/BigDirectory.h"

#include <cstring>

#include "archive/PackedData.h"
#include "core/CheckedSize.h"

namespace big_directory {
namespace {

constexpr std::size_t RecordFixedBytes = 8;
constexpr std::size_t DirectoryTrailer = 3;
constexpr std::uint8_t Magic[4] = {'B', 'I', 'G', 'F'};

std::uint32_t LoadBigEndian(const std::uint8_t* p)
{
    return static_cast<std::uint32_t>(p[0]) << 24 | static_cast<std::uint32_t>(p[1]) << 16 |
           static_cast<std::uint32_t>(p[2]) << 8 | p[3];
}

std::uint32_t LoadLittleEndian(const std::uint8_t* p)
{
    return static_cast<std::uint32_t>(p[3]) << 24 | static_cast<std::uint32_t>(p[2]) << 16 |
           static_cast<std::uint32_t>(p[1]) << 8 | p[0];
}

void StoreBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    out.insert(out.end(), {static_cast<std::uint8_t>(value >> 24), static_cast<std::uint8_t>(value >> 16),
                           static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)});
}

void StoreLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    out.insert(out.end(), {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                           static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)});
}

// Sequential reading of the directory in chunks, never past the file's end.
class DirectoryCursor {
public:
    DirectoryCursor(platform::File& file, std::int64_t length) : file_(file), length_(length) {}

    std::int64_t Position() const { return chunkStart_ + static_cast<std::int64_t>(used_); }

    bool Byte(std::uint8_t& value)
    {
        if (used_ == chunk_.size() && !Refill()) return false;
        value = chunk_[used_++];
        return true;
    }

    bool BigEndian(std::uint32_t& value)
    {
        std::uint8_t bytes[4];
        for (auto& b : bytes) {
            if (!Byte(b)) return false;
        }
        value = LoadBigEndian(bytes);
        return true;
    }

private:
    bool Refill()
    {
        chunkStart_ += static_cast<std::int64_t>(chunk_.size());
        used_ = 0;
        const std::int64_t left = length_ - chunkStart_;
        if (left <= 0) return false;
        chunk_.resize(static_cast<std::size_t>(left < ChunkBytes ? left : ChunkBytes));
        return file_.Seek(chunkStart_) && file_.Read(chunk_.data(), chunk_.size());
    }

    static constexpr std::int64_t ChunkBytes = 0x10000;
    platform::File& file_;
    std::int64_t length_;
    std::vector<std::uint8_t> chunk_;
    std::int64_t chunkStart_ = HeaderBytes;
    std::size_t used_ = 0;
};

bool ReadName(DirectoryCursor& cursor, std::string& name)
{
    for (std::size_t k = 0; k <= MaxNameLength; ++k) {
        std::uint8_t c;
        if (!cursor.Byte(c)) return false;
        if (c == 0) return true;
        name.push_back(static_cast<char>(c));
    }
    return false;
}

bool ReadRecords(DirectoryCursor& cursor, std::uint32_t count, std::vector<BigEntry>& entries)
{
    entries.reserve(count);
    for (std::uint32_t k = 0; k < count; ++k) {
        BigEntry entry;
        entry.recordPosition = static_cast<std::uint32_t>(cursor.Position());
        if (!cursor.BigEndian(entry.offset) || !cursor.BigEndian(entry.size) || !ReadName(cursor, entry.name)) {
            return false;
        }
        entries.push_back(std::move(entry));
    }
    return true;
}

// Offset 0 means "right after the directory" for the first record and
// "behind the previous entry" for a later one, resolved in directory order.
bool ResolveOffsets(std::vector<BigEntry>& entries, std::int64_t directoryEnd, std::int64_t length)
{
    for (std::size_t k = 0; k < entries.size(); ++k) {
        BigEntry& entry = entries[k];
        if (entry.offset == 0) {
            const std::int64_t resolved = k == 0 ? directoryEnd
                                                 : static_cast<std::int64_t>(entries[k - 1].offset) +
                                                       entries[k - 1].size;
            if (resolved > length) return false;
            entry.offset = static_cast<std::uint32_t>(resolved);
        }
        if (!checked_size::Fits(entry.offset, entry.size, static_cast<std::uint64_t>(length))) return false;
    }
    return true;
}

bool ReadUnpackedSizes(platform::File& file, std::vector<BigEntry>& entries)
{
    for (BigEntry& entry : entries) {
        std::uint8_t head[packed_data::HeaderSize];
        if (entry.size < sizeof head) continue;
        if (!file.Seek(entry.offset) || !file.Read(head, sizeof head)) return false;
        entry.unpackedSize = GetUnpackedSize(head, sizeof head);
    }
    return true;
}

}  // namespace

std::uint32_t RecordBytes(const BigEntry& entry)
{
    return static_cast<std::uint32_t>(RecordFixedBytes + entry.name.size() + 1);
}

std::uint32_t HeaderLength(std::size_t count, std::uint64_t recordBytes)
{
    return count == 0 ? HeaderBytes : static_cast<std::uint32_t>(HeaderBytes + DirectoryTrailer + recordBytes);
}

std::uint32_t HeaderLength(const std::vector<BigEntry>& entries)
{
    std::uint64_t recordBytes = 0;
    for (const BigEntry& entry : entries) recordBytes += RecordBytes(entry);
    return HeaderLength(entries.size(), recordBytes);
}

std::uint32_t PaddedEnd(const std::vector<BigEntry>& entries) { return (HeaderLength(entries) + 15) & ~15u; }

std::vector<std::uint8_t> Build(std::vector<BigEntry>& entries, std::uint32_t archiveSize)
{
    std::vector<std::uint8_t> out(Magic, Magic + 4);
    out.reserve(PaddedEnd(entries));
    StoreLittleEndian(out, archiveSize);
    StoreBigEndian(out, static_cast<std::uint32_t>(entries.size()));
    StoreBigEndian(out, HeaderLength(entries));
    if (entries.empty()) return out;
    for (BigEntry& entry : entries) {
        entry.recordPosition = static_cast<std::uint32_t>(out.size());
        StoreBigEndian(out, entry.offset);
        StoreBigEndian(out, entry.size);
        out.insert(out.end(), entry.name.begin(), entry.name.end());
        out.push_back(0);
    }
    out.resize(PaddedEnd(entries), 0);
    return out;
}

bool Read(platform::File& file, std::int64_t length, std::vector<BigEntry>& entries)
{
    entries.clear();
    std::uint8_t header[HeaderBytes];
    if (length < HeaderBytes || !file.Seek(0) || !file.Read(header, sizeof header)) return false;
    if (std::memcmp(header, Magic, sizeof Magic) != 0) return false;
    std::uint32_t archiveSize = LoadLittleEndian(header + 4);
    if (archiveSize != length) archiveSize = LoadBigEndian(header + 4);
    const std::uint32_t count = LoadBigEndian(header + 8);
    const std::uint32_t headerLength = LoadBigEndian(header + 12);
    if (archiveSize > length || headerLength > length) return false;
    // Every record needs at least nine bytes: refuse an absurd count before
    // reserving anything for it.
    if (!checked_size::RecordsFit(HeaderBytes, count, RecordFixedBytes + 1, static_cast<std::uint64_t>(length))) return false;

    DirectoryCursor cursor(file, length);
    if (!ReadRecords(cursor, count, entries) || !ResolveOffsets(entries, cursor.Position(), length) ||
        !ReadUnpackedSizes(file, entries)) {
        entries.clear();
        return false;
    }
    return true;
}

}  // namespace big_directory
