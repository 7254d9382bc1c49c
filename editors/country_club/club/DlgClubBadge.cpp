#include "editors/country_club/club/DlgClubBadge.h"

#include <string>

#include "app/LedraApp.h"
#include "archive/BadgeLookup.h"
#include "archive/MireloBig.h"
#include "core/text/Format.h"
#include "database/club/Club.h"
#include "database/club/ClubBadge.h"
#include "database/club/ReferenceLists.h"
#include "editors/country_club/club/DlgClubBadgeManage.h"
#include "resources/ClubEditorIds.h"
#include "ui/render/DibBitmap.h"
#include "win/WideText.h"

namespace {

constexpr std::array<int, 3> ComboIds = {IDC_BADGE_TEAM_COLOUR, IDC_BADGE_MERCHANDISE_COLOUR, IDC_BADGE_COLOUR_GROUP};
constexpr std::array<int, 3> ComboParams = {0, 2, 4};
constexpr int CopiedParam = 3;
constexpr int ColourGroupParam = 4;
constexpr int GuiColourColumn = 0;

void SetItemText(HWND dialog, int id, const std::u16string& text)
{
    ::SetDlgItemTextW(dialog, id, win::W(text));
}

// Messages of the badge archive stay unshown while the page looks for a
// badge; what the archive reported is kept in its error text.
class CQuietArchive {
public:
    explicit CQuietArchive(CMireloBig& archive) : archive_(archive), was_(archive.silent) { archive_.silent = true; }
    ~CQuietArchive() { archive_.silent = was_; }
    CQuietArchive(const CQuietArchive&) = delete;
    CQuietArchive& operator=(const CQuietArchive&) = delete;

private:
    CMireloBig& archive_;
    bool was_;
};

}  // namespace

CDlgClubBadge::CDlgClubBadge(HWND parent) : CDialogB(IDD_CLUB_BADGE, parent) {}

BOOL CDlgClubBadge::OnInitDialog()
{
    CDialogB::OnInitDialog();
    image_.SubclassDlgItem(IDC_BADGE_IMAGE, *this);
    for (std::size_t i = 0; i < Combos; ++i) combos_[i].SubclassDlgItem(ComboIds[i], *this);
    FillColourCombo(combos_[0], GetTeamColourList(), 0, true);
    FillColourCombo(combos_[1], GetMerchandiseColourList(), 0, false);
    combos_[2].SetShowNumbers(true);
    if (HasEditorApp()) combos_[2].FillFromTable(GetEditorApp().GetGuiColours(), 0, GuiColourColumn, -1);
    for (const CSelectColour& combo : combos_) combo.SetCurSel(-1);
    return TRUE;
}

void CDlgClubBadge::ShowBadge(bool nationalTeam)
{
    image_.Clear();
    if (nationalTeam) {
        SetItemText(Handle(), IDC_BADGE_STATUS, u"");
        return;
    }
    const std::u16string path = club_->GetBadgePath();
    if (path.empty()) {
        SetItemText(Handle(), IDC_BADGE_STATUS, GetText(u"Database.NotFileSelected"_tk));
        return;
    }
    CMireloBig& archive = GetBadgesArchive();
    CQuietArchive quiet(archive);
    const std::u16string before = archive.GetErrorText();
    win::CBitmap bitmap = LoadClubBadgeBitmap(club_);
    if (bitmap.Get()) {
        image_.SetBitmap(bitmap.Get());
        SetItemText(Handle(), IDC_BADGE_STATUS, path);
    } else if (!archive.GetErrorText().empty() && archive.GetErrorText() != before) {
        SetItemText(Handle(), IDC_BADGE_STATUS, archive.GetErrorText());
    } else {
        SetItemText(Handle(), IDC_BADGE_STATUS, Format(u"%s - %s!", path, GetText(u"Common.NotAvailable"_tk)));
    }
}

void CDlgClubBadge::LoadClub(TClub* club)
{
    if (club == nullptr) return;
    club_ = club;
    const bool nationalTeam = IsNationalTeamId(club->GetId());
    image_.Show(!nationalTeam);
    ::EnableWindow(::GetDlgItem(Handle(), IDC_BADGE_MANAGE), !nationalTeam);
    ShowBadge(nationalTeam);
    char16_t standard[BadgeNameCapacity] = {};
    if (!nationalTeam) GetClubBadgeFileName(club, standard, BadgeNameCapacity);
    SetItemText(Handle(), IDC_BADGE_STANDARD_NAME, standard);
    for (std::size_t i = 0; i < Combos; ++i) {
        if (!combos_[i].SelectByValue(club->GetBadgeParam(ComboParams[i]))) combos_[i].SetCurSel(-1);
    }
    loaded_ = ReadShown();
}

std::array<int, 3> CDlgClubBadge::ReadShown() const
{
    std::array<int, Combos> shown{};
    for (std::size_t i = 0; i < Combos; ++i) {
        const int item = combos_[i].GetCurSel();
        shown[i] = item < 0 ? -1 : static_cast<int>(combos_[i].GetItemValue(item));
    }
    return shown;
}

void CDlgClubBadge::StoreClub()
{
    if (club_ == nullptr) return;
    const std::array<int, Combos> now = ReadShown();
    for (std::size_t i = 0; i < Combos; ++i) {
        if (now[i] >= 0 && now[i] != loaded_[i]) club_->SetBadgeParam(ComboParams[i], static_cast<std::uint8_t>(now[i]));
    }
    // Parameter 3 follows the colour group, as the game's export has it.
    if (club_->GetBadgeParam(CopiedParam) != club_->GetBadgeParam(ColourGroupParam)) {
        club_->SetBadgeParam(CopiedParam, club_->GetBadgeParam(ColourGroupParam));
    }
    loaded_ = now;
}

void CDlgClubBadge::OnManage()
{
    CDlgClubBadgeManage manager(Handle());
    manager.SetStartPath(club_->GetBadgePath());
    if (manager.DoModal() != IDOK) return;
    StoreClub();
    if (manager.GetChosenPath()) club_->SetBadgePath(manager.GetChosenPath()->c_str());
    LoadClub(club_);
}

bool CDlgClubBadge::OnCommand(int id, int code, HWND control)
{
    if (club_ != nullptr && id == IDC_BADGE_MANAGE && code == BN_CLICKED) {
        OnManage();
        return true;
    }
    return false;
}
