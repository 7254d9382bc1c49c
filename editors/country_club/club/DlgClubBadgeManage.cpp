#include "editors/country_club/club/DlgClubBadgeManage.h"

#include "app/LedraApp.h"
#include "archive/BadgeLookup.h"
#include "archive/MireloBig.h"
#include "core/AppMessage.h"
#include "database/world/CompleteWorld.h"
#include "database/world/WorldList.h"
#include "resources/ClubEditorIds.h"
#include "ui/render/DibBitmap.h"
#include "win/WideText.h"

CDlgClubBadgeManage::CDlgClubBadgeManage(HWND parent) : CDialogB(IDD_CLUB_BADGE_MANAGE, parent) {}

BOOL CDlgClubBadgeManage::OnInitDialog()
{
    CDialogB::OnInitDialog();
    groupCombo_.SubclassDlgItem(IDC_BADGE_GROUPS, *this);
    list_.SubclassDlgItem(IDC_BADGE_LIST, *this);
    preview_.SubclassDlgItem(IDC_BADGE_IMAGE, *this);
    groups_.AddLooseFiles(GetEditorApp().GetBadgesFolder());
    CMireloBig& archive = GetBadgesArchive();
    if (archive.IsOpen()) groups_.AddArchive(archive);
    const TCompleteWorld* world = GetWorld();
    const CountryNameSource names = world != nullptr ? CountryNamesOf(*world) : CountryNameSource(
                                                                                   [](int, int) { return std::u16string_view(); });
    groups_.AssignCountries(names);
    const TBadgeGroupItems items =
        MakeBadgeGroupItems(groups_.Groups(), startPath_, names, world != nullptr ? world->GetDatabaseLanguage() : 0,
                            GetText(u"Dialog.Club.BadgeSelect.Generic"_tk), GetText(u"Dialog.Club.BadgeSelect.NoBadge"_tk));
    for (const TBadgeGroupItem& item : items.items) AddComboItem(groupCombo_, item.text.c_str(), item.group);
    groupCombo_.SetCurSel(items.selected);
    FillList();
    return TRUE;
}

const TBadgeGroup* CDlgClubBadgeManage::SelectedGroup() const
{
    const int item = groupCombo_.GetCurSel();
    if (item < 0) return nullptr;
    const auto index = static_cast<long long>(groupCombo_.GetItemData(item));
    if (index < 0 || index >= static_cast<long long>(groups_.Groups().size())) return nullptr;
    return &groups_.Groups()[static_cast<std::size_t>(index)];
}

bool CDlgClubBadgeManage::IsNoBadgeSelected() const
{
    const int item = groupCombo_.GetCurSel();
    return item >= 0 && static_cast<long long>(groupCombo_.GetItemData(item)) < 0;
}

const TBadgeEntry* CDlgClubBadgeManage::SelectedEntry() const
{
    const TBadgeGroup* group = SelectedGroup();
    const int item = list_.GetCurSel();
    if (group == nullptr || item < 0) return nullptr;
    const auto index = static_cast<std::size_t>(list_.GetItemData(item));
    return index < group->entries.size() ? &group->entries[index] : nullptr;
}

void CDlgClubBadgeManage::FillList()
{
    list_.ResetContent();
    const TBadgeGroup* group = SelectedGroup();
    for (std::size_t index = 0; group != nullptr && index < group->entries.size(); ++index) {
        const int item = list_.AddString(BadgeEntryText(group->entries[index]).c_str());
        if (item >= 0) list_.SetItemData(item, static_cast<LPARAM>(index));
    }
    list_.Enable(group != nullptr);
    preview_.Enable(group != nullptr);
    preview_.Clear();
    ::SetDlgItemTextW(Handle(), IDC_BADGE_PREVIEW_PATH, L"");
}

void CDlgClubBadgeManage::ShowPreview()
{
    ::SetDlgItemTextW(Handle(), IDC_BADGE_PREVIEW_PATH, L"");
    const TBadgeEntry* entry = SelectedEntry();
    if (entry == nullptr) return;
    const std::u16string path = NormalisedBadgeEntryPath(*entry);
    win::CBitmap bitmap = LoadBadgeBitmap(path.c_str());
    if (!bitmap.Get()) {
        preview_.Clear();
        return;
    }
    preview_.SetBitmap(bitmap.Get());
    ::SetDlgItemTextW(Handle(), IDC_BADGE_PREVIEW_PATH, win::W(path));
}

void CDlgClubBadgeManage::OnOK()
{
    const TBadgeEntry* entry = SelectedEntry();
    if (IsNoBadgeSelected()) {
        chosen_ = std::u16string();
    } else if (entry != nullptr) {
        chosen_ = ChosenBadgePath(entry);
        if (!chosen_) {
            // The club keeps 38 characters: a longer path would name a file
            // that is not there after the next load.
            ShowAppMessageBox(GetText(u"Dialog.Club.BadgeSelect.PathTooLong"_tk));
            return;
        }
    } else {
        chosen_.reset();
    }
    CDialogB::OnOK();
}

bool CDlgClubBadgeManage::OnCommand(int id, int code, HWND control)
{
    if (id == IDC_BADGE_GROUPS && code == CBN_SELCHANGE) {
        FillList();
        return true;
    }
    if (id == IDC_BADGE_LIST && code == LBN_SELCHANGE) {
        ShowPreview();
        return true;
    }
    return false;
}
