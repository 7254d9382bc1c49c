#include "editors/country_club/club/DlgClubStadium.h"

#include "core/text/Format.h"
#include "database/club/Club.h"
#include "database/world/CompleteWorld.h"
#include "database/world/WorldList.h"
#include "resources/ClubEditorIds.h"
#include "win/DataExchange.h"

namespace {

// The combos in the order TShown keeps them: the seven levels (in the
// club's facility order), stadium type, generic stadium, both hemispheres,
// both transfer countries and the youth nationality.
enum ComboIndex {
    LevelFirst = 0,
    StadiumType = 7,
    GenericStadium,
    LongitudeSide,
    LatitudeSide,
    Transfer0,
    Transfer1,
    YouthNationality,
};
constexpr std::array<int, 14> ComboIds = {
    IDC_GROUND_OFFICE,          IDC_GROUND_MEDICAL,      IDC_GROUND_MERCHANDISE,  IDC_GROUND_YOUTHCAMP,
    IDC_GROUND_TRAINING,        IDC_GROUND_MEDIA,        IDC_GROUND_RESEARCH,     IDC_GROUND_STADIUM_TYPE,
    IDC_GROUND_GENERIC_STADIUM, IDC_GROUND_LONGITUDE_SIDE, IDC_GROUND_LATITUDE_SIDE, IDC_GROUND_TRANSFER0,
    IDC_GROUND_TRANSFER1,       IDC_GROUND_YOUTH_NATIONALITY,
};
// The level keys in the club's facility order.
constexpr std::array<const char16_t*, 7> LevelKeys = {
    u"Club.Ground.Office", u"Club.Ground.Medical", u"Club.Ground.Merchandise", u"Club.Ground.Youthcamp",
    u"Club.Ground.Training", u"Club.Ground.Media", u"Club.Ground.Research",
};
constexpr int Levels = 6;

struct TSpinSetting {
    int id;
    int minimum;
    int maximum;
};
enum SpinIndex { Capacity, LongitudeDegrees, LongitudeMinutes, LatitudeDegrees, LatitudeMinutes };
constexpr std::array<TSpinSetting, 5> SpinSettings = {{
    {IDC_GROUND_CAPACITY, 0, static_cast<int>(TClub::MaxStadiumCapacity)},
    {IDC_GROUND_LONGITUDE_DEGREES, 0, 359},
    {IDC_GROUND_LONGITUDE_MINUTES, 0, 59},
    {IDC_GROUND_LATITUDE_DEGREES, 0, 359},
    {IDC_GROUND_LATITUDE_MINUTES, 0, 59},
}};
constexpr std::array<int, 3> CheckIds = {IDC_GROUND_BIG_STAND, IDC_GROUND_NATIONAL_STADIUM, IDC_GROUND_YOUTH_BASQUE};

// Country lists of the transfer settings and of the youth nationality.
constexpr int TransferCountries = 2;
constexpr int AllCountries = 0;

}  // namespace

CDlgClubStadium::CDlgClubStadium(HWND parent) : CDialogB(IDD_CLUB_GROUND, parent) {}

void CDlgClubStadium::FillLevelCombo(const win::CComboBox& combo, const char16_t* key)
{
    combo.ResetContent();
    for (int level = 0; level < Levels; ++level) {
        const std::u16string levelKey = Format(u"%s.%02d", key, level);
        AddComboItem(combo, GetText(levelKey.c_str()), level);
    }
}

BOOL CDlgClubStadium::OnInitDialog()
{
    CDialogB::OnInitDialog();
    for (std::size_t i = 0; i < Combos; ++i) combos_[i].SubclassDlgItem(ComboIds[i], *this);
    for (std::size_t i = 0; i < Spins; ++i) {
        spins_[i].SubclassDlgItem(SpinSettings[i].id, *this);
        spins_[i].SetRange(SpinSettings[i].minimum, SpinSettings[i].maximum);
    }
    ::SendDlgItemMessageW(Handle(), IDC_GROUND_STADIUM_NAME, EM_LIMITTEXT, TClub::NameCapacity - 1, 0);
    for (std::size_t i = 0; i < LevelKeys.size(); ++i) FillLevelCombo(combos_[LevelFirst + i], LevelKeys[i]);
    const KeyValue eastWest[] = {{u"Common.East"_tk.key, 0}, {u"Common.West"_tk.key, 1}, {nullptr, 0}};
    FillComboFromKeyTable(combos_[LongitudeSide], eastWest, 0xFFFFFFFF);
    const KeyValue northSouth[] = {{u"Common.North"_tk.key, 0}, {u"Common.South"_tk.key, 1}, {nullptr, 0}};
    FillComboFromKeyTable(combos_[LatitudeSide], northSouth, 0xFFFFFFFF);
    FillCountryCombo(combos_[Transfer0], -1, TransferCountries);
    FillCountryCombo(combos_[Transfer1], -1, TransferCountries);
    FillCountryCombo(combos_[YouthNationality], -1, AllCountries);
    const KeyValue types[] = {{u"Club.Stadium.Type.00"_tk.key, 0},
                              {u"Club.Stadium.Type.01"_tk.key, 1},
                              {u"Club.Stadium.Type.02"_tk.key, 2},
                              {nullptr, 0}};
    FillComboFromKeyTable(combos_[StadiumType], types, 0xFFFFFFFF);
    FillStadiumListCombo(combos_[GenericStadium]);
    return TRUE;
}

void CDlgClubStadium::DoDataExchange(win::CDataExchange& exchange)
{
    exchange.Text(IDC_GROUND_STADIUM_NAME, stadiumName_);
}

