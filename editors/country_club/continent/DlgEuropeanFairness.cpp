#include "editors/country_club/continent/DlgEuropeanFairness.h"

#include "database/world/CompleteWorld.h"
#include "database/world/WorldList.h"
#include "editors/country_club/club/DlgChooseClub.h"
#include "resources/ContinentIds.h"

namespace {

constexpr int placeStatics[FairnessPlaces::Places] = {IDC_FAIRNESS_PLACE1, IDC_FAIRNESS_PLACE2, IDC_FAIRNESS_PLACE3};
constexpr int chooseButtons[FairnessPlaces::Places] = {IDC_FAIRNESS_CHOOSE1, IDC_FAIRNESS_CHOOSE2, IDC_FAIRNESS_CHOOSE3};

}  // namespace

CDlgEuropeanFairness::CDlgEuropeanFairness(TRulesAndMisc& rules, HWND parent)
    : CDialogB(IDD_EUROPEAN_FAIRNESS, parent), places_(rules)
{
}

BOOL CDlgEuropeanFairness::OnInitDialog()
{
    CDialogB::OnInitDialog();
    for (int place = 0; place < FairnessPlaces::Places; ++place) ShowPlace(place);
    return TRUE;
}

bool CDlgEuropeanFairness::OnCommand(int id, int code, HWND control)
{
    if (code != BN_CLICKED) return CDialogB::OnCommand(id, code, control);
    for (int place = 0; place < FairnessPlaces::Places; ++place) {
        if (id == chooseButtons[place]) {
            ChoosePlace(place);
            return true;
        }
    }
    return CDialogB::OnCommand(id, code, control);
}

// A club of a country another place holds is refused without a word.
void CDlgEuropeanFairness::ChoosePlace(int place)
{
    CDlgChooseClub picker(Handle());
    picker.SetContinentFilter(0);
    picker.SetIncludeReserveTeams(false);
    picker.SetSelectedClubId(places_.Get(place));
    if (picker.DoModal() != IDOK) return;
    if (places_.Choose(place, picker.GetSelectedClubIdRef())) ShowPlace(place);
}

void CDlgEuropeanFairness::ShowPlace(int place) const
{
    const TCompleteWorld* world = GetWorld();
    const std::u16string name = world ? FairnessPlaces::Name(*world, places_.Get(place)) : std::u16string(u"-");
    ::SetWindowTextW(GetItem(placeStatics[place]), reinterpret_cast<LPCWSTR>(name.c_str()));
}
