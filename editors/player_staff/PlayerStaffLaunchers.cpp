#include "editors/player_staff/PlayerStaffLaunchers.h"

#include "app/MainWindowLaunchers.h"
#include "editors/country_club/club/ClubEditorRegistration.h"
#include "editors/player_staff/search/ClubChoice.h"
#include "editors/player_staff/search/ClubChooserHook.h"
#include "editors/player_staff/staff/DlgPlayerGenerator.h"
#include "editors/player_staff/search/DlgPlayerSearch.h"
#include "editors/player_staff/squad/DlgPlayerlistClub.h"
#include "editors/player_staff/search/DlgSearchResult.h"
#include "editors/player_staff/search/PlayerDouble.h"
#include "editors/player_staff/staff/SquadGenerators.h"
#include "editors/player_staff/model/search/PlayerSearch.h"

namespace {

int RunPlayerSearch(HWND owner, TPlayerSearchCriteria& criteria)
{
    CDlgPlayerSearch dialog(owner);
    const int result = static_cast<int>(dialog.DoModal());
    if (result == IDOK) criteria = {GetSearchFirstName(), GetSearchLastName(), GetSearchPseudonym()};
    return result;
}

int RunSearchResult(HWND owner, const TPlayerSearchCriteria& criteria, std::uint32_t& chosenClub)
{
    CDlgSearchResult dialog(owner);
    dialog.SetCriteria(criteria.firstName, criteria.lastName, criteria.pseudonym);
    dialog.SetAllowShowClub(true);
    const int result = static_cast<int>(dialog.DoModal());
    dialog.GetChosenClubId(chosenClub);
    return result;
}

int RunSquad(HWND owner, TClub& club)
{
    CDlgPlayerlistClub dialog(CDlgPlayerlistClub::ClubSquad, owner);
    dialog.SetClub(&club);
    return static_cast<int>(dialog.DoModal());
}

int RunCountryPlayers(HWND owner, TCountry& country)
{
    CDlgPlayerlistClub dialog(CDlgPlayerlistClub::CountryPlayers, owner);
    dialog.SetCountry(&country);
    return static_cast<int>(dialog.DoModal());
}

int RunDuplicatePlayers(HWND owner, TCountry* country, TClub* club)
{
    CPlayerDouble dialog(owner);
    dialog.SetContext(country, club);
    return static_cast<int>(dialog.DoModal());
}

}  // namespace

void RegisterPlayerStaffEditors(TMainWindowLaunchers& launchers)
{
    launchers.squad = RunSquad;
    launchers.countryPlayerList = RunCountryPlayers;
    SetClubChooser(ChooseClubInCountry);
    launchers.duplicatePlayers = RunDuplicatePlayers;
    launchers.playerSearch = RunPlayerSearch;
    launchers.searchResult = RunSearchResult;
    GetSquadGenerators().player = [](HWND owner, TClub& club, TPerson& person) {
        CDlgPlayerGenerator dialog(&club, &person, owner);
        return dialog.DoModal() == IDOK;
    };
    GetSquadGenerators().team = [](HWND owner, TClub& club, bool firstTeam) {
        return RunClubGenerator(owner, club, firstTeam) == IDOK;
    };
}
