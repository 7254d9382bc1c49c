#pragma once
// Signing players without a club asks for the team through the club picker,
// which the player and staff editors cannot reach themselves.

// Hands the picker to the players-without-club window.
void InstallFreeAgentClubChooser();
