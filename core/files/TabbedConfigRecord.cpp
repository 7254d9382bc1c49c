#include "core/files/TabbedConfigRecord.h"

#include <charconv>
#include <cstdint>
#include <string>

#include "core/text/TextTools.h"
#include "core/text/WorldLanguageHook.h"

namespace {

bool IsBlank(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

}  // namespace

const char16_t* TTabbedConfigRecord::TextOf(const std::optional<std::u16string>& text)
{
    return text ? text->c_str() : nullptr;
}

void TTabbedConfigRecord::Store(std::optional<std::u16string>& slot, const char16_t* text)
{
    if (text == nullptr) return;
    std::u16string_view whole(text);
    slot.emplace(whole.substr(0, MaxTextLength));
}

const char16_t* TTabbedConfigRecord::GetText(int language) const
{
    if (language >= 0 && language < LanguageCount && texts_[language]) return TextOf(texts_[language]);
    return TextOf(texts_[0]);
}

const char16_t* TTabbedConfigRecord::GetWorldText() const
{
    const int language = GetWorldDatabaseLanguage();
    return language < 0 ? nullptr : GetText(language);
}

void TTabbedConfigRecord::SetText(int language, const char16_t* text)
{
    if (language >= 0 && language < LanguageCount) Store(texts_[language], text);
}

const char16_t* TTabbedConfigRecord::GetColumn(int index) const
{
    return index >= 0 && index < ColumnCount ? TextOf(columns_[index]) : nullptr;
}

void TTabbedConfigRecord::SetColumn(int index, const char16_t* text)
{
    if (index >= 0 && index < ColumnCount) Store(columns_[index], text);
}

std::int32_t TTabbedConfigRecord::GetColumnInt(int index, int radix) const
{
    const char16_t* text = GetColumn(index);
    if (text == nullptr) return 0;
    if (radix == 16 && *text == u'#') ++text;
    return WindowsStrToLong(text, radix);
}

double TTabbedConfigRecord::GetColumnFloat(int index) const
{
    const char16_t* text = GetColumn(index);
    if (text == nullptr) return 0.0;
    while (IsBlank(*text)) ++text;
    if (*text == u'+') ++text;
    std::string ascii;
    for (; *text != 0 && *text < 0x80; ++text) ascii += static_cast<char>(*text);
    double value = 0.0;
    const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    return result.ec == std::errc() ? value : 0.0;
}

int TTabbedConfigRecord::CountColumns() const
{
    int count = 0;
    while (count < ColumnCount && columns_[count]) ++count;
    return count;
}
