#include "editors/country_club/continent/DlgCaCTowns.h"

#include <commctrl.h>

#include "app/LedraApp.h"
#include "core/AppMessage.h"
#include "core/text/TextKey.h"
#include "core/text/TextManager.h"
#include "core/text/TextTools.h"
#include "database/world/CompleteWorld.h"
#include "database/club/ReferenceLists.h"
#include "database/world/WorldList.h"
#include "editors/country_club/model/club/ClubArticleTable.h"
#include "platform/Platform.h"
#include "resources/ContinentIds.h"
#include "ui/base/ButtonTextWrapping.h"
#include "ui/dialogs/MyFileDialog.h"

namespace {

constexpr int editIds[4] = {IDC_TOWNS_TOWN, IDC_TOWNS_CLUB, IDC_TOWNS_SHORT_NAME, IDC_TOWNS_ABBREVIATION};
constexpr int editLimits[4] = {TownEditor::TownNameLimit, TownEditor::ClubNameLimit, TownEditor::ShortNameLimit,
                               TownEditor::AbbreviationLimit};
// Latitude degrees and minutes, longitude degrees and minutes.
constexpr int spinIds[4] = {IDC_TOWNS_LATITUDE_DEGREES, IDC_TOWNS_LATITUDE_MINUTES, IDC_TOWNS_LONGITUDE_DEGREES,
                            IDC_TOWNS_LONGITUDE_MINUTES};
constexpr int spinMaxima[4] = {TownEditor::MaxLatitude, 59, TownEditor::MaxLongitude, 59};
constexpr int detailIds[] = {IDC_TOWNS_TOWN,    IDC_TOWNS_CLUB,    IDC_TOWNS_SHORT_NAME, IDC_TOWNS_ARTICLE,
                             IDC_TOWNS_ABBREVIATION, IDC_TOWNS_PHRASE1, IDC_TOWNS_PHRASE2, IDC_TOWNS_LANGUAGE,
                             IDC_TOWNS_COLOUR,  IDC_TOWNS_POSITION};
constexpr int exampleIds[] = {IDC_TOWNS_ARTICLE, IDC_TOWNS_PHRASE1, IDC_TOWNS_PHRASE2};
constexpr int positionIds[] = {IDC_TOWNS_LABEL_LATITUDE, IDC_TOWNS_NORTH_SOUTH, IDC_TOWNS_LATITUDE_DEGREES,
                               IDC_TOWNS_LABEL_LATITUDE_DEGREES, IDC_TOWNS_LATITUDE_MINUTES,
                               IDC_TOWNS_LABEL_LATITUDE_MINUTES, IDC_TOWNS_LABEL_LONGITUDE, IDC_TOWNS_EAST_WEST,
                               IDC_TOWNS_LONGITUDE_DEGREES, IDC_TOWNS_LABEL_LONGITUDE_DEGREES,
                               IDC_TOWNS_LONGITUDE_MINUTES, IDC_TOWNS_LABEL_LONGITUDE_MINUTES};
constexpr TextKey languageKeys[6] = {
    u"Dialog.Control.LocaleListCtrl.German"_tk, u"Dialog.Control.LocaleListCtrl.English"_tk,
    u"Dialog.Control.LocaleListCtrl.French"_tk, u"Dialog.Control.LocaleListCtrl.Spain"_tk,
    u"Dialog.Control.LocaleListCtrl.Italian"_tk, u"Dialog.Control.LocaleListCtrl.Polish"_tk,
};

int DatabaseLanguage()
{
    const TCompleteWorld* world = GetWorld();
    return world ? world->GetDatabaseLanguage() : 0;
}

bool IsEdit(int id)
{
    for (int edit : editIds) {
        if (edit == id) return true;
    }
    return false;
}

}  // namespace

CDlgCaCTowns::CDlgCaCTowns(HWND parent, int countryId) : CDialogB(IDD_CAC_TOWNS, parent), country_(countryId) {}

BOOL CDlgCaCTowns::OnInitDialog()
{
    CDialogB::OnInitDialog();
    SetUpControls();
    editor_.Open(platform::JoinPath(platform::GetBaseFolder(), u"Database\\TownDataUniques.txt"));
    ChangeCountry();
    if (!IsAdminMode()) language_.Show(false);
    return TRUE;
}

