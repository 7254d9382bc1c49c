// The combo and list box fillers of CDialogB.
#include "core/text/TextManager.h"
#include "database/world/EnumTexts.h"
#include "database/club/ReferenceLists.h"
#include "database/club/Stadium.h"
#include "ui/base/CountryDirectory.h"
#include "ui/controls/DateCtrl.h"
#include "ui/base/DialogB.h"
#include "ui/controls/SelectColour.h"

namespace {

// Empties a control and keeps it from redrawing until the filling is done.
class FillScope {
public:
    FillScope(const win::CWindow& control, UINT resetMessage) : control_(control)
    {
        control_.SetRedraw(false);
        control_.Send(resetMessage);
    }
    ~FillScope()
    {
        control_.SetRedraw(true);
        control_.Invalidate();
    }
    FillScope(const FillScope&) = delete;
    FillScope& operator=(const FillScope&) = delete;

private:
    const win::CWindow& control_;
};

const char16_t* NoCountryKeyText(int mode)
{
    if (mode == 1) return CTextManager::Instance()->GetText(u"Country.NoNationality"_tk);
    if (mode == 2) return CTextManager::Instance()->GetText(u"Country.NoCountry"_tk);
    return nullptr;
}

}  // namespace

int CDialogB::AddComboItem(const win::CComboBox& combo, const char16_t* text, LPARAM value)
{
    int index = combo.AddString(text);
    if (index < 0) return -1;
    combo.SetItemData(index, value);
    return index;
}

void CDialogB::SelectComboByData(const win::CComboBox& combo, LPARAM value)
{
    int index = combo.FindItemData(value);
    if (index >= 0) combo.SetCurSel(index);
}

LPARAM CDialogB::GetComboSelData(const win::CComboBox& combo, LPARAM defaultValue)
{
    int index = combo.GetCurSel();
    return index < 0 ? defaultValue : combo.GetItemData(index);
}

void CDialogB::FillComboFromKeys(const win::CComboBox& combo, const char16_t* const* keys, int selected)
{
    FillScope scope(combo, CB_RESETCONTENT);
    for (int i = 0; keys != nullptr && keys[i] != nullptr; ++i) {
        const char16_t* text = GetText(keys[i], nullptr);
        if (text == nullptr) continue;
        int index = AddComboItem(combo, text, i);
        if (index >= 0 && i == selected) combo.SetCurSel(index);
    }
}

void CDialogB::FillComboFromStrings(const win::CComboBox& combo, const char16_t* const* texts, int selected)
{
    FillScope scope(combo, CB_RESETCONTENT);
    for (int i = 0; texts != nullptr && texts[i] != nullptr; ++i) {
        int index = AddComboItem(combo, texts[i], i);
        if (index >= 0 && i == selected) combo.SetCurSel(index);
    }
}

void CDialogB::FillComboFromKeyTable(const win::CComboBox& combo, const KeyValue* pairs, std::uint32_t selected)
{
    FillScope scope(combo, CB_RESETCONTENT);
    for (const KeyValue* pair = pairs; pair != nullptr && pair->key != nullptr; ++pair) {
        int index = AddComboItem(combo, GetText(pair->key, pair->key), static_cast<LPARAM>(pair->value));
        if (index >= 0 && pair->value == selected) combo.SetCurSel(index);
    }
}

const char16_t* CDialogB::GetComboKeyBySelData(const win::CComboBox& combo, const KeyValue* pairs,
                                               std::uint32_t defaultValue)
{
    auto value = static_cast<std::uint32_t>(GetComboSelData(combo, static_cast<LPARAM>(defaultValue)));
    for (const KeyValue* pair = pairs; pair != nullptr && pair->key != nullptr; ++pair)
        if (pair->value == value) return pair->key;
    return nullptr;
}

void CDialogB::FillLanguageCombo(const win::CComboBox& combo, int selected, bool withFirst)
{
    constexpr int LanguageNameCount = 63;
    FillScope scope(combo, CB_RESETCONTENT);
    for (int language = withFirst ? 0 : 1; language < LanguageNameCount; ++language) {
        int index = AddComboItem(combo, GetEnumTexts().GetLanguageName(language), language);
        if (index >= 0 && language == selected) combo.SetCurSel(index);
    }
}

void CDialogB::FillCountryCombo(const win::CComboBox& combo, std::int32_t selected, int mode)
{
    FillScope scope(combo, CB_RESETCONTENT);
    if (const char16_t* none = NoCountryKeyText(mode)) {
        int index = AddComboItem(combo, none, 0);
        if (index >= 0 && selected == 0) combo.SetCurSel(index);
    }
    const ICountryDirectory* directory = GetCountryDirectory();
    if (directory == nullptr) return;
    for (std::int32_t id = FirstListedCountry; id <= LastListedCountry; ++id) {
        if (!CountryQualifies(*directory, id, mode)) continue;
        int index = AddComboItem(combo, directory->GetCountryName(id), id);
        if (index >= 0 && id == selected) combo.SetCurSel(index);
    }
}

void CDialogB::FillCountryList(const win::CListBox& list, std::int32_t selected, int mode)
{
    FillScope scope(list, LB_RESETCONTENT);
    auto add = [&list, selected](const char16_t* text, std::int32_t id) {
        int index = list.AddString(text);
        if (index < 0) return;
        list.SetItemData(index, id);
        if (id == selected) list.SetCurSel(index);
    };
    if (const char16_t* none = NoCountryKeyText(mode)) add(none, 0);
    const ICountryDirectory* directory = GetCountryDirectory();
    if (directory == nullptr) return;
    for (std::int32_t id = FirstListedCountry; id <= LastListedCountry; ++id)
        if (CountryQualifies(*directory, id, mode)) add(directory->GetCountryName(id), id);
}

void CDialogB::FillColourCombo(CSelectColour& combo, const CTeamColourTextFile& list, std::uint32_t selected,
                               bool twoColours)
{
    combo.FillFromColourList(list, selected, twoColours ? 1 : 0);
}

void CDialogB::FillStadiumListCombo(const win::CComboBox& combo)
{
    FillScope scope(combo, CB_RESETCONTENT);
    AddComboItem(combo, GetText(u"Common.NotAvailable"_tk), 0);
    for (const StadiumListEntry& entry : GetStadiumList()) AddComboItem(combo, entry.Name, entry.Number);
}

TDate CDialogB::GetDateCtrlValue(Halvane::MFC::CDateCtrl& control)
{
    return TDate(control.GetYear(), control.GetMonth(), control.GetDay());
}

void CDialogB::SetDateCtrlValue(Halvane::MFC::CDateCtrl& control, TDate date, TDate fallback)
{
    const TDate shown = date.IsSet() ? date : fallback;
    std::uint16_t year = 0;
    std::uint8_t month = 0;
    std::uint8_t day = 0;
    shown.GetYearMonthDay(year, month, day);
    control.SetDate(year, month, day);
}
