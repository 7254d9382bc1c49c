#include <gtest/gtest.h>

#include "database/country/RulesAndMisc.h"
#include "editors/country_club/model/continent/ContinentPageLayout.h"

namespace {

struct Visibility {
    int continent;
    bool cups[3];
    bool europeanButtons;
};

const Visibility visibilities[] = {
    {0, {true, true, true}, true},    // Europe
    {1, {true, true, false}, false},  // South America
    {2, {true, false, false}, false}, // North America
    {3, {true, false, false}, false}, // Africa
    {4, {true, true, false}, false},  // Asia
    {5, {true, false, false}, false}, // Oceania
};

TEST(ContinentPageLayout, ShowsTheCupsOfEachContinent)
{
    for (const Visibility& row : visibilities) {
        for (int cup = 0; cup < 3; ++cup) {
            EXPECT_EQ(ContinentPageLayout::ShowsCup(row.continent, cup), row.cups[cup]) << row.continent << " " << cup;
        }
        EXPECT_EQ(ContinentPageLayout::ShowsEuropeanButtons(row.continent), row.europeanButtons) << row.continent;
    }
    EXPECT_FALSE(ContinentPageLayout::ShowsCup(6, 0));
    EXPECT_FALSE(ContinentPageLayout::ShowsCup(0, 3));
}

TEST(ContinentPageLayout, StoresOnlyTheShownTitles)
{
    for (const Visibility& row : visibilities) {
        TRulesAndMisc rules;
        for (int cup = 0; cup < 3; ++cup) rules.SetCupTitle(row.continent, cup, 2, u"Kept");
        ContinentPageLayout::StoreTitles(rules, row.continent, 2, {u"A", u"B", u""});
        const char16_t* expected[3] = {u"A", u"B", u""};
        for (int cup = 0; cup < 3; ++cup) {
            const std::u16string want = row.cups[cup] ? expected[cup] : u"Kept";
            EXPECT_EQ(std::u16string(rules.GetCupTitle(row.continent, cup, 2)), want) << row.continent << " " << cup;
            EXPECT_EQ(std::u16string(rules.GetCupTitle(row.continent, cup, 1)), u"") << "other languages untouched";
        }
    }
}

}  // namespace
