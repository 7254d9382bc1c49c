#include "archive/TgaDib.h"

#include <algorithm>
#include <cstring>

#include "core/CheckedSize.h"
#include "platform/Platform.h"

namespace {

void PutU16(std::uint8_t* at, std::uint32_t value)
{
    at[0] = static_cast<std::uint8_t>(value);
    at[1] = static_cast<std::uint8_t>(value >> 8);
}

void PutU32(std::uint8_t* at, std::uint32_t value)
{
    PutU16(at, value);
    PutU16(at + 2, value >> 16);
}

std::uint32_t GetU16(const std::uint8_t* at) { return at[0] | std::uint32_t{at[1]} << 8; }
std::uint32_t GetU32(const std::uint8_t* at) { return GetU16(at) | GetU16(at + 2) << 16; }

constexpr int RleTrueColour = 10;
constexpr std::uint8_t TopOriginBit = 0x20;

struct TgaHeader {
    int imageType = 0;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    int depth = 0;
    bool topOrigin = false;
    // Where the pixels begin: behind header, ID and colour map.
    std::size_t pixelStart = 0;
};

bool ReadTgaHeader(std::span<const std::uint8_t> tga, TgaHeader& header)
{
    if (tga.size() < 18 || tga.size() < 18u + tga[0]) return false;
    header.imageType = tga[2];
    header.width = GetU16(&tga[12]);
    header.height = GetU16(&tga[14]);
    header.depth = tga[16];
    header.topOrigin = (tga[17] & TopOriginBit) != 0;
    header.pixelStart = 18u + tga[0];
    // At most 65535 entries of 32 bytes: no product here can wrap.
    if (tga[1] == 1) header.pixelStart += std::size_t{GetU16(&tga[5])} * ((tga[7] + 7u) / 8u);
    return header.width > 0 && header.height > 0;
}

bool IsConvertedDepth(int depth) { return depth == 16 || depth == 24 || depth == 32; }

// Stores one TGA pixel of the given depth as B, G, R.
void StoreBgr(const std::uint8_t* pixel, int depth, std::uint8_t* dest)
{
    if (depth == 16) {
        const std::uint32_t p = GetU16(pixel);
        dest[0] = static_cast<std::uint8_t>(p << 3);
        dest[1] = static_cast<std::uint8_t>((p >> 2) & 0xF8);
        dest[2] = static_cast<std::uint8_t>((p >> 7) & 0xF8);
    } else {
        dest[0] = pixel[0];
        dest[1] = pixel[1];
        dest[2] = pixel[2];
    }
}

// Writes decoded pixels into the rows of the image, in the order the TGA
// stores them.
class PixelSink {
public:
    PixelSink(TDibImage& image, const TgaHeader& header, bool alphaMode)
        : image_(image), header_(header), alphaMode_(alphaMode)
    {
    }
    bool Full() const { return y_ >= header_.height; }
    void Put(const std::uint8_t* pixel)
    {
        if (Full()) return;
        if (alphaMode_) {
            RowStart()[x_] = pixel[3];
        } else {
            StoreBgr(pixel, header_.depth, RowStart() + std::size_t{x_} * 3);
        }
        if (++x_ == header_.width) {
            x_ = 0;
            ++y_;
        }
    }

private:
    std::uint8_t* RowStart() { return image_.Row(header_.topOrigin ? header_.height - 1 - y_ : y_); }

