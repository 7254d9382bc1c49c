#include "editors/player_staff/squad/DlgPlayerListComplete.h"

#include "core/AppMessage.h"
#include "core/text/TextManager.h"
#include "core/text/TextTools.h"
#include "database/club/Club.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/world/EnumTexts.h"
#include "database/person/Person.h"
#include "database/world/WorldList.h"
#include "editors/player_staff/search/ClubChooserHook.h"
#include "editors/player_staff/model/squad/SquadListModel.h"
#include "resources/StaffPagesIds.h"
#include "ui/skin/MyTabCtrl.h"
#include "win/ComboBox.h"
#include "win/WideText.h"

namespace {

using Filter = AllPlayersFilter;
constexpr int ContinentCount = 6;
constexpr int ValueColumn = 2;
constexpr int TeamPartYouth = 2;
constexpr int TeamPartReserve = 1;
constexpr int TeamPartFirst = 0;

struct TColumn {
    TextKey key;
    int format;
    int weight;
    int sortTypes[3];
};
const TColumn Columns[] = {
    {u"Common.Name"_tk, LVCFMT_LEFT, 150, {0, 1, 2}},
    {u"Player.PositionShort"_tk, LVCFMT_LEFT, 40, {1, 0, 2}},
    {u"Player.Level"_tk, LVCFMT_RIGHT, 44, {2, 0, 1}},
};

// A combo emptied for filling, drawn again once the filling ends.
class CFilledCombo {
public:
    explicit CFilledCombo(HWND combo) { combo_.Attach(combo); combo_.SetRedraw(false); combo_.ResetContent(); }
    ~CFilledCombo()
    {
        combo_.SetRedraw(true);
        combo_.Detach();
    }
    const win::CComboBox& Get() const { return combo_; }

private:
    win::CComboBox combo_;
};

}  // namespace

CDlgPlayerListComplete::CDlgPlayerListComplete(HWND parent) : CDialogB(IDD_PLAYERLIST_COMPLETE, parent) {}

void CDlgPlayerListComplete::SetCountry(const TCountry* country)
{
    filters_.continent = country != nullptr ? static_cast<std::uint32_t>(country->GetContinent()) : Filter::All;
    filters_.country = country != nullptr ? static_cast<std::uint32_t>(country->GetId()) : Filter::All;
}

TPerson* CDlgPlayerListComplete::GetCurrentPerson() const
{
    const TCompleteWorld* world = GetWorld();
    return world != nullptr && personId_ != 0 ? world->GetPerson(personId_) : nullptr;
}

BOOL CDlgPlayerListComplete::OnInitDialog()
{
    CDialogB::OnInitDialog();
    list_.SubclassDlgItem(IDC_COMPLETE_LIST, *this);
    AddColumns();
    list_.AutoSizeColumns(true);
    list_.SetSortHandler(this);
    list_.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    list_.Sort(ValueColumn, false);
    ++refillDepth_;
    FillContinents();
    FillCountries();
    FillLeagues();
    FillPositionsAndValues();
    --refillDepth_;
    FillList();
    if (list_.GetItemCount() == 0) {
        ::SetDlgItemTextW(Handle(), IDC_COMPLETE_CLUB, L"");
        ::SetDlgItemTextW(Handle(), IDC_COMPLETE_COUNT, L"");
    } else {
        list_.SetItemState(-1, 0, LVIS_SELECTED);
        SelectRow(0);
    }
    return TRUE;
}

void CDlgPlayerListComplete::AddColumns()
{
    for (const TColumn& column : Columns) {
        const int index = list_.AddColumn(GetText(column.key), column.format, column.weight);
        list_.SetColumnSortTypes(index, column.sortTypes[0], column.sortTypes[1], column.sortTypes[2]);
    }
}

std::uint32_t CDlgPlayerListComplete::SelectedValue(int id) const
{
    win::CComboBox combo;
    combo.Attach(GetItem(id));
    const auto value = static_cast<std::uint32_t>(GetComboSelData(combo, static_cast<LPARAM>(Filter::All)));
    combo.Detach();
    return value;
}

void CDlgPlayerListComplete::FillContinents()
{
    CFilledCombo combo(GetItem(IDC_COMPLETE_CONTINENT));
    AddComboItem(combo.Get(), GetText(u"FilterAll"_tk), static_cast<LPARAM>(Filter::All));
    for (int continent = 0; continent < ContinentCount; ++continent) {
        AddComboItem(combo.Get(), GetEnumTexts().GetContinentName(continent), continent);
    }
    SelectComboByData(combo.Get(), static_cast<LPARAM>(filters_.continent));
}

