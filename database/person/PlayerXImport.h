#pragma once
// The developer import of "playerx.txt": a comma-separated player list
// whose looks, national-team record, height and weight are copied into the
// persons of the loaded world that carry exactly the line's names.

struct TCsvPlayer;
class TCompleteWorld;
class TPerson;

// The line's values on the person, each clamped to 0..255; the shoe is 36.
void ApplyCsvPlayer(const TCsvPlayer& record, TPerson& person);
// Reads "playerx.txt" from the base folder; a missing file is reported and
// changes nothing. The last line naming a person wins. Nothing is saved.
void ImportPlayerX(TCompleteWorld& world);
