#include "competition/FixtureTemplate.h"

#include <array>

#include "competition/FixtureCreator.h"
#include "competition/League.h"

namespace {

using TemplateRows = std::vector<std::vector<std::uint8_t>>;

// A bye shows as -1 on one side of the creator's last slot.
std::uint8_t ByeTeamByte(const CFixtureCreator& creator, int day, int slot)
{
    const int home = creator.GetHome(day, slot);
    return static_cast<std::uint8_t>((home >= 0 ? home : creator.GetAway(day, slot)) + 1);
}

TemplateRows MakeTemplate(int teams)
{
    CFixtureCreator creator;
    creator.Create(teams, 2);
    TemplateRows rows;
    for (int day = 0; day < creator.GetDays(); ++day) {
        std::vector<std::uint8_t> row;
        for (int slot = 0; slot < teams / 2; ++slot) {
            row.push_back(static_cast<std::uint8_t>(creator.GetHome(day, slot) + 1));
            row.push_back(static_cast<std::uint8_t>(creator.GetAway(day, slot) + 1));
        }
        if (teams % 2 != 0) row.push_back(ByeTeamByte(creator, day, teams / 2));
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace

const TemplateRows& GetFixtureTemplate(int teams)
{
    static const std::array<TemplateRows, FixtureTemplateLastCount - FixtureTemplateFirstCount + 1> templates = [] {
        std::array<TemplateRows, FixtureTemplateLastCount - FixtureTemplateFirstCount + 1> made;
        for (int n = FixtureTemplateFirstCount; n <= FixtureTemplateLastCount; ++n) {
            made[static_cast<std::size_t>(n - FixtureTemplateFirstCount)] = MakeTemplate(n);
        }
        return made;
    }();
    static const TemplateRows none;
    if (teams < FixtureTemplateFirstCount || teams > FixtureTemplateLastCount) return none;
    return templates[static_cast<std::size_t>(teams - FixtureTemplateFirstCount)];
}

void FillFixturelistFromTemplate(CDBFixturelist& fixtures, int teams, int rounds)
{
    const TemplateRows& rows = GetFixtureTemplate(teams);
    if (rows.empty()) return;
    const int perRound = teams + teams % 2 - 1;
    for (int round = 0; round < rounds; ++round) {
        const int firstRow = round % 2 == 0 ? 0 : perRound;
        for (int day = 0; day < perRound; ++day) {
            const std::vector<std::uint8_t>& row = rows[static_cast<std::size_t>(firstRow + day)];
            for (int slot = 0; slot < teams / 2; ++slot) {
                fixtures.SetMatch(round * perRound + day, slot, row[2 * static_cast<std::size_t>(slot)],
                                  row[2 * static_cast<std::size_t>(slot) + 1]);
            }
        }
    }
}
