#include "archive/FshImage.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <climits>
#include <cstring>
#include <optional>
#include <unordered_map>
#include <utility>

#include "core/AppMessage.h"
#include "core/CheckedSize.h"
#include "core/text/Format.h"
#include "platform/Platform.h"

namespace {

ImageMessageHandler g_handler = nullptr;

// A pixel or palette format as one little-endian unit of bytes holding bit
// fields for B, G, R and A (bits 0 = field absent).
struct Field {
    std::uint8_t shift;
    std::uint8_t bits;
};
struct PixelFormat {
    std::uint8_t bytes;
    std::array<Field, 4> fields;  // B, G, R, A
};

constexpr PixelFormat Argb4444{2, {{{0, 4}, {4, 4}, {8, 4}, {12, 4}}}};
constexpr PixelFormat Rgb565{2, {{{0, 5}, {5, 6}, {11, 5}, {0, 0}}}};
constexpr PixelFormat Bgra8888{4, {{{0, 8}, {8, 8}, {16, 8}, {24, 8}}}};
constexpr PixelFormat Argb1555{2, {{{0, 5}, {5, 5}, {10, 5}, {15, 1}}}};
constexpr PixelFormat Bgr888{3, {{{0, 8}, {8, 8}, {16, 8}, {0, 0}}}};
constexpr PixelFormat Abgr1555{2, {{{10, 5}, {5, 5}, {0, 5}, {15, 1}}}};
constexpr PixelFormat Rgb888{3, {{{16, 8}, {8, 8}, {0, 8}, {0, 0}}}};
constexpr PixelFormat Argb8555{4, {{{0, 5}, {6, 5}, {11, 5}, {24, 8}}}};
constexpr PixelFormat Rgba8888{4, {{{16, 8}, {8, 8}, {0, 8}, {24, 8}}}};

const PixelFormat* FindFormat(std::uint8_t type, bool palette)
{
    if (palette) {
        switch (type) {
        case 0x23: return &Abgr1555;
        case 0x24: return &Rgb888;
        case 0x29: return &Rgb565;
        case 0x2A: return &Bgra8888;
        case 0x2C: return &Argb8555;
        case 0x2D: return &Argb1555;
        case 0x2E: return &Rgba8888;
        default: return nullptr;
        }
    }
    switch (type) {
    case 0x6D: return &Argb4444;
    case 0x78: return &Rgb565;
    case 0x7D: return &Bgra8888;
    case 0x7E: return &Argb1555;
    case 0x7F: return &Bgr888;
    default: return nullptr;
    }
}

std::uint32_t ReadUnit(const std::uint8_t* p, int bytes)
{
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | p[i];
    return v;
}

void WriteUnit(std::uint8_t* p, int bytes, std::uint32_t v)
{
    for (int i = 0; i < bytes; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

std::uint32_t UnitToChannels(const PixelFormat& f, std::uint32_t unit)
{
    std::uint32_t channels = 0;
    for (int c = 0; c < 4; ++c) {
        const Field field = f.fields[c];
        if (field.bits) channels |= (unit >> field.shift & ((1u << field.bits) - 1)) << (8 * c);
    }
    return channels;
}

std::uint32_t ChannelsToUnit(const PixelFormat& f, std::uint32_t channels)
{
    std::uint32_t unit = 0;
    for (int c = 0; c < 4; ++c) {
        const Field field = f.fields[c];
        const std::uint32_t max = (1u << field.bits) - 1;
        if (field.bits) unit |= std::min(channels >> (8 * c) & 0xFF, max) << field.shift;
    }
    return unit;
}

std::uint32_t ChannelsToColour(const PixelFormat& f, std::uint32_t channels)
{
    std::uint32_t colour = 0;
    for (int c = 0; c < 4; ++c) {
        const std::uint32_t v = channels >> (8 * c) & 0xFF;
        const int bits = f.fields[c].bits;
        std::uint32_t wide = 255;
        if (bits == 1) wide = v ? 255 : 0;
        else if (bits) wide = v << (8 - bits);
        colour |= (wide & 0xFF) << (8 * c);
    }
    return colour;
}

// Narrowing keeps the top bits; palettes with a one-bit alpha set it only
// for colours above 0x80000000.
std::uint32_t ColourToChannels(const PixelFormat& f, std::uint32_t colour, bool alphaAboveHalf)
{
    std::uint32_t channels = 0;
    for (int c = 0; c < 4; ++c) {
        const int bits = f.fields[c].bits;
        if (!bits) continue;
        std::uint32_t v = (colour >> (8 * c) & 0xFF) >> (8 - bits);
        if (c == 3 && bits == 1 && alphaAboveHalf) v = colour > 0x80000000u ? 1 : 0;
        channels |= v << (8 * c);
    }
    return channels;
}

bool AlphaAboveHalf(std::uint8_t paletteType) { return paletteType == 0x23 || paletteType == 0x2D; }

}  // namespace

ImageMessageHandler SetImageMessageHandler(ImageMessageHandler handler)
{
    return std::exchange(g_handler, handler);
}

void ReportImageMessage(const char16_t* text, int level)
{
    if (g_handler) return g_handler(text, level);
    ShowAppMessageBox(text, level >= 2 ? AppMessage::IconError : AppMessage::IconWarning);
}

int GetImageFileFormat(std::u16string_view path)
{
    const auto dot = path.rfind(u'.');
    if (dot == std::u16string_view::npos) return image_file_format::Unknown;
    std::u16string ext(path.substr(dot));
    for (auto& c : ext)
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    if (ext == u".bmp") return image_file_format::Bmp;
    if (ext == u".tga") return image_file_format::Tga;
    return image_file_format::Unknown;
}

bool CMireloFshImage::Fail(std::u16string text, int level) const
{
    ReportImageMessage(text.c_str(), level);
    return false;
}

void CMireloFshImage::Reset()
{
    std::memset(name_, 0, sizeof name_);
    type_ = paletteType_ = 0;
    pixels_.clear();
    palette_.clear();
    width_ = height_ = paletteCount_ = 0;
    imagePacked_ = palettePacked_ = false;
    text_.clear();
}

void CMireloFshImage::SetName(const char* name)
{
    std::memset(name_, 0, sizeof name_);
    if (name) std::strncpy(name_, name, 4);
}

void CMireloFshImage::SetText(const char* text) { text_ = text ? text : ""; }

void CMireloFshImage::CopyFrom(const CMireloFshImage& other)
{
    if (&other == this) return;
    Reset();
    type_ = other.type_;
    pixels_ = other.pixels_;
    width_ = other.width_;
    height_ = other.height_;
    imagePacked_ = other.imagePacked_;
    paletteType_ = other.paletteType_;
    palette_ = other.palette_;
    paletteCount_ = other.paletteCount_;
    palettePacked_ = other.palettePacked_;
}

bool CMireloFshImage::IsValidType(std::uint8_t type, bool palette)
{
    return FindFormat(type, palette) != nullptr || (!palette && IsIndexedType(type));
}

std::uint32_t CMireloFshImage::GetChannelMax(std::uint8_t format)
{
    const PixelFormat* f = FindFormat(format, false);
    if (!f) f = FindFormat(format, true);
    if (!f) return 0;
    std::uint32_t max = 0;
    for (int c = 0; c < 4; ++c) max |= ((1u << f->fields[c].bits) - 1) << (8 * c);
    return max;
}

std::uint64_t CMireloFshImage::PixelDataSize(std::uint8_t type, std::uint32_t width, std::uint32_t height)
{
    std::optional<std::uint64_t> size;
    if (type == 0x7A) size = checked_size::Product({(std::uint64_t{width} + 1) / 2, height});
    else if (type == 0x7B) size = checked_size::Product({width, height});
    else if (const PixelFormat* f = FindFormat(type, false)) size = checked_size::Product({f->bytes, width, height});
    else return 0;
    return size.value_or(UINT64_MAX);
}

std::uint32_t CMireloFshImage::PaletteEntrySize(std::uint8_t paletteType)
{
    const PixelFormat* f = FindFormat(paletteType, true);
    return f ? f->bytes : 0;
}

void CMireloFshImage::SetPixels(std::uint8_t type, Bytes data, std::uint16_t width, std::uint16_t height, bool packed)
{
    type_ = type;
    pixels_ = std::move(data);
    width_ = width;
    height_ = height;
    imagePacked_ = packed;
}

void CMireloFshImage::SetPalette(std::uint8_t type, Bytes data, std::uint16_t count, bool packed)
{
    paletteType_ = type;
    palette_ = std::move(data);
    paletteCount_ = count;
    palettePacked_ = packed;
}

std::uint32_t CMireloFshImage::GetIndex(std::uint32_t x, std::uint32_t y) const
{
    if (type_ == 0x7B) {
        const std::size_t at = std::size_t{y} * width_ + x;
        return at < pixels_.size() ? pixels_[at] : 0;
    }
    const std::size_t at = std::size_t{y} * ((width_ + 1u) / 2) + x / 2;
    if (at >= pixels_.size()) return 0;
    return x % 2 ? pixels_[at] >> 4 : pixels_[at] & 0x0F;
}

void CMireloFshImage::SetIndex(std::uint32_t x, std::uint32_t y, std::uint32_t index)
{
    if (type_ == 0x7B) {
        const std::size_t at = std::size_t{y} * width_ + x;
        if (at < pixels_.size()) pixels_[at] = static_cast<std::uint8_t>(index);
        return;
    }
    const std::size_t at = std::size_t{y} * ((width_ + 1u) / 2) + x / 2;
    if (at >= pixels_.size()) return;
    pixels_[at] = static_cast<std::uint8_t>(x % 2 ? (pixels_[at] & 0x0F) | (index & 0x0F) << 4
                                                  : (pixels_[at] & 0xF0) | (index & 0x0F));
}

std::uint32_t CMireloFshImage::GetPixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    if (HasPalette()) return GetIndex(x, y) << 24;
    const PixelFormat* f = FindFormat(type_, false);
    const std::size_t at = (std::size_t{static_cast<std::uint32_t>(y)} * width_ + x) * (f ? f->bytes : 0);
    if (!f || at + f->bytes > pixels_.size()) return 0;
    return UnitToChannels(*f, ReadUnit(&pixels_[at], f->bytes));
}

bool CMireloFshImage::SetPixel(int x, int y, std::uint32_t channels)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return false;
    if (HasPalette()) {
        const std::uint32_t index = channels >> 24;
        SetIndex(x, y, index < paletteCount_ ? index : 0);
        return true;
    }
    const PixelFormat* f = FindFormat(type_, false);
    const std::size_t at = (std::size_t{static_cast<std::uint32_t>(y)} * width_ + x) * (f ? f->bytes : 0);
    if (!f || at + f->bytes > pixels_.size()) return false;
    WriteUnit(&pixels_[at], f->bytes, ChannelsToUnit(*f, channels));
    return true;
}

