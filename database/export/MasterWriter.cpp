#include "database/export/MasterWriter.h"

#include <cstring>
#include <new>
#include <vector>

#include "core/text/TextTools.h"
#include "database/world/DatabaseVersion.h"

CMasterWriter::CMasterWriter()
{
    std::memcpy(header_, "HVDB", 4);
    StoreHeaderU32(4, TDatabaseVersion::ProgramVersion);
}

void CMasterWriter::StoreHeaderU32(std::size_t offset, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i) header_[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

void CMasterWriter::WriteU16(std::uint16_t value)
{
    const std::uint8_t bytes[2] = {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8)};
    WriteBytes(bytes, 2);
}

void CMasterWriter::WriteU16Array(const std::uint16_t* values, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) WriteU16(values[i]);
}

void CMasterWriter::WriteU32(std::uint32_t value)
{
    std::uint8_t bytes[4];
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
    WriteBytes(bytes, 4);
}

void CMasterWriter::WriteU32Array(const std::uint32_t* values, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) WriteU32(values[i]);
}

void CMasterWriter::WriteU64(std::uint32_t low, std::uint32_t high)
{
    WriteU32(low);
    WriteU32(high);
}

void CMasterWriter::WriteF32(float value)
{
    std::uint32_t bits = 0;
    static_assert(sizeof bits == sizeof value);
    std::memcpy(&bits, &value, sizeof bits);
    WriteU32(bits);
}

void CMasterWriter::WriteBytes(const void* data, std::size_t count)
{
    if (!buffer_) {
        AddSize(count);
        return;
    }
    if (count > size_ - position_) {
        overrun_ = true;
        return;
    }
    if (count > 0) std::memcpy(buffer_.get() + position_, data, count);
    position_ += static_cast<std::uint32_t>(count);
}

void CMasterWriter::WriteBlock(const void* data, std::size_t count)
{
    WriteU32(static_cast<std::uint32_t>(count));
    WriteBytes(data, count);
}

void CMasterWriter::WriteString(std::u16string_view text)
{
    const std::u16string terminated(text);
    std::vector<std::uint8_t> bytes(terminated.size() + 1);
    ToGameCodepage(terminated.c_str(), bytes.data(), bytes.size());
    WriteBytes(bytes.data(), bytes.size());
}

void CMasterWriter::AddSize(std::size_t count)
{
    size_ += static_cast<std::uint32_t>(count);
}

bool CMasterWriter::Allocate()
{
    if (size_ < 1 || buffer_) return false;
    buffer_.reset(new (std::nothrow) std::uint8_t[size_]());
    position_ = 0;
    return buffer_ != nullptr;
}

std::vector<std::uint8_t> CMasterWriter::GetFileBytes()
{
    if (!IsComplete()) return {};
    StoreHeaderU32(8, size_);
    StoreHeaderU32(12, Checksum());
    std::vector<std::uint8_t> bytes(header_, header_ + HeaderSize);
    bytes.insert(bytes.end(), buffer_.get(), buffer_.get() + size_);
    return bytes;
}

bool CMasterWriter::Open(std::u16string_view path)
{
    if (!Allocate()) return false;
    if (!file_.Open(path)) {
        buffer_.reset();
        return false;
    }
    return true;
}

bool CMasterWriter::Flush()
{
    if (!file_.IsOpen() || overrun_ || position_ != size_) return false;
    StoreHeaderU32(8, size_);
    StoreHeaderU32(12, Checksum());
    flushed_ = file_.Write(header_, HeaderSize) && file_.Write(buffer_.get(), size_);
    return flushed_;
}

std::uint32_t CMasterWriter::Checksum() const
{
    return buffer_ ? Checksum(buffer_.get(), size_) : 0;
}

std::uint32_t CMasterWriter::Checksum(const std::uint8_t* data, std::size_t count)
{
    std::uint32_t hash = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const auto signedByte = static_cast<std::int32_t>(static_cast<std::int8_t>(data[i]));
        hash = (hash * 37 + static_cast<std::uint32_t>(signedByte)) & 0x0FFFFFFF;
    }
    return hash;
}

bool CMasterWriter::Close()
{
    bool ok = true;
    if (flushed_) {
        ok = file_.Commit();
    } else if (file_.IsOpen()) {
        file_.Discard();
        ok = false;
    }
    flushed_ = false;
    buffer_.reset();
    return ok;
}
