#include "tools/admin/AdministrationMenu.h"

#include <algorithm>

namespace {

constexpr int DeepestLevel = 3;

int LevelOf(const char16_t* caption)
{
    int level = 0;
    while (caption[level] == u'>' && level < DeepestLevel) ++level;
    return level;
}

std::u16string WithoutLevel(const char16_t* caption)
{
    std::u16string text(caption);
    text.erase(0, text.find_first_not_of(u'>'));
    return text;
}

}  // namespace

const std::vector<TAdminTableRow>& GetAdministrationTable()
{
    static const std::vector<TAdminTableRow> table = {
        {u"Tools", AdminTool::None, 0},
        {u"Dump Team Colors (HTML)", AdminTool::ColourDump, 0},
        {u"Create Restoration file", AdminTool::RestorationFile, 0},
        {u"Club names", AdminTool::None, 0},
        {u">Import", AdminTool::ClubNames, 0},
        {u">Export", AdminTool::ClubNames, 1},
        {u"Database Language", AdminTool::None, 0},
        {u">German", AdminTool::DatabaseLanguage, 0},
        {u">English", AdminTool::DatabaseLanguage, 1},
        {u">French", AdminTool::DatabaseLanguage, 2},
        {u">Italian", AdminTool::DatabaseLanguage, 4},
        {u">Spanish", AdminTool::DatabaseLanguage, 3},
        {u">Polish", AdminTool::DatabaseLanguage, 5},
        {u"GUI Language", AdminTool::None, 0},
        {u">German", AdminTool::TextLanguage, 2},
        {u">English", AdminTool::TextLanguage, 0},
        {u">French", AdminTool::TextLanguage, 1},
        {u">Italian", AdminTool::TextLanguage, 3},
        {u">Spanish", AdminTool::TextLanguage, 4},
        {u">Polish", AdminTool::TextLanguage, 5},
        {u">Helper", AdminTool::None, 0},
        {u">Longest", AdminTool::TextLanguage, -1},
        {u">Reload", AdminTool::ReloadTexts, 0},
        {u"Process Transfers", AdminTool::ProcessTransfers, 0},
        {u"League data", AdminTool::None, 0},
        {u">Import", AdminTool::LeagueData, 1},
        {u">Export", AdminTool::LeagueData, 0},
        {u"Process Transfers", AdminTool::ProcessTransfers, 0},
    };
    return table;
}

const TAdminTableRow* FindAdministrationCommand(int id)
{
    const std::vector<TAdminTableRow>& table = GetAdministrationTable();
    const int index = id - FirstAdministrationId;
    if (index < 0 || index >= static_cast<int>(table.size())) return nullptr;
    const TAdminTableRow& row = table[static_cast<std::size_t>(index)];
    return row.caption != nullptr && row.tool != AdminTool::None ? &row : nullptr;
}

std::vector<TAdminMenuEntry> BuildAdministrationTree(const std::vector<TAdminTableRow>& table)
{
    // Open menus from the popup itself down; each holds the entry that will
    // carry it into its parent.
    std::vector<TAdminMenuEntry> open(1);
    for (std::size_t index = 0; index < table.size(); ++index) {
        const TAdminTableRow& row = table[index];
        const int level = static_cast<int>(open.size()) - 1;
        const int next = index + 1 < table.size() ? LevelOf(table[index + 1].caption) : 0;
        if (next > level && next < DeepestLevel) {
            TAdminMenuEntry& popup = open.emplace_back();
            popup.kind = TAdminMenuEntry::Kind::Popup;
            popup.caption = WithoutLevel(row.caption);
            continue;
        }
        std::vector<TAdminMenuEntry>& items = open.back().children;
        if (row.tool != AdminTool::None) {
            items.push_back({TAdminMenuEntry::Kind::Item, WithoutLevel(row.caption),
                             FirstAdministrationId + static_cast<int>(index), {}});
        } else {
            items.push_back({TAdminMenuEntry::Kind::Separator, {}, 0, {}});
            items.push_back({TAdminMenuEntry::Kind::Heading, WithoutLevel(row.caption), 0, {}});
        }
        if (next < level) {
            TAdminMenuEntry closed = std::move(open.back());
            open.pop_back();
            open.back().children.push_back(std::move(closed));
        }
    }
    while (open.size() > 1) {
        TAdminMenuEntry closed = std::move(open.back());
        open.pop_back();
        open.back().children.push_back(std::move(closed));
    }
    return std::move(open.front().children);
}
