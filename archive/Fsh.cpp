#include "archive/Fsh.h"

#include <algorithm>
#include <cstring>

#include "archive/PackedData.h"
#include "core/AppMessage.h"
#include "core/CheckedSize.h"
#include "core/files/FileMessages.h"
#include "core/text/Format.h"
#include "platform/Platform.h"

namespace {

constexpr std::uint32_t HeaderSize = 16;
constexpr std::uint32_t RecordHeaderSize = 16;
constexpr std::uint8_t TextRecordType = 0x6F;
constexpr std::uint32_t MaxTextLength = 0xFFFFFF;
// The most a record's 24-bit size field can give.
constexpr std::uint64_t MaxRecordLength = 0xFFFFFF;

// What the palette's entries take.
std::uint64_t PaletteBytes(const CMireloFshImage& image)
{
    return std::uint64_t{image.GetPaletteCount()} * CMireloFshImage::PaletteEntrySize(image.GetPaletteType());
}

std::u16string Widen(std::string_view text)
{
    std::u16string wide;
    for (char c : text) wide.push_back(static_cast<unsigned char>(c));
    return wide;
}

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

bool NameBefore(const std::string& a, const std::string& b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return static_cast<unsigned char>(LowerAscii(x)) < static_cast<unsigned char>(LowerAscii(y)); });
}

// Directory names have four characters.
std::string EntryName(std::string_view name)
{
    std::string s(name.substr(0, 4));
    return s.substr(0, s.find('\0'));
}

std::uint32_t Get16(const CMireloFsh::Bytes& b, std::size_t at) { return b[at] | b[at + 1] << 8; }
std::uint32_t Get24(const CMireloFsh::Bytes& b, std::size_t at) { return b[at] | b[at + 1] << 8 | b[at + 2] << 16; }
std::uint32_t Get32(const CMireloFsh::Bytes& b, std::size_t at) { return Get24(b, at) | static_cast<std::uint32_t>(b[at + 3]) << 24; }

void Set32(CMireloFsh::Bytes& b, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

void PutRecordHeader(CMireloFsh::Bytes& out, std::uint8_t type, std::uint32_t blockSize, std::uint32_t width, std::uint32_t height)
{
    const std::uint8_t header[RecordHeaderSize] = {
        type, static_cast<std::uint8_t>(blockSize), static_cast<std::uint8_t>(blockSize >> 8), static_cast<std::uint8_t>(blockSize >> 16),
        static_cast<std::uint8_t>(width), static_cast<std::uint8_t>(width >> 8), static_cast<std::uint8_t>(height), static_cast<std::uint8_t>(height >> 8)};
    out.insert(out.end(), header, header + RecordHeaderSize);
}

// The trailing block of a container that has none: a palette record of 256
// opaque black entries.
CMireloFsh::Bytes DefaultPaletteRecord()
{
    CMireloFsh::Bytes record;
    PutRecordHeader(record, 0x2A, 0, 256, 1);
    record[8] = 0x00;
    record[9] = 0x01;
    for (int i = 0; i < 256; ++i) record.insert(record.end(), {0x00, 0x00, 0x00, 0xFF});
    return record;
}

void PadTo16(CMireloFsh::Bytes& b) { b.resize((b.size() + 15) & ~std::size_t{15}, 0); }

// The container's packed header: bit 0 of the first byte announces three
// more bytes behind the 24-bit size. Only for data of at least 5 bytes.
std::size_t PackedHeaderSize(std::span<const std::uint8_t> data)
{
    return !data.empty() && (data[0] & 1) ? 8 : packed_data::HeaderSize;
}
std::uint32_t PackedSize(std::span<const std::uint8_t> data)
{
    return static_cast<std::uint32_t>(data[2]) << 16 | static_cast<std::uint32_t>(data[3]) << 8 | data[4];
}

// Sizes beyond 32 bits cannot lie in a file; they reach callers as the
// largest size, which no read can satisfy.
std::uint32_t Saturated(std::uint64_t size) { return static_cast<std::uint32_t>(std::min<std::uint64_t>(size, UINT32_MAX)); }

}  // namespace

CMireloFsh::~CMireloFsh() { Close(); }

