#include "editors/country_club/continent/Dlg5Year.h"

#include "core/AppMessage.h"
#include "core/text/TextKey.h"
#include "core/text/TextManager.h"
#include "core/text/TextTools.h"
#include "database/world/CompleteWorld.h"
#include "database/world/WorldList.h"
#include "editors/country_club/continent/Dlg5YearChange.h"
#include "platform/Platform.h"
#include "resources/ContinentIds.h"
#include "ui/dialogs/MyFileDialog.h"

namespace {

constexpr int None = Halvane::MFC::CHVListCtrl::NoSortType;

constexpr int TotalColumn = 8;

const Halvane::MFC::TListColumn columns[] = {
    {u"Dialog.Assessment.Rank"_tk, LVCFMT_LEFT, 1, {0, 8, None}},       {u"Dialog.Assessment.Country"_tk, LVCFMT_LEFT, 3, {1, 8, None}},
    {u"Dialog.Assessment.LastYear"_tk, LVCFMT_RIGHT, 2, {2, 8, None}},  {u"Dialog.Assessment.Year-2"_tk, LVCFMT_RIGHT, 1, {3, 8, None}},
    {u"Dialog.Assessment.Year-3"_tk, LVCFMT_RIGHT, 1, {4, 8, None}},    {u"Dialog.Assessment.Year-4"_tk, LVCFMT_RIGHT, 1, {5, 8, None}},
    {u"Dialog.Assessment.Year-5"_tk, LVCFMT_RIGHT, 1, {6, 8, None}},    {u"Dialog.Assessment.Year-6"_tk, LVCFMT_RIGHT, 1, {7, 8, None}},
    {u"Dialog.Assessment.FirstSeason"_tk, LVCFMT_RIGHT, 3, {8, 1, None}},
};

constexpr float Hundredth = 0.01f;

const TCompleteWorld& World()
{
    return *GetWorld();
}

}  // namespace

CDlg5Year::CDlg5Year(HWND parent) : CDialogB(IDD_ASSESSMENT, parent), table_(*GetWorld()) {}

BOOL CDlg5Year::OnInitDialog()
{
    CDialogB::OnInitDialog();
    list_.SubclassDlgItem(IDC_ASSESSMENT_LIST, *this);
    list_.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    list_.SetSortHandler(&sorter_);
    AddColumns();
    list_.AutoSizeColumns(true);
    FillList();
    list_.Sort(TotalColumn, false);
    return TRUE;
}

void CDlg5Year::AddColumns()
{
    AddListColumns(list_, columns);
}

int CDlg5Year::SelectedCountry() const
{
    const int row = static_cast<int>(list_.Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    return row < 0 ? 0 : static_cast<int>(list_.GetItemData(row));
}

void CDlg5Year::FillList()
{
    const int top = static_cast<int>(list_.Send(LVM_GETTOPINDEX));
    const int selected = SelectedCountry();
    table_.BuildRanking();
    list_.SetRedraw(false);
    list_.DeleteAllItems();
    for (int id : table_.EuropeanCountries()) AddRow(id);
    list_.Resort();
    if (list_.GetItemCount() > 0) {
        const int perPage = static_cast<int>(list_.Send(LVM_GETCOUNTPERPAGE));
        list_.EnsureVisible(std::min(top + std::max(perPage, 1) - 1, list_.GetItemCount() - 1));
    }
    for (int row = 0; row < list_.GetItemCount(); ++row) {
        if (static_cast<int>(list_.GetItemData(row)) == selected) {
            list_.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        }
    }
    list_.SetRedraw(true);
    list_.Invalidate();
}

void CDlg5Year::AddRow(int id)
{
    const TCountry& country = *World().GetCountry(id);
    const int row = list_.InsertItem(CTextManager::Instance()->FormatOrdinal(table_.GetRank(id) + 1, true), id);
    if (row < 0) return;
    list_.SetItemText(row, 1, country.GetName());
    for (int year = 1; year <= AssessmentTable::Years; ++year) {
        list_.SetItemFloat(row, 1 + year, country.GetYearCoefficient(year) * Hundredth, 2);
    }
    list_.SetItemFloat(row, TotalColumn, AssessmentTable::Total(country) * Hundredth, 2);
}

bool CDlg5Year::OnNotify(const NMHDR& header, LRESULT& result)
{
    if (header.idFrom != IDC_ASSESSMENT_LIST || header.code != NM_DBLCLK) return false;
    OnDoubleClick();
    result = 0;
    return true;
}

void CDlg5Year::OnDoubleClick()
{
    const int id = SelectedCountry();
    if (id == 0) return;
    if (ChangeCountry(*GetWorld()->GetCountry(id))) FillList();
}

bool CDlg5Year::ChangeCountry(TCountry& country)
{
    CDlg5YearChange dialog(nullptr);
    dialog.SetCountry(&country);
    if (dialog.DoModal() != IDOK) return false;
    dialog.Store();
    return true;
}

bool CDlg5Year::OnCommand(int id, int code, HWND control)
{
    if (code != BN_CLICKED) return false;
    if (id == IDC_ASSESSMENT_IMPORT) {
        Import();
        return true;
    }
    if (id == IDC_ASSESSMENT_EXPORT) {
        Export();
        return true;
    }
    return false;
}

std::u16string CDlg5Year::ChooseFile(bool open)
{
    char16_t filter[512];
    GetFilterText(u"Dialog.Assessment.FileFilter"_tk, filter, std::size(filter));
    const DWORD flags = open ? OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR
                             : OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
    CMyFileDialog dialog(open, u"txt", filter, flags, Handle());
    dialog.SetTitle(GetText(open ? u"Dialog.Assessment.ImportTitle"_tk : u"Dialog.Assessment.ExportTitle"_tk));
    return dialog.Run() ? dialog.GetPath() : std::u16string();
}

void CDlg5Year::Import()
{
    const std::u16string path = ChooseFile(true);
    if (path.empty()) return;
    if (!AssessmentTable::Import(*GetWorld(), path)) {
        const std::u16string message = ReplaceTokens(CTextManager::Instance()->GetText(u"Database.Error.AssessmentUnreadable"_tk),
                                                     {{u"_FILE_NAME", platform::MakeAbsolute(path)}});
        ShowAppMessageBox(message.c_str(), AppMessage::IconWarning);
        return;
    }
    FillList();
}

void CDlg5Year::Export()
{
    const std::u16string path = ChooseFile(false);
    if (path.empty() || GetWorld()->WriteAssessment(path)) return;
    const std::u16string message = ReplaceTokens(CTextManager::Instance()->GetText(u"Dialog.FileWriteError"_tk),
                                                 {{u"_FILE_NAME", platform::MakeAbsolute(path)}});
    ShowAppMessageBox(message.c_str(), AppMessage::IconWarning);
}
