// Every value control of the club editor's general, kit and ground pages is
// set to a value of its own through the window; each field then holds the
// value of its own control, so two controls that swap their fields are
// caught.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "ClubEditorTestSupport.h"
#include "database/club/Club.h"
#include "database/club/Kit.h"
#include "database/club/ReferenceLists.h"
#include "resources/ClubEditorIds.h"
#include "tests/editors/country_club/FieldPins.h"

namespace {

using club_test::Click;
using club_test::ClickTab;
using club_test::Page;
using club_test::SetItem;

constexpr int CommonTab = 0;
constexpr int KitTab = 2;
constexpr int GroundTab = 3;

using field_pins::Input;
using TClubPin = field_pins::TPin<TClub>;

void Enter(HWND page, const TClubPin& pin)
{
    switch (pin.input) {
    case Input::Spin: {
        const std::string digits = std::to_string(pin.value);
        SetItem(page, pin.control, std::u16string(digits.begin(), digits.end()));
        ::SendMessageW(page, WM_COMMAND, MAKEWPARAM(pin.control, EN_KILLFOCUS),
                       reinterpret_cast<LPARAM>(::GetDlgItem(page, pin.control)));
        break;
    }
    case Input::Combo: {
        const HWND combo = ::GetDlgItem(page, pin.control);
        const int count = static_cast<int>(::SendMessageW(combo, CB_GETCOUNT, 0, 0));
        int item = 0;
        while (item < count && ::SendMessageW(combo, CB_GETITEMDATA, item, 0) != pin.value) ++item;
        ASSERT_LT(item, count) << "no item " << pin.value << " in combo " << pin.control;
        ::SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
        ::SendMessageW(page, WM_COMMAND, MAKEWPARAM(pin.control, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
        break;
    }
    case Input::Check: Click(page, pin.control); break;
    case Input::Text: SetItem(page, pin.control, pin.text); break;
    case Input::Typed: break;
    }
}

TClubPin Text(int control, const char16_t* text, const char16_t* (TClub::*get)() const)
{
    return {control, Input::Text, 0, text, [text, get](const TClub& c) { return std::u16string((c.*get)()) == text; }, 1};
}

TClubPin Check(int control, std::function<bool(const TClub&)> get)
{
    return {control, Input::Check, 0, nullptr, [get](const TClub& c) { return get(c); }, 0};
}

struct TPinnedPage {
    int tab;
    std::vector<TClubPin> pins;
};

class ClubFieldPin : public club_test::SampleClubTest {
protected:
    // The page's pins entered, then OK; every field checked.
    void Pin(const TPinnedPage& page)
    {
        TClub& club = Club(0);
        field_pins::RunPasses<TClub>(club, page.pins, [&](const std::vector<TClubPin>& pins) {
            RunFrame(club, ClubIds(), [&](HWND frame) {
                ClickTab(frame, page.tab);
                for (const TClubPin& pin : pins) Enter(Page(frame, page.tab), pin);
                Click(frame, IDOK);
            });
        });
    }

    TPinnedPage GeneralPage()
    {
        std::vector<TClubPin> pins = {
            {IDC_CLUB_FOUNDATION_YEAR, Input::Spin, 1901, nullptr, [](const TClub& c) { return c.GetFoundationYear(); }, 1901},
            {IDC_CLUB_PRESTIGE_NATIONAL, Input::Spin, 17, nullptr, [](const TClub& c) { return c.GetPrestigeNational(); }, 17},
            {IDC_CLUB_PRESTIGE_INTERNATIONAL, Input::Spin, 13, nullptr,
             [](const TClub& c) { return c.GetPrestigeInternational(); }, 13},
            {IDC_CLUB_SPECTATOR_POTENTIAL, Input::Spin, 123456, nullptr, [](const TClub& c) { return c.GetClubValue(0); }, 123456},
            {IDC_CLUB_SPECTATOR_AVERAGE, Input::Spin, 54321, nullptr, [](const TClub& c) { return c.GetClubValue(1); }, 54321},
            {IDC_CLUB_SPECTATOR_HARDCORE, Input::Spin, 2345, nullptr, [](const TClub& c) { return c.GetClubValue(2); }, 2345},
            {IDC_CLUB_INITIAL_CAPITAL, Input::Spin, 7654321, nullptr, [](const TClub& c) { return c.GetInitialCapital(); }, 7654321},
            {IDC_CLUB_GAMESTART_POINTS, Input::Spin, -7, nullptr, [](const TClub& c) { return c.GetGameStartPoints(); }, -7},
            Check(IDC_CLUB_JOINT_STOCK, [](const TClub& c) { return c.IsJointStockCompany(); }),
            Check(IDC_CLUB_NOT_IN_ITCUP, [](const TClub& c) { return c.IsNotInITCup(); }),
            Check(IDC_CLUB_RICH_GUY, [](const TClub& c) { return c.HasFlags(TClub::RichGuyControlled); }),
            Text(IDC_CLUB_NAME, u"Pinned Name", &TClub::GetName),
            Text(IDC_CLUB_SHORT_NAME, u"Pinned", &TClub::GetShortName),
            Text(IDC_CLUB_ABBREVIATION, u"PIN", &TClub::GetAbbreviation),
            Text(IDC_CLUB_TOWN, u"Pinned Town", &TClub::GetTown),
            Text(IDC_CLUB_ADDRESS, u"Pinned Street 1", &TClub::GetAddress),
            Text(IDC_CLUB_FANSITES, u"pinned.example", &TClub::GetFansites),
            Text(IDC_CLUB_FAN_NAME1, u"First Fans", &TClub::GetFanName1),
            Text(IDC_CLUB_FAN_NAME2, u"Second Fans", &TClub::GetFanName2),
            Text(IDC_CLUB_MASCOT, u"Pin Bear", &TClub::GetMascot),
            Text(IDC_CLUB_TELEPHONE, u"0123 456", &TClub::GetTelephone),
            Text(IDC_CLUB_WEBSITE, u"www.pinned.example", &TClub::GetWebsite),
        };
        // The friendship club and the rivals, each another club of the
        // country, a run of them in which none stands where the club names
        // it already.
        constexpr int ClubCombos[] = {IDC_CLUB_FRIENDSHIP, IDC_CLUB_RIVAL0, IDC_CLUB_RIVAL1, IDC_CLUB_RIVAL2, IDC_CLUB_RIVAL3};
        const auto fieldOf = [](std::size_t combo) {
            return combo == 0 ? std::function<long long(const TClub&)>([](const TClub& c) { return c.GetPartnerClub(); })
                              : [rival = static_cast<int>(combo) - 1](const TClub& c) { return c.GetRival(rival); };
        };
        const std::vector<TTeamId> ids = ClubIds();
        const auto namedAlready = [&](std::size_t first) {
            for (std::size_t i = 0; i < std::size(ClubCombos) && first + i < ids.size(); ++i)
                if (fieldOf(i)(Club(0)) == ids[first + i]) return true;
            return false;
        };
        std::size_t first = 1;
        while (namedAlready(first)) ++first;
        for (std::size_t i = 0; i < std::size(ClubCombos) && first + i < ids.size(); ++i) {
            const TTeamId id = ids[first + i];
            pins.push_back({ClubCombos[i], Input::Combo, id, nullptr, fieldOf(i), id});
        }
        return {CommonTab, pins};
    }

    TPinnedPage KitPage()
    {
        constexpr int StyleEdits[2][3] = {{IDC_KIT_HOME_STYLE0_EDIT, IDC_KIT_HOME_STYLE1_EDIT, IDC_KIT_HOME_STYLE2_EDIT},
                                          {IDC_KIT_AWAY_STYLE0_EDIT, IDC_KIT_AWAY_STYLE1_EDIT, IDC_KIT_AWAY_STYLE2_EDIT}};
        // Within each part's range, no two alike.
        constexpr int Styles[2][3] = {{41, 12, 4}, {9, 7, 3}};
        std::vector<TClubPin> pins;
        for (int kit = 0; kit < 2; ++kit) {
            for (int part = 0; part < 3; ++part) {
                pins.push_back({StyleEdits[kit][part], Input::Spin, Styles[kit][part], nullptr,
                                [kit, part](const TClub& c) { return c.GetKit()->GetStyle(kit, part); }, Styles[kit][part]});
            }
        }
        pins.push_back({IDC_KIT_HOME_BADGE_POSITION, Input::Combo, 2, nullptr,
                        [](const TClub& c) { return c.GetKit()->GetKitValueB(0); }, 2});
        pins.push_back({IDC_KIT_AWAY_BADGE_POSITION, Input::Combo, 1, nullptr,
                        [](const TClub& c) { return c.GetKit()->GetKitValueB(1); }, 1});
        const CBaseTextFile& siblings = GetClubIdList();
        const std::uint32_t sibling = siblings.GetId(siblings.GetCount() - 1);
        pins.push_back({IDC_KIT_SIBLING_ID, Input::Combo, sibling, nullptr,
                        [](const TClub& c) { return c.GetKit()->GetQaroKitId(); }, sibling});
        return {KitTab, pins};
    }

    // The seven facility levels take six values: two passes, in which every
    // pair of combos differs at least once.
    TPinnedPage GroundPage(const std::array<int, 7>& levels, bool withOthers)
    {
        const TClub& club = Club(0);
        constexpr int LevelCombos[] = {IDC_GROUND_OFFICE, IDC_GROUND_MEDICAL, IDC_GROUND_MERCHANDISE, IDC_GROUND_YOUTHCAMP,
                                       IDC_GROUND_TRAINING, IDC_GROUND_MEDIA, IDC_GROUND_RESEARCH};
        constexpr TClub::Facility Facilities[] = {TClub::Office, TClub::Medical, TClub::Merchandise, TClub::Youthcamp,
                                                  TClub::Training, TClub::Media, TClub::Research};
        std::vector<TClubPin> pins;
        for (std::size_t i = 0; i < levels.size(); ++i) {
            pins.push_back({LevelCombos[i], Input::Combo, levels[i], nullptr,
                            [facility = Facilities[i]](const TClub& c) { return c.GetFacilityLevel(facility); }, levels[i]});
        }
        if (!withOthers) return {GroundTab, pins};
        const std::vector<TClubPin> once = {
            {IDC_GROUND_CAPACITY, Input::Spin, 45678, nullptr, [](const TClub& c) { return c.GetStadiumCapacity(); }, 45678},
            {IDC_GROUND_LONGITUDE_DEGREES, Input::Spin, 45, nullptr, [](const TClub& c) { return c.GetLongitudeDegrees(); }, 45},
            {IDC_GROUND_LONGITUDE_MINUTES, Input::Spin, 12, nullptr, [](const TClub& c) { return c.GetLongitudeMinutes(); }, 12},
            {IDC_GROUND_LATITUDE_DEGREES, Input::Spin, 33, nullptr, [](const TClub& c) { return c.GetLatitudeDegrees(); }, 33},
            {IDC_GROUND_LATITUDE_MINUTES, Input::Spin, 27, nullptr, [](const TClub& c) { return c.GetLatitudeMinutes(); }, 27},
            {IDC_GROUND_LONGITUDE_SIDE, Input::Combo, !club.IsLongitudeWest(), nullptr,
             [](const TClub& c) { return c.IsLongitudeWest(); }, !club.IsLongitudeWest()},
            {IDC_GROUND_LATITUDE_SIDE, Input::Combo, !club.IsLatitudeSouth(), nullptr,
             [](const TClub& c) { return c.IsLatitudeSouth(); }, !club.IsLatitudeSouth()},
            {IDC_GROUND_STADIUM_TYPE, Input::Combo, club.GetStadiumType() == 2 ? 1 : 2, nullptr,
             [](const TClub& c) { return c.GetStadiumType(); }, club.GetStadiumType() == 2 ? 1 : 2},
            {IDC_GROUND_TRANSFER0, Input::Combo, 3, nullptr, [](const TClub& c) { return c.GetTransferSetting(0); }, 3},
            {IDC_GROUND_TRANSFER1, Input::Combo, 7, nullptr, [](const TClub& c) { return c.GetTransferSetting(1); }, 7},
            {IDC_GROUND_YOUTH_NATIONALITY, Input::Combo, 9, nullptr, [](const TClub& c) { return c.GetYouthNationality(); }, 9},
            Text(IDC_GROUND_STADIUM_NAME, u"Pinned Arena", &TClub::GetStadiumName),
            Check(IDC_GROUND_BIG_STAND, [](const TClub& c) { return c.HasBigStand(); }),
            Check(IDC_GROUND_NATIONAL_STADIUM, [](const TClub& c) { return c.IsNationalTeamStadium(); }),
            Check(IDC_GROUND_YOUTH_BASQUE, [](const TClub& c) { return c.HasFlags(0x1000000); }),
        };
        pins.insert(pins.end(), once.begin(), once.end());
        return {GroundTab, pins};
    }
};

TEST_F(ClubFieldPin, EveryControlOfTheGeneralPageWritesItsOwnField)
{
    ASSERT_GE(ClubIds().size(), 3u);
    Pin(GeneralPage());
}

TEST_F(ClubFieldPin, EveryControlOfTheKitPageWritesItsOwnField)
{
    Club(0).GetKit()->SetKitValueB(0, 0);
    Club(0).GetKit()->SetKitValueB(1, 0);
    Pin(KitPage());
}

TEST_F(ClubFieldPin, EveryControlOfTheGroundPageWritesItsOwnField)
{
    TClub& club = Club(0);
    for (const TClub::Facility facility : {TClub::Office, TClub::Medical, TClub::Merchandise, TClub::Youthcamp,
                                           TClub::Training}) {
        club.SetFacilityLevel(facility, 0);
    }
    club.SetFacilityLevel(TClub::Media, 1);
    club.SetFacilityLevel(TClub::Research, 1);
    club.SetTransferSetting(0, 0);
    club.SetTransferSetting(1, 0);
    club.SetYouthNationality(0);
    club.SetLongitude(false, 0, 0);
    club.SetLatitude(false, 0, 0);
    Pin(GroundPage({1, 2, 3, 4, 5, 0, 0}, true));
    Pin(GroundPage({2, 3, 4, 5, 0, 1, 5}, false));
}

}  // namespace
