// Loads arbitrary bytes as a localisation file, then looks up every key the
// bytes name and runs every formatter in all six languages: nothing may read
// or write out of bounds, and a result never outgrows its buffer.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "core/text/TextManager.h"
#include "platform/TextCodec.h"

namespace {

// Keys as the file's lines name them (decoded as UTF-8, up to the first '|').
std::vector<std::u16string> KeysNamedIn(std::span<const std::uint8_t> bytes)
{
    const std::u16string text =
        platform::Utf8ToUtf16(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    std::vector<std::u16string> keys;
    std::size_t start = 0;
    while (start <= text.size() && keys.size() < 64) {
        std::size_t end = text.find(u'\n', start);
        if (end == std::u16string::npos) end = text.size();
        std::u16string line = text.substr(start, end - start);
        keys.push_back(line.substr(0, line.find(u'|')));
        start = end + 1;
    }
    return keys;
}

template <typename T>
T ValueAt(std::span<const std::uint8_t> bytes, std::size_t offset)
{
    T value{};
    if (bytes.size() >= offset + sizeof value) std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

void CheckFits(const char16_t* text, std::size_t capacity)
{
    if (text != nullptr && std::char_traits<char16_t>::length(text) >= capacity) __builtin_trap();
}

void RunFormatters(const CTextManager& store, std::span<const std::uint8_t> bytes, const std::u16string& sample)
{
    const auto integer = ValueAt<std::int32_t>(bytes, 0);
    const auto number = ValueAt<double>(bytes, 4);
    const auto small = static_cast<int>(ValueAt<std::int8_t>(bytes, 12));
    for (std::size_t capacity : {std::size_t{1}, std::size_t{5}, std::size_t{40}}) {
        char16_t buffer[40];
        CheckFits(store.FormatInt(integer, buffer, capacity), capacity);
        CheckFits(store.FormatFloat(number, small, buffer, capacity), capacity);
        CheckFits(store.FormatIntPercent(integer, buffer, capacity), capacity);
        CheckFits(store.FormatFloatPercent(number, small, buffer, capacity), capacity);
        CheckFits(store.FormatOrdinal(integer, small & 1, buffer, capacity), capacity);
        CheckFits(store.FormatCurrency(number, buffer, capacity), capacity);
        CheckFits(store.FormatCurrencyInt(integer, buffer, capacity), capacity);
        CheckFits(store.FormatDateTemplate(sample.c_str(), integer, small, small, buffer, capacity), capacity);
        CheckFits(store.FormatTimeTemplate(sample.c_str(), integer, small, integer, buffer, capacity), capacity);
    }
    for (int style = -1; style <= 5; ++style) {
        CheckFits(store.FormatDate(style, integer, small, small), CTextManager::ScratchCapacity);
        CheckFits(store.FormatTime(style, integer, small, integer), CTextManager::ScratchCapacity);
    }
    for (int weekday = -1; weekday <= 7; ++weekday) store.GetWeekdayName(weekday, weekday & 1);
    store.ParseInt(sample.c_str());
    store.ParseFloat(sample.c_str());
    store.GetEuroMultiplier();
    store.GetLocaleName();
    store.GetLocaleAbbreviation();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);
    CTextManager store;
    store.LoadFromBytes(bytes);
    const std::vector<std::u16string> keys = KeysNamedIn(bytes);
    for (bool longest : {false, true}) {
        store.SetLongestTextMode(longest);
        for (int language = -1; language <= 6; ++language) {
            store.SetLanguage(language);
            for (const std::u16string& key : keys) {
                store.GetText(key.c_str());
                store.GetTextInLanguage(key.c_str(), language);
                store.GetTextByHash(HashKey(key.c_str()));
            }
            // A short sample keeps the template walks (and the fuzzer) fast.
            const bool languageSet = store.GetLanguage() == language;
            if (!longest && languageSet) RunFormatters(store, bytes, keys.empty() ? std::u16string() : keys.back().substr(0, 64));
        }
    }
    return 0;
}
