// BMP and TGA import and export of CMireloFshImage. Files are parsed as
// untrusted bytes: every header field is checked against the file before
// anything is read.

#include <algorithm>
#include <cstring>
#include <iterator>

#include "archive/FshImage.h"
#include "core/CheckedSize.h"
#include "core/files/FileMessages.h"
#include "core/text/Format.h"
#include "platform/Platform.h"

namespace {

using Bytes = CMireloFshImage::Bytes;

constexpr std::size_t BmpHeadersSize = 54;
constexpr std::size_t TgaHeaderSize = 18;
constexpr std::uint8_t TgaFooter[26] = {0, 0, 0, 0, 0, 0, 0, 0, 'T', 'R', 'U', 'E', 'V', 'I', 'S', 'I', 'O',
                                        'N', '-', 'X', 'F', 'I', 'L', 'E', '.', 0};
constexpr std::uint32_t MaxDimension = 32767;

std::uint32_t Get16(std::span<const std::uint8_t> b, std::size_t at) { return b[at] | b[at + 1] << 8; }
std::uint32_t Get32(std::span<const std::uint8_t> b, std::size_t at)
{
    return Get16(b, at) | Get16(b, at + 2) << 16;
}
void Put16(Bytes& b, std::uint32_t v) { b.insert(b.end(), {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8)}); }
void Put32(Bytes& b, std::uint32_t v)
{
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}
void Set32(Bytes& b, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

std::uint8_t SwapNibbles(std::uint8_t v) { return static_cast<std::uint8_t>(v << 4 | v >> 4); }

// BMP palettes keep a reserved byte where the image keeps alpha: 0 is opaque.
Bytes BmpPalette(std::span<const std::uint8_t> entries)
{
    Bytes palette(entries.begin(), entries.end());
    for (std::size_t i = 3; i < palette.size(); i += 4) palette[i] = static_cast<std::uint8_t>(255 - palette[i]);
    return palette;
}

}  // namespace

bool CMireloFshImage::ImportBmp(std::span<const std::uint8_t> file, std::u16string_view name)
{
    Reset();
    const std::u16string corrupt = Format(u"%s has a unsupported format or is corrupt", name);
    if (file.size() < BmpHeadersSize) return Fail(corrupt);
    if (file[0] != 'B' || file[1] != 'M') return Fail(Format(u"%s is not a valid BMP file", name));
    if (Get32(file, 2) != file.size()) return Fail(Format(u"%s seem to be corrupt - can't import", name));
    const std::uint64_t infoSize = Get32(file, 14);
    const std::int32_t signedWidth = static_cast<std::int32_t>(Get32(file, 18));
    const std::int32_t signedHeight = static_cast<std::int32_t>(Get32(file, 22));
    const std::uint32_t bits = Get16(file, 28);
    if (bits == 0 || Get32(file, 30) != 0)
        return Fail(Format(u"%s is a compressed or unknown bitmap file - can't import", name));
    const bool topDown = signedHeight < 0;
    const std::int64_t width = signedWidth, height = topDown ? -std::int64_t{signedHeight} : signedHeight;
    if (infoSize < 40 || !checked_size::Fits(14, infoSize, file.size()) || width < 1 || height < 1 || width > MaxDimension || height > MaxDimension)
        return Fail(corrupt);
    std::uint8_t type = 0;
    switch (bits) {
    case 1: case 4: type = 0x7A; break;
    case 8: type = 0x7B; break;
    case 24: type = 0x7F; break;
    case 32: type = 0x7D; break;
    default: return Fail(Format(u"%s has an unsupported bitformat (%d bpp)", name, bits));
    }
    const std::size_t rowBytes = (width * bits + 31) / 32 * 4;
    const std::size_t offset = Get32(file, 10);
    if (!checked_size::RecordsFit(offset, static_cast<std::uint64_t>(height), rowBytes, file.size())) return Fail(corrupt);

    if (bits <= 8) {
        const std::size_t paletteAt = 14 + infoSize, used = Get32(file, 46);
        std::size_t count = used == 0 ? std::size_t{1} << bits : std::min(used, std::size_t{1} << bits);
        count = std::min(count, (file.size() - paletteAt) / 4);
        SetPalette(0x2A, BmpPalette(file.subspan(paletteAt, count * 4)), static_cast<std::uint16_t>(count), false);
    }
    Bytes pixels(PixelDataSize(type, static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height)));
    const std::size_t stride = pixels.size() / height;
    for (std::int64_t y = 0; y < height; ++y) {
        const std::uint8_t* row = &file[offset + rowBytes * (topDown ? y : height - 1 - y)];
        std::uint8_t* out = &pixels[stride * y];
        if (bits == 1) {
            for (std::int64_t x = 0; x < width; ++x) {
                const std::uint8_t bit = row[x / 8] >> (7 - x % 8) & 1;
                out[x / 2] |= static_cast<std::uint8_t>(x % 2 ? bit << 4 : bit);
            }
        } else if (bits == 4) {
            std::transform(row, row + stride, out, SwapNibbles);
        } else {
            std::copy(row, row + stride, out);
        }
    }
    SetPixels(type, std::move(pixels), static_cast<std::uint16_t>(width), static_cast<std::uint16_t>(height), false);
    return true;
}

