#include "editors/player_staff/squad/DlgPlayerList.h"

#include "core/AppMessage.h"
#include "core/text/TextTools.h"
#include "database/club/Club.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/person/Person.h"
#include "editors/player_staff/search/ClubChoice.h"
#include "editors/player_staff/search/DlgPlayerSelect.h"
#include "editors/player_staff/PlayerStaffIds.h"
#include "editors/player_staff/staff/SquadGenerators.h"
#include "editors/player_staff/model/squad/SquadListModel.h"
#include "ui/skin/MyTabCtrl.h"
#include "win/WideText.h"

namespace {

constexpr std::uint16_t ColumnStarts[] = {0, 92, 118, 142 | CMyListBox::RightAligned};
constexpr std::uint16_t ColumnWidths[] = {92, 26, 44, 24};

struct TSortButton {
    int id;
    int mode;
};
constexpr TSortButton SortButtons[] = {{IDC_LIST_BY_NAME, SquadListModel::ByName},
                                       {IDC_LIST_BY_POSITION, SquadListModel::ByPosition},
                                       {IDC_LIST_BY_NATIONALITY, SquadListModel::ByNationality},
                                       {IDC_LIST_BY_LEVEL, SquadListModel::ByLevel}};

constexpr int TeamPartSubmenu = 3;
constexpr int YouthBirthMonth = 1;
constexpr std::size_t MessageCapacity = 256;

bool AskYesNo(const std::u16string& text)
{
    return ShowAppMessageBox(text.c_str(), AppMessage::YesNo | AppMessage::IconQuestion) == AppMessage::IdYes;
}

}  // namespace

CDlgPlayerList::CDlgPlayerList(HWND parent) : CDialogB(IDD_PLAYER_LIST, parent) {}

BOOL CDlgPlayerList::OnInitDialog()
{
    CDialogB::OnInitDialog();
    list_.SubclassDlgItem(IDC_LIST_PLAYERS, *this);
    return TRUE;
}

void CDlgPlayerList::Bind(HWND frame, TClub* club, TPerson* person, int teamPart)
{
    frame_ = frame;
    club_ = club;
    person_ = person;
    teamPart_ = teamPart;
}

int CDlgPlayerList::GetRowCount() const
{
    return list_.GetCount();
}

void CDlgPlayerList::RequestStore() const
{
    ::SendMessageW(GetParent(), CMyTabCtrl::PageLeaveRequest, 0, 0);
}

void CDlgPlayerList::FillList()
{
    if (club_ == nullptr) {
        list_.ResetContent();
        return;
    }
    std::vector<TPerson*> players = SquadListModel::CollectTeamPart(club_, teamPart_);
    SquadListModel::Sort(players, sortMode_);
    const int top = static_cast<int>(list_.Send(LB_GETTOPINDEX));
    const std::uint32_t rememberedId = person_ != nullptr ? person_->GetId() : 0;
    list_.SetRedraw(false);
    list_.ResetContent();
    list_.SetColumns(4, ColumnStarts, ColumnWidths);
    int selected = -1;
    for (TPerson* player : players) {
        const int row = list_.AddString(SquadListModel::RowText(*player).c_str());
        if (row < 0) continue;
        list_.SetItemData(row, static_cast<LPARAM>(player->GetId()));
        if (player->GetId() == rememberedId) selected = row;
    }
    list_.Send(LB_SETTOPINDEX, static_cast<WPARAM>(top));
    if (list_.GetCount() > 0) {
        if (selected < 0) selected = 0;
        list_.SetCurSel(selected);
        const TCompleteWorld* world = club_->GetWorld();
        person_ = world ? world->GetPerson(static_cast<std::uint32_t>(list_.GetItemData(selected))) : nullptr;
    } else {
        person_ = nullptr;
    }
    list_.SetRedraw(true);
    list_.Invalidate();
    ::SendMessageW(frame_, PersonChosen, person_ != nullptr ? person_->GetId() : 0, 0);
    ShowInfo(list_.GetCount());
}

void CDlgPlayerList::ShowInfo(int rows)
{
    ::SetDlgItemTextW(Handle(), IDC_LIST_INFO, win::W(SquadListModel::InfoText(*club_, teamPart_, rows)));
}

void CDlgPlayerList::OnSelectionChange()
{
    const int row = list_.GetCurSel();
    if (row < 0 || club_ == nullptr) return;
    const auto id = static_cast<std::uint32_t>(list_.GetItemData(row));
    if (person_ != nullptr && person_->GetId() == id) return;
    if (person_ != nullptr) RequestStore();
    const TCompleteWorld* world = club_->GetWorld();
    person_ = world ? world->GetPerson(id) : nullptr;
    ::SendMessageW(frame_, PersonChosen, person_ != nullptr ? person_->GetId() : 0, 0);
    ::SendMessageW(frame_, ListRefresh, 0, 0);
}