void CDlgPlayerListComplete::FillCountries()
{
    const TCompleteWorld* world = GetWorld();
    {
        CFilledCombo combo(GetItem(IDC_COMPLETE_COUNTRY));
        AddComboItem(combo.Get(), GetText(u"FilterAll"_tk), static_cast<LPARAM>(Filter::All));
        if (world != nullptr && filters_.continent != Filter::All) {
            for (const Filter::TComboRow& row : Filter::CountryRows(*world, filters_.continent)) {
                AddComboItem(combo.Get(), row.text.c_str(), row.value);
            }
        }
        combo.Get().SetCurSel(0);
        SelectComboByData(combo.Get(), static_cast<LPARAM>(filters_.country));
    }
    filters_.country = SelectedValue(IDC_COMPLETE_COUNTRY);
    ::EnableWindow(GetItem(IDC_COMPLETE_COUNTRY), filters_.continent != Filter::All);
}

void CDlgPlayerListComplete::FillLeagues()
{
    TCompleteWorld* world = GetWorld();
    TCountry* country = world != nullptr && filters_.country != Filter::All
                            ? world->GetCountry(static_cast<int>(filters_.country))
                            : nullptr;
    const std::uint32_t previous = filters_.league;
    {
        CFilledCombo combo(GetItem(IDC_COMPLETE_LEAGUE));
        const char16_t* all = GetText(u"FilterAll"_tk);
        AddComboItem(combo.Get(), all, static_cast<LPARAM>(Filter::All));
        if (country != nullptr) {
            for (const Filter::TComboRow& row : Filter::LeagueRows(*country, world->GetDatabaseLanguage(), all)) {
                AddComboItem(combo.Get(), row.text.c_str(), row.value);
            }
        }
        combo.Get().SetCurSel(0);
        SelectComboByData(combo.Get(), static_cast<LPARAM>(previous));
    }
    filters_.league = SelectedValue(IDC_COMPLETE_LEAGUE);
    ::EnableWindow(GetItem(IDC_COMPLETE_LEAGUE), country != nullptr);
    // The same level or league of another country holds other teams.
    CollectLeagueTeams();
}

void CDlgPlayerListComplete::FillPositionsAndValues()
{
    {
        CFilledCombo combo(GetItem(IDC_COMPLETE_POSITION));
        for (const Filter::TItem& item : Filter::PositionFilterItems()) {
            AddComboItem(combo.Get(), GetText(item.key.c_str()), item.value);
        }
        combo.Get().SetCurSel(0);
    }
    CFilledCombo combo(GetItem(IDC_COMPLETE_VALUE));
    for (const Filter::TItem& item : Filter::ValueItems()) AddComboItem(combo.Get(), GetText(item.key.c_str()), item.value);
    for (int ability = 0; ability < TPerson::AbilityCount; ++ability) {
        AddComboItem(combo.Get(), GetEnumTexts().GetAbilityName(ability), Filter::AbilityValue | ability);
    }
    combo.Get().SetCurSel(0);
}

void CDlgPlayerListComplete::SetRowTexts(int row, std::uint32_t personId)
{
    const TCompleteWorld* world = GetWorld();
    if (world == nullptr) return;
    const auto texts = Filter::RowTexts(*world, personId, valueMode_, ability_);
    list_.SetItemText(row, 1, texts[1].c_str());
    list_.SetItemText(row, 2, texts[2].c_str());
}

void CDlgPlayerListComplete::FillList()
{
    const TCompleteWorld* world = GetWorld();
    if (refillDepth_ > 0 || world == nullptr) return;
    ++refillDepth_;
    HCURSOR previous = ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
    list_.SetRedraw(false);
    list_.DeleteAllItems();
    rows_.Fill(*world, filters_, leagueTeams_);
    for (const Filter::TRow& entry : rows_.Rows()) {
        const auto texts = Filter::RowTexts(*world, entry.personId, valueMode_, ability_);
        const int row = list_.InsertItem(texts[0].c_str(), static_cast<LPARAM>(entry.personId));
        if (row < 0) continue;
        list_.SetItemText(row, 1, texts[1].c_str());
        list_.SetItemText(row, 2, texts[2].c_str());
    }
    list_.Resort();
    KeepSelection();
    list_.SetRedraw(true);
    list_.Invalidate();
    ShowCount();
    ::SetCursor(previous);
    --refillDepth_;
}