void CDlgCaCTowns::SetUpControls()
{
    countryCombo_.Attach(GetItem(IDC_TOWNS_COUNTRY));
    FillCountryCombo(countryCombo_, country_, 0);
    if (countryCombo_.GetCurSel() < 0) countryCombo_.SetCurSel(0);
    colour_.SubclassDlgItem(IDC_TOWNS_COLOUR, *this);
    FillColourCombo(colour_, GetTeamColourList(), 0, false);
    language_.Attach(GetItem(IDC_TOWNS_LANGUAGE));
    for (int index = 0; index < 6; ++index) AddComboItem(language_, GetText(languageKeys[index]), index);
    SelectComboByData(language_, DatabaseLanguage());
    list_.SubclassDlgItem(IDC_TOWNS_LIST, *this);
    list_.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    list_.SetSortHandler(this);
    const Halvane::MFC::TListColumn columns[] = {
        {u"Club.Town"_tk, LVCFMT_LEFT, 4, {0, 1, -1}},        {u"Club.Name"_tk, LVCFMT_LEFT, 4, {1, 0, -1}},
        {u"Club.ShortName"_tk, LVCFMT_LEFT, 3, {2, 1, 0}},    {u"Club.Abbreviation"_tk, LVCFMT_LEFT, 2, {3, 1, 0}}};
    AddListColumns(list_, columns);
    list_.AutoSizeColumns(true);
    list_.Sort(0, true);
    northSouth_.Attach(GetItem(IDC_TOWNS_NORTH_SOUTH));
    AddComboItem(northSouth_, GetText(u"Common.North"_tk), 0);
    AddComboItem(northSouth_, GetText(u"Common.South"_tk), 1);
    eastWest_.Attach(GetItem(IDC_TOWNS_EAST_WEST));
    AddComboItem(eastWest_, GetText(u"Common.East"_tk), 0);
    AddComboItem(eastWest_, GetText(u"Common.West"_tk), 1);
    for (int index = 0; index < 4; ++index) {
        edits_[index].Attach(GetItem(editIds[index]));
        edits_[index].SetLimitText(editLimits[index]);
        spins_[index].SubclassDlgItem(spinIds[index], *this);
        spins_[index].SetFlags(Halvane::MFC::CSpinEditCtrl::PlainDigits);
        spins_[index].SetRange(0, spinMaxima[index]);
    }
    EnableDetails(false);
}

int CDlgCaCTowns::Compare(int sortType, LPARAM item1, LPARAM item2)
{
    const TTown& a = editor_.List().GetTown(editor_.GetCountry(), static_cast<int>(item1));
    const TTown& b = editor_.List().GetTown(editor_.GetCountry(), static_cast<int>(item2));
    switch (sortType) {
    case 0: return CompareCollated(a.Name, b.Name);
    case 1: return CompareCollated(a.SecondName, b.SecondName);
    case 2: return CompareCollated(a.Text1, b.Text1);
    case 3: return CompareCollated(a.Text2, b.Text2);
    default: return 0;
    }
}

void CDlgCaCTowns::ChangeCountry()
{
    const int index = countryCombo_.GetCurSel();
    editor_.SetCountry(index < 0 ? 0 : static_cast<int>(countryCombo_.GetItemData(index)));
    FillList();
    SelectRow(0);
}

void CDlgCaCTowns::FillList()
{
    const int kept = editor_.GetCurrentTown();
    filling_ = true;
    list_.SetRedraw(false);
    list_.DeleteAllItems();
    for (int town = 0; town < editor_.List().GetTownCount(editor_.GetCountry()); ++town) {
        list_.InsertItem(u"", town);
        RefreshRow(town);
    }
    list_.Resort();
    list_.FitColumnsToTexts(true);
    list_.SetRedraw(true);
    filling_ = false;
    editor_.SelectTown(-1);
    SelectRow(RowOfTown(kept));
}

int CDlgCaCTowns::RowOfTown(int town) const
{
    for (int row = 0; row < list_.GetItemCount(); ++row) {
        if (static_cast<int>(list_.GetItemData(row)) == town) return row;
    }
    return -1;
}

