#include "editors/country_club/club/ClubEditorRegistration.h"

#include "app/MainWindowLaunchers.h"
#include "editors/country_club/club/DlgClubGenerator.h"
#include "editors/country_club/club/DlgClubParent.h"

void RegisterClubEditors(TMainWindowLaunchers& launchers)
{
    launchers.clubSettings = [](HWND owner, TClub& club, TCountry& country, const std::vector<std::uint32_t>& rows) {
        CDlgClubParent frame(owner);
        frame.SetCurrentClub(&club);
        frame.SetCountry(&country);
        for (const std::uint32_t id : rows) frame.AddClub(id);
        return static_cast<int>(frame.DoModal());
    };
}

int RunClubGenerator(HWND owner, TClub& club, bool firstTeam)
{
    CDlgClubGenerator generator(&club, firstTeam, owner);
    return static_cast<int>(generator.DoModal());
}
