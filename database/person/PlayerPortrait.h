#pragma once
// Where a player's portrait picture lies: the user's own pictures under
// "user/picture/", the game's under "art/picture/" on disk or inside the
// picture archive "art_02.big". Pictures are named after the player (name
// folded to plain letters) and the birth date.

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "database/world/Date.h"
#include "database/club/KitPalette.h"

class TClub;
class TPerson;

// The fields of a person the search needs.
struct TPortraitPerson {
    std::u16string pseudonym;
    std::u16string lastName;
    std::u16string firstName;
    TDate birthDate;
    std::uint32_t pictureId = 0;
};

// What a person's portrait is looked up by.
TPortraitPerson PortraitOf(const TPerson& person);

// The plain letter a character's low 8 bits fold to.
char16_t FoldPortraitChar(char16_t c);

// The archive's picture names ("art\picture\" taken off), at most 16384,
// sorted without regard to ASCII case. Built once per process from
// "art_02.big"; a damaged or missing archive gives an empty index.
class CPortraitArchiveIndex {
public:
    static constexpr std::size_t MaxNames = 16384;
    static constexpr std::size_t PoolLimit = 261888;

    // Reads the archive at path; false (and an empty index) when it cannot
    // be opened.
    bool Build(std::u16string_view path);
    bool Contains(std::string_view fileName) const;
    std::size_t GetCount() const { return names_.size(); }
    static const CPortraitArchiveIndex& Shared();

private:
    std::vector<std::string> names_;
};

// Whether the picture exists on disk or, for a path beginning with "art",
// in the archive index; a path found in the archive gets backslashes.
bool PortraitFileExists(std::u16string& path, const CPortraitArchiveIndex& index);
bool PortraitFileExists(std::u16string& path);

// The picture's path (check) or the file name a new user picture gets
// (no check); empty when nothing was found.
std::u16string GetPlayerPortraitPath(const TPortraitPerson& person, bool check, const CPortraitArchiveIndex& index);
std::u16string GetPlayerPortraitPath(const TPortraitPerson& person, bool check);

// User pictures are refused outside 1..4096 pixels a side.
constexpr int MaxPortraitSide = 4096;
// Bytes of a 32-bit picture of that size; 0 for a refused size.
std::size_t PortraitBufferBytes(std::int64_t width, std::int64_t height);
// Multiplies blue, green and red of each 4-byte pixel by its alpha / 255.
void PremultiplyAlpha(std::uint8_t* pixels, std::size_t pixelCount);

// The looks of a player's 3D head.
struct TPortraitHead {
    std::uint32_t faceId = 0;
    std::uint32_t hairstyle = 0;
    std::uint32_t hairColour = 0;
    std::uint32_t facialHair = 0;
    std::uint32_t face = 0;
};
using THeadOptions = std::array<std::uint32_t, 9>;
// Word 0 the face id, or words 1..4 the parts of a face without one; word 7
// the club's sibling-game id, word 8 whether its home kit texture exists.
THeadOptions BuildHeadOptions(const TPortraitHead& head, const TClub* club);
// The club's home kit as a kit block with its texture path; zero without club.
TKitBlock BuildHeadKitBlock(const TClub* club);
