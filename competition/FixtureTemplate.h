#pragma once
// The built-in fixture tables for leagues of 8 to 24 teams: for each count
// the rows of one double round robin, each row teams bytes of 1-based home
// and away positions; an odd count ends a row with the position of the team
// that has no match that day.

#include <cstdint>
#include <vector>

class CDBFixturelist;

constexpr int FixtureTemplateFirstCount = 8;
constexpr int FixtureTemplateLastCount = 24;

// Rows of the template for a team count; empty outside 8..24.
const std::vector<std::vector<std::uint8_t>>& GetFixtureTemplate(int teams);
// Round r takes its matchdays from the first half of the template when r is
// even, from the second half when it is odd; matchdays are numbered on
// across the rounds. Team counts without a template and rounds below 1
// leave the table unchanged.
void FillFixturelistFromTemplate(CDBFixturelist& fixtures, int teams, int rounds);