bool CMireloFsh::Report(const std::u16string& text, int level) const
{
    if (messageCallback) messageCallback(text, level);
    else ShowAppMessageBox(text.c_str(), level >= 2 ? AppMessage::IconError : AppMessage::IconWarning);
    return false;
}

bool CMireloFsh::Open(std::u16string_view path, int flags)
{
    if (path.empty()) return false;
    if (open_) Close();
    Bytes file;
    if (!platform::ReadWholeFile(path, file)) {
        if (!(flags & Create)) {
            if (!messageCallback && !platform::FileExists(path)) ShowFileNotFound(std::u16string(path).c_str());
            else Report(Format(u"Can't open %s for reading", path));
            return false;
        }
        file = {'S', 'H', 'P', 'I', 16, 0, 0, 0, 0, 0, 0, 0, 'G', 'I', 'M', 'X'};
        if (!platform::WriteFileAtomic(path, file)) return Report(Format(u"Can't create %s", path));
    }
    if (file.size() < HeaderSize) return Report(Format(u"%s seems to be a corrupt file", path));
    packed_ = IsPacked(file);
    if (packed_) {
        Bytes unpacked;
        if (!UnpackBuffer(file, unpacked)) return Report(u"Error while decompressing file");
        file = std::move(unpacked);
    }
    work_ = std::move(file);
    workingName_ = packedName_ = path;
    open_ = true;
    dirty_ = false;
    return Load();
}

bool CMireloFsh::Load()
{
    if (!open_) return false;
    if (!Flush() || !Parse()) {
        Release();
        return false;
    }
    return true;
}

bool CMireloFsh::Parse()
{
    directory_.clear();
    sortedOffsets_.clear();
    ownLengths_.clear();
    trailing_.clear();
    if (work_.empty()) return false;
    const std::u16string invalid = Format(u"%s is not a valid FSH file or has an unsupported format", workingName_);
    if (work_.size() < HeaderSize || std::memcmp(work_.data(), "SHPI", 4) != 0) return Report(invalid);
    totalSize_ = Get32(work_, 4);
    const std::int32_t count = static_cast<std::int32_t>(Get32(work_, 8));
    // A directory larger than the file would take picture bytes for records.
    if (count < 0 || !checked_size::RecordsFit(HeaderSize, static_cast<std::uint32_t>(count), 8, work_.size()))
        return Report(invalid);
    std::memcpy(directoryId_, &work_[12], 4);
    for (std::int32_t i = 0; i < count; ++i) {
        FshDirEntry entry;
        entry.recordPosition = static_cast<std::uint32_t>(HeaderSize + i * 8);
        std::memcpy(entry.name, &work_[entry.recordPosition], 4);
        entry.offset = Get32(work_, entry.recordPosition + 4);
        if (entry.offset > work_.size())
            return Report(Format(u"%s has an illegal offset", Widen(EntryName(entry.name))));
        directory_.push_back(entry);
    }
    for (int i = 0; i < GetCount(); ++i) {
        sortedOffsets_.push_back(directory_[i].offset);
        ownLengths_.push_back(MeasureOwnLength(i));
    }
    std::sort(sortedOffsets_.begin(), sortedOffsets_.end());
    // A total that cuts into an image is wrong: the images then run to the
    // file's end, and there is no trailing block.
    if (totalSize_ < ImagesEnd()) totalSize_ = static_cast<std::uint32_t>(work_.size());
    if (totalSize_ < work_.size()) trailing_.assign(work_.begin() + totalSize_, work_.end());
    return true;
}

void CMireloFsh::Release()
{
    open_ = packed_ = dirty_ = false;
    workingName_.clear();
    packedName_.clear();
    work_.clear();
    directory_.clear();
    sortedOffsets_.clear();
    ownLengths_.clear();
    queue_.clear();
    trailing_.clear();
    totalSize_ = 0;
}

bool CMireloFsh::Close()
{
    if (!open_) return true;
    bool ok = queue_.empty() || Flush();
    if (ok && dirty_) {
        // Data too large for the packed form is written as it is.
        Bytes packed;
        const bool packable = PackBuffer(work_, packed);
        if (!platform::WriteFileAtomic(packedName_, packable ? packed : work_)) {
            Report(Format(u"Can't open %s for writing - images are still in %s", packedName_, workingName_), 1);
            ok = false;
        }
    }
    Release();
    return ok;
}

