#include "editors/country_club/continent/DlgLocalisation.h"

#include <commctrl.h>

#include <algorithm>

#include "database/club/Club.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/world/WorldList.h"
#include "resources/ContinentIds.h"

namespace {

constexpr int FirstCountry = 1;
constexpr int LastCountry = 206;

}  // namespace

CDlgLocalisation::CDlgLocalisation(HWND parent) : CDialogB(IDD_LOCALISATION, parent) {}

CLocaleListCtrl& CDlgLocalisation::GetGrid(int id)
{
    if (id == IDC_LOCALISATION_WORLD) return world_.list;
    return id == IDC_LOCALISATION_COUNTRY ? country_.list : club_.list;
}

BOOL CDlgLocalisation::OnInitDialog()
{
    CDialogB::OnInitDialog();
    world_.list.SubclassDlgItem(IDC_LOCALISATION_WORLD, *this);
    country_.list.SubclassDlgItem(IDC_LOCALISATION_COUNTRY, *this);
    club_.list.SubclassDlgItem(IDC_LOCALISATION_CLUB, *this);
    countryCombo_.Attach(GetItem(IDC_LOCALISATION_COUNTRY_COMBO));
    clubCombo_.Attach(GetItem(IDC_LOCALISATION_CLUB_COMBO));
    TCountry* givenCountry = std::exchange(currentCountry_, nullptr);
    TClub* givenClub = std::exchange(currentClub_, nullptr);
    active_ = true;
    if (TCompleteWorld* world = GetWorld()) Fill(world_, LocalisationRows::WorldRows(world->GetRulesAndMisc()));
    FillCountryCombo();
    if (givenCountry) {
        const int index = countryCombo_.FindItemData(reinterpret_cast<LPARAM>(givenCountry));
        if (index >= 0) {
            countryCombo_.SetCurSel(index);
            TakeCountryFromCombo();
        }
    }
    if (givenClub) {
        const int index = clubCombo_.FindItemData(reinterpret_cast<LPARAM>(givenClub));
        if (index >= 0) {
            clubCombo_.SetCurSel(index);
            TakeClubFromCombo();
        }
    }
    initialising_ = false;
    return TRUE;
}

void CDlgLocalisation::Fill(Grid& grid, std::vector<LocalisationRow> rows)
{
    grid.list.DeleteAllRows();
    grid.slots.clear();
    for (const LocalisationRow& row : rows) {
        const int slot = grid.list.AddRow(row.key, row.maxLength);
        grid.slots.push_back(slot);
        for (int language = 0; language < LocalisationRow::Languages && slot >= 0; ++language) {
            grid.list.SetText(slot, language, row.texts[language].c_str());
        }
    }
    grid.list.FitColumnsToTexts();
    grid.rows = std::move(rows);
}

void CDlgLocalisation::ReadBack(Grid& grid)
{
    for (std::size_t index = 0; index < grid.rows.size(); ++index) {
        if (grid.slots[index] < 0) continue;
        for (int language = 0; language < LocalisationRow::Languages; ++language) {
            const char16_t* text = grid.list.GetText(grid.slots[index], language);
            grid.rows[index].texts[language] = text ? text : u"";
        }
    }
}

void CDlgLocalisation::StoreCountry()
{
    if (initialising_ || !currentCountry_) return;
    ReadBack(country_);
    LocalisationRows::StoreCountryRows(*currentCountry_, country_.rows);
}

void CDlgLocalisation::StoreClub()
{
    if (initialising_ || !currentClub_) return;
    ReadBack(club_);
    LocalisationRows::StoreClubRows(*currentClub_, club_.rows);
}

void CDlgLocalisation::StoreWorld()
{
    TCompleteWorld* world = GetWorld();
    if (initialising_ || !active_ || !world) return;
    ReadBack(world_);
    LocalisationRows::StoreWorldRows(world->GetRulesAndMisc(), world_.rows);
}

void CDlgLocalisation::FillCountryCombo()
{
    countryCombo_.SetRedraw(false);
    countryCombo_.ResetContent();
    if (TCompleteWorld* world = GetWorld()) {
        for (int id = FirstCountry; id <= LastCountry; ++id) {
            TCountry* country = world->GetCountry(id);
            AddComboItem(countryCombo_, country->GetName(), reinterpret_cast<LPARAM>(country));
        }
    }
    countryCombo_.SetRedraw(true);
    countryCombo_.SetCurSel(0);
    ::SendMessageW(GetItem(IDC_LOCALISATION_COUNTRY_SPIN), UDM_SETRANGE32, 0, std::max(countryCombo_.GetCount() - 1, 0));
    ::SendMessageW(GetItem(IDC_LOCALISATION_COUNTRY_SPIN), UDM_SETPOS32, 0, 0);
    TakeCountryFromCombo();
}