void CDlgPlayerListComplete::KeepSelection()
{
    // The current player stays selected when he is still listed; a
    // selection of the same player reports nothing.
    LVFINDINFOW find{};
    find.flags = LVFI_PARAM;
    find.lParam = static_cast<LPARAM>(personId_);
    const int row = personId_ != 0 ? static_cast<int>(list_.Send(LVM_FINDITEMW, static_cast<WPARAM>(-1),
                                                                reinterpret_cast<LPARAM>(&find)))
                                   : -1;
    if (row >= 0) SelectRow(row);
}

void CDlgPlayerListComplete::ShowCount()
{
    const std::u16string count = CTextManager::Instance()->FormatInt(list_.GetItemCount());
    const std::u16string text = ReplaceTokens(GetText(u"InfoEntries"_tk), {{u"_COUNT", count}});
    ::SetDlgItemTextW(Handle(), IDC_COMPLETE_COUNT, win::W(text));
}

void CDlgPlayerListComplete::SelectRow(int row)
{
    list_.EnsureVisible(row);
    list_.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

int CDlgPlayerListComplete::Compare(int sortType, LPARAM item1, LPARAM item2)
{
    const TCompleteWorld* world = GetWorld();
    const TPerson* a = world != nullptr ? world->GetPerson(static_cast<std::uint32_t>(item1)) : nullptr;
    const TPerson* b = world != nullptr ? world->GetPerson(static_cast<std::uint32_t>(item2)) : nullptr;
    if (a == nullptr || b == nullptr) return (a == nullptr) - (b == nullptr);
    return Filter::Compare(*world, sortType, *a, *b, valueMode_, ability_);
}

void CDlgPlayerListComplete::OnContinentChange()
{
    filters_.continent = SelectedValue(IDC_COMPLETE_CONTINENT);
    filters_.country = Filter::All;
    ++refillDepth_;
    FillCountries();
    FillLeagues();
    --refillDepth_;
    FillList();
}

void CDlgPlayerListComplete::OnCountryChange()
{
    filters_.country = SelectedValue(IDC_COMPLETE_COUNTRY);
    ++refillDepth_;
    FillLeagues();
    --refillDepth_;
    FillList();
}

void CDlgPlayerListComplete::OnLeagueChange()
{
    filters_.league = SelectedValue(IDC_COMPLETE_LEAGUE);
    CollectLeagueTeams();
    FillList();
}

void CDlgPlayerListComplete::CollectLeagueTeams()
{
    leagueTeams_.clear();
    TCompleteWorld* world = GetWorld();
    if (world != nullptr && filters_.country != Filter::All && filters_.league != Filter::All) {
        if (TCountry* country = world->GetCountry(static_cast<int>(filters_.country))) {
            leagueTeams_ = Filter::BuildLeagueTeams(*country, filters_.league);
        }
    }
}

void CDlgPlayerListComplete::OnValueChange()
{
    const std::uint32_t value = SelectedValue(IDC_COMPLETE_VALUE);
    const bool isAbility = (value & Filter::AbilityValue) != 0 && value != Filter::All;
    const int mode = isAbility ? Filter::Ability : static_cast<int>(value & 0xFF);
    const int ability = isAbility ? static_cast<int>(value & 0xFF) : ability_;
    const bool changed = mode != valueMode_ || ability != ability_;
    valueMode_ = mode;
    ability_ = ability;
    wchar_t heading[64] = {};
    ::GetDlgItemTextW(Handle(), IDC_COMPLETE_VALUE, heading, 64);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_FMT;
    column.pszText = heading;
    column.fmt = mode == Filter::Talent || mode == Filter::Nationality ? LVCFMT_LEFT : LVCFMT_RIGHT;
    list_.Send(LVM_SETCOLUMNW, ValueColumn, reinterpret_cast<LPARAM>(&column));
    list_.SetRedraw(false);
    for (int row = 0; row < list_.GetItemCount(); ++row) {
        SetRowTexts(row, static_cast<std::uint32_t>(list_.GetItemData(row)));
    }
    list_.Resort();
    list_.SetRedraw(true);
    list_.Invalidate();
    if (changed && list_.GetItemCount() > 0) {
        list_.SetItemState(-1, 0, LVIS_SELECTED);
        SelectRow(0);
    }
}

void CDlgPlayerListComplete::RequestStore() const
{
    ::SendMessageW(GetParent(), CMyTabCtrl::PageLeaveRequest, 0, 0);
}

void CDlgPlayerListComplete::OnRowSelected(int row)
{
    const auto id = static_cast<std::uint32_t>(list_.GetItemData(row));
    if (id == personId_) return;
    if (personId_ != 0) RequestStore();
    personId_ = id;
    const TPerson* person = GetCurrentPerson();
    const TTeamId club = person != nullptr ? rows_.ReportedClub(*person) : 0;
    ::SendMessageW(frame_, ClubChosen, club, 0);
    ::SendMessageW(frame_, PersonChosen, person != nullptr ? id : 0, 0);
    const TCompleteWorld* world = GetWorld();
    const std::u16string name = club != 0 && world != nullptr ? world->GetClubName(club) : u"";
    ::SetDlgItemTextW(Handle(), IDC_COMPLETE_CLUB, win::W(name));
}

void CDlgPlayerListComplete::ShowContextMenu()
{
    HMENU menu = GetListCtrlContextMenu(list_, IDR_PLAYERLIST_COMPLETE_MENU, 0);
    if (menu == nullptr) return;
    if (!HasClubChooser() || personId_ == 0) ::EnableMenuItem(menu, ID_COMPLETE_MOVE, MF_BYCOMMAND | MF_GRAYED);
    if (personId_ == 0) ::EnableMenuItem(menu, ID_COMPLETE_RELEASE, MF_BYCOMMAND | MF_GRAYED);
    TranslateMenu(menu);
    TrackContextMenu(menu);
}

void CDlgPlayerListComplete::MovePlayer()
{
    TPerson* person = GetCurrentPerson();
    TCompleteWorld* world = GetWorld();
    if (person == nullptr || world == nullptr) return;
    const int presetCountry = filters_.country != Filter::All ? static_cast<int>(filters_.country) : 0;
    const std::uint32_t chosen = ChooseClubForMove(Handle(), presetCountry);
    TClub* club = chosen != 0 ? world->GetClub(WithoutReserveBit(chosen)) : nullptr;
    if (club == nullptr) return;
    RequestStore();
    const int teamPart = person->IsYouthPlayer()            ? TeamPartYouth
                         : (chosen & ReserveTeamBit) != 0 ? TeamPartReserve
                                                          : TeamPartFirst;
    if (!person->MoveToClub(club, teamPart)) return;
    personId_ = 0;
    FillList();
}

void CDlgPlayerListComplete::ReleasePlayer()
{
    TPerson* person = GetCurrentPerson();
    TCompleteWorld* world = GetWorld();
    TClub* club = person != nullptr && world != nullptr ? world->FindClubOfPerson(person) : nullptr;
    if (club == nullptr) return;
    const std::u16string question =
        ReplaceTokens(GetText(u"DeletePlayerMessage"_tk), {{u"_PLAYER_NAME", TPerson::GetShortName(person)}});
    if (ShowAppMessageBox(question.c_str(), AppMessage::YesNo | AppMessage::IconQuestion) != AppMessage::IdYes) return;
    RequestStore();
    ::SendMessageW(frame_, PersonChosen, 0, 0);
    SquadListModel::ReleasePerson(*club, *person,
                                  [world](TPerson& released) { return world->GetFreeAgents().Add(&released) != 0; });
    personId_ = 0;
    FillList();
}

bool CDlgPlayerListComplete::OnCommand(int id, int code, HWND control)
{
    if (control == nullptr) {
        if (id == ID_COMPLETE_MOVE) MovePlayer();
        else if (id == ID_COMPLETE_RELEASE) ReleasePlayer();
        return id == ID_COMPLETE_MOVE || id == ID_COMPLETE_RELEASE;
    }
    if (code != CBN_SELCHANGE) return false;
    switch (id) {
    case IDC_COMPLETE_CONTINENT: OnContinentChange(); return true;
    case IDC_COMPLETE_COUNTRY: OnCountryChange(); return true;
    case IDC_COMPLETE_LEAGUE: OnLeagueChange(); return true;
    case IDC_COMPLETE_POSITION:
        filters_.position = SelectedValue(IDC_COMPLETE_POSITION);
        FillList();
        return true;
    case IDC_COMPLETE_VALUE: OnValueChange(); return true;
    default: return false;
    }
}

bool CDlgPlayerListComplete::OnNotify(const NMHDR& header, LRESULT& result)
{
    if (header.idFrom != IDC_COMPLETE_LIST) return false;
    if (header.code == NM_RCLICK) {
        ShowContextMenu();
        result = 0;
        return true;
    }
    if (header.code != LVN_ITEMCHANGED) return false;
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    if (change.iItem >= 0 && (change.uNewState & LVIS_SELECTED) != 0 && (change.uOldState & LVIS_SELECTED) == 0) {
        OnRowSelected(change.iItem);
    }
    result = 0;
    return true;
}
