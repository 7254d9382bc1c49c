#include "editors/player_staff/lists/DlgFastTransfer.h"

#include <string>

#include "core/text/TextManager.h"
#include "database/world/CompleteWorld.h"
#include "database/world/EnumTexts.h"
#include "database/world/WorldList.h"
#include "editors/player_staff/model/lists/QuickTransferModel.h"
#include "resources/NationalPoolIds.h"

namespace {
constexpr std::uint16_t PlayerColumnPositions[] = {0, 140 | CMyListBox::Centred};
constexpr std::uint16_t PlayerColumnWidths[] = {140, 35};
// The other lists show one text across their width.
constexpr std::uint16_t SingleColumnPosition[] = {0};
constexpr std::uint16_t SingleColumnWidth[] = {0};
constexpr char16_t NoNumber[] = u"-";
}  // namespace

CDlgFastTransfer::CDlgFastTransfer(HWND parent) : CDialogB(IDD_QUICK_TRANSFER, parent) {}

void CDlgFastTransfer::SetCountry(int countryId)
{
    sourceCountryId_ = countryId;
    targetCountryId_ = countryId;
}

BOOL CDlgFastTransfer::OnInitDialog()
{
    const BOOL result = CDialogB::OnInitDialog();
    currentNumber_.SubclassDlgItem(IDC_TRANSFER_CURRENT_NUMBER, *this);
    groups_[0].SubclassDlgItem(IDC_TRANSFER_FROM_GROUP, *this);
    groups_[1].SubclassDlgItem(IDC_TRANSFER_TO_GROUP, *this);
    sourceCountry_.Attach(GetItem(IDC_TRANSFER_SOURCE_COUNTRY));
    players_.SubclassDlgItem(IDC_TRANSFER_PLAYERS, *this);
    targetCountries_.SubclassDlgItem(IDC_TRANSFER_TARGET_COUNTRY, *this);
    clubs_.SubclassDlgItem(IDC_TRANSFER_CLUBS, *this);
    numbers_.SubclassDlgItem(IDC_TRANSFER_NUMBERS, *this);
    players_.SetColumns(2, PlayerColumnPositions, PlayerColumnWidths);
    for (CMyListBox* list : {&targetCountries_, &clubs_, &numbers_}) list->SetColumns(1, SingleColumnPosition, SingleColumnWidth);
    targetTeam_ = 0;
    playerId_ = 0;
    FillCountryCombo(sourceCountry_, sourceCountryId_, 4);
    FillCountryList(targetCountries_, sourceCountryId_, 3);
    currentNumber_.SetText(NoNumber);
    FillPlayers();
    FillClubs();
    return result;
}

void CDlgFastTransfer::FillPlayers()
{
    players_.SetRedraw(false);
    players_.ResetContent();
    const TCountry* country = GetWorld()->GetCountry(sourceCountryId_);
    if (country != nullptr) {
        const CEnumTexts& names = GetEnumTexts();
        for (const TransferSource& source : QuickTransferModel::GetSourcePlayers(*country)) {
            const std::u16string row = TPerson::GetShortName(source.person) + u" (" + source.club->GetName() + u")\t" +
                                       names.GetPositionShortName(source.person->GetPosition(0));
            const int index = players_.AddString(row.c_str());
            if (index >= 0) players_.SetItemData(index, static_cast<LPARAM>(source.person->GetId()));
        }
    }
    players_.SetRedraw(true);
    players_.Invalidate();
}

void CDlgFastTransfer::FillClubs()
{
    clubs_.SetRedraw(false);
    clubs_.ResetContent();
    const TCountry* country = GetWorld()->GetCountry(targetCountryId_);
    if (country != nullptr && targetCountryId_ != 0) {
        for (const TransferTarget& target : QuickTransferModel::GetTargets(*country)) {
            const int index = clubs_.AddString(target.name.c_str());
            if (index >= 0) clubs_.SetItemData(index, static_cast<LPARAM>(target.teamId));
        }
    }
    clubs_.SetRedraw(true);
    clubs_.Invalidate();
    targetTeam_ = 0;
    FillNumbers();
}

void CDlgFastTransfer::FillNumbers()
{
    numbers_.SetRedraw(false);
    numbers_.ResetContent();
    number_ = 0;
    CTextManager* texts = CTextManager::Instance();
    for (int number : QuickTransferModel::GetFreeNumbers(*GetWorld(), targetTeam_)) {
        const int index = numbers_.AddString(texts->FormatInt(number));
        if (index >= 0) numbers_.SetItemData(index, number);
    }
    // The first free number is shown highlighted, yet only a click chooses it.
    if (numbers_.GetCount() > 0 && numbers_.GetCurSel() < 0) numbers_.SetCurSel(0);
    numbers_.SetRedraw(true);
    numbers_.Invalidate();
}

void CDlgFastTransfer::ShowCurrentNumber()
{
    const TPerson* person = playerId_ != 0 ? GetWorld()->GetPerson(playerId_) : nullptr;
    const char16_t* text = person != nullptr ? CTextManager::Instance()->FormatInt(person->GetTeamShirtNumber()) : NoNumber;
    currentNumber_.SetText(text);
}

LPARAM CDlgFastTransfer::SelectedData(const win::CListBox& list, LPARAM none)
{
    const int index = list.GetCurSel();
    return index >= 0 ? list.GetItemData(index) : none;
}

bool CDlgFastTransfer::OnCommand(int id, int code, HWND control)
{
    if (id == IDC_TRANSFER_MOVE && code == BN_CLICKED) {
        Transfer();
        return true;
    }
    if (code != CBN_SELCHANGE && code != LBN_SELCHANGE) return CDialogB::OnCommand(id, code, control);
    switch (id) {
    case IDC_TRANSFER_SOURCE_COUNTRY:
        sourceCountryId_ = static_cast<int>(GetComboSelData(sourceCountry_, sourceCountryId_));
        FillPlayers();
        return true;
    case IDC_TRANSFER_PLAYERS:
        playerId_ = static_cast<std::uint32_t>(SelectedData(players_, 0));
        ShowCurrentNumber();
        return true;
    case IDC_TRANSFER_TARGET_COUNTRY:
        targetCountryId_ = static_cast<int>(SelectedData(targetCountries_, targetCountryId_));
        FillClubs();
        return true;
    case IDC_TRANSFER_CLUBS:
        targetTeam_ = static_cast<std::uint32_t>(SelectedData(clubs_, 0));
        FillNumbers();
        return true;
    case IDC_TRANSFER_NUMBERS:
        number_ = static_cast<int>(SelectedData(numbers_, 0));
        return true;
    default:
        return CDialogB::OnCommand(id, code, control);
    }
}

void CDlgFastTransfer::Transfer()
{
    if (!QuickTransferModel::Transfer(*GetWorld(), playerId_, targetTeam_, number_)) return;
    playerId_ = 0;
    currentNumber_.SetText(NoNumber);
    FillPlayers();
    FillNumbers();
}