std::uint32_t CMireloFshImage::GetPaletteEntry(int index) const
{
    const PixelFormat* f = FindFormat(paletteType_, true);
    if (!HasPalette() || !f || index < 0 || index >= paletteCount_) return 0;
    const std::size_t at = std::size_t{static_cast<std::uint32_t>(index)} * f->bytes;
    if (at + f->bytes > palette_.size()) return 0;
    return UnitToChannels(*f, ReadUnit(&palette_[at], f->bytes));
}

bool CMireloFshImage::SetPaletteEntry(int index, std::uint32_t channels)
{
    const PixelFormat* f = FindFormat(paletteType_, true);
    if (!HasPalette() || !f || index < 0 || index >= paletteCount_) return false;
    const std::size_t at = std::size_t{static_cast<std::uint32_t>(index)} * f->bytes;
    if (at + f->bytes > palette_.size()) return false;
    WriteUnit(&palette_[at], f->bytes, ChannelsToUnit(*f, channels));
    return true;
}

std::vector<std::uint32_t> CMireloFshImage::DecodePalette() const
{
    std::vector<std::uint32_t> colours(paletteCount_);
    const PixelFormat* f = FindFormat(paletteType_, true);
    for (std::size_t i = 0; f && i < colours.size(); ++i) {
        if ((i + 1) * f->bytes > palette_.size()) break;
        colours[i] = ChannelsToColour(*f, UnitToChannels(*f, ReadUnit(&palette_[i * f->bytes], f->bytes)));
    }
    return colours;
}

