#pragma once
// The developer's "Administration" menu: a table of tools, one command id
// per row from 55555 on, and the menu tree built from it. A caption's
// leading '>' signs put a row that many submenu levels deep; a row without
// a tool is a heading.

#include <string>
#include <vector>

enum class AdminTool {
    None,
    ColourDump,
    RestorationFile,
    ClubNames,
    DatabaseLanguage,
    TextLanguage,
    ReloadTexts,
    ProcessTransfers,
    LeagueData,
};

struct TAdminTableRow {
    const char16_t* caption;
    AdminTool tool;
    int argument;
};

struct TAdminMenuEntry {
    enum class Kind { Item, Separator, Heading, Popup };
    Kind kind = Kind::Item;
    std::u16string caption;
    int id = 0;
    std::vector<TAdminMenuEntry> children;
};

constexpr int FirstAdministrationId = 55555;

const std::vector<TAdminTableRow>& GetAdministrationTable();
// The row of a command id, null outside the table or for a heading.
const TAdminTableRow* FindAdministrationCommand(int id);
// The entries of the "Administration" popup, built from the table.
std::vector<TAdminMenuEntry> BuildAdministrationTree(const std::vector<TAdminTableRow>& table);
