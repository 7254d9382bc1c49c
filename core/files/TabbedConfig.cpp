#include "core/files/TabbedConfig.h"

#include <algorithm>

#include "core/text/Format.h"
#include "core/files/IndexTextFile.h"
#include "core/text/TextTools.h"
#include "platform/Platform.h"
#include "platform/TextCodec.h"

namespace {

struct Heading {
    std::u16string_view name;
    int language;
};
// In the order Save writes them.
constexpr Heading Headings[] = {{u"[English]", 1}, {u"[French]", 2},  {u"[German]", 0},
                                {u"[Italian]", 4}, {u"[Spanish]", 3}, {u"[Polish]", 5}};
constexpr int NotALanguage = -1;

char16_t LowerAscii(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; }

int HeadingLanguage(std::u16string_view field)
{
    for (const Heading& heading : Headings) {
        if (field.size() == heading.name.size() &&
            std::equal(field.begin(), field.end(), heading.name.begin(),
                       [](char16_t a, char16_t b) { return LowerAscii(a) == LowerAscii(b); }))
            return heading.language;
    }
    return NotALanguage;
}

// Ids are read like the integers of the text stream: leading blanks, a
// sign, digits, wrapping in 32 bits; no digits read as 0.
std::int32_t ParseId(const char16_t* text)
{
    while (*text == u' ' || (*text >= u'\t' && *text <= u'\r')) ++text;
    const bool negative = *text == u'-';
    if (*text == u'-' || *text == u'+') ++text;
    std::uint32_t value = 0;
    for (; *text >= u'0' && *text <= u'9'; ++text) value = value * 10u + static_cast<std::uint32_t>(*text - u'0');
    return static_cast<std::int32_t>(negative ? 0u - value : value);
}

// A field may not break the line or the columns.
std::u16string FieldText(const char16_t* text)
{
    std::u16string field = text != nullptr ? text : u"";
    std::replace_if(field.begin(), field.end(), [](char16_t c) { return c == u'\t' || c == u'\r' || c == u'\n'; },
                    u' ');
    return field;
}

// Load cuts lines longer than MaxLineLength, which would change the row or
// drop it; shorten the texts from the last column backwards instead.
void FitLine(std::vector<std::u16string>& fields)
{
    std::size_t length = fields.size() - 1;
    for (const auto& field : fields) length += field.size();
    for (std::size_t i = fields.size() - 1; i > 0 && length > CTabbedConfig::MaxLineLength; --i) {
        const std::size_t cut = std::min(fields[i].size(), length - CTabbedConfig::MaxLineLength);
        fields[i].resize(fields[i].size() - cut);
        length -= cut;
    }
}

void AppendLine(std::vector<std::u16string>& fields, std::u16string& text)
{
    FitLine(fields);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) text += u'\t';
        text += fields[i];
    }
    text += u"\r\n";
}

}  // namespace

bool CTabbedConfig::Load(const char16_t* path)
{
    Clear();
    if (path == nullptr || *path == 0) return false;
    CIndexTextFile file;
    return file.OpenRead(path) && LoadFrom(file);
}

bool CTabbedConfig::LoadFromBytes(std::span<const std::uint8_t> bytes)
{
    Clear();
    CIndexTextFile file;
    return file.OpenFromBytes(bytes, u"") && LoadFrom(file);
}

bool CTabbedConfig::LoadFrom(CIndexTextFile& file)
{
    char16_t line[MaxLineLength + 1];
    if (!file.ReadString(line, MaxLineLength + 1)) return false;
    char16_t* fields[MaxFields];
    const int fieldCount = SplitText(line, u'\t', fields, MaxFields);
    std::vector<Column> columns(fieldCount);
    int extraColumns = 0;
    for (int i = 1; i < fieldCount; ++i) {
        columns[i].language = HeadingLanguage(fields[i]);
        if (columns[i].language != NotALanguage) continue;
        columns[i].extra = extraColumns++;
        SetColumnName(columns[i].extra, fields[i]);
    }
    while (file.ReadString(line, MaxLineLength + 1)) ReadRow(line, columns);
    return true;
}

