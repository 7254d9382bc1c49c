#include "editors/player_staff/search/ClubChooserHook.h"

namespace {

TClubChooser& Chooser()
{
    static TClubChooser chooser;
    return chooser;
}

}  // namespace

void SetClubChooser(TClubChooser chooser)
{
    Chooser() = std::move(chooser);
}

bool HasClubChooser()
{
    return static_cast<bool>(Chooser());
}

std::uint32_t ChooseClubForMove(HWND owner, int countryId)
{
    return Chooser() ? Chooser()(owner, countryId) : 0;
}
