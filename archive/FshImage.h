#pragma once
// One image of an FSH texture container: pixels in one of seven formats, an
// optional palette in one of seven more, a four-character name and an
// optional text. Every conversion goes through 32-bit colour (A in bits
// 24-31, R 16-23, G 8-15, B 0-7). A pixel or palette entry in "channel form"
// holds the raw field values of its format in the bytes B, G, R, A of a
// 32-bit value (B lowest); an indexed pixel carries its index in A.
//
// Import and export work on bytes; the path forms only read or write the
// file. Failures are reported through ReportImageMessage.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Level 1: internal errors and warnings; level 2: failures.
using ImageMessageHandler = void (*)(const char16_t* text, int level);
// Installs a process-wide handler and returns the previous one; without one
// messages go to the application's message box.
ImageMessageHandler SetImageMessageHandler(ImageMessageHandler handler);
void ReportImageMessage(const char16_t* text, int level);

namespace image_file_format {
inline constexpr int Unknown = 0;
inline constexpr int Bmp = 2;
inline constexpr int Tga = 4;
}  // namespace image_file_format

// Bmp for ".bmp", Tga for ".tga" (any case), else Unknown.
int GetImageFileFormat(std::u16string_view path);

class CMireloFshImage {
public:
    using Bytes = std::vector<std::uint8_t>;

    CMireloFshImage() = default;
    virtual ~CMireloFshImage() = default;
    CMireloFshImage(const CMireloFshImage&) = delete;
    CMireloFshImage& operator=(const CMireloFshImage&) = delete;

    void Reset();
    void SetName(const char* name);
    void SetText(const char* text);
    // Copies formats, sizes and data; not the name, not the text.
    void CopyFrom(const CMireloFshImage& other);

    static bool IsValidType(std::uint8_t type, bool palette);
    static bool IsIndexedType(std::uint8_t type) { return type == 0x7A || type == 0x7B; }
    bool HasPalette() const { return IsIndexedType(type_); }
    // Maxima of the fields B, G, R, A in channel form (0 for an absent field).
    static std::uint32_t GetChannelMax(std::uint8_t format);
    // Bytes of pixel data the type needs at this size, formed in 64 bits; 0
    // for an unknown type.
    static std::uint64_t PixelDataSize(std::uint8_t type, std::uint32_t width, std::uint32_t height);
    // Conversions and scaling work on 32-bit colours of every pixel: larger
    // images are refused rather than allocated.
    static constexpr std::uint64_t MaxPixelCount = std::uint64_t{1} << 26;
    // Bytes per palette entry; 0 for an unknown palette type.
    static std::uint32_t PaletteEntrySize(std::uint8_t paletteType);

    // The container fills images through these.
    void SetPixels(std::uint8_t type, Bytes data, std::uint16_t width, std::uint16_t height, bool packed);
    void SetPalette(std::uint8_t type, Bytes data, std::uint16_t count, bool packed);

    const char* GetName() const { return name_; }
    const std::string& GetText() const { return text_; }
    std::uint8_t GetType() const { return type_; }
    std::uint8_t GetPaletteType() const { return paletteType_; }
    const Bytes& GetData() const { return pixels_; }
    const Bytes& GetPaletteData() const { return palette_; }
    std::uint16_t GetWidth() const { return width_; }
    std::uint16_t GetHeight() const { return height_; }
    std::uint16_t GetPaletteCount() const { return paletteCount_; }
    bool IsPacked() const { return imagePacked_; }
    bool IsPalettePacked() const { return palettePacked_; }
    void SetPacked(bool packed) { imagePacked_ = packed; }
    void SetPalettePacked(bool packed) { palettePacked_ = packed; }

    std::uint32_t GetPixel(int x, int y) const;
    bool SetPixel(int x, int y, std::uint32_t channels);
    std::uint32_t GetPaletteEntry(int index) const;
    bool SetPaletteEntry(int index, std::uint32_t channels);

    bool Convert(std::uint8_t type, std::uint8_t paletteType);
    bool Scale(int width, int height);
    bool ScaleBy(float xFactor, float yFactor);

    // The byte forms take the name of the file for their messages.
    bool ImportBmp(std::span<const std::uint8_t> file, std::u16string_view name);
    bool ImportTga(std::span<const std::uint8_t> file, std::u16string_view name);
    bool ExportBmp(Bytes& file, std::u16string_view name) const;
    bool ExportTga(Bytes& file, std::u16string_view name) const;

    bool ImportBmp(std::u16string_view path);
    bool ImportTga(std::u16string_view path);
    bool ExportBmp(std::u16string_view path) const;
    bool ExportTga(std::u16string_view path) const;
    // format 0 follows the extension; other formats than Bmp and Tga fail.
    bool Import(std::u16string_view path, int format);
    bool Export(std::u16string_view path, int format) const;

private:
    std::vector<std::uint32_t> DecodePalette() const;
    std::vector<std::uint32_t> DecodePixels(const std::vector<std::uint32_t>& palette) const;
    void EncodePixels(const std::vector<std::uint32_t>& colours);
    void EncodePalette(const std::vector<std::uint32_t>& colours, std::uint8_t paletteType);
    void Quantise(const std::vector<std::uint32_t>& colours, std::vector<std::uint32_t>& palette);
    std::uint32_t GetIndex(std::uint32_t x, std::uint32_t y) const;
    void SetIndex(std::uint32_t x, std::uint32_t y, std::uint32_t index);
    bool ImportFile(std::u16string_view path, bool tga);
    bool ExportFile(std::u16string_view path, bool tga) const;
    bool Fail(std::u16string text, int level = 2) const;

    char name_[5] = {};
    std::uint8_t type_ = 0;
    Bytes pixels_;
    std::uint16_t width_ = 0;
    std::uint16_t height_ = 0;
    bool imagePacked_ = false;
    std::uint8_t paletteType_ = 0;
    Bytes palette_;
    std::uint16_t paletteCount_ = 0;
    bool palettePacked_ = false;
    std::string text_;
};
