#include "editors/country_club/country/DlgLand.h"

#include "core/text/TextManager.h"
#include "database/country/Country.h"
#include "database/world/EnumTexts.h"
#include "editors/country_club/competition/DlgCountryPlayerRating.h"
#include "resources/CountryEditorIds.h"

namespace {

constexpr TextKey ClimateKeys[] = {
    u"Dialog.Country.Common.Climate.Cold"_tk, u"Dialog.Country.Common.Climate.Cool"_tk,
    u"Dialog.Country.Common.Climate.Moderate"_tk, u"Dialog.Country.Common.Climate.Warm"_tk,
    u"Dialog.Country.Common.Climate.Hot"_tk};
constexpr TextKey AmateurRuleKeys[] = {
    u"Dialog.Country.Common.AmateurRule.NoLimit"_tk, u"Dialog.Country.Common.AmateurRule.OncePerWeek"_tk,
    u"Dialog.Country.Common.AmateurRule.Age"_tk, u"Dialog.Country.Common.AmateurRule.TransferPeriod"_tk};

constexpr int LanguageIds[] = {IDC_COUNTRY_LANGUAGE_1, IDC_COUNTRY_LANGUAGE_2, IDC_COUNTRY_LANGUAGE_3,
                               IDC_COUNTRY_LANGUAGE_4};
constexpr int ShareIds[] = {IDC_COUNTRY_SHARE_1, IDC_COUNTRY_SHARE_2, IDC_COUNTRY_SHARE_3, IDC_COUNTRY_SHARE_4};
constexpr int TitleIds[] = {IDC_COUNTRY_CONTINENTAL_TITLES, IDC_COUNTRY_CONTINENTAL_FINALS,
                            IDC_COUNTRY_WORLD_CUP_TITLES, IDC_COUNTRY_WORLD_CUP_FINALS};
constexpr int GroupIds[] = {IDC_COUNTRY_GROUP_SETTINGS, IDC_COUNTRY_GROUP_RATING, IDC_COUNTRY_GROUP_NOTES,
                            IDC_COUNTRY_GROUP_TITLES, IDC_COUNTRY_GROUP_LANGUAGES};

int Selected(const win::CComboBox& combo) { return static_cast<int>(CDialogB::GetComboSelData(combo, -1)); }

void Select(const win::CComboBox& combo, int value)
{
    combo.SetCurSel(-1);
    if (value >= 0) CDialogB::SelectComboByData(combo, value);
}

}  // namespace

CDlgLand::CDlgLand(HWND parent) : CDialogB(IDD_COUNTRY_COMMON, parent) {}

BOOL CDlgLand::OnInitDialog()
{
    CDialogB::OnInitDialog();
    for (std::size_t slot = 0; slot < languages_.size(); ++slot) {
        languages_[slot].Attach(GetItem(LanguageIds[slot]));
        shares_[slot].SubclassDlgItem(ShareIds[slot], *this);
        shares_[slot].SetRange(0, 100);
        shares_[slot].SetNotify(this);
    }
    shareSum_.SubclassDlgItem(IDC_COUNTRY_SHARE_SUM, *this);
    naturalisation_.SubclassDlgItem(IDC_COUNTRY_NATURALISATION, *this);
    naturalisation_.SetRange(0, CountryNaturalisationMax);
    naturalisation_.SetNotify(this);
    // 0 means never: the spin shows that text for it at every change.
    naturalisation_.SetSpecialValue(0, GetText(u"Never"_tk));
    for (std::size_t i = 0; i < groups_.size(); ++i) groups_[i].SubclassDlgItem(GroupIds[i], *this);
    ranking_.SubclassDlgItem(IDC_COUNTRY_RANKING, *this);
    ranking_.SetRange(0, CountryRankingMax);
    foreignTransfers_.SubclassDlgItem(IDC_COUNTRY_FOREIGN_TRANSFERS, *this);
    averageRating_.SubclassDlgItem(IDC_COUNTRY_AVERAGE_RATING, *this);
    for (std::size_t i = 0; i < titles_.size(); ++i) titles_[i].SubclassDlgItem(TitleIds[i], *this);
    federation_.Attach(GetItem(IDC_COUNTRY_FEDERATION));
    federation_.SetLimitText(CountryFederationNameLength);
    notes_.Attach(GetItem(IDC_COUNTRY_NOTES));
    climate_.Attach(GetItem(IDC_COUNTRY_CLIMATE));
    amateurRule_.Attach(GetItem(IDC_COUNTRY_AMATEUR_RULE));
    noTerraces_.Attach(GetItem(IDC_COUNTRY_NO_TERRACES));
    generateNames_.Attach(GetItem(IDC_COUNTRY_GENERATE_NAMES));
    territory_.Attach(GetItem(IDC_COUNTRY_TERRITORY));
    territory_.SetRedraw(false);
    for (int index = 0; index < CountryTerritoriesOffered; ++index) {
        AddComboItem(territory_, GetEnumTexts().GetTerritoryName(index), index);
    }
    territory_.SetRedraw(true);
    return TRUE;
}