std::vector<std::uint32_t> CMireloFshImage::DecodePixels(const std::vector<std::uint32_t>& palette) const
{
    std::vector<std::uint32_t> colours(std::size_t{width_} * height_);
    const PixelFormat* f = FindFormat(type_, false);
    for (std::uint32_t y = 0; y < height_; ++y)
        for (std::uint32_t x = 0; x < width_; ++x) {
            const std::size_t i = std::size_t{y} * width_ + x;
            if (HasPalette()) {
                // An index beyond the palette reads as colour 0.
                const std::uint32_t index = GetIndex(x, y);
                colours[i] = index < palette.size() ? palette[index] : 0;
            } else if (f && (i + 1) * f->bytes <= pixels_.size()) {
                colours[i] = ChannelsToColour(*f, UnitToChannels(*f, ReadUnit(&pixels_[i * f->bytes], f->bytes)));
            }
        }
    return colours;
}

void CMireloFshImage::EncodePixels(const std::vector<std::uint32_t>& colours)
{
    const PixelFormat& f = *FindFormat(type_, false);
    for (std::size_t i = 0; i < colours.size(); ++i)
        WriteUnit(&pixels_[i * f.bytes], f.bytes, ChannelsToUnit(f, ColourToChannels(f, colours[i], false)));
}