void CDlgCaCTowns::RefreshRow(int town)
{
    const int row = RowOfTown(town);
    if (row < 0) return;
    const TTown& data = editor_.List().GetTown(editor_.GetCountry(), town);
    list_.SetItemText(row, 0, data.Name);
    list_.SetItemText(row, 1, data.SecondName);
    list_.SetItemText(row, 2, data.Text1);
    list_.SetItemText(row, 3, data.Text2);
}

void CDlgCaCTowns::SelectRow(int row)
{
    if (row < 0 || row >= list_.GetItemCount()) {
        editor_.SelectTown(-1);
        EnableDetails(false);
        return;
    }
    list_.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    list_.EnsureVisible(row);
}

void CDlgCaCTowns::OnItemChanged(const NMLISTVIEW& change)
{
    if (filling_ || !(change.uChanged & LVIF_STATE)) return;
    const bool was = (change.uOldState & LVIS_SELECTED) != 0;
    const bool is = (change.uNewState & LVIS_SELECTED) != 0;
    const int town = static_cast<int>(list_.GetItemData(change.iItem));
    if (was && !is && editor_.GetCurrentTown() == town) {
        StoreTown();
        RefreshRow(town);
        editor_.SelectTown(-1);
        EnableDetails(false);
    } else if (is && !was) {
        editor_.SelectTown(town);
        ShowTown();
    }
}

void CDlgCaCTowns::EnableDetails(bool enable)
{
    for (int id : detailIds) ::EnableWindow(GetItem(id), enable);
    if (!enable) {
        for (const win::CEdit& edit : edits_) edit.SetText(u"");
        for (int id : exampleIds) ::SetWindowTextW(GetItem(id), L"");
        ::SendMessageW(GetItem(IDC_TOWNS_POSITION), BM_SETCHECK, BST_UNCHECKED, 0);
    }
    EnablePosition(enable && ::SendMessageW(GetItem(IDC_TOWNS_POSITION), BM_GETCHECK, 0, 0) == BST_CHECKED);
}

void CDlgCaCTowns::EnablePosition(bool enable)
{
    for (int id : positionIds) ::EnableWindow(GetItem(id), enable);
    if (!enable) {
        for (auto& spin : spins_) spin.SetValue(0);
    }
}

void CDlgCaCTowns::ShowTown()
{
    const TownControls shown = TownEditor::ToControls(editor_.GetCurrent());
    EnableDetails(true);
    edits_[0].SetText(shown.townName);
    edits_[1].SetText(shown.clubName);
    edits_[2].SetText(shown.shortName);
    edits_[3].SetText(shown.abbreviation);
    colour_.SelectByValue(*shown.colour);
    ::SendMessageW(GetItem(IDC_TOWNS_POSITION), BM_SETCHECK, shown.hasPosition ? BST_CHECKED : BST_UNCHECKED, 0);
    EnablePosition(shown.hasPosition);
    northSouth_.SetCurSel(shown.south ? 1 : 0);
    eastWest_.SetCurSel(shown.west ? 1 : 0);
    spins_[0].SetValue(shown.latitudeDegrees);
    spins_[1].SetValue(shown.latitudeMinutes);
    spins_[2].SetValue(shown.longitudeDegrees);
    spins_[3].SetValue(shown.longitudeMinutes);
    ShowExamples();
}

// The article and the two phrases of the database language, the phrases
// with the club name as typed.
void CDlgCaCTowns::ShowExamples()
{
    if (editor_.GetCurrentTown() < 0) return;
    const int language = DatabaseLanguage();
    const TClubArticleRow& row = GetClubArticleRow(language);
    const TTown& town = editor_.GetCurrent();
    const HWND article = GetItem(IDC_TOWNS_ARTICLE);
    ::SetWindowTextW(article, reinterpret_cast<LPCWSTR>(ClubArticleText(language, TownEditor::ArticleIndex(town, language, row.articleCount))));
    ::EnableWindow(article, HasArticleChoice(language));
    const int usage = TownEditor::PhraseIndex(town, language, row.phraseCount);
    const std::u16string clubName = edits_[1].GetText();
    for (int which = 0; which < 2; ++which) {
        const HWND button = GetItem(which == 0 ? IDC_TOWNS_PHRASE1 : IDC_TOWNS_PHRASE2);
        SetWrappedButtonText(button, ClubPhraseExample(language, which, usage, clubName));
        ::EnableWindow(button, HasPhraseChoice(language));
    }
}