int CMireloFsh::FindImage(std::string_view name) const
{
    for (std::size_t i = 0; i < directory_.size(); ++i)
        if (SameName(directory_[i].name, name)) return static_cast<int>(i);
    return -1;
}

const FshDirEntry* CMireloFsh::GetDirEntry(int index) const
{
    return index >= 0 && index < GetCount() ? &directory_[index] : nullptr;
}

std::uint64_t CMireloFsh::PixelRecordLength(std::uint64_t at) const
{
    if (!checked_size::Fits(at, RecordHeaderSize, work_.size())) return 0;
    const std::uint32_t block = Get24(work_, at + 1);
    if (block) return block;
    if (work_[at] & 0x80) return 0;
    const std::uint64_t data = CMireloFshImage::PixelDataSize(work_[at], Get16(work_, at + 4), Get16(work_, at + 6));
    return data ? RecordHeaderSize + data : 0;
}

std::uint64_t CMireloFsh::PaletteRecordLength(std::uint64_t at) const
{
    if (!checked_size::Fits(at, RecordHeaderSize, work_.size())) return 0;
    const std::uint32_t block = Get24(work_, at + 1);
    if (block) return block;
    if (work_[at] & 0x50) return 0;
    const std::int16_t count = static_cast<std::int16_t>(Get16(work_, at + 4));
    const std::int64_t length = RecordHeaderSize + std::int64_t{count} * CMireloFshImage::PaletteEntrySize(work_[at]);
    return length > 0 ? static_cast<std::uint64_t>(length) : 0;
}

std::uint64_t CMireloFsh::MeasureOwnLength(int index) const
{
    const std::uint64_t at = directory_[index].offset;
    if (!checked_size::Fits(at, RecordHeaderSize, work_.size())) return 0;
    const std::uint8_t type = work_[at] & 0x7F;
    const bool packed = work_[at] & 0x80;
    const std::uint32_t block = Get24(work_, at + 1);
    const std::uint64_t needed = CMireloFshImage::PixelDataSize(type, Get16(work_, at + 4), Get16(work_, at + 6));
    const std::uint64_t rest = work_.size() - at - RecordHeaderSize;
    // Where GetImage looks for the palette, and how far the pixel record
    // reaches: never less than its pixel data, or than a packed record's
    // stream where no block size gives its length.
    std::uint64_t pixelEnd = RecordHeaderSize + (block ? block - std::min<std::uint32_t>(block, RecordHeaderSize) : needed);
    if (packed) pixelEnd = std::min(pixelEnd, RecordHeaderSize + rest);
    std::uint64_t length = packed ? pixelEnd : std::max(pixelEnd, RecordHeaderSize + needed);
    if (packed && block == 0) {
        const auto stream = std::span<const std::uint8_t>(work_).subspan(at + RecordHeaderSize, pixelEnd - RecordHeaderSize);
        length = stream.size() >= PackedHeaderSize(stream)
                     ? RecordHeaderSize + packed_data::StreamEnd(stream, PackedHeaderSize(stream), PackedSize(stream))
                     : pixelEnd;
    }
    // The palette and its text as GetImage reads them.
    const std::uint64_t palette = at + pixelEnd;
    if (CMireloFshImage::IsIndexedType(type) && checked_size::Fits(palette, RecordHeaderSize, work_.size()) &&
        CMireloFshImage::IsValidType(work_[palette] & 0x7F, true)) {
        const std::uint32_t paletteBlock = Get24(work_, palette + 1);
        length = pixelEnd + (paletteBlock > RecordHeaderSize
                                 ? paletteBlock
                                 : RecordHeaderSize + std::uint64_t{Get16(work_, palette + 4)} *
                                                          CMireloFshImage::PaletteEntrySize(work_[palette] & 0x7F));
        if (checked_size::Fits(at + length, 8, work_.size()) && work_[at + length] == TextRecordType) {
            const std::uint32_t text = Get32(work_, at + length + 4);
            if (text >= 1 && text <= MaxTextLength) length += 8 + text;
        }
    }
    return std::min<std::uint64_t>(length, work_.size() - at);
}