void CMireloFshImage::EncodePalette(const std::vector<std::uint32_t>& colours, std::uint8_t paletteType)
{
    const PixelFormat* f = FindFormat(paletteType, true);
    if (!f) ReportImageMessage(u"Internal Error! (Paltype not processed [output])", 1);
    const int bytes = f ? f->bytes : 4;
    palette_.assign(colours.size() * bytes, 0);
    for (std::size_t i = 0; f && i < colours.size(); ++i)
        WriteUnit(&palette_[i * bytes], bytes,
                  ChannelsToUnit(*f, ColourToChannels(*f, colours[i], AlphaAboveHalf(paletteType))));
    paletteType_ = paletteType;
    paletteCount_ = static_cast<std::uint16_t>(colours.size());
}

bool CMireloFshImage::Convert(std::uint8_t type, std::uint8_t paletteType)
{
    if (pixels_.empty()) return false;
    std::u16string message;
    if (!IsValidType(type_, false)) message = Format(u"The inputdata is unsupported (Type: %d)", type_);
    else if (HasPalette() && (!IsValidType(paletteType_, true) ||
                              palette_.size() < std::size_t{paletteCount_} * PaletteEntrySize(paletteType_)))
        message = Format(u"The inputpalette is unsupported (Type: %d)", paletteType_);
    else if (!IsValidType(type, false)) message = Format(u"The outputdata is unsupported (Type: %d)", type);
    else if (IsIndexedType(type) && !IsValidType(paletteType, true))
        message = Format(u"The outputpalette is unsupported (Type: %d)", paletteType);
    if (width_ == 0 || height_ == 0) {
        const std::string name(name_);
        message = Format(u"%s has a width or height of 0, can't handle such images",
                         std::u16string(name.begin(), name.end()));
    }
    // The pixel data must cover the image before anything is decoded, and
    // every pixel must be affordable as a 32-bit colour.
    if (message.empty() && (pixels_.size() < PixelDataSize(type_, width_, height_) ||
                            !checked_size::Product({width_, height_}, MaxPixelCount)))
        message = Format(u"The inputdata is unsupported (Type: %d)", type_);
    if (!message.empty()) return Fail(message);

    std::vector<std::uint32_t> palette;
    const bool hadPalette = HasPalette();
    if (hadPalette) palette = DecodePalette();
    if (type != type_) {
        const std::vector<std::uint32_t> colours = DecodePixels(palette);
        pixels_.assign(PixelDataSize(type, width_, height_), 0);
        type_ = type;
        if (IsIndexedType(type)) Quantise(colours, palette);
        else EncodePixels(colours);
    }
    if (hadPalette || IsIndexedType(type_)) EncodePalette(palette, paletteType);
    return true;
}

namespace {

// Median-cut boxes over 7-bit channels B, G, R, A.
struct Box {
    std::array<int, 4> min{}, max{};
    std::uint32_t count = 0;
    int size = 0;
    std::vector<std::uint32_t> keys;  // histogram entries inside the box
    std::array<std::uint64_t, 4> sums{};
    std::uint32_t summed = 0;

