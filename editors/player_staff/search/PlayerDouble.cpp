#include "editors/player_staff/search/PlayerDouble.h"

#include "core/text/TextManager.h"
#include "core/text/TextTools.h"
#include "database/club/Club.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/world/EnumTexts.h"
#include "database/person/Person.h"
#include "database/world/WorldList.h"
#include "editors/player_staff/PlayerStaffIds.h"
#include "editors/player_staff/model/lists/FreeAgentsList.h"
#include "ui/lists/ListExport.h"
#include "ui/lists/ListPrint.h"
#include "win/WideText.h"

namespace {

using Halvane::MFC::CHVListCtrl;

using Halvane::MFC::TListColumn;
constexpr int None = CHVListCtrl::NoSortType;
const TListColumn Columns[] = {
    {u"Common.Name"_tk, LVCFMT_LEFT, 3, {0, 3, None}},
    {u"Dialog.Player.DuplicatePlayers.Club1"_tk, LVCFMT_LEFT, 3, {1, 2, None}},
    {u"Dialog.Player.DuplicatePlayers.Club2"_tk, LVCFMT_LEFT, 3, {2, 1, None}},
    {u"Dialog.Player.DuplicatePlayers.Birthday1"_tk, LVCFMT_RIGHT, 2, {3, 4, None}},
    {u"Dialog.Player.DuplicatePlayers.Birthday2"_tk, LVCFMT_RIGHT, 2, {4, 3, None}},
    {u"Dialog.Player.DuplicatePlayers.Position1"_tk, LVCFMT_CENTER, 1, {5, 6, None}},
    {u"Dialog.Player.DuplicatePlayers.Position2"_tk, LVCFMT_CENTER, 1, {6, 5, None}},
};
constexpr int TextCapacity = 256;

std::u16string DateText(TDate date)
{
    std::uint16_t year = 0;
    std::uint8_t month = 0;
    std::uint8_t day = 0;
    date.GetYearMonthDay(year, month, day);
    return CTextManager::Instance()->FormatDate(1, year, month, day);
}

}  // namespace

CPlayerDouble::CPlayerDouble(HWND parent) : CDialogB(IDD_PLAYER_DOUBLE, parent) {}

void CPlayerDouble::SetContext(TCountry* country, TClub* club)
{
    country_ = country;
    club_ = club != nullptr && !IsNationalTeamId(club->GetId()) ? club : nullptr;
}

BOOL CPlayerDouble::OnInitDialog()
{
    CDialogB::OnInitDialog();
    list_.SubclassDlgItem(IDC_DOUBLE_LIST, *this);
    AddListColumns(list_, Columns);
    list_.SetSortHandler(this);
    list_.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    list_.AutoSizeColumns(true);
    SetRadioCaptions();
    const int radio = country_ == nullptr ? IDC_DOUBLE_ALL : (club_ == nullptr ? IDC_DOUBLE_COUNTRY : IDC_DOUBLE_CLUB);
    ::CheckRadioButton(Handle(), IDC_DOUBLE_ALL, IDC_DOUBLE_CLUB, radio);
    FindDuplicates();
    return TRUE;
}

void CPlayerDouble::SetRadioCaptions()
{
    char16_t caption[TextCapacity];
    if (country_ != nullptr) {
        ReplaceToken(GetText(u"Dialog.Player.DuplicatePlayers.FilterCountry"_tk), u"_COUNTRY", country_->GetName(), caption,
                     TextCapacity);
        ::SetDlgItemTextW(Handle(), IDC_DOUBLE_COUNTRY, win::W(caption));
    }
    if (club_ != nullptr) {
        ReplaceToken(GetText(u"Dialog.Player.DuplicatePlayers.FilterClub"_tk), u"_CLUB_NAME", club_->GetName(), caption,
                     TextCapacity);
        ::SetDlgItemTextW(Handle(), IDC_DOUBLE_CLUB, win::W(caption));
    }
    ::ShowWindow(GetItem(IDC_DOUBLE_COUNTRY), country_ != nullptr ? SW_SHOW : SW_HIDE);
    ::ShowWindow(GetItem(IDC_DOUBLE_CLUB), club_ != nullptr ? SW_SHOW : SW_HIDE);
}