void CTabbedConfig::ReadRow(char16_t* line, const std::vector<Column>& columns)
{
    char16_t* fields[MaxFields];
    if (SplitText(line, u'\t', fields, MaxFields) != static_cast<int>(columns.size())) return;
    TTabbedConfigRecord* row = AddRecord(ParseId(fields[0]));
    if (row == nullptr) return;
    for (std::size_t i = 1; i < columns.size(); ++i) {
        if (columns[i].language != NotALanguage) row->SetText(columns[i].language, fields[i]);
        else row->SetColumn(columns[i].extra, fields[i]);
    }
}

// Every row gets the header's width, so the header names as many extra
// columns as any row or name uses; missing ones are written empty.
int CTabbedConfig::WrittenColumnCount() const
{
    int count = 0;
    for (int i = 0; i < TTabbedConfigRecord::ColumnCount; ++i) {
        bool used = columnNames_[i].has_value();
        for (const auto& row : rows_) used = used || row->GetColumn(i) != nullptr;
        if (used) count = i + 1;
    }
    return count;
}

std::vector<std::uint8_t> CTabbedConfig::SaveToBytes() const
{
    const int columns = WrittenColumnCount();
    std::u16string text;
    std::vector<std::u16string> fields = {u"Index"};
    for (const Heading& heading : Headings) fields.emplace_back(heading.name);
    for (int i = 0; i < columns; ++i) fields.push_back(FieldText(GetColumnName(i)));
    AppendLine(fields, text);
    for (const auto& row : rows_) {
        fields.assign(1, Format(u"%d", row->GetId()));
        for (const Heading& heading : Headings) fields.push_back(FieldText(row->GetText(heading.language)));
        for (int i = 0; i < columns; ++i) fields.push_back(FieldText(row->GetColumn(i)));
        AppendLine(fields, text);
    }
    const std::string utf8 = "\xEF\xBB\xBF" + platform::Utf16ToUtf8(text);
    return std::vector<std::uint8_t>(utf8.begin(), utf8.end());
}

bool CTabbedConfig::Save(const char16_t* path) const
{
    if (path == nullptr || *path == 0) return false;
    return platform::WriteFileAtomic(path, SaveToBytes());
}

void CTabbedConfig::Clear()
{
    rows_.clear();
    index_.clear();
    for (auto& name : columnNames_) name.reset();
}

TTabbedConfigRecord* CTabbedConfig::GetRecordAt(int position) const
{
    if (rows_.empty()) return nullptr;
    if (position < 0 || position >= GetRecordCount()) position = 0;
    return rows_[position].get();
}

TTabbedConfigRecord* CTabbedConfig::FindById(std::int32_t id) const
{
    const auto found = index_.find(id);
    return found != index_.end() ? found->second : nullptr;
}

TTabbedConfigRecord* CTabbedConfig::AddRecord(std::int32_t id)
{
    if (index_.contains(id)) return nullptr;
    rows_.push_back(std::make_unique<TTabbedConfigRecord>(id));
    return index_[id] = rows_.back().get();
}

const char16_t* CTabbedConfig::GetColumnName(int index) const
{
    if (index < 0 || index >= TTabbedConfigRecord::ColumnCount || !columnNames_[index]) return nullptr;
    return columnNames_[index]->c_str();
}

void CTabbedConfig::SetColumnName(int index, const char16_t* name)
{
    if (index < 0 || index >= TTabbedConfigRecord::ColumnCount) return;
    columnNames_[index].emplace(std::u16string_view(name != nullptr ? name : u"").substr(0, TTabbedConfigRecord::MaxTextLength));
}

int CTabbedConfig::CountColumnNames() const
{
    int count = 0;
    while (count < TTabbedConfigRecord::ColumnCount && columnNames_[count]) ++count;
    return count;
}