    bool Contains(std::uint32_t key) const
    {
        for (int c = 0; c < 4; ++c) {
            const int v = key >> (8 * c) & 0x7F;
            if (v < min[c] || v > max[c]) return false;
        }
        return true;
    }
    void Recount(const std::vector<std::uint32_t>& parentKeys, const std::vector<std::uint32_t>& histKeys,
                 const std::vector<std::uint16_t>& counts)
    {
        keys.clear();
        count = 0;
        for (std::uint32_t k : parentKeys)
            if (Contains(histKeys[k])) {
                keys.push_back(k);
                count += counts[k];
            }
        size = 0;
        for (int c = 0; c < 4; ++c) size += max[c] - min[c];
    }
};

std::uint32_t SevenBitKey(std::uint32_t colour)
{
    return (colour >> 1) & 0x7F7F7F7Fu;
}

int PickBox(const std::vector<Box>& boxes, std::size_t limit)
{
    int best = -1;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (boxes[i].size == 0) continue;
        if (best < 0) best = static_cast<int>(i);
        else if (boxes.size() < limit / 2 ? boxes[i].count > boxes[best].count : boxes[i].size > boxes[best].size)
            best = static_cast<int>(i);
    }
    return best;
}

int SplitChannel(const Box& box)
{
    auto range = [&](int c) { return box.max[c] - box.min[c]; };
    const int bg = range(0) >= range(1) ? 0 : 1;
    const int ra = range(2) >= range(3) ? 2 : 3;
    return range(bg) >= range(ra) ? bg : ra;
}

}  // namespace

void CMireloFshImage::Quantise(const std::vector<std::uint32_t>& colours, std::vector<std::uint32_t>& palette)
{
    const std::size_t limit = type_ == 0x7A ? 16 : 256;
    // Histogram in first-seen order; the map only finds a key's entry.
    std::vector<std::uint32_t> keys;
    std::vector<std::uint16_t> counts;
    std::unordered_map<std::uint32_t, std::uint32_t> entryOf;
    std::vector<std::uint32_t> keyIndex(colours.size());
    for (std::size_t i = 0; i < colours.size(); ++i) {
        const std::uint32_t key = SevenBitKey(colours[i]);
        auto [it, added] = entryOf.try_emplace(key, static_cast<std::uint32_t>(keys.size()));
        if (added) {
            keys.push_back(key);
            counts.push_back(0);
        }
        if (counts[it->second] < 0xFFFF) ++counts[it->second];
        keyIndex[i] = it->second;
    }

    std::vector<Box> boxes;
    if (keys.size() <= limit) {
        for (std::uint32_t k = 0; k < keys.size(); ++k) {
            Box box;
            for (int c = 0; c < 4; ++c) box.min[c] = box.max[c] = keys[k] >> (8 * c) & 0x7F;
            box.count = counts[k];
            boxes.push_back(box);
        }
    } else {
        Box all;
        all.min.fill(0);
        all.max.fill(127);
        all.count = static_cast<std::uint32_t>(colours.size());
        all.size = 508;
        for (std::uint32_t k = 0; k < keys.size(); ++k) all.keys.push_back(k);
        boxes.push_back(std::move(all));
        while (boxes.size() < limit) {
            const int pick = PickBox(boxes, limit);
            if (pick < 0) break;
            Box& old = boxes[pick];
            const int c = SplitChannel(old);
            const int d = old.max[c] - old.min[c];
            const int h = d / 2 + d % 2;
            Box added;
            added.min = old.min;
            added.max = old.max;
            added.min[c] = old.min[c] + h;
            old.max[c] -= h;
            const std::vector<std::uint32_t> parent = std::move(old.keys);
            old.Recount(parent, keys, counts);
            added.Recount(parent, keys, counts);
            const bool oldEmpty = old.count == 0;
            if (added.count > 0) boxes.push_back(std::move(added));
            if (oldEmpty) {
                boxes[pick] = std::move(boxes.back());
                boxes.pop_back();
            }
        }
    }

    // The first box holding a key is the same for all its pixels.
    std::vector<int> boxOf(keys.size(), -1);
    for (std::uint32_t k = 0; k < keys.size(); ++k)
        for (std::size_t b = 0; b < boxes.size() && boxOf[k] < 0; ++b)
            if (boxes[b].Contains(keys[k])) boxOf[k] = static_cast<int>(b);
    for (std::size_t i = 0; i < colours.size(); ++i) {
        const std::uint32_t key = keys[keyIndex[i]];
        int index = boxOf[keyIndex[i]];
        if (index >= 0) {
            Box& box = boxes[index];
            for (int c = 0; c < 4; ++c) box.sums[c] += key >> (8 * c) & 0x7F;
            ++box.summed;
        } else {
            int best = INT32_MAX;
            index = 0;
            for (std::size_t b = 0; b < boxes.size(); ++b) {
                int distance = 0;
                for (int c = 0; c < 4; ++c) distance += std::abs(static_cast<int>(key >> (8 * c) & 0x7F) - boxes[b].min[c]);
                if (distance < best) {
                    best = distance;
                    index = static_cast<int>(b);
                }
            }
        }
        SetIndex(static_cast<std::uint32_t>(i % width_), static_cast<std::uint32_t>(i / width_), index);
    }

    palette.assign(limit, 0);
    for (std::size_t b = 0; b < boxes.size(); ++b) {
        std::uint32_t colour = 0;
        for (int c = 0; c < 4; ++c) {
            const Box& box = boxes[b];
            std::uint32_t v = box.summed ? static_cast<std::uint32_t>(box.sums[c] / box.summed)
                                         : static_cast<std::uint32_t>(box.min[c] + box.max[c]) >> 1;
            v *= 2;
            if (v == 254) v = 255;
            colour |= v << (8 * c);
        }
        palette[b] = colour;
    }
}

