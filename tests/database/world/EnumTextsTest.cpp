#include <gtest/gtest.h>

#include <string>

#include "core/text/TextManager.h"
#include "database/world/EnumTexts.h"
#include "tests/common/TestSupport.h"

namespace {

std::u16string Text(TextKey key)
{
    return CTextManager::Instance()->GetText(key);
}

}  // namespace

TEST(EnumTexts, ListsClampTheirIndexes)
{
    const CEnumTexts& texts = GetEnumTexts();
    EXPECT_EQ(texts.GetPositionName(18), Text(u"Player.Position.Invalid"_tk));
    EXPECT_EQ(texts.GetPositionName(-1), Text(u"Player.Position.Invalid"_tk));
    EXPECT_EQ(texts.GetPositionName(17), Text(u"Player.Position.Striker"_tk));
    EXPECT_EQ(texts.GetPositionShortName(-1), Text(u"Player.ShortPosition.Invalid"_tk));
    EXPECT_EQ(texts.GetPersonTypeName(19), Text(u"Player.Type.Player"_tk));
    EXPECT_EQ(texts.GetLanguageName(63), Text(u"Country.Language.00"_tk));
    EXPECT_EQ(texts.GetLanguageName(62), Text(u"Country.Language.62"_tk));
    EXPECT_EQ(texts.GetManagerCharacterName(99), Text(u"Manager.Character.KeepsTeamTogether"_tk));
    EXPECT_EQ(texts.GetRoundName(36), Text(u"Competition.Round.Qualification"_tk));
    EXPECT_EQ(texts.GetRoundName(35), Text(u"Competition.Round.Indoor"_tk));
    EXPECT_EQ(texts.GetRoundName(26), Text(u"Competition.Round.Group2"_tk));
    EXPECT_EQ(texts.GetTerritoryName(10), Text(u"Country.Territory.19"_tk));
    EXPECT_EQ(texts.GetTerritoryName(40), Text(u"Country.Territory.12"_tk));
    EXPECT_EQ(texts.GetAbilityName(42), Text(u"Player.Ability.Throwing"_tk));
    EXPECT_EQ(texts.GetContinentName(-3), Text(u"Common.Continent.Europe"_tk));
    EXPECT_EQ(texts.GetGroundFacilityName(9, 3), Text(u"Club.Ground.Research.03"_tk));
    EXPECT_EQ(texts.GetGroundFacilityName(-1, 9), Text(u"Club.Ground.Office.05"_tk));
}

// Two families of position texts: the full names for the places with room,
// the short forms for the narrow list columns; a wrong position reads as one.
TEST(EnumTexts, EveryPositionHasAFullNameAndAShortFormInEachLanguage)
{
    const struct {
        const char16_t* shortGoalkeeper;
        const char16_t* invalid;
    } expected[] = {{u"GK", u"Invalid"}, {u"GB", u"Non valide"}, {u"TW", u"Ungültig"},
                    {u"POR", u"Non valido"}, {u"POR", u"No válida"}, {u"BR", u"Nieprawidłowa"}};
    const CEnumTexts& texts = GetEnumTexts();
    for (int language = 0; language < CTextManager::LanguageCount; ++language) {
        SCOPED_TRACE(language);
        CTextManager::Instance()->SetLanguage(language);
        EXPECT_EQ(std::u16string(texts.GetPositionName(1)), testing_support::FullGoalkeeperNames[language]);
        EXPECT_EQ(std::u16string(texts.GetPositionShortName(1)), expected[language].shortGoalkeeper);
        EXPECT_EQ(std::u16string(texts.GetPositionName(18)), expected[language].invalid);
        for (int position = 1; position <= 17; ++position) {
            const std::u16string full = texts.GetPositionName(position);
            EXPECT_GT(full.size(), std::u16string(texts.GetPositionShortName(position)).size()) << position;
        }
    }
    CTextManager::Instance()->SetLanguage(CTextManager::English);
}

// The narrow lists' short staff roles read as the persons they stand for:
// the youth coach, not "Academy", a place; the reserve team's coach, not
// "Reserves", a team; the stadium's manager, not "Estadio"; a knee
// specialist, not a knee.
TEST(EnumTexts, ShortStaffRolesSayWhoThePersonIs)
{
    const struct {
        int type;
        int language;
        const char16_t* role;
    } expected[] = {
        {6, CTextManager::English, u"Res coach"},     {7, CTextManager::English, u"Yth coach"},
        {10, CTextManager::English, u"Knee sp."},     {18, CTextManager::French, u"Rel. supp."},
        {17, CTextManager::Spanish, u"Dir. est."},    {18, CTextManager::German, u"Fanbetr."},
    };
    for (const auto& row : expected) {
        CTextManager::Instance()->SetLanguage(row.language);
        EXPECT_EQ(std::u16string(GetEnumTexts().GetPersonTypeName(row.type)), row.role);
    }
    CTextManager::Instance()->SetLanguage(CTextManager::English);
}

TEST(EnumTexts, AppearanceValuesDifferFromTheListIndex)
{
    const CEnumTexts& texts = GetEnumTexts();
    const std::u16string hairstyle = Text(u"Player.Appearance.Hairstyle"_tk);
    EXPECT_EQ(std::u16string(texts.GetHairstyleName(40)), hairstyle + u" 38");
    EXPECT_EQ(std::u16string(texts.GetHairstyleName(-5)), hairstyle + u" 01");
    EXPECT_EQ(CEnumTexts::GetHairstyleValue(40), 38);
    EXPECT_EQ(texts.GetHairColourName(1), Text(u"Player.Appearance.Haircolor.Blonde"_tk));
    EXPECT_EQ(CEnumTexts::GetHairColourValue(1), 4);
    EXPECT_EQ(texts.GetHairColourName(9), Text(u"Player.Appearance.Haircolor.Red"_tk));
    EXPECT_EQ(CEnumTexts::GetHairColourValue(9), 5);
    EXPECT_EQ(CEnumTexts::GetHairColourValue(-1), 1);
    EXPECT_EQ(CEnumTexts::GetFacialHairValue(2), 5);
    EXPECT_EQ(CEnumTexts::GetFacialHairValue(8), 6);
    const std::u16string caucasian = Text(u"Player.Appearance.Face.Caucasian"_tk);
    EXPECT_EQ(std::u16string(texts.GetFaceName(26)), caucasian + u" 09");
    EXPECT_EQ(CEnumTexts::GetFaceValue(26), 27);
    EXPECT_EQ(std::u16string(texts.GetFaceName(89)), caucasian + u" 21");
    EXPECT_EQ(std::u16string(texts.GetFaceName(19)), Text(u"Player.Appearance.Face.African"_tk) + u" 01");
    EXPECT_EQ(CEnumTexts::GetFaceValue(19), 14);
    EXPECT_EQ(CEnumTexts::GetFaceValue(-4), 1);
    EXPECT_EQ(CEnumTexts::GetFaceValue(200), 90);
}

TEST(EnumTexts, SixteenNumberedNamesStayValid)
{
    const CEnumTexts& texts = GetEnumTexts();
    const char16_t* names[17];
    for (int i = 0; i < 17; ++i) names[i] = texts.GetHairstyleName(i);
    EXPECT_EQ(names[16], names[0]);
    for (int i = 1; i < 16; ++i) EXPECT_NE(names[i], names[0]);
    EXPECT_EQ(std::u16string(names[1]), Text(u"Player.Appearance.Hairstyle"_tk) + u" 02");
}
