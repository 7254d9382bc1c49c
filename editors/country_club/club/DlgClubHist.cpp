#include "editors/country_club/club/DlgClubHist.h"

#include <algorithm>

#include "core/text/TextManager.h"
#include "database/club/Club.h"
#include "editors/country_club/model/club/ClubYearList.h"
#include "resources/ClubEditorIds.h"
#include "win/WideText.h"

namespace {

// The set's values on display: points, wins, draws, losses, goals, goals
// against, leadership.
constexpr std::array<int, 7> SetIds = {IDC_HIST_POINTS, IDC_HIST_WINS,          IDC_HIST_DRAWS,     IDC_HIST_LOSSES,
                                       IDC_HIST_GOALS,  IDC_HIST_GOALS_AGAINST, IDC_HIST_LEADERSHIP};
// The values that are league statistics (0..9999) and those that are the
// further numbers, with the pair of the club's league values that holds
// each: half `set` of the pair.
constexpr std::array<int, 3> StatisticValues = {1, 2, 3};
constexpr std::array<int, 4> FurtherValues = {0, 4, 5, 6};
constexpr std::array<int, 4> FurtherPairs = {0, 4, 5, 6};
constexpr int MaxStatistic = 9999;
constexpr int MaxFurther = 65535;
constexpr int FurtherDigits = 5;

constexpr std::array<int, 8> YearIds = {1088, 1089, 1090, 1091, 1093, 1092, 1094, 1095};
// Result, opponent and year of the four record results and the attendance.
constexpr std::array<std::array<int, 3>, 5> RecordIds = {{
    {1483, 1040, 1046},
    {1484, 1486, 1047},
    {1037, 1487, 1048},
    {1485, 1043, 1488},
    {1044, 1045, 1489},
}};
constexpr int AttendanceRecord = 4;

std::u16string ItemText(HWND dialog, int id)
{
    wchar_t text[YearListInputLimit + 2] = {};
    ::GetDlgItemTextW(dialog, id, text, static_cast<int>(std::size(text)));
    return win::U(text);
}

void SetItemText(HWND dialog, int id, const std::u16string& text)
{
    ::SetDlgItemTextW(dialog, id, win::W(text));
}

int ParseClamped(const std::u16string& text, int maximum)
{
    return std::clamp(CTextManager::Instance()->ParseInt(text.c_str()), 0, maximum);
}

std::u16string ShowNumber(int value)
{
    return CTextManager::Instance()->FormatInt(value);
}

}  // namespace

CDlgClubHist::CDlgClubHist(HWND parent) : CDialogB(IDD_CLUB_HISTORY, parent) {}

BOOL CDlgClubHist::OnInitDialog()
{
    CDialogB::OnInitDialog();
    ::CheckRadioButton(Handle(), IDC_HIST_SECOND_LEAGUE, IDC_HIST_FIRST_LEAGUE, IDC_HIST_FIRST_LEAGUE);
    for (const int index : FurtherValues) {
        ::SendDlgItemMessageW(Handle(), SetIds[static_cast<std::size_t>(index)], EM_LIMITTEXT, FurtherDigits, 0);
    }
    for (const auto& ids : RecordIds) ::SendDlgItemMessageW(Handle(), ids[1], EM_LIMITTEXT, TClubRecord::MaxTextLength, 0);
    for (const int id : YearIds) ::SendDlgItemMessageW(Handle(), id, EM_LIMITTEXT, YearListInputLimit, 0);
    return TRUE;
}

int CDlgClubHist::CheckedSet() const
{
    return ::IsDlgButtonChecked(Handle(), IDC_HIST_FIRST_LEAGUE) == BST_CHECKED ? 0 : 1;
}

void CDlgClubHist::LoadClub(TClub* club)
{
    if (club == nullptr) return;
    loading_ = true;
    club_ = club;
    set_ = CheckedSet();
    for (int set = 0; set < Sets; ++set) {
        auto& texts = setTexts_[static_cast<std::size_t>(set)];
        std::uint16_t stats[3] = {};
        club->GetLeagueStats(set, stats[0], stats[1], stats[2]);
        for (std::size_t i = 0; i < StatisticValues.size(); ++i) texts[static_cast<std::size_t>(StatisticValues[i])] = ShowNumber(stats[i]);
        for (std::size_t i = 0; i < FurtherValues.size(); ++i) {
            texts[static_cast<std::size_t>(FurtherValues[i])] = ShowNumber(club->GetLeagueStat(2 * FurtherPairs[i] + set));
        }
    }
    ShowSet(set_);
    for (std::size_t i = 0; i < YearIds.size(); ++i) SetItemText(Handle(), YearIds[i], club->GetHistoryText(static_cast<int>(i)));
    for (int record = 0; record < Records; ++record) {
        std::u16string texts[3];
        if (record == AttendanceRecord) {
            club->GetRecord(record).GetValueTexts(texts[0], texts[1], texts[2]);
        } else {
            club->GetRecord(record).GetScoreTexts(texts[0], texts[1], texts[2]);
        }
        for (std::size_t part = 0; part < 3; ++part) SetItemText(Handle(), RecordIds[static_cast<std::size_t>(record)][part], texts[part]);
    }
    loaded_ = ReadShown();
    loading_ = false;
}

