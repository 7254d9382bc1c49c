#include "editors/country_club/competition/DlgCalender.h"

#include <algorithm>
#include <set>

#include "app/LedraApp.h"
#include "competition/Competition.h"
#include "core/AppMessage.h"
#include "core/text/Format.h"
#include "core/text/TextKey.h"
#include "core/text/TextManager.h"
#include "core/text/TextTools.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/world/EnumTexts.h"
#include "database/country/LeagueMaster.h"
#include "database/world/WorldList.h"
#include "editors/country_club/model/competition/SeasonCalendarModel.h"
#include "platform/Platform.h"
#include "resources/LeagueToolsIds.h"
#include "ui/dialogs/DlgErrorMessage.h"
#include "ui/base/ScrollBarTools.h"
#include "win/WideText.h"

namespace {

constexpr int DateColumnWidth = 72;
constexpr int MinimumCompareClubs = 10;
constexpr int LastCountryId = 206;
constexpr int RowsKeptVisibleBelowTop = 28;
constexpr std::size_t DateTextCapacity = 64;

}  // namespace

CDlgCalender::CDlgCalender(TCountry* country, HWND parent) : CDialogB(IDD_CALENDAR, parent), country_(country) {}

CDlgCalender::~CDlgCalender() = default;

BOOL CDlgCalender::OnInitDialog()
{
    CDialogB::OnInitDialog();
    grid_.SubclassDlgItem(IDC_CALENDAR_GRID, *this);
    compare_.Attach(GetItem(IDC_CALENDAR_COMPARE));
    grid_.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_HEADERDRAGDROP);
    grid_.InsertColumn(0, GetText(u"Common.Date"_tk, u""), LVCFMT_CENTER, DateColumnWidth, 0);
    grid_.AddColumn(GetText(u"Dialog.Calendar.InternationalCompetitions"_tk, u""), 1, LVCFMT_CENTER);
    ::SetScrollRange(GetItem(IDC_CALENDAR_SEASON_BAR), SB_CTL, 0, 1, FALSE);
    SetInvertedScrollValue(GetItem(IDC_CALENDAR_SEASON_BAR), seasonPosition_);
    const bool admin = IsAdminMode();
    ::ShowWindow(GetItem(IDC_CALENDAR_UPDATE_MASTER), admin ? SW_SHOW : SW_HIDE);
    ::ShowWindow(GetItem(IDC_CALENDAR_CHECK_MASTER), admin ? SW_SHOW : SW_HIDE);
    ::CheckRadioButton(Handle(), IDC_CALENDAR_ONE_LEAGUE, IDC_CALENDAR_SAME_LEVEL, IDC_CALENDAR_ONE_LEAGUE);
    if (country_ == nullptr) return TRUE;
    model_ = std::make_unique<SeasonCalendarModel>(*country_);
    ShowSeason();
    AddColumns();
    WidenRoundColumn();
    FillGrid();
    grid_.SetClickMode(CListCtrlEx::ClickReport);
    FillCompareCombo();
    return TRUE;
}

void CDlgCalender::AddColumns()
{
    for (int column = SeasonCalendarModel::FirstLeagueColumn; column < model_->GetColumnCount(); ++column) {
        const CDBCompetition* competition = model_->GetColumnCompetition(column);
        grid_.AddColumn(competition ? competition->GetName() : u"-", column, LVCFMT_CENTER);
    }
}

// The international rounds' names run longer than their column's heading
// in most languages: the column takes the widest round of either season.
void CDlgCalender::WidenRoundColumn()
{
    std::set<std::uint32_t> rounds;
    for (const int season : {0, 1}) {
        TSeasonDayCodes codes{};
        country_->GetSeasonCalendar(season, codes);
        rounds.insert(codes.begin(), codes.end());
    }
    rounds.erase(0);
    int width = grid_.GetColumnWidth(SeasonCalendarModel::InternationalColumn);
    for (const std::uint32_t round : rounds) {
        const char16_t* name = GetEnumTexts().GetRoundName(static_cast<int>(round));
        width = std::max(width, grid_.GetStringWidth(name) + CListCtrlEx::ColumnPadding);
    }
    grid_.SetColumnWidth(SeasonCalendarModel::InternationalColumn, width);
}

