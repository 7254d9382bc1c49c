#pragma once
// TGA pictures (badges, photos) turned into complete BMP file images in
// memory, ready for a device-independent bitmap; and the run-length packet
// readers of both formats.
//
// TGA input is untrusted: every read is bounded by the data's size, pixels
// the data does not hold stay black, and headers that cannot describe a
// picture give null.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "archive/ByteCursor.h"

// A BMP file image: file header, info header, the palette of 8-bit images
// and the bottom-up pixel rows, in one buffer.
class TDibImage {
public:
    static constexpr std::size_t FileHeaderSize = 14;
    static constexpr std::size_t InfoHeaderSize = 40;
    static constexpr std::size_t PaletteSize = 1024;
    // Larger images are refused rather than allocated.
    static constexpr std::uint64_t MaxFileSize = 64u << 20;

    // A black image with valid headers (8-bit ones with the grey palette);
    // null for a width or height of 0, a bit count other than 8 or 24, or
    // more than MaxFileSize bytes.
    static std::unique_ptr<TDibImage> Create(std::uint32_t width, std::uint32_t height, int bitCount);

    static std::uint32_t RowStride(std::uint32_t width, int bitCount);

    const std::vector<std::uint8_t>& FileImage() const { return bytes_; }
    const std::uint8_t* FileHeader() const { return bytes_.data(); }
    const std::uint8_t* InfoHeader() const { return bytes_.data() + FileHeaderSize; }
    // Null for 24-bit images.
    const std::uint8_t* Palette() const;
    std::uint32_t PixelOffset() const;
    std::int32_t Width() const;
    std::int32_t Height() const;
    int BitCount() const;
    std::uint32_t Stride() const { return RowStride(static_cast<std::uint32_t>(Width()), BitCount()); }
    // A stored row, counted from the bottom of the picture.
    std::uint8_t* Row(std::uint32_t row) { return bytes_.data() + PixelOffset() + std::size_t{row} * Stride(); }
    const std::uint8_t* Pixels() const { return bytes_.data() + PixelOffset(); }

private:
    TDibImage() = default;
    std::vector<std::uint8_t> bytes_;
};

// The pixel offset plus the rows' bytes, as the headers give them.
std::uint64_t DibFileSize(const TDibImage& image);

// 24-bit bottom-up BMP of a TGA of 16, 24 or 32 bits, raw or run-length
// (other depths give a black picture of the right size). Honours the
// top-left origin bit and skips ID and colour map.
std::unique_ptr<TDibImage> ConvertTgaToBmp24(const std::uint8_t* data, std::size_t size);
// 8-bit grey BMP of the alpha bytes of an uncompressed 32-bit TGA; null for
// any other TGA.
std::unique_ptr<TDibImage> ConvertTgaAlphaToBmp8(const std::uint8_t* data, std::size_t size);
// Decodes the pixels of tga into an image made for its size and mode.
void ConvertTgaToDib(TDibImage& image, std::span<const std::uint8_t> tga, bool alphaMode);

// The picture of TGA bytes or a TGA file; null when it cannot be read.
std::unique_ptr<TDibImage> LoadTgaDibFromMemory(std::span<const std::uint8_t> tga);
std::unique_ptr<TDibImage> LoadTgaDibFromFile(std::u16string_view path);

// One TGA run-length packet of 1..128 pixels, expanded into pixels. False,
// with the cursor at the end, when the input ends inside the packet; count
// then gives the complete pixels of a raw packet that were there (0 for a
// run packet).
inline constexpr int TgaPacketPixels = 128;
bool ReadTgaRlePacket32(CByteCursor& input, std::uint8_t& count, std::uint8_t (&pixels)[TgaPacketPixels * 4]);
bool ReadTgaRlePacket24(CByteCursor& input, std::uint8_t& count, std::uint8_t (&pixels)[TgaPacketPixels * 3]);
bool ReadTgaRlePacket16(CByteCursor& input, std::uint8_t& count, std::uint8_t (&pixels)[TgaPacketPixels * 2]);

// One BMP RLE8 packet: a run or an absolute run (count bytes in bytes,
// status 0), end of line (status 1) or end of bitmap (status 2). There is
// no delta escape. False when the input ends inside the packet.
enum class BmpRle8Status { Data = 0, EndOfLine = 1, EndOfBitmap = 2 };
bool ReadBmpRle8Packet(CByteCursor& input, std::uint8_t& count, BmpRle8Status& status, std::uint8_t (&bytes)[255]);