void CDlgLocalisation::TakeCountryFromCombo()
{
    const int index = countryCombo_.GetCurSel();
    currentCountry_ = index < 0 ? nullptr : reinterpret_cast<TCountry*>(countryCombo_.GetItemData(index));
    ::SendMessageW(GetItem(IDC_LOCALISATION_COUNTRY_SPIN), UDM_SETPOS32, 0, std::max(index, 0));
    ShowCountry();
}

void CDlgLocalisation::ShowCountry()
{
    const TCompleteWorld* world = GetWorld();
    Fill(country_, currentCountry_ && world ? LocalisationRows::CountryRows(*currentCountry_, world->GetDatabaseLanguage())
                                            : std::vector<LocalisationRow>{});
    FillClubCombo();
}

void CDlgLocalisation::FillClubCombo()
{
    clubCombo_.SetRedraw(false);
    clubCombo_.ResetContent();
    for (int index = 0; currentCountry_ && currentCountry_->GetClubByIndex(index); ++index) {
        TClub* club = currentCountry_->GetClubByIndex(index);
        AddComboItem(clubCombo_, LocalisationRows::ClubComboText(*club).c_str(), reinterpret_cast<LPARAM>(club));
    }
    clubCombo_.SetRedraw(true);
    clubCombo_.SetCurSel(0);
    ::SendMessageW(GetItem(IDC_LOCALISATION_CLUB_SPIN), UDM_SETRANGE32, 0, std::max(clubCombo_.GetCount() - 1, 0));
    TakeClubFromCombo();
}

void CDlgLocalisation::TakeClubFromCombo()
{
    const int index = clubCombo_.GetCurSel();
    currentClub_ = index < 0 ? nullptr : reinterpret_cast<TClub*>(clubCombo_.GetItemData(index));
    ::SendMessageW(GetItem(IDC_LOCALISATION_CLUB_SPIN), UDM_SETPOS32, 0, std::max(index, 0));
    ShowClub();
}

void CDlgLocalisation::ShowClub()
{
    Fill(club_, currentClub_ ? LocalisationRows::ClubRows(*currentClub_) : std::vector<LocalisationRow>{});
}

void CDlgLocalisation::SetCountry(TCountry* country)
{
    if (!Handle()) {
        currentCountry_ = country;
        return;
    }
    StoreClub();
    StoreCountry();
    const int index = countryCombo_.FindItemData(reinterpret_cast<LPARAM>(country));
    if (index < 0) return;
    countryCombo_.SetCurSel(index);
    TakeCountryFromCombo();
}

void CDlgLocalisation::SetClub(TClub* club)
{
    if (!Handle()) {
        currentClub_ = club;
        return;
    }
    StoreClub();
    const int index = clubCombo_.FindItemData(reinterpret_cast<LPARAM>(club));
    if (index < 0) return;
    clubCombo_.SetCurSel(index);
    TakeClubFromCombo();
}

bool CDlgLocalisation::OnCommand(int id, int code, HWND control)
{
    if (code != CBN_SELCHANGE) return false;
    if (id == IDC_LOCALISATION_COUNTRY_COMBO) {
        StoreClub();
        StoreCountry();
        TakeCountryFromCombo();
        return true;
    }
    if (id == IDC_LOCALISATION_CLUB_COMBO) {
        StoreClub();
        TakeClubFromCombo();
        return true;
    }
    return false;
}

bool CDlgLocalisation::OnNotify(const NMHDR& header, LRESULT& result)
{
    if (header.code != UDN_DELTAPOS) return false;
    const auto& change = reinterpret_cast<const NMUPDOWN&>(header);
    if (header.idFrom == IDC_LOCALISATION_COUNTRY_SPIN) Step(countryCombo_, change.iDelta, true);
    else if (header.idFrom == IDC_LOCALISATION_CLUB_SPIN) Step(clubCombo_, change.iDelta, false);
    else return false;
    // The combo's selection, not the up-down's own count, decides.
    result = 1;
    return true;
}

void CDlgLocalisation::Step(const win::CComboBox& combo, int delta, bool country)
{
    const int current = combo.GetCurSel();
    const int wanted = std::clamp(current + delta, 0, std::max(combo.GetCount() - 1, 0));
    if (wanted == current || combo.GetCount() == 0) return;
    StoreClub();
    if (country) StoreCountry();
    combo.SetCurSel(wanted);
    if (country) TakeCountryFromCombo();
    else TakeClubFromCombo();
}

bool CDlgLocalisation::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message != WM_CLOSE) return CDialogB::OnMessage(message, wParam, lParam, result);
    Close();
    result = 0;
    return true;
}

void CDlgLocalisation::Close()
{
    StoreClub();
    StoreCountry();
    StoreWorld();
    active_ = false;
    EndDialog(IDCANCEL);
}
