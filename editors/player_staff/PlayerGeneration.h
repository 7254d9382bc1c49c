#pragma once
// A generated player for one team part of a club: a new person, the
// generator dialog on him, and on OK his place in the team part and the
// squad. Cancel, or a squad that refuses him, deletes him again.

#include <windows.h>

class TClub;
class TPerson;

// The new squad member, or null when none was added (full club, no person
// could be created, the user cancelled or the squad refused).
TPerson* GeneratePlayerForTeamPart(HWND owner, TClub& club, int teamPart);