std::uint64_t CMireloFsh::ImagesEnd() const
{
    std::uint64_t end = 0;
    for (int i = 0; i < GetCount(); ++i) end = std::max(end, directory_[i].offset + std::max<std::uint64_t>(ownLengths_[i], 1));
    return end;
}

std::uint64_t CMireloFsh::RoomOf(int index) const
{
    const std::uint32_t offset = directory_[index].offset;
    std::uint64_t end = std::min<std::uint64_t>(totalSize_, work_.size());
    const auto next = std::upper_bound(sortedOffsets_.begin(), sortedOffsets_.end(), offset);
    if (next != sortedOffsets_.end()) end = std::min<std::uint64_t>(end, *next);
    const std::uint64_t room = end > offset ? end - offset : 0;
    return std::max(room, ownLengths_[index]);
}

bool CMireloFsh::SharesRoom(int index) const
{
    const std::uint64_t begin = directory_[index].offset, end = begin + RoomOf(index);
    const auto first = std::lower_bound(sortedOffsets_.begin(), sortedOffsets_.end(), begin);
    const auto last = std::lower_bound(first, sortedOffsets_.end(), end);
    // The image's own offset is among them once.
    return last - first > 1;
}

std::uint32_t CMireloFsh::GetImageSize(int index, int mode) const
{
    const FshDirEntry* entry = GetDirEntry(index);
    if (!entry || !open_) return 0;
    if (mode < DataSize || mode > Room) {
        Report(Format(u"Error - unknown size format: %d", mode));
        return 0;
    }
    if (mode == Room) return static_cast<std::uint32_t>(RoomOf(index));
    const std::uint64_t length = PixelRecordLength(entry->offset);
    if (length == 0) return 0;
    if (mode == DataSize) return Saturated(length > RecordHeaderSize ? length - RecordHeaderSize : length);
    const std::uint8_t type = work_[entry->offset] & 0x7F;
    if (!CMireloFshImage::IsIndexedType(type)) return mode == PaletteSize ? 0 : Saturated(length);
    const std::uint64_t paletteAt = entry->offset + length;
    if (!checked_size::Fits(paletteAt, RecordHeaderSize, work_.size())) return mode == PaletteSize ? 0 : Saturated(length);
    const std::uint64_t palette = PaletteRecordLength(paletteAt);
    if (mode == PaletteSize) return Saturated(palette > RecordHeaderSize ? palette - RecordHeaderSize : 0);
    return palette > RecordHeaderSize ? Saturated(length + palette) : 0;
}

bool CMireloFsh::ReadImage(int index, Bytes& data) const
{
    data.clear();
    const std::uint32_t size = GetImageSize(index, WholeImage);
    if (size == 0) return false;
    const std::uint32_t at = directory_[index].offset;
    if (std::uint64_t{at} + size > work_.size())
        return Report(Format(u"Can't seek to position - maybe file %s is corrupt", workingName_));
    data.assign(work_.begin() + at, work_.begin() + at + size);
    return true;
}

bool CMireloFsh::GetImage(CMireloFshImage& image, std::string_view name)
{
    const std::string own = image.GetName();
    return GetImage(image, FindImage(name.empty() ? std::string_view(own) : name));
}