bool CMireloFshImage::Scale(int width, int height)
{
    if (pixels_.empty()) return false;
    if (width == width_ && height == height_) return true;
    if (width <= 0 || height <= 0) {
        pixels_.clear();
        width_ = height_ = 0;
        return true;
    }
    if (width > 0xFFFF || height > 0xFFFF || !checked_size::Product({std::uint64_t(width), std::uint64_t(height)}, MaxPixelCount))
        return Fail(Format(u"The outputdata is unsupported (Type: %d)", 0x7D));
    const std::uint8_t oldType = type_, oldPaletteType = paletteType_;
    // For 0x7D itself the conversion only checks that the data covers the image.
    if (!Convert(0x7D, 0x2A)) {
        Reset();
        return Fail(u"Can't scale - no image data");
    }
    const float rx = static_cast<float>(width_) / width, ry = static_cast<float>(height_) / height;
    Bytes scaled(std::size_t{static_cast<std::uint32_t>(width)} * height * 4);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::array<float, 4> sum{};
            float total = 0;
            const float y1 = (y + 1) * ry, x1 = (x + 1) * rx;
            for (float fy = y * ry; fy < y1;) {
                const float ny = std::min(std::floor(fy) + 1, y1), wy = ny - fy;
                const int sy = std::min(static_cast<int>(fy), height_ - 1);
                for (float fx = x * rx; fx < x1;) {
                    const float nx = std::min(std::floor(fx) + 1, x1), wx = nx - fx;
                    const int sx = std::min(static_cast<int>(fx), width_ - 1);
                    const std::uint8_t* p = &pixels_[(std::size_t{static_cast<std::uint32_t>(sy)} * width_ + sx) * 4];
                    for (int c = 0; c < 4; ++c) sum[c] += p[c] * wx * wy;
                    total += wx * wy;
                    fx = wx < 0.00001f ? nx + 1 : nx;
                }
                fy = wy < 0.00001f ? ny + 1 : ny;
            }
            std::uint8_t* out = &scaled[(std::size_t{static_cast<std::uint32_t>(y)} * width + x) * 4];
            for (int c = 0; c < 4; ++c)
                out[c] = total > 0 ? static_cast<std::uint8_t>(std::min(sum[c] / total, 255.0f)) : (c == 3 ? 255 : 0);
        }
    pixels_ = std::move(scaled);
    width_ = static_cast<std::uint16_t>(width);
    height_ = static_cast<std::uint16_t>(height);
    if (oldType != 0x7D && !Convert(oldType, oldPaletteType)) {
        Reset();
        return Fail(u"Error converting image back to old format");
    }
    return true;
}

bool CMireloFshImage::ScaleBy(float xFactor, float yFactor)
{
    const float width = width_ * xFactor, height = height_ * yFactor;
    // Also false for NaN, which no comparison lets through.
    if (!(width >= 0 && width < 65536 && height >= 0 && height < 65536)) return false;
    return Scale(static_cast<int>(width), static_cast<int>(height));
}