void CPlayerDouble::FindDuplicates()
{
    const TCompleteWorld* world = GetWorld();
    pairs_ = world != nullptr ? DuplicateFinder::FindPairs(*world, FreeAgentsList::Persons(world->GetFreeAgents()))
                              : std::vector<DuplicateFinder::TCandidate>{};
    FillList();
}

std::u16string CPlayerDouble::ClubText(const DuplicateFinder::TCandidate& candidate) const
{
    std::u16string text = candidate.club != nullptr ? candidate.club->GetName()
                                                    : CTextManager::Instance()->GetText(u"Club.NoClub"_tk);
    text += u" (";
    text += candidate.country != nullptr ? candidate.country->GetName()
                                         : CTextManager::Instance()->GetText(u"Country.NoCountry"_tk);
    text += u")";
    return text;
}

std::u16string CPlayerDouble::PositionText(const DuplicateFinder::TCandidate& candidate) const
{
    const TPerson& person = *candidate.person;
    return person.IsPlayer() ? GetEnumTexts().GetPositionShortName(person.GetPosition(0))
                             : GetEnumTexts().GetPersonTypeName(person.GetType());
}

void CPlayerDouble::AddRow(std::size_t first)
{
    const DuplicateFinder::TCandidate& a = pairs_[first];
    const DuplicateFinder::TCandidate& b = pairs_[first + 1];
    const std::u16string name = std::u16string(a.person->GetLastName()) + u", " + a.person->GetFirstName();
    const int row = list_.InsertItem(name.c_str(), static_cast<LPARAM>(first));
    if (row < 0) return;
    list_.SetItemText(row, 1, ClubText(a).c_str());
    list_.SetItemText(row, 2, ClubText(b).c_str());
    list_.SetItemText(row, 3, DateText(a.person->GetBirthDate()).c_str());
    list_.SetItemText(row, 4, DateText(b.person->GetBirthDate()).c_str());
    list_.SetItemText(row, 5, PositionText(a).c_str());
    list_.SetItemText(row, 6, PositionText(b).c_str());
}

void CPlayerDouble::FillList()
{
    DuplicateFinder::TFilter filter;
    filter.sameBirthDate = ::IsDlgButtonChecked(Handle(), IDC_DOUBLE_SAME_BIRTH) == BST_CHECKED;
    if (::IsDlgButtonChecked(Handle(), IDC_DOUBLE_COUNTRY) == BST_CHECKED) filter.mode = DuplicateFinder::CountryPairs;
    if (::IsDlgButtonChecked(Handle(), IDC_DOUBLE_CLUB) == BST_CHECKED) filter.mode = DuplicateFinder::ClubPairs;
    filter.country = country_;
    filter.club = club_;
    list_.SetRedraw(false);
    list_.DeleteAllItems();
    for (std::size_t first = 0; first + 1 < pairs_.size(); first += 2) {
        if (DuplicateFinder::IsShown(pairs_[first], pairs_[first + 1], filter)) AddRow(first);
    }
    if (list_.GetSortColumn() >= 0) list_.Resort();
    list_.FitColumnsToTexts(true);
    list_.SetRedraw(true);
}

int CPlayerDouble::Compare(int sortType, LPARAM item1, LPARAM item2)
{
    const auto a = static_cast<std::size_t>(item1);
    const auto b = static_cast<std::size_t>(item2);
    if (a + 1 >= pairs_.size() || b + 1 >= pairs_.size()) return 0;
    return DuplicateFinder::Compare(pairs_, sortType, a, b);
}