void CDlgClubHist::ShowSet(int set)
{
    const auto& texts = setTexts_[static_cast<std::size_t>(set)];
    for (std::size_t i = 0; i < SetIds.size(); ++i) SetItemText(Handle(), SetIds[i], texts[i]);
}

void CDlgClubHist::KeepSet(int set)
{
    auto& texts = setTexts_[static_cast<std::size_t>(set)];
    for (std::size_t i = 0; i < SetIds.size(); ++i) texts[i] = ItemText(Handle(), SetIds[i]);
}

void CDlgClubHist::SwitchSet(int set)
{
    if (set == set_) return;
    KeepSet(set_);
    // The set left is written at once: a cancel later drops only the edits
    // of the set on display.
    StoreSet(set_, setTexts_[static_cast<std::size_t>(set_)]);
    set_ = set;
    ShowSet(set_);
}

void CDlgClubHist::NormaliseYears(int id)
{
    const std::u16string text = ItemText(Handle(), id);
    const std::u16string normalised = NormaliseYearList(text);
    if (normalised != text) SetItemText(Handle(), id, normalised);
}

CDlgClubHist::TShown CDlgClubHist::ReadShown()
{
    KeepSet(set_);
    TShown shown;
    shown.sets = setTexts_;
    for (std::size_t i = 0; i < YearIds.size(); ++i) shown.years[i] = ItemText(Handle(), YearIds[i]);
    for (std::size_t record = 0; record < RecordIds.size(); ++record) {
        for (std::size_t part = 0; part < 3; ++part) shown.records[record][part] = ItemText(Handle(), RecordIds[record][part]);
    }
    return shown;
}

void CDlgClubHist::StoreSet(int set, const TSetTexts& texts)
{
    TSetTexts& was = loaded_.sets[static_cast<std::size_t>(set)];
    bool statisticsChanged = false;
    for (const int index : StatisticValues) statisticsChanged |= texts[static_cast<std::size_t>(index)] != was[static_cast<std::size_t>(index)];
    if (statisticsChanged) {
        std::uint16_t stats[3] = {};
        for (std::size_t i = 0; i < StatisticValues.size(); ++i) {
            stats[i] = static_cast<std::uint16_t>(ParseClamped(texts[static_cast<std::size_t>(StatisticValues[i])], MaxStatistic));
        }
        club_->SetLeagueStats(set, stats[0], stats[1], stats[2]);
    }
    for (std::size_t i = 0; i < FurtherValues.size(); ++i) {
        const auto index = static_cast<std::size_t>(FurtherValues[i]);
        if (texts[index] == was[index]) continue;
        club_->SetLeagueStat(2 * FurtherPairs[i] + set, static_cast<std::uint16_t>(ParseClamped(texts[index], MaxFurther)));
    }
    was = texts;
}

void CDlgClubHist::StoreClub()
{
    if (club_ == nullptr) return;
    // A list the user typed into is normalised even when its edit kept the
    // focus; an untouched one is stored as the file had it.
    for (std::size_t i = 0; i < YearIds.size(); ++i) {
        if (ItemText(Handle(), YearIds[i]) != loaded_.years[i]) NormaliseYears(YearIds[i]);
    }
    const TShown now = ReadShown();
    for (std::size_t i = 0; i < YearIds.size(); ++i) {
        if (now.years[i] != loaded_.years[i]) club_->SetHistoryText(static_cast<int>(i), now.years[i]);
    }
    for (int set = 0; set < Sets; ++set) StoreSet(set, now.sets[static_cast<std::size_t>(set)]);
    for (std::size_t record = 0; record < RecordIds.size(); ++record) {
        const auto& texts = now.records[record];
        if (texts == loaded_.records[record]) continue;
        TClubRecord& entry = club_->GetRecord(static_cast<int>(record));
        if (static_cast<int>(record) == AttendanceRecord) {
            entry.SetFromValueTexts(texts[0], texts[1], texts[2]);
        } else {
            entry.SetFromScoreTexts(texts[0], texts[1], texts[2]);
        }
    }
    loaded_ = now;
}

bool CDlgClubHist::OnCommand(int id, int code, HWND control)
{
    if (loading_ || club_ == nullptr) return false;
    if (code == BN_CLICKED && (id == IDC_HIST_FIRST_LEAGUE || id == IDC_HIST_SECOND_LEAGUE)) {
        SwitchSet(id == IDC_HIST_FIRST_LEAGUE ? 0 : 1);
        return true;
    }
    if (code == EN_KILLFOCUS && std::find(YearIds.begin(), YearIds.end(), id) != YearIds.end()) {
        NormaliseYears(id);
        return true;
    }
    return false;
}
