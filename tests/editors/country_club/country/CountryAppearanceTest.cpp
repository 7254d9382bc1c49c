// The appearance page over the sample database.
#include <gtest/gtest.h>

#include "CountryEditorTestSupport.h"
#include "core/text/TextTools.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/world/WorldList.h"
#include "editors/country_club/country/DlgLandParent.h"
#include "resources/CountryEditorIds.h"

using namespace country_editor_testing;

namespace {

class CountryAppearanceTest : public SampleCountryTest {
protected:
    void TearDown() override
    {
        frame_.reset();
        SampleCountryTest::TearDown();
    }
    HWND Open(TCountry& country)
    {
        frame_ = std::make_unique<CDlgLandParent>(&country, nullptr);
        EXPECT_TRUE(frame_->Create(nullptr));
        const int tab = TabWithCode(*frame_, CDlgLandParent::Appearance);
        EXPECT_GE(tab, 0);
        SwitchTab(frame_->Handle(), IDC_COUNTRY_TABS, tab);
        return ShownPage(frame_->Handle());
    }
    void Ok() { ::SendMessageW(frame_->Handle(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); }
    static int SelectedCount(HWND page, int id)
    {
        return static_cast<int>(::SendDlgItemMessageW(page, id, LB_GETSELCOUNT, 0, 0));
    }

    std::unique_ptr<CDlgLandParent> frame_;
};

TEST_F(CountryAppearanceTest, MasksThatAreAllZeroStayZero)
{
    TCountry& country = *GetWorld()->GetCountry(21);
    const std::uint32_t none[4] = {};
    country.SetHairColourMask(0);
    country.SetFacialHairMask(0);
    country.SetHairstyleMask(none);
    country.SetFaceMask(none);
    HWND page = Open(country);
    ASSERT_NE(page, nullptr);
    for (int id : {IDC_APPEARANCE_FACES, IDC_APPEARANCE_FACIAL_HAIR, IDC_APPEARANCE_HAIRSTYLES, IDC_APPEARANCE_HAIR_COLOURS}) {
        EXPECT_EQ(SelectedCount(page, id), 0) << id;
    }
    EXPECT_EQ(::SendDlgItemMessageW(page, IDC_APPEARANCE_FACES, LB_GETCOUNT, 0, 0), 90);
    Ok();
    EXPECT_EQ(country.GetHairColourMask(), 0u);
    EXPECT_EQ(country.GetFacialHairMask(), 0u);
    EXPECT_EQ(country.GetHairstyleMask()[1], 0u);
    EXPECT_EQ(country.GetFaceMask()[0], 0u);
}

TEST_F(CountryAppearanceTest, SelectionsRoundTrip)
{
    TCountry& country = *GetWorld()->GetCountry(21);
    const std::uint32_t none[4] = {};
    country.SetHairstyleMask(none);
    country.SetHairColourMask(0);
    HWND page = Open(country);
    ::SendDlgItemMessageW(page, IDC_APPEARANCE_HAIRSTYLES, LB_SETSEL, TRUE, 31);
    ::SendDlgItemMessageW(page, IDC_APPEARANCE_HAIR_COLOURS, LB_SETSEL, TRUE, 1);
    Ok();
    EXPECT_EQ(country.GetHairstyleMask()[0], 0u);
    EXPECT_EQ(country.GetHairstyleMask()[1], 1u) << "hairstyle 32";
    EXPECT_EQ(country.GetHairColourMask(), 1u << 4);
    frame_.reset();
    page = Open(country);
    EXPECT_EQ(::SendDlgItemMessageW(page, IDC_APPEARANCE_HAIRSTYLES, LB_GETSEL, 31, 0), 1);
    EXPECT_EQ(SelectedCount(page, IDC_APPEARANCE_HAIRSTYLES), 1);
}

TEST_F(CountryAppearanceTest, AVisitChangesNothingAndTheImperialTextsFollowTheSpins)
{
    TCountry& country = *GetWorld()->GetCountry(21);
    country.SetHairColourMask(0x8000000F);
    country.SetAverageHeight(250);
    HWND page = Open(country);
    EXPECT_EQ(Text(page, IDC_APPEARANCE_HEIGHT_IMPERIAL), FormatHeightImperial(220));
    SetSpin(page, IDC_APPEARANCE_WEIGHT, 80);
    EXPECT_EQ(Text(page, IDC_APPEARANCE_WEIGHT_IMPERIAL), FormatWeightImperial(80));
    SetSpin(page, IDC_APPEARANCE_HEIGHT, 181);
    EXPECT_EQ(Text(page, IDC_APPEARANCE_HEIGHT_IMPERIAL), FormatHeightImperial(181));
    SetSpin(page, IDC_APPEARANCE_HEIGHT, 220);
    Ok();
    EXPECT_EQ(country.GetHairColourMask(), 0x8000000Fu);
    EXPECT_EQ(country.GetAverageHeight(), 250) << "the shown value was not changed";
    EXPECT_EQ(country.GetAverageWeight(), 80);
}

}  // namespace
