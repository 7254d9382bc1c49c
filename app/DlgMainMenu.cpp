#include "app/DlgMainMenu.h"

#include "app/DlgSplash.h"
#include "app/LedraApp.h"
#include "app/ToolServices.h"
#include "core/AppMessage.h"
#include "core/Format.h"
#include "core/TextManager.h"
#include "core/TextTools.h"
#include "database/CompleteWorld.h"
#include "database/EnumTexts.h"
#include "database/LongtimeExport.h"
#include "database/ReferenceLists.h"
#include "database/Stadium.h"
#include "database/WorldList.h"
#include "resources/ResourceIds.h"
#include "core/FileMessages.h"

namespace {

constexpr int FirstCountry = 1;
constexpr int LastCountry = 206;
constexpr int bannerBitmaps[] = {IDB_BANNER_ENGLISH, IDB_BANNER_FRENCH,  IDB_BANNER_GERMAN,
                                 IDB_BANNER_ITALIAN, IDB_BANNER_SPANISH, IDB_BANNER_POLISH};
constexpr int statisticIds[] = {IDC_MAIN_COUNTRY_CLUBS, IDC_MAIN_COUNTRY_PLAYERS, IDC_MAIN_WORLD_CLUBS,
                                IDC_MAIN_WORLD_PLAYERS};
constexpr int groupIds[] = {IDC_MAIN_GROUP_FEDERATION,         IDC_MAIN_GROUP_COUNTRIES,
                            IDC_MAIN_GROUP_CLUBS,              IDC_MAIN_GROUP_COUNTRY_STATISTICS,
                            IDC_MAIN_GROUP_WORLD_STATISTICS,   IDC_MAIN_GROUP_COMMANDS,
                            IDC_MAIN_GROUP_EXPORT};
// Commands whose editors and tools the program does not have yet.
constexpr int laterCommands[] = {
    IDC_MAIN_CLUB_SETTINGS,    IDC_MAIN_SQUAD,          IDC_MAIN_COUNTRY_EDITOR,     IDC_MAIN_CONTINENTS,
    IDC_MAIN_NATIONAL_TEAM,    IDC_MAIN_PLAYER_SEARCH,  IDC_MAIN_PLAYERS_WITHOUT_CLUB, IDC_MAIN_DUPLICATE_PLAYERS,
    IDC_MAIN_COUNTRY_PLAYER_LIST, IDC_MAIN_QUICK_TRANSFER,
};

bool IsNationalTeamRow(const ClubListEntry& entry) { return IsNationalTeamId(entry.club->GetId()); }

TCountry* ExistingCountry(int id)
{
    TCompleteWorld* world = GetWorld();
    if (world == nullptr || id < FirstCountry || id > LastCountry) return nullptr;
    TCountry* country = world->GetCountry(id);
    return country != nullptr && country->GetId() == id ? country : nullptr;
}

}  // namespace

DlgMainMenu::DlgMainMenu(HWND parent) : CDialogB(IDD_MAIN, parent) {}

MainStatistics DlgMainMenu::CountryStatistics(const std::vector<ClubListEntry>& rows)
{
    MainStatistics figures;
    figures.clubs = static_cast<int>(rows.size());
    for (const ClubListEntry& row : rows) figures.players += row.club->GetPlayerCount();
    return figures;
}

MainStatistics DlgMainMenu::WorldStatistics()
{
    MainStatistics figures;
    for (int id = FirstCountry; id <= LastCountry; ++id) {
        const TCountry* country = ExistingCountry(id);
        if (country == nullptr) continue;
        for (int index = 0; index < country->GetClubCount(); ++index) {
            const TClub* club = country->GetClubByIndex(index);
            if (club == nullptr || IsNationalTeamId(club->GetId())) continue;
            ++figures.clubs;
            figures.players += club->GetPlayerCount();
        }
    }
    return figures;
}

