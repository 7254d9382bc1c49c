#pragma once
// Which of a continent's three club cups the continent editor's page shows,
// and so which titles the page may store: a hidden cup's title edit is
// never filled, and storing it would blank a title the rules file keeps.

#include <array>
#include <string>

class TRulesAndMisc;

class ContinentPageLayout {
public:
    static constexpr int Continents = 6;
    static constexpr int Cups = 3;
    static constexpr int Europe = 0;

    // Europe 3, South America and Asia 2, the others 1; 0 for no continent.
    static int ShownCupCount(int continent);
    static bool ShowsCup(int continent, int cup) { return cup >= 0 && cup < ShownCupCount(continent); }
    // The assessment and fairness buttons belong to the European page only.
    static bool ShowsEuropeanButtons(int continent) { return continent == Europe; }

    // Writes the shown cups' titles in the language; the others stay.
    static void StoreTitles(TRulesAndMisc& rules, int continent, int language,
                            const std::array<std::u16string, Cups>& titles);
};
