#pragma once
// A country's root competition and its cups: the national cup, the league
// cups 0..3 and the super cup, each re-made when its cup type changes.

#include <cstdint>

#include "competition/Competition.h"

class TCountry;

// For a country with an id: its competitions cleared and a new root; with
// keepNoCup false also a national cup of type 1.
void ResetCompetitions(TCountry& country, bool keepNoCup);
// Removes the league system, the cups and the root; cup types 0, level
// names empty.
void ClearCompetitions(TCountry& country);
// Deletes the competition (country, type, index) and, for a cup type other
// than 0, makes a cup of that type in its place under the root.
void CreateCupCompetition(TCountry& country, std::uint32_t type, int cupType, std::uint32_t index);

void SetNationalCupSettings(TCountry& country, int cupType, const SettingsBlock& settings);
void SetLeagueCupSettings(TCountry& country, int index, int cupType, const SettingsBlock& settings);
void SetSuperCupSettings(TCountry& country, int cupType, const SettingsBlock& settings);
// Zeros when the cup does not exist.
void GetNationalCupSettings(TCountry& country, SettingsBlock& settings);
void GetLeagueCupSettings(TCountry& country, int index, SettingsBlock& settings);
void GetSuperCupSettings(TCountry& country, SettingsBlock& settings);