bool CMireloFshImage::ExportBmp(Bytes& file, std::u16string_view name) const
{
    CMireloFshImage copy;
    copy.CopyFrom(*this);
    std::uint8_t type = 0;
    switch (type_) {
    case 0x6D: case 0x7D: case 0x7E: type = 0x7D; break;
    case 0x78: case 0x7F: type = 0x7F; break;
    case 0x7A: case 0x7B: type = type_; break;
    default: return Fail(u"Internal error! (BMP export code missing ]", 1);
    }
    const std::u16string imageName(name_, name_ + std::strlen(name_));
    if (!copy.Convert(type, 0x2A)) return Fail(Format(u"Error while converting image - can't export %s to %s", imageName, name));
    const std::uint32_t bits = type == 0x7D ? 32 : type == 0x7F ? 24 : type == 0x7A ? 4 : 8;
    const std::uint32_t rowBytes = (width_ * bits + 31) / 32 * 4;
    const bool indexed = IsIndexedType(type);
    file.clear();
    file.push_back('B');
    file.push_back('M');
    Put32(file, 0);
    Put32(file, 0);
    Put32(file, 0);
    for (std::uint32_t v : {40u, std::uint32_t{width_}, std::uint32_t{height_}}) Put32(file, v);
    Put16(file, 1);
    Put16(file, bits);
    for (std::uint32_t v : {0u, rowBytes * height_, 0u, 0u, indexed ? std::uint32_t{copy.paletteCount_} : 0u, 0u}) Put32(file, v);
    if (indexed) {
        const Bytes palette = BmpPalette(copy.palette_);
        file.insert(file.end(), palette.begin(), palette.end());
    }
    const std::size_t offset = file.size();
    const std::size_t stride = PixelDataSize(type, width_, 1);
    for (std::uint32_t y = height_; y-- > 0;) {
        const auto row = copy.pixels_.begin() + stride * y;
        const std::size_t start = file.size();
        if (bits == 4) std::transform(row, row + stride, std::back_inserter(file), SwapNibbles);
        else file.insert(file.end(), row, row + stride);
        file.resize(start + rowBytes, 0);
    }
    Set32(file, 2, static_cast<std::uint32_t>(file.size()));
    Set32(file, 10, static_cast<std::uint32_t>(offset));
    return true;
}

bool CMireloFshImage::ImportTga(std::span<const std::uint8_t> file, std::u16string_view name)
{
    Reset();
    const std::u16string invalid = Format(u"%s is not a valid TGA file", name);
    if (file.size() < sizeof TgaFooter || file.size() < TgaHeaderSize + file[0]) return Fail(invalid);
    const std::uint32_t mapType = file[1], imageType = file[2], mapLength = Get16(file, 5), entryBits = file[7];
    const std::uint32_t width = Get16(file, 12), height = Get16(file, 14), depth = file[16], descriptor = file[17];
    if (!std::equal(std::begin(TgaFooter), std::end(TgaFooter), file.end() - sizeof TgaFooter))
        Fail(Format(u"%s is not a newer TGA file - its recommed to save in the new format", name), 1);
    const bool accepted = mapType <= 1 && (imageType == 1 || imageType == 2) &&
                          (entryBits == 0 || entryBits == 24 || entryBits == 32) &&
                          (depth == 8 || depth == 24 || depth == 32) && !(descriptor & 0x10) &&
                          !(mapType == 1 && entryBits == 0) && mapLength <= 256 && width >= 1 && height >= 1 &&
                          width <= MaxDimension && height <= MaxDimension;
    if (!accepted) return Fail(Format(u"%s has an unsupported format", name));
    std::size_t at = TgaHeaderSize + file[0];
    if (mapType == 1) {
        const std::size_t mapBytes = mapLength * entryBits / 8;
        if (!checked_size::Fits(at, mapBytes, file.size())) return Fail(invalid);
        Bytes map(file.begin() + at, file.begin() + at + mapBytes);
        if (entryBits == 24)
            for (std::size_t i = 0; i + 2 < map.size(); i += 3) std::swap(map[i], map[i + 2]);
        SetPalette(entryBits == 24 ? 0x24 : 0x2A, std::move(map), static_cast<std::uint16_t>(mapLength), false);
        at += mapBytes;
    }
    const std::uint8_t type = depth == 8 ? 0x7B : depth == 24 ? 0x7F : 0x7D;
    const std::size_t rowBytes = std::size_t{width} * depth / 8;
    if (!checked_size::RecordsFit(at, height, rowBytes, file.size())) return Fail(invalid);
    Bytes pixels(rowBytes * height);
    const bool topDown = descriptor & 0x20;
    for (std::uint32_t y = 0; y < height; ++y) {
        const auto row = file.begin() + at + rowBytes * (topDown ? y : height - 1 - y);
        std::copy(row, row + rowBytes, pixels.begin() + rowBytes * y);
    }
    SetPixels(type, std::move(pixels), static_cast<std::uint16_t>(width), static_cast<std::uint16_t>(height), false);
    return true;
}