bool CMireloFsh::GetImage(CMireloFshImage& image, int index)
{
    image.Reset();
    const FshDirEntry* entry = GetDirEntry(index);
    if (!entry) return false;
    const std::string name = EntryName(entry->name);
    image.SetName(name.c_str());
    const std::u16string wideName = Widen(name);
    if (!Flush()) return Report(Format(u"Can't get image %s - Queue damaged", wideName));
    if (!(entry = GetDirEntry(FindImage(name)))) return false;

    const std::u16string noSize = Format(u"Can't determinate the size of %s", wideName);
    std::size_t at = entry->offset;
    if (!checked_size::Fits(at, RecordHeaderSize, work_.size())) return Report(noSize);
    const std::uint8_t type = work_[at] & 0x7F;
    const bool packed = work_[at] & 0x80;
    const std::u16string unsupported = Format(u"%s has an unsupported type (%d)", wideName, type);
    if (!CMireloFshImage::IsValidType(type, false)) return Report(unsupported);
    const std::uint32_t block = Get24(work_, at + 1);
    const std::uint16_t width = static_cast<std::uint16_t>(Get16(work_, at + 4));
    const std::uint16_t height = static_cast<std::uint16_t>(Get16(work_, at + 6));
    const std::uint64_t needed = CMireloFshImage::PixelDataSize(type, width, height);
    if ((block >= 1 && block <= RecordHeaderSize) || (block == 0 && needed == 0)) return Report(noSize);
    at += RecordHeaderSize;
    std::uint64_t size = block ? block - RecordHeaderSize : needed;
    // A packed record's stream cannot run past the file.
    if (packed) size = std::min<std::uint64_t>(size, work_.size() - at);
    // Pixel data that its record or the file cannot hold is not an image we can use.
    if (!packed && (needed > size || !checked_size::Fits(at, size, work_.size()))) return Report(unsupported);
    Bytes data(work_.begin() + at, work_.begin() + at + size);
    if (packed && !UnpackBuffer(data, data)) return false;
    if (data.size() < needed) return Report(unsupported);
    image.SetPixels(type, std::move(data), width, height, packed);
    at += size;
    if (!image.HasPalette() || !checked_size::Fits(at, RecordHeaderSize, work_.size())) return true;

    const std::uint8_t paletteType = work_[at] & 0x7F;
    const bool palettePacked = work_[at] & 0x80;
    if (!CMireloFshImage::IsValidType(paletteType, true)) return true;
    const std::uint32_t paletteBlock = Get24(work_, at + 1);
    const std::uint16_t count = static_cast<std::uint16_t>(Get16(work_, at + 4));
    const std::uint32_t paletteNeeded = count * CMireloFshImage::PaletteEntrySize(paletteType);
    std::size_t paletteSize = paletteBlock > RecordHeaderSize ? paletteBlock - RecordHeaderSize : paletteNeeded;
    const std::u16string noPaletteSize = Format(u"Can't determinate the palettesize of %s", wideName);
    if (paletteBlock >= 1 && paletteBlock <= RecordHeaderSize) paletteSize = 0;
    at += RecordHeaderSize;
    if (palettePacked) paletteSize = std::min(paletteSize, work_.size() - at);
    if (paletteSize == 0 || !checked_size::Fits(at, paletteSize, work_.size())) return Report(noPaletteSize);
    Bytes palette(work_.begin() + at, work_.begin() + at + paletteSize);
    if (palettePacked && !UnpackBuffer(palette, palette)) return false;
    if (palette.size() < paletteNeeded) return Report(noPaletteSize);
    image.SetPalette(paletteType, std::move(palette), count, palettePacked);
    at += paletteSize;

    if (checked_size::Fits(at, 8, work_.size()) && work_[at] == TextRecordType) {
        const std::uint32_t length = Get32(work_, at + 4);
        if (length >= 1 && length <= MaxTextLength && checked_size::Fits(at + 8, length, work_.size()))
            image.SetText(std::string(work_.begin() + at + 8, work_.begin() + at + 8 + length).c_str());
    }
    return true;
}

std::u16string CMireloFsh::Refusal(const CMireloFshImage& image)
{
    const std::u16string name = Widen(EntryName(image.GetName()));
    const std::uint64_t pixels = image.GetData().size();
    if (pixels == 0 || (image.HasPalette() && image.GetPaletteData().empty()))
        return Format(u"%s has no pixel data or no palette and is not stored", name);
    // What the reader would refuse, or read without its palette.
    if (!CMireloFshImage::IsValidType(image.GetType(), false) ||
        (image.HasPalette() && !CMireloFshImage::IsValidType(image.GetPaletteType(), true)))
        return Format(u"%s has an unsupported type and is not stored", name);
    const std::uint64_t needed = CMireloFshImage::PixelDataSize(image.GetType(), image.GetWidth(), image.GetHeight());
    if (pixels < needed) return Format(u"%s has less pixel data than its size needs and is not stored", name);
    // A palette record of no entries gives no size to read it by.
    if (image.HasPalette() && image.GetPaletteCount() == 0)
        return Format(u"%s has a palette of 0 entries and is not stored", name);
    if (image.HasPalette() && image.GetPaletteData().size() < PaletteBytes(image))
        return Format(u"%s has fewer palette bytes than its entries need and is not stored", name);
    // A pixel record longer than its 24-bit size field is read by the size
    // its type and dimensions give, which must then be that of its data.
    if (pixels + RecordHeaderSize > MaxRecordLength && pixels != needed)
        return Format(u"%s has 16 MB of pixel data or more, which its dimensions do not give, and is not stored", name);
    return {};
}

