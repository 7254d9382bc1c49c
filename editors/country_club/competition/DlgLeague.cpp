#include "editors/country_club/competition/DlgLeague.h"

#include <windowsx.h>

#include "competition/League.h"
#include "core/text/Format.h"
#include "core/text/TextManager.h"
#include "core/text/TextTools.h"
#include "database/club/Club.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/world/WorldList.h"
#include "resources/LeagueCompositionIds.h"
#include "ui/dialogs/DlgCommonReport.h"
#include "ui/dialogs/DlgErrorMessage.h"
#include "ui/dialogs/MyFileDialog.h"
#include "win/Menu.h"

namespace {

constexpr std::uint16_t ClubColumnPositions[] = {0x8000, 0x000E, 0x406E, 0x4096};
constexpr std::uint16_t ClubColumnWidths[] = {10, 96, 40, 60};
constexpr int GroupIds[] = {IDC_COMPOSITION_GROUP_LEAGUES, IDC_COMPOSITION_GROUP_CLUBS, IDC_COMPOSITION_GROUP_FREE,
                            IDC_COMPOSITION_GROUP_UPDATE};
constexpr int LabelWidth = 192;
constexpr int LabelHeight = 18;
// A club is picked up from the league's list only near its number.
constexpr int PickUpZone = 100;
constexpr std::size_t FilterCapacity = 256;

POINT PointOf(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

std::u16string Text(TextKey key) { return CTextManager::Instance()->GetText(key); }

TLeagueCopyTexts CopyTexts()
{
    return {Text(u"Dialog.LeagueComposition.SuccessFormat"_tk), Text(u"Dialog.LeagueComposition.SkipFormat"_tk),
            Text(u"Dialog.LeagueComposition.ErrorCountryMatch"_tk), Text(u"Dialog.FileNotFound"_tk),
            Text(u"Database.Error.FileErrorFormat"_tk), Text(u"Dialog.LeagueComposition.ErrorNoWorld"_tk)};
}

}  // namespace

CCopyLeagueHandler::CCopyLeagueHandler(CDBLeagueBase& league, std::u16string path)
    : league_(league), world_(GetWorld()), path_(std::move(path)), texts_(CopyTexts())
{
}

void CCopyLeagueHandler::Run(CReportModel& report)
{
    if (world_ == nullptr) return;
    CopyLeagueFromFile(league_, *world_, path_, GetWorldList(), report, texts_);
}

CDlgLeague::CDlgLeague(HWND parent, TCountry* country) : CDialogB(IDD_LEAGUE_COMPOSITION, parent), country_(country) {}

CDlgLeague::~CDlgLeague() = default;

BOOL CDlgLeague::OnInitDialog()
{
    CDialogB::OnInitDialog();
    if (country_ == nullptr) {
        EndDialog(IDCANCEL);
        return FALSE;
    }
    fileName_ = Format(u"Country%d.sav", country_->GetId());
    model_ = std::make_unique<TLeagueComposition>(*country_, CompositionTexts());
    if (model_->GetCurrentLeague() == nullptr) {
        EndDialog(IDCANCEL);
        return FALSE;
    }
    leagues_.SubclassDlgItem(IDC_COMPOSITION_LEAGUES, *this);
    clubs_.SubclassDlgItem(IDC_COMPOSITION_CLUBS, *this);
    free_.SubclassDlgItem(IDC_COMPOSITION_FREE, *this);
    for (std::size_t i = 0; i < groups_.size(); ++i) groups_[i].SubclassDlgItem(GroupIds[i], *this);
    info_.SubclassDlgItem(IDC_COMPOSITION_INFO, *this);
    // The translated text, with its tokens still in it.
    infoTemplate_ = info_.GetText();
    clubs_.SetColumns(4, ClubColumnPositions, ClubColumnWidths);
    // One column across the list.
    const std::uint16_t whole[] = {0};
    const std::uint16_t wholeWidth[] = {0};
    leagues_.SetColumns(1, whole, wholeWidth);
    free_.SetColumns(1, whole, wholeWidth);
    FillLeagues();
    FillLists();
    for (CMyListBox* list : {&leagues_, &clubs_, &free_}) list->SetForwardLButtonDown(true);
    dragLabel_.Create(Handle(), LabelWidth, LabelHeight);
    return TRUE;
}

TLeagueCompositionTexts CDlgLeague::CompositionTexts()
{
    auto text = [this](TextKey key) { return std::u16string(GetText(key, u"")); };
    return {text(u"Dialog.LeagueComposition.LeagueListFormat"_tk),
            {text(u"Common.PromotionState.Nothing"_tk), text(u"Common.PromotionState.Promoted"_tk),
             text(u"Common.PromotionState.Relegated"_tk)},
            {text(u"Common.CupState.Nothing"_tk), text(u"Common.CupState.Winner"_tk), text(u"Common.CupState.Finalist"_tk)},
            text(u"Dialog.LeagueComposition.ErrorNotEnoughTeams"_tk),
            text(u"Dialog.LeagueComposition.ErrorReserveTeams"_tk)};
}

std::uint32_t CDlgLeague::RowData(const CMyListBox& list, int row)
{
    return row >= 0 ? static_cast<std::uint32_t>(list.GetItemData(row)) : 0;
}

void CDlgLeague::FillLeagues()
{
    filling_ = true;
    leagues_.SetRedraw(false);
    leagues_.ResetContent();
    for (const TCompositionRow& row : model_->LeagueRows()) {
        const int index = leagues_.AddString(row.text.c_str());
        leagues_.SetItemData(index, row.data);
        if (model_->GetCurrentLeague() != nullptr && row.data == model_->GetCurrentLeague()->GetId()) leagues_.SetCurSel(index);
    }
    leagues_.SetRedraw(true);
    filling_ = false;
}

void CDlgLeague::FillLists()
{
    filling_ = true;
    FillClubList();
    FillFreeList();
    ShowInfo();
    filling_ = false;
}

void CDlgLeague::FillClubList()
{
    clubs_.SetRedraw(false);
    clubs_.ResetContent();
    for (const TCompositionRow& row : model_->ClubRows()) {
        const int index = clubs_.AddString(row.text.c_str());
        clubs_.SetItemData(index, row.data);
    }
    clubs_.SetRedraw(true);
    clubs_.Invalidate();
}

void CDlgLeague::FillFreeList()
{
    const bool hideReserves = ::IsDlgButtonChecked(Handle(), IDC_COMPOSITION_HIDE_RESERVES) == BST_CHECKED;
    const int top = free_.GetTopIndex();
    free_.SetRedraw(false);
    free_.ResetContent();
    for (const TCompositionRow& row : model_->FreeClubRows(hideReserves)) {
        const int index = free_.AddString(row.text.c_str());
        free_.SetItemData(index, row.data);
    }
    ::SendMessageW(free_.Handle(), LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
    free_.SetRedraw(true);
    free_.Invalidate();
}

void CDlgLeague::ShowInfo()
{
    const CDBLeagueBase* league = model_->GetCurrentLeague();
    const std::u16string name = league != nullptr ? league->GetName() : u"";
    info_.SetText(ReplaceTokens(infoTemplate_, {{u"_LEAGUE_NAME", name}, {u"_FILE_NAME", fileName_}}));
}

CDlgLeague::THit CDlgLeague::HitTest(POINT inDialog) const
{
    for (const CMyListBox* list : {&leagues_, &clubs_, &free_}) {
        POINT point = inDialog;
        ::MapWindowPoints(Handle(), list->Handle(), &point, 1);
        RECT client{};
        ::GetClientRect(list->Handle(), &client);
        if (::PtInRect(&client, point)) return {list, list->ItemFromPoint(point)};
    }
    return {};
}

void CDlgLeague::StartDrag(std::uint32_t team)
{
    dragging_ = true;
    draggedTeam_ = team;
    dragLabel_.Show(country_->GetTeamNameByUniqueId(team).c_str());
    dragLabel_.FollowCursor();
    ::SetCapture(Handle());
    ::InvalidateRect(Handle(), nullptr, FALSE);
}

void CDlgLeague::EndDrag()
{
    // Cleared first: releasing the capture reports the loss of it.
    dragging_ = false;
    if (::GetCapture() == Handle()) ::ReleaseCapture();
    dragLabel_.Hide();
}

void CDlgLeague::OnLeftButtonDown(POINT point)
{
    if (dragging_) return;
    const THit hit = HitTest(point);
    if (hit.list == nullptr || hit.row < 0) return;
    const std::uint32_t data = RowData(*hit.list, hit.row);
    if (hit.list == &leagues_) {
        leagues_.SetCurSel(hit.row);
        if (model_->SetCurrentLeague(data)) FillLists();
    } else if (hit.list == &clubs_) {
        POINT inList = point;
        ::MapWindowPoints(Handle(), clubs_.Handle(), &inList, 1);
        if (inList.x >= PickUpZone || data == 0) return;
        model_->PickUp(data);
        FillLists();
        StartDrag(data);
    } else if (data != 0) {
        StartDrag(data);
    }
}

void CDlgLeague::OnLeftButtonUp(POINT point)
{
    if (!dragging_) return;
    EndDrag();
    const THit hit = HitTest(point);
    if (hit.list == &free_) return;
    if (hit.list == &clubs_) {
        model_->Drop(hit.row, draggedTeam_);
    } else if (hit.list == &leagues_ && hit.row >= 0) {
        model_->Append(RowData(leagues_, hit.row), draggedTeam_);
    }
    FillLeagues();
    FillLists();
}

void CDlgLeague::OnRightButtonDown(POINT point)
{
    const THit hit = HitTest(point);
    if (hit.list != &clubs_ || hit.row < 0) return;
    const std::uint32_t team = RowData(clubs_, hit.row);
    if (team == 0) return;
    menuTeam_ = team;
    win::CMenu menu;
    if (!menu.Load(IDR_LEAGUE_COMPOSITION_MENU)) return;
    HMENU popup = menu.GetSubMenu(0);
    TranslateMenu(popup);
    ShowMarkMenu(popup);
}

void CDlgLeague::ShowMarkMenu(HMENU menu) { TrackContextMenu(menu); }

void CDlgLeague::OnMark(int command)
{
    static constexpr std::pair<int, TSeasonMark> Marks[] = {
        {ID_COMPOSITION_CUP_WINNER, TSeasonMark::CupWinner}, {ID_COMPOSITION_CUP_FINALIST, TSeasonMark::CupFinalist},
        {ID_COMPOSITION_PROMOTED, TSeasonMark::Promoted},    {ID_COMPOSITION_RELEGATED, TSeasonMark::Relegated},
        {ID_COMPOSITION_NEITHER, TSeasonMark::Neither}};
    for (const auto& [id, mark] : Marks) {
        if (id == command && model_->Mark(menuTeam_, mark)) FillLists();
    }
}

void CDlgLeague::OnFreeClubChosen()
{
    const std::uint32_t team = RowData(free_, free_.GetCurSel());
    const CDBLeagueBase* league = model_->GetCurrentLeague();
    if (team == 0 || league == nullptr) return;
    if (model_->Append(league->GetId(), team)) FillLists();
}

void CDlgLeague::OnLeagueChosen()
{
    if (model_->SetCurrentLeague(RowData(leagues_, leagues_.GetCurSel()))) FillLists();
}

void CDlgLeague::OnUpdateClubs()
{
    CDBLeagueBase* league = model_->GetCurrentLeague();
    if (league == nullptr) return;
    char16_t filter[FilterCapacity];
    GetFilterText(u"Dialog.LeagueComposition.ImportFilter"_tk, filter, std::size(filter));
    const std::u16string filled = ReplaceTokens(filter, {{u"_FILE_NAME", fileName_}});
    const std::u16string title = GetText(u"Dialog.LeagueComposition.ImportTitle"_tk, u"");
    CMyFileDialog dialog(true, u"sav", filled.c_str(), OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR, Handle());
    dialog.SetTitle(title);
    if (!dialog.Run()) return;
    CCopyLeagueHandler handler(*league, dialog.GetPath());
    CDlgCommonReport report(handler, Handle());
    report.Report().SetTitle(title);
    report.DoModal(Handle());
    FillLists();
}

bool CDlgLeague::OnCommand(int id, int code, HWND control)
{
    if (id >= ID_COMPOSITION_CUP_WINNER && id <= ID_COMPOSITION_NEITHER) {
        OnMark(id);
    } else if (id == IDC_COMPOSITION_CLEAR && code == BN_CLICKED) {
        model_->ClearCurrent();
        FillLists();
    } else if (id == IDC_COMPOSITION_CLEAR_ALL && code == BN_CLICKED) {
        model_->ClearAll();
        FillLists();
    } else if (id == IDC_COMPOSITION_HIDE_RESERVES && code == BN_CLICKED) {
        FillLists();
    } else if (id == IDC_COMPOSITION_UPDATE && code == BN_CLICKED) {
        OnUpdateClubs();
    } else if (id == IDC_COMPOSITION_FREE && code == LBN_SELCHANGE && !filling_) {
        OnFreeClubChosen();
    } else if (id == IDC_COMPOSITION_LEAGUES && code == LBN_SELCHANGE && !filling_) {
        OnLeagueChosen();
    } else {
        return false;
    }
    return true;
}

bool CDlgLeague::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (model_ == nullptr) return CDialogB::OnMessage(message, wParam, lParam, result);
    switch (message) {
    case WM_LBUTTONDOWN: OnLeftButtonDown(PointOf(lParam)); break;
    case WM_MOUSEMOVE:
        if (dragging_) dragLabel_.FollowCursor();
        break;
    case WM_LBUTTONUP: OnLeftButtonUp(PointOf(lParam)); break;
    case WM_RBUTTONDOWN: OnRightButtonDown(PointOf(lParam)); break;
    case WM_CAPTURECHANGED:
        // Another window took the mouse: the drag ends, the club stays free.
        if (!dragging_ || reinterpret_cast<HWND>(lParam) == Handle()) return CDialogB::OnMessage(message, wParam, lParam, result);
        EndDrag();
        FillLists();
        break;
    default: return CDialogB::OnMessage(message, wParam, lParam, result);
    }
    result = 0;
    return true;
}

void CDlgLeague::OnOK()
{
    const TCompositionCheck check = model_ != nullptr ? model_->Check() : TCompositionCheck{};
    if (check.errors == 0) {
        CDialogB::OnOK();
        return;
    }
    std::u16string lines;
    for (const std::u16string& line : check.lines) lines += line + u"\r\n";
    if (AskAboutProblems(lines, check.errors) == 2) CDialogB::OnOK();
}

INT_PTR CDlgLeague::AskAboutProblems(const std::u16string& lines, int count)
{
    CDlgErrorMessage box(Handle());
    if (count >= 2) box.SetHeader(GetText(u"Dialog.ErrorMessage.DefaultHeaderMulti"_tk));
    box.SetButtonTexts(GetText(u"Dialog.Ok"_tk), GetText(u"Dialog.Ignore"_tk));
    box.AddMessage(lines.c_str(), false);
    return box.DoModal();
}
