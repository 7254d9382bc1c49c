#pragma once
// A multi-language table file ("trdata\GUIColors.txt" and the like): a
// header line naming the id column, the language columns "[English]" ...
// "[Polish]" and up to sixteen extra columns, then one TAB-separated row per
// id. Rows of another width and repeated ids are skipped on load. Save
// writes what Load reads back unchanged.

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/files/TabbedConfigRecord.h"

class CIndexTextFile;

class CTabbedConfig {
public:
    static constexpr int MaxFields = 24;
    static constexpr std::size_t MaxLineLength = 2046;

    CTabbedConfig() = default;
    virtual ~CTabbedConfig() = default;
    CTabbedConfig(const CTabbedConfig&) = delete;
    CTabbedConfig& operator=(const CTabbedConfig&) = delete;

    // False for a null or empty path, a file that cannot be read, or a
    // file without a header line; the caller reports it.
    bool Load(const char16_t* path);
    bool LoadFromBytes(std::span<const std::uint8_t> bytes);
    // UTF-8 with mark and CR LF through a temporary file: false when any
    // write fails, and the old file then stays as it was.
    bool Save(const char16_t* path) const;
    std::vector<std::uint8_t> SaveToBytes() const;
    void Clear();

    int GetRecordCount() const { return static_cast<int>(rows_.size()); }
    // A position outside the table gives the first row; null when empty.
    TTabbedConfigRecord* GetRecordAt(int position) const;
    TTabbedConfigRecord* FindById(std::int32_t id) const;
    // Null when the id exists already.
    TTabbedConfigRecord* AddRecord(std::int32_t id);

    const char16_t* GetColumnName(int index) const;
    void SetColumnName(int index, const char16_t* name);
    // Names set from index 0 up to the first missing one.
    int CountColumnNames() const;

private:
    // What a column of the file holds: a database language, or (language
    // -1) an extra column, ignored from index 16 on.
    struct Column {
        int language = -1;
        int extra = -1;
    };

    bool LoadFrom(CIndexTextFile& file);
    void ReadRow(char16_t* line, const std::vector<Column>& columns);
    int WrittenColumnCount() const;

    std::vector<std::unique_ptr<TTabbedConfigRecord>> rows_;
    std::map<std::int32_t, TTabbedConfigRecord*> index_;
    std::optional<std::u16string> columnNames_[TTabbedConfigRecord::ColumnCount];
};
