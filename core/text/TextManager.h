#pragma once
// The localisation store: every text the user sees is looked up by key in
// one six-language file ("trdata\DatabaseEditor.txt"). A missing key yields
// the very pointer passed in, so callers can compare. The same object
// formats numbers, money, dates and times in the conventions of the current
// text language, taken from the "Internal.*" texts of that file.
//
// LoadFile, Clear, SetLanguage and SetLongestTextMode are user-interface
// calls made while no worker runs; lookups and formatters only read shared
// state and may run on any thread (scratch buffers are per thread).

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/TextKey.h"

class CTextManager {
public:
    // Text languages, in the column order of the file.
    enum Language { English = 0, French, German, Italian, Spanish, Polish };
    static constexpr int LanguageCount = 6;
    static constexpr std::size_t ScratchCapacity = 512;
    static constexpr std::size_t ScratchCount = 16;
    // Files from this size on are refused.
    static constexpr std::int64_t MaxFileSize = 0x1000000;
    static constexpr std::size_t MaxLines = 65536;
    // Locale texts longer than this are cut.
    static constexpr std::size_t LocaleTextCapacity = 64;

    static CTextManager* Instance();

    CTextManager();
    ~CTextManager();
    CTextManager(const CTextManager&) = delete;
    CTextManager& operator=(const CTextManager&) = delete;

    // Empties the store and loads the file; false (store empty) when it
    // cannot be read, has a size outside 1..0xFFFFFF, is neither marked
    // UTF-8/UTF-16LE nor valid UTF-8, or holds no entry at all.
    bool LoadFile(const char16_t* path);
    // The same from the file's bytes.
    bool LoadFromBytes(std::span<const std::uint8_t> bytes);
    void Clear();

    const char16_t* GetText(TextKey key) const;
    const char16_t* GetText(const char16_t* key) const;
    const char16_t* GetTextInLanguage(TextKey key, int language) const;
    const char16_t* GetTextInLanguage(const char16_t* key, int language) const;
    // Null when the hash has no text.
    const char16_t* GetTextByHash(std::uint32_t hash) const;
    // False when a lookup in the language would give the key itself.
    bool HasTextInLanguage(TextKey key, int language) const;
    // Whether some key's text in the current language is exactly this text:
    // tells a text of this file from a name out of the database.
    bool IsTextOfLanguage(std::u16string_view text) const;
    static constexpr std::uint32_t HashKey(const char16_t* key) { return ::HashKey(key); }

    int GetLanguage() const { return language_; }
    // Values outside 0..5 are ignored.
    void SetLanguage(int language);
    bool IsLongestTextMode() const { return longestTextMode_; }
    // Layout test mode: every lookup yields the longest of the six texts.
    void SetLongestTextMode(bool on);

    // The next of this thread's 16 rotating buffers of 512 units.
    static char16_t* NextScratchBuffer();

    // Formatters. DEST and CAPACITY are optional: without DEST the result
    // goes to the next scratch buffer. CAPACITY counts the terminator; the
    // result is always terminated and returned.
    const char16_t* FormatInt(std::int32_t value, char16_t* dest = nullptr, std::size_t capacity = 0) const;
    const char16_t* FormatFloat(double value, int decimals, char16_t* dest = nullptr,
                                std::size_t capacity = 0) const;
    std::int32_t ParseInt(const char16_t* text) const;
    double ParseFloat(const char16_t* text) const;
    const char16_t* FormatIntPercent(std::int32_t value, char16_t* dest = nullptr, std::size_t capacity = 0) const;
    const char16_t* FormatFloatPercent(double value, int decimals, char16_t* dest = nullptr,
                                       std::size_t capacity = 0) const;
    const char16_t* FormatOrdinal(std::int32_t value, bool masculine, char16_t* dest = nullptr,
                                  std::size_t capacity = 0) const;
    const char16_t* FormatCurrency(double value, char16_t* dest = nullptr, std::size_t capacity = 0) const;
    const char16_t* FormatCurrencyInt(std::int32_t value, char16_t* dest = nullptr, std::size_t capacity = 0) const;
    // Euros times this give the amount in the language's currency; 1.0 when
    // the text is missing or not a positive finite number.
    double GetEuroMultiplier() const;
    const char16_t* GetLocaleName() const;
    const char16_t* GetLocaleAbbreviation() const;
    // Weekday 0..6, Monday first; null for another index.
    const char16_t* GetWeekdayName(int weekday, bool shortForm) const;
    const char16_t* FormatDateTemplate(const char16_t* dateTemplate, int year, int month, int day,
                                       char16_t* dest = nullptr, std::size_t capacity = 0) const;
    // Style 0 NumericShort, 1 NumericLong, 2 AlphaShort, 3 AlphaLong; null
    // for another style.
    const char16_t* FormatDate(int style, int year, int month, int day, char16_t* dest = nullptr,
                               std::size_t capacity = 0) const;
    const char16_t* FormatTimeTemplate(const char16_t* timeTemplate, std::int64_t hours, std::int64_t minutes,
                                       std::int64_t seconds, char16_t* dest = nullptr,
                                       std::size_t capacity = 0) const;
    // Style 0 Short, 1 Long, 2 SecondsOnly, 3 MinutesOnly, 4 HoursOnly; null
    // for another style.
    const char16_t* FormatTime(int style, int hours, int minutes, int seconds, char16_t* dest = nullptr,
                               std::size_t capacity = 0) const;

private:
    struct Entry {
        std::uint32_t hash;
        const char16_t* texts[LanguageCount];
    };
    enum LocaleEntry {
        LocaleName,
        LocaleAbbreviation,
        NumberThousand,
        NumberDecimal,
        NumberNegative,
        PercentFormat,
        EnumerateMale,
        EnumerateFemale,
        CurrencyFormat,
        CurrencyDecimals,
        EuroMultiplier,
        LocaleEntryCount
    };

    const Entry* FindEntry(std::uint32_t hash) const;
    const char16_t* Lookup(std::uint32_t hash, int language) const;
    static bool Decode(std::span<const std::uint8_t> bytes, std::u16string& text);
    void ParseText(std::u16string& text);
    static void AddLine(char16_t* line, std::vector<Entry>& found);
    void IndexEntries(std::vector<Entry>& found);
    void FillLocaleCache();
    const char16_t* Locale(LocaleEntry entry) const { return localeCache_[language_][entry]; }
    std::size_t WriteGrouped(bool negative, std::uint64_t magnitude, char16_t* dest, std::size_t capacity) const;

    std::vector<Entry> entries_;  // sorted by hash, one per distinct hash
    // The hashes of entries_ on their own, so that a search touches few
    // cache lines.
    std::vector<std::uint32_t> hashes_;
    std::unique_ptr<std::u16string> text_;
    // Texts of earlier loads: pointers handed out before a reload stay valid.
    std::vector<std::unique_ptr<std::u16string>> retiredTexts_;
    int language_ = English;
    bool longestTextMode_ = false;
    char16_t localeCache_[LanguageCount][LocaleEntryCount][LocaleTextCapacity] = {};
};