void CDlgLand::LoadCountry(TCountry* country)
{
    if (country == nullptr) return;
    country_ = country;
    loading_ = true;
    ShowView(LoadCountryGeneral(*country));
    loading_ = false;
}

void CDlgLand::ShowView(const TCountryGeneralView& view)
{
    for (std::size_t slot = 0; slot < languages_.size(); ++slot) {
        FillLanguageCombo(languages_[slot], view.languages[slot], slot > 0);
        shares_[slot].SetValue(view.shares[slot]);
    }
    ShowShareSum(view.shares[0] + view.shares[1] + view.shares[2] + view.shares[3]);
    FillKeyCombo(amateurRule_, AmateurRuleKeys, CountryAmateurRuleCount, view.amateurRule);
    FillKeyCombo(climate_, ClimateKeys, CountryClimateCount, view.climate);
    foreignTransfers_.SetRange(0, 100);
    foreignTransfers_.SetValue(view.foreignTransfers);
    averageRating_.SetRange(1, 99);
    averageRating_.SetValue(view.averageRating);
    for (std::size_t i = 0; i < titles_.size(); ++i) {
        titles_[i].SetRange(0, CountryTitleMax);
        titles_[i].SetValue(view.titles[i]);
    }
    naturalisation_.SetValue(view.naturalisation);
    ranking_.SetValue(view.ranking);
    Select(territory_, view.territory);
    federation_.SetText(view.federation);
    SetButtonChecked(noTerraces_, view.noTerraces);
    SetButtonChecked(generateNames_, view.generateNames);
    notes_.SetText(view.notes);
}

TCountryGeneralView CDlgLand::ReadView()
{
    TCountryGeneralView view;
    view.federation = federation_.GetText();
    for (std::size_t slot = 0; slot < languages_.size(); ++slot) {
        view.languages[slot] = Selected(languages_[slot]);
        view.shares[slot] = shares_[slot].GetValue();
    }
    view.amateurRule = Selected(amateurRule_);
    view.climate = Selected(climate_);
    view.foreignTransfers = foreignTransfers_.GetValue();
    view.noTerraces = IsButtonChecked(noTerraces_);
    view.generateNames = IsButtonChecked(generateNames_);
    view.averageRating = averageRating_.GetValue();
    for (std::size_t i = 0; i < titles_.size(); ++i) view.titles[i] = titles_[i].GetValue();
    view.notes = notes_.GetText();
    view.naturalisation = naturalisation_.GetValue();
    view.ranking = ranking_.GetValue();
    view.territory = Selected(territory_);
    return view;
}

void CDlgLand::StoreCountry()
{
    if (country_ == nullptr) return;
    StoreCountryGeneral(ReadView(), *country_);
}

void CDlgLand::FillKeyCombo(const win::CComboBox& combo, const TextKey* keys, int count, int selected)
{
    combo.SetRedraw(false);
    combo.ResetContent();
    for (int i = 0; i < count; ++i) {
        const int index = AddComboItem(combo, GetText(keys[i], u"(n/a)"), i);
        if (i == selected) combo.SetCurSel(index);
    }
    combo.SetRedraw(true);
    combo.Invalidate();
}

void CDlgLand::OnChange(void* sender)
{
    if (loading_) return;
    for (std::size_t slot = 0; slot < shares_.size(); ++slot) {
        if (sender != &shares_[slot]) continue;
        TLanguageShares shares{};
        for (std::size_t i = 0; i < shares_.size(); ++i) shares[i] = shares_[i].GetValue();
        const int sum = CapLanguageShares(shares, static_cast<int>(slot));
        if (shares[slot] != shares_[slot].GetValue()) shares_[slot].SetValue(shares[slot]);
        ShowShareSum(sum);
    }
}

void CDlgLand::ShowShareSum(int sum) { shareSum_.SetText(CTextManager::Instance()->FormatInt(sum)); }

bool CDlgLand::OnCommand(int id, int code, HWND control)
{
    if (id != IDC_COUNTRY_MODIFY_RATING || code != BN_CLICKED) return false;
    OnModifyLeagueRating();
    return true;
}

void CDlgLand::OnModifyLeagueRating()
{
    if (country_ == nullptr) return;
    StoreCountry();
    CDlgCountryPlayerRating dialog(*country_, Handle());
    dialog.DoModal();
    LoadCountry(country_);
}