    TDibImage& image_;
    const TgaHeader& header_;
    bool alphaMode_;
    std::uint32_t x_ = 0;
    std::uint32_t y_ = 0;
};

template <std::size_t PixelSize>
bool ReadTgaRlePacket(CByteCursor& input, std::uint8_t& count, std::uint8_t (&pixels)[TgaPacketPixels * PixelSize])
{
    count = 0;
    std::uint8_t head = 0;
    if (!input.ReadByte(head)) return false;
    const std::uint8_t length = static_cast<std::uint8_t>((head & 0x7F) + 1);
    if ((head & 0x80) == 0) {
        // A raw packet cut short still gives the pixels it holds whole.
        const std::size_t whole = std::min<std::size_t>(length, input.Remaining() / PixelSize);
        input.Read(pixels, whole * PixelSize);
        count = static_cast<std::uint8_t>(whole);
        if (whole < length) {
            input.Skip(input.Remaining());
            return false;
        }
    } else {
        if (!input.Read(pixels, PixelSize)) return false;
        for (int k = 1; k < length; ++k) std::memcpy(pixels + k * PixelSize, pixels, PixelSize);
    }
    count = length;
    return true;
}

template <std::size_t PixelSize>
void DecodeRle(CByteCursor& input, PixelSink& sink)
{
    std::uint8_t pixels[TgaPacketPixels * PixelSize];
    std::uint8_t count = 0;
    bool whole = true;
    while (whole && !sink.Full()) {
        whole = ReadTgaRlePacket<PixelSize>(input, count, pixels);
        for (int k = 0; k < count; ++k) sink.Put(pixels + k * PixelSize);
    }
}

void DecodeRaw(CByteCursor& input, std::size_t pixelSize, PixelSink& sink)
{
    while (!sink.Full()) {
        const auto pixel = input.Take(pixelSize);
        if (pixel.empty()) return;
        sink.Put(pixel.data());
    }
}

std::unique_ptr<TDibImage> Convert(std::span<const std::uint8_t> tga, bool alphaMode)
{
    TgaHeader header;
    if (!ReadTgaHeader(tga, header)) return nullptr;
    if (alphaMode && (header.imageType != 2 || header.depth != 32)) return nullptr;
    auto image = TDibImage::Create(header.width, header.height, alphaMode ? 8 : 24);
    if (image) ConvertTgaToDib(*image, tga, alphaMode);
    return image;
}

}  // namespace

std::uint32_t TDibImage::RowStride(std::uint32_t width, int bitCount)
{
    const std::uint64_t bytes = bitCount == 8 ? width : std::uint64_t{width} * 3;
    return static_cast<std::uint32_t>((bytes + 3) & ~std::uint64_t{3});
}

std::unique_ptr<TDibImage> TDibImage::Create(std::uint32_t width, std::uint32_t height, int bitCount)
{
    if (width == 0 || height == 0 || width > 0x7FFFFFFF || height > 0x7FFFFFFF) return nullptr;
    if (bitCount != 8 && bitCount != 24) return nullptr;
    const std::uint32_t offset = FileHeaderSize + InfoHeaderSize + (bitCount == 8 ? PaletteSize : 0);
    const auto rows = checked_size::Product({RowStride(width, bitCount), height}, MaxFileSize - offset);
    if (!rows) return nullptr;
    const std::uint64_t size = offset + *rows;
    std::unique_ptr<TDibImage> image(new TDibImage);
    auto& b = image->bytes_;
    b.assign(static_cast<std::size_t>(size), 0);
    b[0] = 'B';
    b[1] = 'M';
    PutU32(&b[2], static_cast<std::uint32_t>(size));
    PutU32(&b[10], offset);
    PutU32(&b[14], InfoHeaderSize);
    PutU32(&b[18], width);
    PutU32(&b[22], height);
    PutU16(&b[26], 1);
    PutU16(&b[28], static_cast<std::uint32_t>(bitCount));
    PutU32(&b[34], static_cast<std::uint32_t>(size - offset));
    if (bitCount == 8) {
        for (std::uint32_t i = 0; i < 256; ++i) std::memset(&b[54 + 4 * i], static_cast<int>(i), 3);
    }
    return image;
}

const std::uint8_t* TDibImage::Palette() const
{
    return BitCount() == 8 ? bytes_.data() + FileHeaderSize + InfoHeaderSize : nullptr;
}

