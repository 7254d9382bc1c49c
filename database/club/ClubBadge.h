#pragma once
// A club's own badge files ("<Badges>\<alpha-2 code>\Badge%d\<name>.tga")
// and which of its badges exist on disk and in the badge archive.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "archive/BadgeLookup.h"

class TClub;

// "color\badge%d\" and the generic badge file of a badge parameter 0;
// parameters beyond the 24 generic badges take the last.
std::u16string GetGenericBadgePath(std::uint8_t badgeParam);
// The club's own badge file name, still holding "Badge%d"; empty for a null
// club or a country without a code. Cut to capacity - 1.
void GetClubBadgeFileName(const TClub* club, char16_t* dest, std::size_t capacity,
                          const CBadgeSources& sources = GetBadgeSources());
// BadgeOwnFiles, BadgeOnDisk and BadgeInArchive for the sizes examined
// (a size index or AllBadgeSizes).
unsigned GetClubBadgeState(const TClub* club, int sizeIndex, const CBadgeSources& sources = GetBadgeSources());
// Whether the club's own files of all four sizes exist on disk.
bool HasAllClubBadgeFiles(const TClub* club, const CBadgeSources& sources = GetBadgeSources());
// The club's own badge at 256 pixels, else its badge path's; null when
// neither loads.
std::unique_ptr<TDibImage> LoadClubBadgeDib(const TClub* club, const CBadgeSources& sources = GetBadgeSources());