void CDlgPlayerList::ShowContextMenu()
{
    HMENU menu = GetListBoxContextMenu(list_, IDR_PLAYER_LIST_MENU, 0);
    if (menu == nullptr) return;
    OnSelectionChange();
    if (teamPart_ == SquadListModel::SecondTeam) {
        ::ModifyMenuW(menu, ID_LIST_SWAP_TEAM, MF_BYCOMMAND | MF_STRING, ID_LIST_SWAP_TEAM,
                      win::W(GetText(u"Dialog.Club.Playerlist.Menu.MoveToFirst"_tk)));
    }
    if (teamPart_ == SquadListModel::YouthTeam) {
        ::EnableMenuItem(menu, ID_LIST_SWAP_TEAM, MF_BYCOMMAND | MF_GRAYED);
        ::EnableMenuItem(menu, TeamPartSubmenu, MF_BYPOSITION | MF_GRAYED);
    }
    // Without its generator installed a generate command cannot run.
    const TSquadGenerators& generators = GetSquadGenerators();
    if (!generators.player) ::EnableMenuItem(menu, ID_LIST_GENERATE_PLAYER, MF_BYCOMMAND | MF_GRAYED);
    if (!generators.team) ::EnableMenuItem(menu, ID_LIST_GENERATE_TEAM, MF_BYCOMMAND | MF_GRAYED);
    TrackContextMenu(menu);
}

void CDlgPlayerList::AddNewPlayer()
{
    TPerson* person = club_ != nullptr ? SquadListModel::CreateForSquad(*club_) : nullptr;
    if (person == nullptr) return;
    TCompleteWorld* world = club_->GetWorld();
    RequestStore();
    person->Init(PersonPlayer, static_cast<std::uint8_t>(club_->GetCountryId()));
    SquadListModel::PlaceInTeamPart(*club_, *person, teamPart_);
    if (teamPart_ == SquadListModel::YouthTeam) {
        person->SetBirthDate(TDate(SquadListModel::YouthBirthYear, YouthBirthMonth, 1));
    }
    if (!club_->AddPlayer(person)) {
        world->DeletePerson(person);
        return;
    }
    const int previous = person_ != nullptr ? person_->GetPosition(0) : 0;
    person->SetPosition(0, static_cast<std::uint8_t>(previous == 0 || previous > 17 ? 1 : previous));
    ::SendMessageW(frame_, PersonChosen, person->GetId(), 0);
    person_ = person;
    person->SetNationalExperience(static_cast<std::uint8_t>(GetAgeGroup(person->GetAge())));
    if (const TCountry* country = world->GetCountry(person->GetNationality())) {
        country->RandomiseAppearance(*person);
        const SquadListModel::THeightWeight drawn =
            SquadListModel::DrawHeightWeight(country->GetAverageHeight(), country->GetAverageWeight());
        person->SetHeightWeight(static_cast<std::uint8_t>(drawn.height), static_cast<std::uint8_t>(drawn.weight));
    }
    club_->GiveFreeShirtNumber(*person);
    FillList();
}

void CDlgPlayerList::ForgetCurrentPerson()
{
    RequestStore();
    ::SendMessageW(frame_, PersonChosen, 0, 0);
    person_ = nullptr;
}

void CDlgPlayerList::DeletePlayer()
{
    if (person_ == nullptr || club_ == nullptr || club_->GetWorld() == nullptr) return;
    char16_t text[MessageCapacity];
    ReplaceToken(GetText(u"Dialog.Club.Playerlist.DeletePlayerMessage"_tk), u"_PLAYER_NAME",
                 TPerson::GetShortName(person_).c_str(), text, MessageCapacity);
    if (!AskYesNo(text)) return;
    TPerson* leaving = person_;
    ForgetCurrentPerson();
    SquadListModel::ReleasePerson(*club_, *leaving, SquadListModel::JoinFreeAgents(*club_->GetWorld()));
    FillList();
}

void CDlgPlayerList::DeleteTeam()
{
    if (!AskYesNo(GetText(u"Dialog.Club.Playerlist.DeleteTeamMessage"_tk))) return;
    if (club_ == nullptr || club_->GetWorld() == nullptr) return;
    // The pages may show one of the persons who leave.
    ForgetCurrentPerson();
    SquadListModel::ReleaseTeamPart(*club_, teamPart_, SquadListModel::JoinFreeAgents(*club_->GetWorld()));
    FillList();
}