void CDlgCalender::FillCompareCombo()
{
    compare_.SetRedraw(false);
    compare_.ResetContent();
    for (int id = 1; id <= LastCountryId; ++id) {
        const TCountry* other = GetWorld() ? GetWorld()->GetCountry(id) : nullptr;
        if (other == nullptr || id == country_->GetId() || other->GetClubCount() < MinimumCompareClubs) continue;
        AddComboItem(compare_, other->GetName(), id);
    }
    compare_.SetRedraw(true);
}

void CDlgCalender::ShowSeason()
{
    ::SetDlgItemTextW(Handle(), IDC_CALENDAR_SEASON, win::W(SeasonCalendarModel::SeasonText(seasonPosition_).c_str()));
    model_->SetSeason(seasonPosition_);
}

void CDlgCalender::FillGrid()
{
    const int top = static_cast<int>(grid_.Send(LVM_GETTOPINDEX));
    const int mark = static_cast<int>(grid_.Send(LVM_GETSELECTIONMARK));
    grid_.SetRedraw(false);
    grid_.DeleteAllItems();
    TDate date = SeasonCalendarModel::GridStart(seasonPosition_);
    TSeasonDayCodes codes{};
    country_->GetSeasonCalendar(model_->GetSeason(), codes);
    const char16_t* format = GetText(u"Dialog.Calendar.DateFormat"_tk, u"");
    for (int day = 0; day < SeasonCalendarModel::Rows; ++day, date += 1) {
        const char16_t* weekday = CTextManager::Instance()->GetWeekdayName(date.GetWeekday(), true);
        const std::u16string text = ReplaceTokens(format, {{u"_WEEKDAY", weekday ? weekday : u""},
                                                           {u"_MONTH", Format(u"%02d", static_cast<int>(date.GetMonth()))},
                                                           {u"_DAY", Format(u"%02d", static_cast<int>(date.GetDay()))}});
        const int row = grid_.AppendItem(text.substr(0, DateTextCapacity - 1).c_str(), 0);
        if (codes[static_cast<std::size_t>(day)] > 0) {
            const char16_t* round = GetEnumTexts().GetRoundName(static_cast<int>(codes[static_cast<std::size_t>(day)]));
            grid_.SetItemText(row, 1, round ? round : u"");
        }
    }
    RefreshCells();
    if (mark >= 0) grid_.Send(LVM_SETSELECTIONMARK, 0, mark);
    grid_.SetRedraw(true);
    grid_.EnsureVisible(std::min(SeasonCalendarModel::Rows - 1, top + RowsKeptVisibleBelowTop));
    grid_.EnsureVisible(top);
}

void CDlgCalender::RefreshCells()
{
    grid_.SetRedraw(false);
    for (int day = 0; day < SeasonCalendarModel::Rows; ++day) {
        for (int column = SeasonCalendarModel::FirstLeagueColumn; column < model_->GetColumnCount(); ++column) {
            grid_.SetItemText(day, column, model_->CellText(day, column).c_str());
        }
    }
    grid_.SetRedraw(true);
    grid_.Invalidate();
}

void CDlgCalender::ShowDayInCaption(int day)
{
    if (!IsAdminMode()) return;
    wchar_t caption[256] = {};
    ::GetWindowTextW(Handle(), caption, 256);
    std::u16string text(caption, caption + wcslen(caption));
    text = text.substr(0, text.find(u'|')) + Format(u"|%d", day);
    ::SetWindowTextW(Handle(), win::W(text.c_str()));
}

void CDlgCalender::OnCellClick(int row, int column)
{
    if (column == SeasonCalendarModel::DateColumn) return ShowDayInCaption(row);
    if (model_->Click(row, column)) RefreshCells();
}

void CDlgCalender::OnCompareChanged()
{
    const int selected = compare_.GetCurSel();
    if (selected < 0 || !model_->SetCompareCountry(static_cast<int>(compare_.GetItemData(selected)))) return;
    const CDBCompetition* competition = model_->GetColumnCompetition(model_->GetCompareColumn());
    grid_.SetColumnText(model_->GetCompareColumn(), competition ? competition->GetName() : u"-");
    RefreshCells();
}

void CDlgCalender::OnSeasonScroll(int code, int thumb)
{
    HandleInvertedScrollBar(code, thumb, GetItem(IDC_CALENDAR_SEASON_BAR));
    // Wine's bar sends no end-scroll after a key, so every move but a drag
    // still under way gives the season at once.
    if (code == SB_THUMBTRACK) return;
    const int before = model_->GetSeason();
    seasonPosition_ = GetInvertedScrollValue(GetItem(IDC_CALENDAR_SEASON_BAR));
    ShowSeason();
    if (model_->GetSeason() == before) return;
    HCURSOR previous = ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
    FillGrid();
    ::SetCursor(previous);
}

