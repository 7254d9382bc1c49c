#pragma once
// The editors and tools that the main window's commands open. Each editor
// or tool fills its entry once at start (RegisterEditorLaunchers); a command
// whose entry is empty stays disabled. Tests put doubles here.
// Results are dialog results: 1 (IDOK) or 2 (IDCANCEL).

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class CRenderManager;
class TClub;
class TCountry;

// What the player search leaves for its result list.
struct TPlayerSearchCriteria {
    std::u16string firstName;
    std::u16string lastName;
    std::u16string pseudonym;
};

struct TMainWindowLaunchers {
    // Club editor with the club, its country and the team ids of the club
    // list's rows in list order, for browsing.
    std::function<int(HWND owner, TClub& club, TCountry& country, const std::vector<std::uint32_t>& rows)> clubSettings;
    // Squad window of a club (mode 0).
    std::function<int(HWND owner, TClub& club)> squad;
    // The list of every player of a country (the squad window in mode 1).
    std::function<int(HWND owner, TCountry& country)> countryPlayerList;
    std::function<int(HWND owner, TCountry& country)> countryEditor;
    std::function<int(HWND owner)> continents;
    std::function<int(HWND owner, int countryId)> nationalTeam;
    std::function<int(HWND owner)> playersWithoutClub;
    // Restricted to a country and a club when the country exists.
    std::function<int(HWND owner, TCountry* country, TClub* club)> duplicatePlayers;
    std::function<int(HWND owner, int countryId)> quickTransfer;
    // The country only when it lies in 1..206.
    std::function<int(HWND owner, TCountry* country, TClub* club)> localisedNames;
    std::function<int(HWND owner, int countryId)> towns;
    // The search dialog fills the criteria; the result list gives the club
    // of the chosen person.
    std::function<int(HWND owner, TPlayerSearchCriteria& criteria)> playerSearch;
    std::function<int(HWND owner, const TPlayerSearchCriteria& criteria, std::uint32_t& chosenClub)> searchResult;
    // Report tools.
    std::function<void(HWND owner)> countryListTool;
    std::function<void(HWND owner, bool correct)> contractCheck;
    std::function<void(HWND owner)> badgeCheck;
    std::function<void(HWND owner)> problemChecker;
    std::function<void(HWND owner)> processTransfers;
    // The developer's hot-fix menu: appended to the window menu, and handed
    // every command with the current country and club; true when the
    // command was one of the fixes, which may have changed any record.
    std::function<void(HMENU windowMenu)> buildHotfixMenu;
    std::function<bool(HWND owner, int command, int countryId, std::uint32_t clubId)> hotfixCommand;
    // The 3D renderer host, which the main window starts while it opens
    // (the first call loads the renderer); empty where none is hosted.
    std::function<CRenderManager*()> renderer;
};

TMainWindowLaunchers& GetMainWindowLaunchers();
