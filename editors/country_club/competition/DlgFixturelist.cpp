#include "editors/country_club/competition/DlgFixturelist.h"

#include <algorithm>

#include "core/text/TextKey.h"
#include "core/text/TextManager.h"
#include "editors/country_club/model/competition/FixtureListModel.h"
#include "resources/LeagueToolsIds.h"
#include "ui/dialogs/DlgErrorMessage.h"
#include "ui/base/ScrollBarTools.h"
#include "win/WideText.h"

namespace {

constexpr int SideColumnWidth = 180;

}  // namespace

CDlgFixturelist::CDlgFixturelist(HWND parent) : CDialogB(IDD_FIXTURELIST, parent) {}

CDlgFixturelist::~CDlgFixturelist() = default;

void CDlgFixturelist::SetCountry(TCountry* country)
{
    country_ = country;
    model_ = country ? std::make_unique<FixtureListModel>(*country) : nullptr;
}

BOOL CDlgFixturelist::OnInitDialog()
{
    CDialogB::OnInitDialog();
    leagues_.SubclassDlgItem(IDC_FIXTURES_LEAGUES, *this);
    grid_.SubclassDlgItem(IDC_FIXTURES_GRID, *this);
    teams_.SubclassDlgItem(IDC_FIXTURES_TEAMS, *this);
    if (!model_) return TRUE;
    FillLeagues();
    grid_.InsertColumn(0, GetText(u"Common.HomeTeam"_tk), LVCFMT_CENTER, SideColumnWidth, 0);
    grid_.InsertColumn(1, GetText(u"Dialog.LeagueSchedule.Versus"_tk), LVCFMT_CENTER, LVSCW_AUTOSIZE_USEHEADER, 1);
    grid_.InsertColumn(2, GetText(u"Common.AwayTeam"_tk), LVCFMT_CENTER, SideColumnWidth, 2);
    SelectLeague();
    return TRUE;
}

void CDlgFixturelist::FillLeagues()
{
    filling_ = true;
    const int top = leagues_.GetTopIndex();
    const int kept = leagues_.GetCurSel();
    leagues_.SetRedraw(false);
    leagues_.ResetContent();
    for (std::uint32_t id : model_->GetLeagueIds()) {
        leagues_.SetItemData(leagues_.AddString(model_->GetLeagueName(id).c_str()), static_cast<LPARAM>(id));
    }
    if (kept >= 0 && kept < leagues_.GetCount()) leagues_.SetCurSel(kept);
    else if (leagues_.GetCount() > 0) leagues_.SetCurSel(0);
    leagues_.Send(LB_SETTOPINDEX, static_cast<WPARAM>(top));
    leagues_.SetRedraw(true);
    filling_ = false;
}

void CDlgFixturelist::SelectLeague()
{
    grid_.DeleteAllItems();
    const int selected = leagues_.GetCurSel();
    model_->SelectLeague(selected >= 0 ? static_cast<std::uint32_t>(leagues_.GetItemData(selected)) : 0);
    grid_.SetClickMode(CListCtrlEx::ClickReport);
    const int last = std::max(0, model_->GetMatchdayCount() - 1);
    ::SetScrollRange(GetItem(IDC_FIXTURES_MATCHDAY_BAR), SB_CTL, 0, last, FALSE);
    ::SetScrollPos(GetItem(IDC_FIXTURES_MATCHDAY_BAR), SB_CTL, model_->GetMatchday(), TRUE);
    ShowMatchdayNumber();
    for (int slot = 0; slot < model_->GetMatchesPerMatchday(); ++slot) {
        const int row = grid_.InsertItem(slot, u"");
        grid_.SetItemText(row, 1, GetText(u"Dialog.LeagueSchedule.Versus"_tk));
    }
    grid_.SetColumnWidth(0, SideColumnWidth);
    grid_.SetColumnWidth(1, LVSCW_AUTOSIZE_USEHEADER);
    grid_.SetColumnWidth(2, SideColumnWidth);
    ::EnableWindow(GetItem(IDC_FIXTURES_TEMPLATE), model_->CanFillFromTemplate());
    ShowDay();
}

void CDlgFixturelist::ShowMatchdayNumber()
{
    ::SetDlgItemTextW(Handle(), IDC_FIXTURES_MATCHDAY,
                      win::W(CTextManager::Instance()->FormatInt(model_->GetMatchday() + 1)));
}

