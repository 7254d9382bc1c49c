#pragma once
// TGA pictures and badges as device-dependent bitmaps a dialog can draw.
// Every function gives an empty bitmap on any failure and shows nothing.

#include <cstdint>
#include <span>
#include <string_view>

#include "archive/BadgeLookup.h"
#include "archive/TgaDib.h"
#include "win/Gdi.h"

class TClub;

win::CBitmap CreateBitmapFromDib(const TDibImage& image);
win::CBitmap LoadTgaBitmapFromMemory(std::span<const std::uint8_t> tga);
win::CBitmap LoadTgaBitmapFromFile(std::u16string_view path);
// For bytes whose length the caller cannot tell: at most the first
// 1,000,000 of them are read.
win::CBitmap LoadTgaBitmapUnsized(std::span<const std::uint8_t> tga);

// A badge name at 256 pixels, from disk or else from the badge archive.
win::CBitmap LoadBadgeBitmap(const char16_t* name, const CBadgeSources& sources = GetBadgeSources());
// The club's own badge at 256 pixels, else its badge path's.
win::CBitmap LoadClubBadgeBitmap(const TClub* club, const CBadgeSources& sources = GetBadgeSources());