bool CMireloFsh::CanStore(const CMireloFshImage& image)
{
    return Refusal(image).empty();
}

void CMireloFsh::AddImage(const CMireloFshImage& image, unsigned flags)
{
    if (const std::u16string refusal = Refusal(image); !refusal.empty()) {
        Report(refusal, 1);
        return;
    }
    Bytes records;
    auto addRecord = [&](const Bytes& data, bool pack, std::uint8_t type, std::uint32_t width, std::uint32_t height, bool blockSize) {
        Bytes packed;
        // A packed stream is read by its record's size alone: one too long
        // for the size field is stored raw.
        const bool isPacked = pack && PackBuffer(data, packed) && packed.size() + RecordHeaderSize <= MaxRecordLength;
        const Bytes& stored = isPacked ? packed : data;
        const std::uint64_t length = stored.size() + RecordHeaderSize;
        const bool fits = length <= MaxRecordLength;
        PutRecordHeader(records, static_cast<std::uint8_t>(type | (isPacked ? 0x80 : 0)),
                        (blockSize || isPacked) && fits ? static_cast<std::uint32_t>(length) : 0, width, height);
        records.insert(records.end(), stored.begin(), stored.end());
    };
    addRecord(image.GetData(), image.IsPacked(), image.GetType(), image.GetWidth(), image.GetHeight(), true);
    // A packed palette gets its block size: its length follows from nothing
    // else; so does a palette of more bytes than its entries need.
    if (image.HasPalette())
        addRecord(image.GetPaletteData(), image.IsPalettePacked(), image.GetPaletteType(), image.GetPaletteCount(), 1,
                  image.GetPaletteData().size() != PaletteBytes(image));
    QueueImage(image.GetName(), flags, std::move(records));
}

void CMireloFsh::DeleteImage(int index)
{
    if (const FshDirEntry* entry = GetDirEntry(index)) DeleteImage(EntryName(entry->name));
}

void CMireloFsh::QueueImage(std::string_view fullName, unsigned flags, Bytes data)
{
    const std::string name = EntryName(fullName);
    if (name.empty() || !open_) return;
    dirty_ = true;
    queue_.remove_if([&](const QueuedChange& change) { return SameName(change.name, name); });
    const int index = FindImage(name);
    // In place only where no other image would be overwritten.
    if (index >= 0 && (flags & QueueAdd) && !data.empty() && data.size() <= RoomOf(index) && !SharesRoom(index)) {
        Bytes changed = work_;
        const std::uint32_t at = directory_[index].offset;
        std::fill_n(changed.begin() + at, RoomOf(index), std::uint8_t{0});
        std::copy(data.begin(), data.end(), changed.begin() + at);
        if (StoreWorkingCopy(changed)) work_ = std::move(changed);
        else Report(Format(u"Can't open %s for output", workingName_));
        return;
    }
    QueuedChange change{name, flags, {}};
    if (!(flags & QueueDelete)) change.data = std::move(data);
    queue_.push_back(std::move(change));
}

bool CMireloFsh::RenameImage(int index, std::string_view newName)
{
    const FshDirEntry* entry = GetDirEntry(index);
    const std::string name = EntryName(newName);
    if (!entry) return false;
    const int taken = FindImage(name);
    if (taken >= 0 && taken != index) return false;
    Bytes changed = work_;
    for (std::size_t i = 0; i < 4; ++i) changed[entry->recordPosition + i] = i < name.size() ? name[i] : 0;
    if (!StoreWorkingCopy(changed)) return false;
    work_ = std::move(changed);
    std::memset(directory_[index].name, 0, 5);
    std::memcpy(directory_[index].name, name.data(), name.size());
    // The working copy of a packed container is saved only when dirty.
    if (packed_) dirty_ = true;
    return true;
}

bool CMireloFsh::StoreWorkingCopy(const Bytes& bytes)
{
    return packed_ || platform::WriteFileAtomic(workingName_, bytes);
}