int CPlayerDouble::SelectedPair() const
{
    const int row = static_cast<int>(list_.Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    if (row < 0) return -1;
    const auto first = static_cast<std::size_t>(list_.GetItemData(row));
    return first + 1 < pairs_.size() ? static_cast<int>(first) : -1;
}

void CPlayerDouble::RemovePerson(int which)
{
    const int first = SelectedPair();
    if (first < 0) return;
    const DuplicateFinder::TCandidate& chosen = pairs_[static_cast<std::size_t>(first + which)];
    // The record itself stays in the world.
    if (chosen.club != nullptr) chosen.club->RemovePlayer(chosen.person);
    if (TCompleteWorld* world = GetWorld()) world->GetFreeAgents().Remove(chosen.person->GetId());
    FindDuplicates();
}

std::u16string CPlayerDouble::RemoveText(const DuplicateFinder::TCandidate& candidate)
{
    const CTextManager& texts = *CTextManager::Instance();
    const std::u16string club = candidate.club != nullptr ? candidate.club->GetName() : texts.GetText(u"Club.NoClub"_tk);
    const std::u16string country =
        candidate.country != nullptr ? candidate.country->GetName() : texts.GetText(u"Country.NoCountry"_tk);
    const std::u16string birthday = DateText(candidate.person->GetBirthDate());
    const char16_t* const from[] = {u"_LAST_NAME", u"_FIRST_NAME", u"_CLUB_NAME", u"_COUNTRY_NAME", u"_BIRTHDAY", nullptr};
    const char16_t* const to[] = {candidate.person->GetLastName(), candidate.person->GetFirstName(), club.c_str(),
                                  country.c_str(), birthday.c_str(), nullptr};
    char16_t text[TextCapacity];
    ReplaceTokens(GetText(u"Dialog.Player.DuplicatePlayers.DeletePlayerFormat"_tk), from, to, text, TextCapacity);
    return text;
}

void CPlayerDouble::ShowContextMenu()
{
    POINT cursor{};
    ::GetCursorPos(&cursor);
    POINT client = cursor;
    ::ScreenToClient(list_.Handle(), &client);
    const int row = list_.HitTest(client, nullptr);
    if (row >= 0) list_.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    const int first = SelectedPair();
    if (first < 0) return;
    HMENU menu = ::CreatePopupMenu();
    for (int which = 0; which < 2; ++which) {
        const std::u16string text = RemoveText(pairs_[static_cast<std::size_t>(first + which)]);
        ::AppendMenuW(menu, MF_STRING, which == 0 ? IDC_DOUBLE_REMOVE_FIRST : IDC_DOUBLE_REMOVE_SECOND, win::W(text));
    }
    TrackContextMenu(menu);
    ::DestroyMenu(menu);
}

bool CPlayerDouble::OnCommand(int id, int code, HWND control)
{
    switch (id) {
    case IDC_DOUBLE_ALL:
    case IDC_DOUBLE_COUNTRY:
    case IDC_DOUBLE_CLUB:
    case IDC_DOUBLE_SAME_BIRTH:
        if (code == BN_CLICKED) FillList();
        return code == BN_CLICKED;
    case IDC_DOUBLE_REMOVE_FIRST:
    case IDC_DOUBLE_REMOVE_SECOND:
        RemovePerson(id == IDC_DOUBLE_REMOVE_FIRST ? 0 : 1);
        return true;
    case IDC_DOUBLE_PRINT: {
        TPrintSettings settings;
        settings.title = GetText(u"Dialog.Player.DuplicatePlayers.PrintTitle"_tk);
        PrintListCtrl(list_, settings);
        return true;
    }
    case IDC_DOUBLE_SAVE:
        ExportListCtrlToFile(list_, GetText(u"Dialog.Player.DuplicatePlayers.PrintTitle"_tk));
        return true;
    default:
        return false;
    }
}

bool CPlayerDouble::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_CONTEXTMENU && reinterpret_cast<HWND>(wParam) == list_.Handle()) {
        ShowContextMenu();
        result = 0;
        return true;
    }
    return CDialogB::OnMessage(message, wParam, lParam, result);
}
