#pragma once
// The developer's colour dump: an HTML page with one row per record of the
// GUI colour table, showing each colour as background or text.

#include <string>

class CTabbedConfig;

// The page as 8-bit text (the game's encoding), each piece ended by CR LF;
// names are taken in the database language.
std::string WriteColourDump(const CTabbedConfig& colours);