BOOL DlgMainMenu::OnInitDialog()
{
    CDialogB::OnInitDialog();
    HICON icon = ::LoadIconW(GetResourceModule(), MAKEINTRESOURCEW(IDI_MAIN));
    Send(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    Send(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    CLedraApp& app = GetEditorApp();
    app.SetMessageBoxCaption(GetText(u"Database.MessageBoxCaption"_tk), Handle());
    federationCombo_.Attach(GetItem(IDC_MAIN_FEDERATION));
    countryList_.SubclassDlgItem(IDC_MAIN_COUNTRIES, *this);
    const std::uint16_t position = 0;
    const std::uint16_t width = 0;
    countryList_.SetColumns(1, &position, &width);
    for (std::size_t i = 0; i < statistics_.size(); ++i) statistics_[i].SubclassDlgItem(statisticIds[i], *this);
    for (std::size_t i = 0; i < groups_.size(); ++i) groups_[i].SubclassDlgItem(groupIds[i], *this);
    clubList_.SubclassDlgItem(IDC_MAIN_CLUBS, *this);
    EnableLaterCommands();

    app.SetFoldersFromWorkingFolder();
    LoadStadiumList(app.GetDatabaseFolder());
    LoadTextFiles(app.GetDatabaseFolder());
    if (!app.GetGuiColours().Load(u"trdata\\GUIColors.txt")) ShowFileNotFound(u"trdata\\GUIColors.txt");
    if (!LoadDatabase()) {
        Post(WM_CLOSE);
        return TRUE;
    }
    ChooseDefaultCountry();
    FillFederationCombo();
    if (IsAdminMode()) countryGroupCaption_ = groups_[1].GetText();
    SetUpClubList();
    RefreshFromWorld();
    ShowBanner();
    if (app.GetSplash() != nullptr) app.GetSplash()->FadeOut();
    return TRUE;
}

bool DlgMainMenu::LoadDatabase()
{
    const std::u16string folder = GetEditorApp().GetBaseFolder() + u"\\Database";
    TWorldList& worlds = GetWorldList();
    TCompleteWorld* world = worlds.CreateCompleteWorld();
    if (world == nullptr) return false;
    worlds.SetCurrentWorld(world);
    loaded_ = world->LoadWorld(folder);
    return loaded_;
}

void DlgMainMenu::ChooseDefaultCountry()
{
    const TCountry* country = GetDefaultCountryForUserLanguage();
    if (country == nullptr || ExistingCountry(country->GetId()) == nullptr) return;
    federation_ = country->GetContinent();
    country_ = country->GetId();
    TCompleteWorld* world = GetWorld();
    world->SetCurrentContinent(static_cast<std::uint16_t>(federation_));
    world->SetCurrentCountryId(static_cast<std::uint16_t>(country_));
    rememberedSelection_[federation_] = country_;
    rememberedTopRow_[federation_] = country_;
}

void DlgMainMenu::FillFederationCombo()
{
    federationCombo_.ResetContent();
    CEnumTexts texts;
    for (int continent = 0; continent < FederationCount; ++continent)
        AddComboItem(federationCombo_, texts.GetContinentName(continent), continent);
    SelectComboByData(federationCombo_, federation_);
}

void DlgMainMenu::SetUpClubList()
{
    using Halvane::MFC::CHVListCtrl;
    CTextManager* texts = CTextManager::Instance();
    clubList_.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    clubList_.AddColumn(texts->GetText(u"Common.Club"_tk), LVCFMT_LEFT, 10);
    clubList_.SetColumnSortTypes(0, SortName, CHVListCtrl::NoSortType, CHVListCtrl::NoSortType);
    clubList_.AddColumn(texts->GetText(u"Dialog.Main.PlayerCount"_tk), LVCFMT_RIGHT, 4);
    clubList_.SetColumnSortTypes(1, SortPlayers, SortName, CHVListCtrl::NoSortType);
    clubList_.AutoSizeColumns(true);
    clubList_.SetSortHandler(this);
    clubList_.Sort(0, true);
}

void DlgMainMenu::ShowBanner()
{
    const int language = CTextManager::Instance()->GetLanguage();
    const int id = bannerBitmaps[language >= 0 && language < 6 ? language : 0];
    banner_.Reset(static_cast<HBITMAP>(
        ::LoadImageW(GetResourceModule(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    ::SendDlgItemMessageW(Handle(), IDC_MAIN_BANNER, STM_SETIMAGE, IMAGE_BITMAP,
                          reinterpret_cast<LPARAM>(banner_.Get()));
}

void DlgMainMenu::EnableLaterCommands()
{
    for (int id : laterCommands) ::EnableWindow(GetItem(id), FALSE);
}

void DlgMainMenu::RefreshFromWorld()
{
    const TCompleteWorld* world = GetWorld();
    if (world == nullptr) return;
    federation_ = world->GetCurrentContinent() < FederationCount ? world->GetCurrentContinent() : 0;
    country_ = world->GetCurrentCountryId();
    SelectComboByData(federationCombo_, federation_);
    if (country_ < FirstCountry || country_ > LastCountry) return;
    rememberedSelection_[federation_] = country_;
    FillCountryList();
    FillClubList();
    UpdateStatistics();
}

void DlgMainMenu::FillCountryList()
{
    countryList_.SetRedraw(false);
    countryList_.ResetContent();
    int selected = -1;
    int top = -1;
    for (int id = FirstCountry; id <= LastCountry; ++id) {
        const TCountry* country = ExistingCountry(id);
        if (country == nullptr || country->GetContinent() != federation_) continue;
        const int row = countryList_.AddString(country->GetName());
        countryList_.SetItemData(row, id);
        if (id == rememberedSelection_[federation_]) selected = row;
        if (id == rememberedTopRow_[federation_]) top = row;
    }
    if (selected >= 0) countryList_.SetCurSel(selected);
    if (top >= 0) countryList_.Send(LB_SETTOPINDEX, static_cast<WPARAM>(top));
    if (selected < 0) {
        countryList_.SetCurSel(0);
        countryList_.Send(LB_SETTOPINDEX, 0);
    }
    countryList_.SetRedraw(true);
    countryList_.Invalidate();
    const int current = GetSelectedCountryId();
    country_ = current >= FirstCountry && current <= LastCountry ? current : 1;
}

int DlgMainMenu::GetSelectedCountryId() const
{
    const int row = countryList_.GetCurSel();
    return row < 0 ? 0 : static_cast<int>(countryList_.GetItemData(row));
}

std::uint32_t DlgMainMenu::GetSelectedClubId() const
{
    const int row = static_cast<int>(clubList_.Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    if (row < 0) return 0;
    const auto* entry = reinterpret_cast<const ClubListEntry*>(clubList_.GetItemData(row));
    return entry != nullptr && entry->club != nullptr ? entry->club->GetId() : 0;
}

void DlgMainMenu::FillClubList()
{
    const TCountry* country = ExistingCountry(country_);
    if (country == nullptr) {
        clubList_.DeleteAllItems();
        rows_.clear();
        return;
    }
    const std::uint32_t selectedClub = GetSelectedClubId();
    const int topRow = static_cast<int>(clubList_.Send(LVM_GETTOPINDEX));
    clubList_.SetRedraw(false);
    clubList_.DeleteAllItems();
    rows_.clear();
    for (int index = 0; index < country->GetClubCount() && static_cast<int>(rows_.size()) < MaxClubRows; ++index) {
        TClub* club = country->GetClubByIndex(index);
        if (club == nullptr) continue;
        rows_.push_back({club, IsNationalTeamId(club->GetId()) ? -1 : club->GetPlayerCount()});
    }
    for (ClubListEntry& entry : rows_) InsertClubRow(entry);
    clubList_.Resort();
    SelectClubRow(selectedClub, topRow);
    clubList_.SetRedraw(true);
    ShowStatistics(IDC_MAIN_COUNTRY_CLUBS, IDC_MAIN_COUNTRY_PLAYERS, CountryStatistics(rows_));
    ::UpdateWindow(Handle());
}

void DlgMainMenu::InsertClubRow(ClubListEntry& entry)
{
    const int row = clubList_.InsertItem(entry.club->GetName(), reinterpret_cast<LPARAM>(&entry));
    if (row < 0) return;
    if (entry.players >= 0) clubList_.SetItemInt(row, 1, entry.players);
}

void DlgMainMenu::SelectClubRow(std::uint32_t clubId, int topRow)
{
    int selected = 0;
    for (int row = 0; row < clubList_.GetItemCount(); ++row) {
        const auto* entry = reinterpret_cast<const ClubListEntry*>(clubList_.GetItemData(row));
        if (clubId != 0 && WithoutReserveBit(entry->club->GetId()) == WithoutReserveBit(clubId)) selected = row;
    }
    if (clubList_.GetItemCount() == 0) return;
    clubList_.EnsureVisible(clubList_.GetItemCount() - 1);
    clubList_.EnsureVisible(topRow > 0 ? topRow : 0);
    clubList_.EnsureVisible(selected);
    clubList_.Send(LVM_SETSELECTIONMARK, 0, selected);
    clubList_.SetItemState(selected, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void DlgMainMenu::UpdateStatistics()
{
    ShowStatistics(IDC_MAIN_WORLD_CLUBS, IDC_MAIN_WORLD_PLAYERS, WorldStatistics());
}

void DlgMainMenu::ShowStatistics(int clubsId, int playersId, const MainStatistics& figures)
{
    CTextManager* texts = CTextManager::Instance();
    ::SetDlgItemTextW(Handle(), clubsId, reinterpret_cast<const wchar_t*>(texts->FormatInt(figures.clubs)));
    ::SetDlgItemTextW(Handle(), playersId, reinterpret_cast<const wchar_t*>(texts->FormatInt(figures.players)));
}

int DlgMainMenu::Compare(int sortType, LPARAM item1, LPARAM item2)
{
    const auto* row1 = reinterpret_cast<const ClubListEntry*>(item1);
    const auto* row2 = reinterpret_cast<const ClubListEntry*>(item2);
    const bool missing1 = row1 == nullptr || row1->club == nullptr;
    const bool missing2 = row2 == nullptr || row2->club == nullptr;
    if (missing1 || missing2) return missing1 == missing2 ? 0 : (missing1 ? 1 : -1);
    const bool national1 = IsNationalTeamRow(*row1);
    if (national1 != IsNationalTeamRow(*row2)) {
        // The list inverts every result of a descending sort; inverting here
        // first keeps the national team on top either way.
        const int result = national1 ? -1 : 1;
        return clubList_.IsSortAscending() ? result : -result;
    }
    switch (sortType) {
    case SortName: return CompareCollated(row1->club->GetName(), row2->club->GetName());
    case SortPlayers: return row1->players < row2->players ? -1 : (row1->players > row2->players ? 1 : 0);
    default: return 0;
    }
}

bool DlgMainMenu::OnCommand(int id, int code, HWND control)
{
    if (id == IDC_MAIN_FEDERATION && code == CBN_SELCHANGE) {
        OnFederationChanged();
        return true;
    }
    if (id == IDC_MAIN_COUNTRIES && code == LBN_SELCHANGE) {
        OnCountryChanged();
        return true;
    }
    if (id == IDC_MAIN_EXPORT && code == BN_CLICKED) {
        // The outcome was shown to the user inside.
        ExportIntoGame();
        return true;
    }
    if (id == ID_MAIN_EXIT) {
        Close();
        return true;
    }
    if (id == ID_MAIN_RESTORE) {
        if (PromptRestoreFromBackup()) Close();
        return true;
    }
    return CDialogB::OnCommand(id, code, control);
}

void DlgMainMenu::OnFederationChanged()
{
    const int chosen = static_cast<int>(GetComboSelData(federationCombo_, federation_));
    if (chosen == federation_ || chosen < 0 || chosen >= FederationCount) return;
    rememberedSelection_[federation_] = GetSelectedCountryId();
    const int top = countryList_.GetTopIndex();
    rememberedTopRow_[federation_] = top >= 0 ? static_cast<int>(countryList_.GetItemData(top)) : 0;
    federation_ = chosen;
    if (TCompleteWorld* world = GetWorld()) world->SetCurrentContinent(static_cast<std::uint16_t>(federation_));
    FillCountryList();
    FillClubList();
}

void DlgMainMenu::OnCountryChanged()
{
    country_ = GetSelectedCountryId();
    FillClubList();
    if (IsAdminMode() && GetItem(IDC_MAIN_GROUP_COUNTRIES) != nullptr) {
        const std::u16string caption = Format(u"%s (ID: %d)", countryGroupCaption_, country_);
        ::SetDlgItemTextW(Handle(), IDC_MAIN_GROUP_COUNTRIES, reinterpret_cast<const wchar_t*>(caption.c_str()));
    }
}

bool DlgMainMenu::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_CLOSE) {
        Close();
        result = 0;
        return true;
    }
    return CDialogB::OnMessage(message, wParam, lParam, result);
}

void DlgMainMenu::Close()
{
    if (loaded_ && !GetEditorApp().IsRestartOnExit()) {
        const char16_t* question = GetText(u"Dialog.Main.PromptExitEditor"_tk);
        if (GetEditorApp().ShowMessageBox(question, AppMessage::YesNo | AppMessage::IconQuestion) != AppMessage::IdYes)
            return;
    }
    EndDialog(IDOK);
}

void DlgMainMenu::OnDestroy()
{
    GetWorldList().Clear();
    GetEditorApp().SetMessageBoxCaption(GetEditorApp().GetMessageBoxCaption().c_str(), nullptr);
    CDialogB::OnDestroy();
}