void CDlgPlayerList::TransferPlayer()
{
    if (person_ == nullptr || club_ == nullptr || club_->GetWorld() == nullptr) return;
    const std::uint32_t chosen = ChooseClubInCountry(Handle(), club_->GetCountryId());
    TClub* target = chosen != 0 ? club_->GetWorld()->GetClub(chosen) : nullptr;
    if (target == nullptr) return;
    RequestStore();
    if (person_->MoveToClub(target, SquadListModel::TransferTeamPart(*person_, chosen))) FillList();
}

void CDlgPlayerList::TakeOverPlayer()
{
    if (club_ == nullptr) return;
    CDlgPlayerSelect picker(Handle());
    picker.SetCountry(club_->GetCountryId());
    if (teamPart_ == SquadListModel::YouthTeam) picker.SetFilter(true, false, true);
    if (picker.DoModal() != IDOK) return;
    TPerson* chosen = picker.GetSelectedPerson();
    if (chosen == nullptr) return;
    RequestStore();
    if (SquadListModel::TakeOver(*club_, *chosen, teamPart_)) FillList();
}

void CDlgPlayerList::GeneratePlayer()
{
    const TSquadGenerators& generators = GetSquadGenerators();
    TPerson* person = club_ != nullptr && generators.player ? SquadListModel::CreateForSquad(*club_) : nullptr;
    if (person == nullptr) return;
    RequestStore();
    // The generator offers the numbers of the team he joins.
    SquadListModel::PlaceInTeamPart(*club_, *person, teamPart_);
    if (generators.player(Handle(), *club_, *person) && SquadListModel::AddGenerated(*club_, *person, teamPart_)) {
        FillList();
        return;
    }
    club_->GetWorld()->DeletePerson(person);
}

void CDlgPlayerList::GenerateTeam()
{
    const TSquadGenerators& generators = GetSquadGenerators();
    if (club_ == nullptr || !generators.team || teamPart_ == SquadListModel::YouthTeam) return;
    if (club_->GetPlayerCountInTeam(teamPart_) > 0 && !AskYesNo(GetText(u"Dialog.Club.Playerlist.GenerateTeamMessage"_tk))) {
        return;
    }
    // The generator may replace the shown person.
    ForgetCurrentPerson();
    if (generators.team(Handle(), *club_, teamPart_ == SquadListModel::FirstTeam)) FillList();
}

void CDlgPlayerList::SwapTeam()
{
    if (person_ == nullptr || club_ == nullptr) return;
    RequestStore();
    SquadListModel::SwapTeam(*club_, *person_);
    person_ = nullptr;
    FillList();
}

void CDlgPlayerList::MarkRealPersons(bool real)
{
    if (club_ == nullptr) return;
    RequestStore();
    SquadListModel::MarkRealPersons(club_, teamPart_, real);
    FillList();
}

bool CDlgPlayerList::RunMenuCommand(int id)
{
    switch (id) {
    case ID_LIST_NEW_PLAYER:
        AddNewPlayer();
        return true;
    case ID_LIST_SWAP_TEAM:
        if (teamPart_ != SquadListModel::YouthTeam) SwapTeam();
        return true;
    case ID_LIST_MARK_REAL:
    case ID_LIST_UNMARK_REAL:
        if (teamPart_ != SquadListModel::YouthTeam) MarkRealPersons(id == ID_LIST_MARK_REAL);
        return true;
    case ID_LIST_DELETE_TEAM:
        if (teamPart_ != SquadListModel::YouthTeam) DeleteTeam();
        return true;
    case ID_LIST_GENERATE_TEAM:
        GenerateTeam();
        return true;
    case ID_LIST_GENERATE_PLAYER:
        GeneratePlayer();
        return true;
    case ID_LIST_DELETE_PLAYER:
        DeletePlayer();
        return true;
    case ID_LIST_TRANSFER:
        TransferPlayer();
        return true;
    case ID_LIST_TAKE_OVER:
        TakeOverPlayer();
        return true;
    default:
        return false;
    }
}

bool CDlgPlayerList::OnCommand(int id, int code, HWND control)
{
    for (const TSortButton& button : SortButtons) {
        if (id != button.id || code != BN_CLICKED) continue;
        sortMode_ = button.mode;
        if (person_ != nullptr) RequestStore();
        FillList();
        return true;
    }
    if (id == IDC_LIST_PLAYERS && code == LBN_SELCHANGE) {
        OnSelectionChange();
        return true;
    }
    return RunMenuCommand(id);
}

bool CDlgPlayerList::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_RBUTTONDOWN) {
        ShowContextMenu();
        result = 0;
        return true;
    }
    return CDialogB::OnMessage(message, wParam, lParam, result);
}
