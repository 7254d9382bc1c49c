#pragma once
// The small choice lists of the game's language data folder (shoes, faces,
// league systems, formations, original kits, team, merchandise and
// shirt-number colours): (id, text) entries, the colour lists with two
// colours per entry. Eight global lists live for the whole run; the main
// window fills them once at start.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/TextKey.h"

class CIndexTextFile;

class CBaseTextFile {
public:
    // hasIdColumn: each entry is an id line and a text line; hasCountLine:
    // the file begins with the entry count; idFirst: the id line comes
    // first. With a default key, entry 0 is a fixed "none" entry (id 0,
    // the key's text).
    CBaseTextFile(std::int32_t maxCount, bool hasIdColumn, bool hasCountLine, bool idFirst,
                  std::optional<TextKey> defaultKey = std::nullopt);
    virtual ~CBaseTextFile() = default;
    CBaseTextFile(const CBaseTextFile&) = delete;
    CBaseTextFile& operator=(const CBaseTextFile&) = delete;

    // A file that cannot be opened is reported once and leaves MaxCount
    // numbered entries with empty texts. The count line never makes the
    // list hold more than MaxCount entries, the default entry included.
    void Load(std::u16string_view path);

    std::int32_t GetCount() const { return count_; }
    std::int32_t GetMaxCount() const { return maxCount_; }
    // 0 for an index outside the list.
    std::uint32_t GetId(std::int32_t index) const;
    // Entry 0 for an index outside the list.
    const char16_t* GetText(std::int32_t index) const;
    // True for id 0 and for the id of an entry.
    bool Contains(std::uint32_t id) const;
    // Empty for id 0 and for an unknown id.
    const char16_t* GetTextById(std::uint32_t id) const;

protected:
    bool IsIndex(std::int32_t index) const { return index >= 0 && index < count_; }
    virtual void Free();
    virtual void Allocate(std::int32_t count);
    virtual void SetId(std::int32_t index, std::uint32_t id);
    virtual void SetLine(std::int32_t index, std::u16string_view line);
    virtual void SetDefault(std::int32_t index);

    std::vector<std::u16string> texts_;

private:
    // Lines of a list file are read with at most this many characters.
    static constexpr std::size_t MaxLine = 511;

    void FillMissing();
    bool ReadEntry(CIndexTextFile& file, std::uint32_t& id, std::u16string& text) const;

    std::int32_t maxCount_;
    std::int32_t count_;
    bool hasIdColumn_;
    bool hasCountLine_;
    bool idFirst_;
    std::optional<TextKey> defaultKey_;
    std::vector<std::uint32_t> ids_;
};

// Lines "name,colour1|colour2" with colours as decimal 0xRRGGBB values.
class CTeamColourTextFile : public CBaseTextFile {
public:
    explicit CTeamColourTextFile(std::int32_t maxCount) : CBaseTextFile(maxCount, true, true, true) {}

    // Colour k (0 or 1) of an entry; 0 out of range.
    std::uint32_t GetColour(std::int32_t index, int k) const;
    std::uint32_t GetFirstColour(std::int32_t index) const { return GetColour(index, 0); }

protected:
    void Free() override;
    void Allocate(std::int32_t count) override;
    void SetLine(std::int32_t index, std::u16string_view line) override;
    void SetDefault(std::int32_t index) override;

private:
    static constexpr std::size_t MaxColourLine = 255;
    std::vector<std::uint32_t> colours_;
};

CBaseTextFile& GetShoeList();
CBaseTextFile& GetFaceList();
CTeamColourTextFile& GetTeamColourList();
CTeamColourTextFile& GetMerchandiseColourList();
CBaseTextFile& GetLeagueSystemList();
CBaseTextFile& GetFormationList();
CBaseTextFile& GetClubIdList();
CTeamColourTextFile& GetShirtNumberColourList();

// Loads the eight lists from the data folder, each missing file with its
// own message. The reference day needs no setting: it is fixed.
void LoadTextFiles(std::u16string_view dataFolder);