void CDlgCaCTowns::NextArticle()
{
    const int language = DatabaseLanguage();
    editor_.AdvanceArticle(language, GetClubArticleRow(language).articleCount);
    ShowExamples();
}

void CDlgCaCTowns::NextPhrase()
{
    const int language = DatabaseLanguage();
    editor_.AdvancePhrase(language, GetClubArticleRow(language).phraseCount);
    ShowExamples();
}

TownControls CDlgCaCTowns::ReadControls()
{
    TownControls controls;
    controls.townName = edits_[0].GetText();
    controls.clubName = edits_[1].GetText();
    controls.shortName = edits_[2].GetText();
    controls.abbreviation = edits_[3].GetText();
    if (colour_.GetCurSel() >= 0) controls.colour = static_cast<std::uint8_t>(colour_.GetSelectedValue(0));
    controls.hasPosition = ::SendMessageW(GetItem(IDC_TOWNS_POSITION), BM_GETCHECK, 0, 0) == BST_CHECKED;
    if (!controls.hasPosition) return controls;
    controls.south = northSouth_.GetCurSel() == 1;
    controls.west = eastWest_.GetCurSel() == 1;
    controls.latitudeDegrees = spins_[0].GetValue();
    controls.latitudeMinutes = spins_[1].GetValue();
    controls.longitudeDegrees = spins_[2].GetValue();
    controls.longitudeMinutes = spins_[3].GetValue();
    return controls;
}

void CDlgCaCTowns::StoreTown()
{
    if (editor_.GetCurrentTown() < 0) return;
    if (editor_.Store(ReadControls()) == TownEditor::StoreResult::Duplicate) {
        ShowAppMessageBox(GetText(u"Dialog.CaCTowns.ErrorDuplicate"_tk), AppMessage::IconWarning);
        ShowTown();
    }
}

bool CDlgCaCTowns::OnNotify(const NMHDR& header, LRESULT& result)
{
    if (header.idFrom != IDC_TOWNS_LIST) return false;
    if (header.code == LVN_ITEMCHANGED) {
        OnItemChanged(reinterpret_cast<const NMLISTVIEW&>(header));
        return true;
    }
    if (header.code == NM_RCLICK) {
        OnContextMenu();
        return true;
    }
    return false;
}

void CDlgCaCTowns::OnContextMenu()
{
    POINT cursor{};
    ::GetCursorPos(&cursor);
    ::ScreenToClient(list_.Handle(), &cursor);
    const bool onRow = list_.HitTest(cursor, nullptr) >= 0;
    HMENU menu = GetListCtrlContextMenu(list_, IDR_CAC_TOWNS_MENU, 0);
    if (!menu) return;
    ::EnableMenuItem(menu, ID_TOWNS_DELETE, MF_BYCOMMAND | (onRow ? MF_ENABLED : MF_GRAYED));
    TranslateMenu(menu);
    TrackContextMenu(menu);
}

bool CDlgCaCTowns::OnCommand(int id, int code, HWND control)
{
    if (id == IDC_TOWNS_COUNTRY && code == CBN_SELCHANGE) {
        StoreTown();
        ChangeCountry();
        return true;
    }
    if (IsEdit(id) && code == EN_KILLFOCUS) {
        const int town = editor_.GetCurrentTown();
        StoreTown();
        RefreshRow(town);
        list_.FitColumnsToTexts(true);
        if (id == IDC_TOWNS_CLUB) ShowExamples();
        return true;
    }
    if (id == IDC_TOWNS_ARTICLE && code == BN_CLICKED) {
        NextArticle();
        return true;
    }
    if ((id == IDC_TOWNS_PHRASE1 || id == IDC_TOWNS_PHRASE2) && code == BN_CLICKED) {
        NextPhrase();
        return true;
    }
    if (id == IDC_TOWNS_POSITION && code == BN_CLICKED) {
        EnablePosition(::SendMessageW(GetItem(IDC_TOWNS_POSITION), BM_GETCHECK, 0, 0) == BST_CHECKED);
        return true;
    }
    if (id == IDC_TOWNS_LANGUAGE && code == CBN_SELCHANGE) {
        if (TCompleteWorld* world = GetWorld()) world->SetDatabaseLanguage(static_cast<std::uint8_t>(GetComboSelData(language_, 0)));
        ShowExamples();
        return true;
    }
    switch (id) {
    case ID_TOWNS_NEW: NewTown(); return true;
    case ID_TOWNS_DELETE: DeleteTown(); return true;
    case ID_TOWNS_LOAD: LoadFile(); return true;
    case ID_TOWNS_SAVE: SaveFile(); return true;
    case ID_TOWNS_SAVE_AS: SaveFileAs(); return true;
    case ID_TOWNS_MERGE: MergeFile(); return true;
    default: return false;
    }
}