void CDlgClubStadium::LoadClub(TClub* club)
{
    if (club == nullptr) return;
    club_ = club;
    const auto select = [&](ComboIndex index, long long value) {
        const win::CComboBox& combo = combos_[static_cast<std::size_t>(index)];
        combo.SetCurSel(combo.FindItemData(static_cast<LPARAM>(value)));
    };
    select(GenericStadium, club->GetExtraNumber());
    spins_[Capacity].SetValue(static_cast<int>(club->GetStadiumCapacity()));
    stadiumName_ = club->GetStadiumName();
    ::CheckDlgButton(Handle(), IDC_GROUND_BIG_STAND, club->HasBigStand() ? BST_CHECKED : BST_UNCHECKED);
    ::CheckDlgButton(Handle(), IDC_GROUND_NATIONAL_STADIUM, club->IsNationalTeamStadium() ? BST_CHECKED : BST_UNCHECKED);
    select(StadiumType, club->GetStadiumType());
    for (int level = 0; level < TClub::FacilityCount; ++level) {
        select(static_cast<ComboIndex>(LevelFirst + level), club->GetFacilityLevel(static_cast<TClub::Facility>(level)));
    }
    select(Transfer0, club->GetTransferSetting(0));
    select(Transfer1, club->GetTransferSetting(1));
    select(YouthNationality, club->GetYouthNationality());
    select(LongitudeSide, club->IsLongitudeWest() ? 1 : 0);
    select(LatitudeSide, club->IsLatitudeSouth() ? 1 : 0);
    spins_[LongitudeDegrees].SetValue(club->GetLongitudeDegrees());
    spins_[LongitudeMinutes].SetValue(club->GetLongitudeMinutes());
    spins_[LatitudeDegrees].SetValue(club->GetLatitudeDegrees());
    spins_[LatitudeMinutes].SetValue(club->GetLatitudeMinutes());
    ::CheckDlgButton(Handle(), IDC_GROUND_YOUTH_BASQUE, club->HasFlags(TClub::YouthAreBasque) ? BST_CHECKED : BST_UNCHECKED);
    UpdateData(false);
    loaded_ = ReadShown();
}

CDlgClubStadium::TShown CDlgClubStadium::ReadShown()
{
    UpdateData(true);
    TShown shown;
    shown.stadiumName = stadiumName_;
    for (std::size_t i = 0; i < Combos; ++i) {
        const int item = combos_[i].GetCurSel();
        shown.combos[i] = item < 0 ? -1 : static_cast<long long>(combos_[i].GetItemData(item));
    }
    for (std::size_t i = 0; i < Spins; ++i) {
        spins_[i].UpdateFromText();
        shown.spins[i] = spins_[i].GetValue();
    }
    for (std::size_t i = 0; i < CheckIds.size(); ++i) shown.checks[i] = ::IsDlgButtonChecked(Handle(), CheckIds[i]) == BST_CHECKED;
    return shown;
}

void CDlgClubStadium::StoreClub()
{
    if (club_ == nullptr) return;
    const TShown now = ReadShown();
    const TShown& was = loaded_;
    const auto changed = [&](ComboIndex index) {
        const auto i = static_cast<std::size_t>(index);
        return now.combos[i] >= 0 && now.combos[i] != was.combos[i];
    };
    const auto value = [&](ComboIndex index) { return now.combos[static_cast<std::size_t>(index)]; };
    if (changed(GenericStadium)) club_->SetExtraNumber(static_cast<std::uint32_t>(value(GenericStadium)));
    if (now.spins[Capacity] != was.spins[Capacity]) club_->SetStadiumCapacity(static_cast<std::uint32_t>(now.spins[Capacity]));
    if (now.stadiumName != was.stadiumName) {
        club_->SetStadiumNameForLanguage(GetWorld()->GetDatabaseLanguage(), now.stadiumName.c_str());
    }
    if (now.checks[0] != was.checks[0]) club_->SetBigStand(now.checks[0]);
    if (now.checks[1] != was.checks[1]) club_->SetNationalTeamStadium(now.checks[1]);
    if (changed(StadiumType)) club_->SetStadiumType(static_cast<std::uint8_t>(value(StadiumType)));
    for (int level = 0; level < TClub::FacilityCount; ++level) {
        const auto index = static_cast<ComboIndex>(LevelFirst + level);
        if (changed(index)) club_->SetFacilityLevel(static_cast<TClub::Facility>(level), static_cast<std::uint8_t>(value(index)));
    }
    const bool longitude = changed(LongitudeSide) || now.spins[LongitudeDegrees] != was.spins[LongitudeDegrees] ||
                           now.spins[LongitudeMinutes] != was.spins[LongitudeMinutes];
    if (longitude) club_->SetLongitude(value(LongitudeSide) == 1, now.spins[LongitudeDegrees], now.spins[LongitudeMinutes]);
    const bool latitude = changed(LatitudeSide) || now.spins[LatitudeDegrees] != was.spins[LatitudeDegrees] ||
                          now.spins[LatitudeMinutes] != was.spins[LatitudeMinutes];
    if (latitude) club_->SetLatitude(value(LatitudeSide) == 1, now.spins[LatitudeDegrees], now.spins[LatitudeMinutes]);
    if (changed(Transfer0)) club_->SetTransferSetting(0, static_cast<std::uint8_t>(value(Transfer0)));
    if (changed(Transfer1)) club_->SetTransferSetting(1, static_cast<std::uint8_t>(value(Transfer1)));
    if (changed(YouthNationality)) club_->SetYouthNationality(static_cast<std::uint8_t>(value(YouthNationality)));
    if (now.checks[2] != was.checks[2]) club_->SetFlags(TClub::YouthAreBasque, now.checks[2]);
    loaded_ = ReadShown();
}
