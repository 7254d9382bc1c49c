#include "editors/country_club/DlgEuropeanFairness.h"

#include "database/CompleteWorld.h"
#include "database/WorldList.h"
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
    for (int place = 0; place < FairnessPlaces::Places; ++place) {
        ShowPlace(place);
        // The club picker comes with the club editor; until it exists the
        // choice is not offered.
        ::EnableWindow(GetItem(chooseButtons[place]), FALSE);
    }
    return TRUE;
}

void CDlgEuropeanFairness::ShowPlace(int place) const
{
    const TCompleteWorld* world = GetWorld();
    const std::u16string name = world ? FairnessPlaces::Name(*world, places_.Get(place)) : std::u16string(u"-");
    ::SetWindowTextW(GetItem(placeStatics[place]), reinterpret_cast<LPCWSTR>(name.c_str()));
}
