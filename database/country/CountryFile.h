#pragma once
// The country file "Country%d.sav": one tagged text stream holding the
// country's own settings and, nested, its competitions, clubs, referees,
// sponsors, stadiums, additional managers and player pool.

class CIndexTextFile;
class TCountry;

// Reads a country file into a country that already has its world, its id
// and its national team. Fails only on a file newer than the program, with
// the reason stored as the stream's error text. A damaged file (a missing
// or unclosed section, a count that is not a number or does not match the
// sections, a version line that is not a number, a text that does not
// begin with the country section) is read as far as it can be followed and
// the country's file damage notes the first fault and its line. The
// additional managers wait in the country's pending list until the world
// gives them their person ids.
bool ReadCountrySections(TCountry& country, CIndexTextFile& file);
// Writes the newest layout; the game-id maps must describe the world.
bool WriteCountrySections(TCountry& country, CIndexTextFile& file);

class CCountryFile {
public:
    static bool Read(TCountry& country, CIndexTextFile& file);
    static bool Write(TCountry& country, CIndexTextFile& file);

private:
    class Reader;
    class Writer;
};