bool CDlgCalender::OnCommand(int id, int code, HWND control)
{
    if (!model_) return false;
    switch (id) {
    case IDC_CALENDAR_COMPARE:
        if (code == CBN_SELCHANGE) OnCompareChanged();
        return true;
    case IDC_CALENDAR_ONE_LEAGUE: model_->SetEditMode(TCalendarEditMode::OneCompetition); return true;
    case IDC_CALENDAR_ALL_LEAGUES: model_->SetEditMode(TCalendarEditMode::AllLeagues); return true;
    case IDC_CALENDAR_SAME_LEVEL: model_->SetEditMode(TCalendarEditMode::SameLevel); return true;
    case IDC_CALENDAR_CHECK: CheckCalendar(true); return true;
    case IDC_CALENDAR_UPDATE_MASTER: UpdateMaster(); return true;
    case IDC_CALENDAR_CHECK_MASTER: CheckMaster(); return true;
    default: return false;
    }
}

bool CDlgCalender::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (model_ && message == CListCtrlEx::CellClicked) {
        OnCellClick(static_cast<int>(wParam), static_cast<int>(lParam));
        return true;
    }
    if (model_ && message == WM_HSCROLL && reinterpret_cast<HWND>(lParam) == GetItem(IDC_CALENDAR_SEASON_BAR)) {
        OnSeasonScroll(LOWORD(wParam), HIWORD(wParam));
    }
    return CDialogB::OnMessage(message, wParam, lParam, result);
}

void CDlgCalender::OnOK()
{
    if (!model_ || CheckCalendar(false)) EndDialog(IDOK);
}

bool CDlgCalender::CheckCalendar(bool reportSuccess)
{
    if (!model_) return true;
    const TCalendarCheckTexts texts{GetText(u"Dialog.Calendar.ErrorFixturelist"_tk, u""),
                                    GetText(u"Dialog.Calendar.ErrorMatchdays"_tk, u""),
                                    GetText(u"Dialog.Calendar.ErrorNotEnoughTeams"_tk, u""),
                                    GetText(u"Dialog.Calendar.ErrorReserveTeamsInLeague"_tk, u""),
                                    GetText(u"Dialog.Calendar.ErrorInternationalClash"_tk, u"")};
    const TCalendarCheck check = model_->CheckCalendar(texts);
    if (!check.errorSeen) {
        if (reportSuccess) {
            const std::u16string success = GetText(u"Dialog.Calendar.CheckSuccessful"_tk, u"");
            ShowCheckResult(success, success, true);
        }
        return true;
    }
    const std::u16string header =
        check.count >= 2 ? GetText(u"Dialog.ErrorMessage.DefaultHeaderMulti"_tk, u"") : std::u16string();
    return ShowCheckResult(header, check.body, false) != 1;
}

INT_PTR CDlgCalender::ShowCheckResult(const std::u16string& header, const std::u16string& body, bool success)
{
    CDlgErrorMessage box(Handle());
    if (success) {
        box.SetMessage(header.c_str(), body.c_str());
        return box.DoModal();
    }
    box.SetHeader(header.empty() ? nullptr : header.c_str());
    box.SetButtonTexts(GetText(u"Dialog.Ok"_tk, u""), GetText(u"Dialog.Ignore"_tk, u""));
    box.AddMessage(body.c_str(), false);
    return box.DoModal();
}

void CDlgCalender::UpdateMaster()
{
    TCompleteWorld* world = GetWorld();
    if (world == nullptr) return;
    TLeagueMaster& master = world->GetLeagueMaster();
    master.Build(country_->GetCompetitionRegistry(), country_->GetId());
    if (!SaveLeagueMaster(master, platform::JoinPath(world->GetDatabaseFolder(), u"LeagueMaster.dat"))) {
        ShowAppMessageBox(u"Failed", AppMessage::IconError);
    }
}

void CDlgCalender::CheckMaster()
{
    TCompleteWorld* world = GetWorld();
    if (world == nullptr) return;
    const bool same = world->GetLeagueMaster().Verify(country_->GetCompetitionRegistry(), country_->GetId());
    ShowAppMessageBox(same ? u"Success" : u"Failed", same ? AppMessage::IconInformation : AppMessage::IconError);
}