void CDlgCaCTowns::NewTown()
{
    StoreTown();
    const int town = editor_.AddTown();
    if (town < 0) return;
    FillList();
    SelectRow(RowOfTown(town));
    ::SetFocus(edits_[0].Handle());
}

void CDlgCaCTowns::DeleteTown()
{
    const int row = RowOfTown(editor_.GetCurrentTown());
    if (row < 0 || !editor_.RemoveCurrentTown()) return;
    FillList();
    SelectRow(row > 0 ? row - 1 : 0);
}

std::u16string CDlgCaCTowns::ChooseFile(bool open, TextKey title)
{
    char16_t filter[512];
    GetFilterText(u"Dialog.CaCTowns.FileFilter"_tk, filter, std::size(filter));
    const DWORD flags = open ? OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR : OFN_OVERWRITEPROMPT | OFN_NOCHANGEDIR;
    CMyFileDialog dialog(open, u"txt", filter, flags, Handle());
    dialog.SetTitle(GetText(title));
    return dialog.Run() ? dialog.GetPath() : std::u16string();
}

bool CDlgCaCTowns::SettleChanges()
{
    if (!editor_.HasChanges()) return true;
    const int answer = ShowAppMessageBox(GetText(u"Dialog.CaCTowns.ModifiedQuery"_tk),
                                         AppMessage::YesNoCancel | AppMessage::IconQuestion);
    const TownEditor::Answer given = answer == AppMessage::IdYes ? TownEditor::Answer::Yes
                                     : answer == AppMessage::IdNo ? TownEditor::Answer::No
                                                                  : TownEditor::Answer::Cancel;
    const TownEditor::Settled settled = editor_.Settle(given);
    if (settled == TownEditor::Settled::WriteFailed) ShowWriteError(editor_.List().GetPath());
    return settled == TownEditor::Settled::Proceed;
}

void CDlgCaCTowns::LoadFile()
{
    StoreTown();
    const std::u16string path = ChooseFile(true, u"Dialog.CaCTowns.LoadTitle"_tk);
    if (path.empty() || !SettleChanges() || !editor_.Load(path)) return;
    FillList();
    SelectRow(0);
}

void CDlgCaCTowns::SaveFile()
{
    StoreTown();
    if (!editor_.Save()) ShowWriteError(editor_.List().GetPath());
}

void CDlgCaCTowns::SaveFileAs()
{
    const std::u16string path = ChooseFile(false, u"Dialog.CaCTowns.SaveTitle"_tk);
    if (path.empty()) return;
    StoreTown();
    if (!editor_.List().SaveAs(path)) ShowWriteError(path);
}

void CDlgCaCTowns::MergeFile()
{
    const std::u16string path = ChooseFile(true, u"Dialog.CaCTowns.MergeTitle"_tk);
    if (path.empty()) return;
    StoreTown();
    if (editor_.Merge(path)) FillList();
}

void CDlgCaCTowns::ShowWriteError(const std::u16string& path) const
{
    const std::u16string message = ReplaceTokens(CTextManager::Instance()->GetText(u"Dialog.FileWriteError"_tk),
                                                 {{u"_FILE_NAME", platform::MakeAbsolute(path)}});
    ShowAppMessageBox(message.c_str(), AppMessage::IconWarning);
}

void CDlgCaCTowns::Close()
{
    StoreTown();
    if (SettleChanges()) EndDialog(IDOK);
}