bool CMireloFshImage::ExportTga(Bytes& file, std::u16string_view name) const
{
    CMireloFshImage copy;
    copy.CopyFrom(*this);
    const std::uint8_t type = IsIndexedType(type_) ? 0x7B : type_ == 0x7F ? 0x7F : 0x7D;
    const std::u16string imageName(name_, name_ + std::strlen(name_));
    if (!copy.Convert(type, 0x2A)) return Fail(Format(u"Error while converting image - can't export %s to %s", imageName, name));
    const bool indexed = type == 0x7B;
    file.assign({0, static_cast<std::uint8_t>(indexed ? 1 : 0), static_cast<std::uint8_t>(indexed ? 1 : 2)});
    Put16(file, 0);
    Put16(file, indexed ? copy.paletteCount_ : 0);
    file.push_back(indexed ? 24 : 0);
    Put16(file, 0);
    Put16(file, 0);
    Put16(file, width_);
    Put16(file, height_);
    file.push_back(type == 0x7B ? 8 : type == 0x7F ? 24 : 32);
    file.push_back(0x20);
    for (std::size_t i = 0; indexed && i + 4 <= copy.palette_.size(); i += 4)
        file.insert(file.end(), copy.palette_.begin() + i, copy.palette_.begin() + i + 3);
    file.insert(file.end(), copy.pixels_.begin(), copy.pixels_.end());
    file.insert(file.end(), std::begin(TgaFooter), std::end(TgaFooter));
    return true;
}

bool CMireloFshImage::ImportFile(std::u16string_view path, bool tga)
{
    Bytes file;
    if (!platform::ReadWholeFile(path, file)) {
        Reset();
        if (!platform::FileExists(path)) ShowFileNotFound(std::u16string(path).c_str());
        else Fail(Format(u"Can't open %s for reading", path));
        return false;
    }
    return tga ? ImportTga(file, path) : ImportBmp(file, path);
}

bool CMireloFshImage::ExportFile(std::u16string_view path, bool tga) const
{
    Bytes file;
    if (!(tga ? ExportTga(file, path) : ExportBmp(file, path))) return false;
    if (!platform::WriteFileAtomic(path, file)) return Fail(Format(u"Can't open %s for writing", path));
    return true;
}

bool CMireloFshImage::ImportBmp(std::u16string_view path) { return ImportFile(path, false); }
bool CMireloFshImage::ImportTga(std::u16string_view path) { return ImportFile(path, true); }
bool CMireloFshImage::ExportBmp(std::u16string_view path) const { return ExportFile(path, false); }
bool CMireloFshImage::ExportTga(std::u16string_view path) const { return ExportFile(path, true); }

bool CMireloFshImage::Import(std::u16string_view path, int format)
{
    Reset();
    if (format == image_file_format::Unknown) format = GetImageFileFormat(path);
    if (format == image_file_format::Bmp) return ImportBmp(path);
    if (format == image_file_format::Tga) return ImportTga(path);
    return false;
}

bool CMireloFshImage::Export(std::u16string_view path, int format) const
{
    if (pixels_.empty()) return false;
    if (format == image_file_format::Unknown) format = GetImageFileFormat(path);
    if (format == image_file_format::Bmp) return ExportBmp(path);
    if (format == image_file_format::Tga) return ExportTga(path);
    return false;
}