void CMireloFsh::BuildCommitted(Bytes& out)
{
    // Additions without data are dropped here, so every counted image is written.
    for (auto it = queue_.begin(); it != queue_.end();) {
        if ((it->flags & QueueAdd) && it->data.empty()) {
            Report(Format(u"Queued item %s has no data", Widen(it->name)), 1);
            it = queue_.erase(it);
        } else {
            ++it;
        }
    }
    auto queued = [&](const std::string& name) {
        return std::find_if(queue_.begin(), queue_.end(), [&](const QueuedChange& c) { return SameName(c.name, name); });
    };
    // Each written image: its name, and either a queued change or a directory index.
    struct Written {
        std::string name;
        const QueuedChange* change;
        int index;
    };
    std::vector<Written> images;
    for (const QueuedChange& change : queue_)
        if ((change.flags & QueueAdd) && FindImage(change.name) < 0) images.push_back({change.name, &change, -1});
    for (int i = 0; i < GetCount(); ++i) {
        const std::string name = EntryName(directory_[i].name);
        const auto change = queued(name);
        if (change == queue_.end()) images.push_back({name, nullptr, i});
        else if (change->flags & QueueAdd) images.push_back({name, FindImage(name) == i ? &*change : nullptr, i});
    }
    std::stable_sort(images.begin(), images.end(), [](const Written& a, const Written& b) { return NameBefore(a.name, b.name); });

    const std::uint32_t count = static_cast<std::uint32_t>(images.size());
    out.assign(HeaderSize + count * 8 + (16 - count * 8 % 16), 0);
    std::vector<std::uint32_t> offsets;
    for (const Written& image : images) {
        PadTo16(out);
        offsets.push_back(static_cast<std::uint32_t>(out.size()));
        if (image.change) {
            out.insert(out.end(), image.change->data.begin(), image.change->data.end());
            continue;
        }
        // The whole room: never less than the image's own records, so text
        // records and packed palettes come along, and an image that another
        // one's entry points into keeps its bytes.
        const std::uint32_t at = directory_[image.index].offset;
        const std::uint64_t room = RoomOf(image.index);
        out.insert(out.end(), work_.begin() + at, work_.begin() + at + static_cast<std::ptrdiff_t>(room));
    }
    PadTo16(out);
    const std::uint32_t total = static_cast<std::uint32_t>(out.size());
    const Bytes trailing = trailing_.empty() ? DefaultPaletteRecord() : trailing_;
    out.insert(out.end(), trailing.begin(), trailing.end());
    std::memcpy(out.data(), "SHPI", 4);
    Set32(out, 4, total);
    Set32(out, 8, count);
    std::memcpy(&out[12], "GIMX", 4);
    for (std::uint32_t i = 0; i < count; ++i) {
        std::memcpy(&out[HeaderSize + i * 8], images[i].name.data(), images[i].name.size());
        Set32(out, HeaderSize + i * 8 + 4, offsets[i]);
    }
}

bool CMireloFsh::Flush()
{
    if (queue_.empty() || !open_) return true;
    Bytes committed;
    BuildCommitted(committed);
    if (!StoreWorkingCopy(committed))
        return Report(Format(u"Unable to open temporary file %s - all modifications will be lost", workingName_));
    work_ = std::move(committed);
    queue_.clear();
    return Parse();
}

bool CMireloFsh::UnpackBuffer(std::span<const std::uint8_t> data, Bytes& output)
{
    // The magic is the caller's to test.
    const std::size_t headerSize = PackedHeaderSize(data);
    if (data.size() < headerSize) return false;
    const std::uint32_t size = PackedSize(data);
    Bytes unpacked(size, 0);
    const std::size_t written = packed_data::DecodeOperations(data, headerSize, unpacked).written;
    if (written != size)
        Report(Format(u"Warning: bad length ? %d instead of %d\n", static_cast<std::uint32_t>(written), size), 1);
    output = std::move(unpacked);
    return true;
}

bool CMireloFsh::PackBuffer(std::span<const std::uint8_t> input, Bytes& output)
{
    if (input.empty()) {
        output = {0x10, 0xFB, 0x00, 0x00, 0x00, 0xFC};
        return true;
    }
    Bytes packed;
    if (!Pack(input, packed)) return false;
    output = std::move(packed);
    return true;
}