std::uint32_t TDibImage::PixelOffset() const { return GetU32(&bytes_[10]); }
std::int32_t TDibImage::Width() const { return static_cast<std::int32_t>(GetU32(&bytes_[18])); }
std::int32_t TDibImage::Height() const { return static_cast<std::int32_t>(GetU32(&bytes_[22])); }
int TDibImage::BitCount() const { return static_cast<int>(GetU16(&bytes_[28])); }

std::uint64_t DibFileSize(const TDibImage& image)
{
    const std::int64_t height = image.Height();
    return image.PixelOffset() + static_cast<std::uint64_t>(height < 0 ? -height : height) * image.Stride();
}

void ConvertTgaToDib(TDibImage& image, std::span<const std::uint8_t> tga, bool alphaMode)
{
    TgaHeader header;
    if (!ReadTgaHeader(tga, header) || !IsConvertedDepth(header.depth)) return;
    if (header.width != static_cast<std::uint32_t>(image.Width()) ||
        header.height != static_cast<std::uint32_t>(image.Height()) || image.BitCount() != (alphaMode ? 8 : 24)) {
        return;
    }
    if (!checked_size::Fits(header.pixelStart, 1, tga.size())) return;
    CByteCursor input(tga.subspan(header.pixelStart));
    PixelSink sink(image, header, alphaMode);
    const std::size_t pixelSize = static_cast<std::size_t>(header.depth) / 8;
    if (header.imageType != RleTrueColour || alphaMode) {
        DecodeRaw(input, pixelSize, sink);
    } else if (pixelSize == 4) {
        DecodeRle<4>(input, sink);
    } else if (pixelSize == 3) {
        DecodeRle<3>(input, sink);
    } else {
        DecodeRle<2>(input, sink);
    }
}

std::unique_ptr<TDibImage> ConvertTgaToBmp24(const std::uint8_t* data, std::size_t size)
{
    if (data == nullptr) return nullptr;
    return Convert({data, size}, false);
}

std::unique_ptr<TDibImage> ConvertTgaAlphaToBmp8(const std::uint8_t* data, std::size_t size)
{
    if (data == nullptr) return nullptr;
    return Convert({data, size}, true);
}

std::unique_ptr<TDibImage> LoadTgaDibFromMemory(std::span<const std::uint8_t> tga)
{
    return ConvertTgaToBmp24(tga.data(), tga.size());
}

std::unique_ptr<TDibImage> LoadTgaDibFromFile(std::u16string_view path)
{
    std::vector<std::uint8_t> bytes;
    if (path.empty() || !platform::ReadWholeFile(path, bytes)) return nullptr;
    return LoadTgaDibFromMemory(bytes);
}

bool ReadTgaRlePacket32(CByteCursor& input, std::uint8_t& count, std::uint8_t (&pixels)[TgaPacketPixels * 4])
{
    return ReadTgaRlePacket<4>(input, count, pixels);
}

bool ReadTgaRlePacket24(CByteCursor& input, std::uint8_t& count, std::uint8_t (&pixels)[TgaPacketPixels * 3])
{
    return ReadTgaRlePacket<3>(input, count, pixels);
}

bool ReadTgaRlePacket16(CByteCursor& input, std::uint8_t& count, std::uint8_t (&pixels)[TgaPacketPixels * 2])
{
    return ReadTgaRlePacket<2>(input, count, pixels);
}

bool ReadBmpRle8Packet(CByteCursor& input, std::uint8_t& count, BmpRle8Status& status, std::uint8_t (&bytes)[255])
{
    count = 0;
    status = BmpRle8Status::Data;
    std::uint8_t first = 0;
    std::uint8_t second = 0;
    if (!input.ReadByte(first) || !input.ReadByte(second)) return false;
    if (first != 0) {
        std::memset(bytes, second, first);
        count = first;
        return true;
    }
    if (second < 2) {
        status = second == 0 ? BmpRle8Status::EndOfLine : BmpRle8Status::EndOfBitmap;
        return true;
    }
    if (!input.Read(bytes, second)) return false;
    if (second % 2 != 0) input.Skip(1);
    count = second;
    return true;
}
