#pragma once
// Signing players without a club asks for the team through the club picker
// of the club editor.

// Hands the picker to the players-without-club window.
void InstallFreeAgentClubChooser();
