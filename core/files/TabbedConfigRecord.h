#pragma once
// One row of a multi-language table file: an id, a name in each of the six
// database languages and up to sixteen further columns. Texts that were
// never set are null, which is not the same as empty.

#include <cstdint>
#include <optional>
#include <string>

class TTabbedConfigRecord {
public:
    static constexpr int LanguageCount = 6;
    static constexpr int ColumnCount = 16;
    static constexpr std::size_t MaxTextLength = 1023;

    explicit TTabbedConfigRecord(std::int32_t id) : id_(id) {}

    std::int32_t GetId() const { return id_; }
    // The text of a database language 0..5, else the language 0 text; may
    // be null.
    const char16_t* GetText(int language) const;
    // GetText for the database language of the loaded world; null when no
    // world is loaded.
    const char16_t* GetWorldText() const;
    // A null text changes nothing; other languages are ignored.
    void SetText(int language, const char16_t* text);

    // Extra column 0..15; null for another index or a column never set.
    const char16_t* GetColumn(int index) const;
    void SetColumn(int index, const char16_t* text);
    // The column as the Windows runtime's wcstol reads it (saturating in 32
    // bits); radix 16 skips a leading '#', so "#RRGGBB" reads directly.
    // 0 for a bad index or a missing column.
    std::int32_t GetColumnInt(int index, int radix) const;
    // The column as a number with '.' decimals; 0.0 when missing.
    double GetColumnFloat(int index) const;
    // Columns set from index 0 up to the first missing one.
    int CountColumns() const;

private:
    static const char16_t* TextOf(const std::optional<std::u16string>& text);
    static void Store(std::optional<std::u16string>& slot, const char16_t* text);

    std::int32_t id_;
    std::optional<std::u16string> texts_[LanguageCount];
    std::optional<std::u16string> columns_[ColumnCount];
};
