#pragma once
// The country file "Country%d.sav": one tagged text stream holding the
// country's own settings and, nested, its competitions, clubs, referees,
// sponsors, stadiums, additional managers and player pool.

class CIndexTextFile;
class TCountry;

// Reads a country file into a country that already has its world, its id
// and its national team. Fails on a file newer than the program, a bad
// count or a nested section without its end line, with the reason stored
// as the stream's error text. The additional managers wait in the
// country's pending list until the world gives them their person ids.
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
