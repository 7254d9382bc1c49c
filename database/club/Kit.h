#pragma once
// The two kits of a club (0 home, 1 away): per kit three style values, four
// colour slots of three palette bytes and two further values (the
// shirt-number colour and the badge position), plus the sibling game's kit
// id. Indexes outside their ranges read 0 and are ignored by the setters.

#include <cstdint>

class CIndexTextFile;
class CMasterWriter;

class TKit {
public:
    static constexpr int KitCount = 2;
    static constexpr int PartCount = 3;
    static constexpr int SlotCount = 4;
    static constexpr int ComponentCount = 3;
    static constexpr int ColourBytes = KitCount * SlotCount * ComponentCount;
    static constexpr std::uint8_t MaxStyle[PartCount] = {42, 13, 4};
    static constexpr std::uint8_t MaxShirtNumberColour = 6;

    std::uint8_t GetStyle(int kit, int part) const;
    void SetStyle(int kit, int part, std::uint8_t value);
    void GetColour(int kit, int slot, std::uint8_t& a, std::uint8_t& b, std::uint8_t& c) const;
    void SetColour(int kit, int slot, std::uint8_t a, std::uint8_t b, std::uint8_t c);
    // The shirt-number colour 0..6.
    std::uint8_t GetKitValueA(int kit) const { return IsKit(kit) ? valueA_[kit] : 0; }
    void SetKitValueA(int kit, std::uint8_t value);
    // The badge position 0..2.
    std::uint8_t GetKitValueB(int kit) const { return IsKit(kit) ? valueB_[kit] : 0; }
    void SetKitValueB(int kit, std::uint8_t value);
    std::uint32_t GetQaroKitId() const { return qaroKitId_; }
    void SetQaroKitId(std::uint32_t id) { qaroKitId_ = id; }

    // The "KIT" section. A missing section reads false and changes nothing;
    // files before 0x2004 are converted to the current style and colour
    // numbering.
    bool WriteKit(CIndexTextFile& file) const;
    bool ReadKit(CIndexTextFile& file);
    // The game database's form: the kit id with its top bit (0 for none),
    // the styles and colours as blocks, then the two value pairs.
    void ExportKit(CMasterWriter& writer) const;
    // Styles to their ranges 0..42, 0..13 and 0..4, value A to 0..6.
    void ClampKit();

    bool operator==(const TKit&) const = default;

private:
    static bool IsKit(int kit) { return kit >= 0 && kit < KitCount; }
    void ConvertOldNumbering();

    std::uint8_t styles_[KitCount * PartCount] = {1, 1, 1, 1, 1, 1};
    std::uint8_t colours_[ColourBytes] = {1};
    std::uint8_t valueA_[KitCount] = {};
    std::uint8_t valueB_[KitCount] = {};
    std::uint32_t qaroKitId_ = 0;
};
