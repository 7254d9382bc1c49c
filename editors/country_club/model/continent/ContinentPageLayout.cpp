#include "editors/country_club/model/continent/ContinentPageLayout.h"

#include "database/country/RulesAndMisc.h"

int ContinentPageLayout::ShownCupCount(int continent)
{
    static constexpr int counts[Continents] = {3, 2, 1, 1, 2, 1};
    return continent >= 0 && continent < Continents ? counts[continent] : 0;
}

void ContinentPageLayout::StoreTitles(TRulesAndMisc& rules, int continent, int language,
                                      const std::array<std::u16string, Cups>& titles)
{
    for (int cup = 0; cup < ShownCupCount(continent); ++cup) {
        rules.SetCupTitle(continent, cup, language, titles[cup].c_str());
    }
}