void CDlgFixturelist::ShowDay()
{
    if (!model_->HasLeague()) {
        teams_.ResetContent();
        return;
    }
    filling_ = true;
    grid_.SetRedraw(false);
    teams_.SetRedraw(false);
    const auto cells = model_->GetCells();
    for (int slot = 0; slot < static_cast<int>(cells.size()); ++slot) {
        grid_.SetItemText(slot, 0, cells[static_cast<std::size_t>(slot)].home.c_str());
        grid_.SetItemText(slot, 2, cells[static_cast<std::size_t>(slot)].away.c_str());
    }
    teams_.ResetContent();
    for (const TFixtureTeamItem& team : model_->GetFreeTeams()) {
        teams_.SetItemData(teams_.AddString(team.name.c_str()), team.position);
    }
    grid_.SetRedraw(true);
    teams_.SetRedraw(true);
    grid_.Invalidate();
    teams_.Invalidate();
    filling_ = false;
}

void CDlgFixturelist::PlaceSelectedTeam()
{
    const int selected = teams_.GetCurSel();
    if (selected < 0) return;
    model_->PlaceTeam(static_cast<int>(teams_.GetItemData(selected)));
    ShowDay();
}

void CDlgFixturelist::OnMatchdayScroll(int code, int thumb)
{
    model_->SetMatchday(HandleScrollBar(code, thumb, GetItem(IDC_FIXTURES_MATCHDAY_BAR)));
    ShowMatchdayNumber();
    ShowDay();
}

bool CDlgFixturelist::OnCommand(int id, int code, HWND control)
{
    if (id == IDC_FIXTURES_CANCEL) {
        OnCancel();
        return true;
    }
    if (!model_ || filling_) return false;
    switch (id) {
    case IDC_FIXTURES_LEAGUES:
        if (code == LBN_SELCHANGE) SelectLeague();
        return true;
    case IDC_FIXTURES_TEAMS:
        if (code == LBN_SELCHANGE || code == LBN_DBLCLK) PlaceSelectedTeam();
        return true;
    case IDC_FIXTURES_CLEAR_DAY: model_->ClearMatchday(); break;
    case IDC_FIXTURES_CLEAR_ALL: model_->ClearAll(); break;
    case IDC_FIXTURES_TEMPLATE: model_->FillFromTemplate(); break;
    case IDC_FIXTURES_SECOND_LEG: model_->SecondLegLikeFirst(); break;
    case IDC_FIXTURES_OK: CheckAndClose(); return true;
    default: return false;
    }
    ShowDay();
    return true;
}

bool CDlgFixturelist::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (model_ && message == CListCtrlEx::CellClicked) {
        model_->FreeSide(static_cast<int>(wParam), static_cast<int>(lParam));
        ShowDay();
        return true;
    }
    if (model_ && message == WM_HSCROLL && reinterpret_cast<HWND>(lParam) == GetItem(IDC_FIXTURES_MATCHDAY_BAR)) {
        OnMatchdayScroll(LOWORD(wParam), HIWORD(wParam));
        return true;
    }
    if (model_ && (message == WM_VKEYTOITEM || message == WM_CHARTOITEM) && LOWORD(wParam) == VK_RETURN &&
        reinterpret_cast<HWND>(lParam) == teams_.Handle()) {
        PlaceSelectedTeam();
        result = -2;
        return true;
    }
    return CDialogB::OnMessage(message, wParam, lParam, result);
}

bool CDlgFixturelist::CTeamList::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_GETDLGCODE && lParam != 0 && reinterpret_cast<const MSG*>(lParam)->wParam == VK_RETURN) {
        result = DefaultProc(message, wParam, lParam) | DLGC_WANTMESSAGE;
        return true;
    }
    return win::CListBox::OnMessage(message, wParam, lParam, result);
}

void CDlgFixturelist::OnOK()
{
    CheckAndClose();
}

void CDlgFixturelist::CheckAndClose()
{
    if (!model_) return;
    const TFixtureErrorTexts texts{GetText(u"Dialog.LeagueSchedule.ErrorMatchDayFormat"_tk, u""),
                                   GetText(u"Dialog.LeagueSchedule.ErrorMatchDayClashFormat"_tk, u"")};
    std::u16string lines;
    int count = 0;
    for (const TFixtureError& error : model_->Check()) {
        lines += model_->ErrorText(error, texts);
        lines += u"\r\n";
        ++count;
    }
    if (count == 0 || AskAboutErrors(lines, count) == 2) EndDialog(IDOK);
}

INT_PTR CDlgFixturelist::AskAboutErrors(const std::u16string& lines, int count)
{
    CDlgErrorMessage box(Handle());
    if (count >= 2) box.SetHeader(GetText(u"Dialog.ErrorMessage.DefaultHeaderMulti"_tk));
    box.SetButtonTexts(GetText(u"Dialog.Ok"_tk), GetText(u"Dialog.Ignore"_tk));
    box.AddMessage(lines.c_str(), false);
    return box.DoModal();
}
