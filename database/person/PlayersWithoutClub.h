#pragma once
// The players who belong to no club: free agents the game can sign. The
// list holds pointers to persons the world owns, in the order they were
// added; it is stored in "Without.sav" in the world's database folder.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "database/world/FileDamage.h"

class CIndexTextFile;
class TCompleteWorld;
class TPerson;

class TPlayersWithoutClub {
public:
    static constexpr std::u16string_view FileName = u"Without.sav";

    explicit TPlayersWithoutClub(TCompleteWorld* world) : world_(world) {}

    int GetCount() const { return static_cast<int>(players_.size()); }
    // Null outside 0..count-1.
    TPerson* GetPlayer(int index) const;
    // Appends; 1, or 0 for null: the list never holds a null entry.
    int Add(TPerson* person);
    // The first entry of that person id; the others keep their order. 1 when
    // found, else 0.
    int Remove(std::uint32_t personId);
    int RemoveAt(int index);
    // The persons stay in the world.
    void Clear() { players_.clear(); }

    // The WITHOUT section: the count, then one PLAYER section per entry.
    bool Write(CIndexTextFile& file) const;
    // Appends a person under the world's next free id for every PLAYER
    // section present, counted or not; a count that does not match them or a
    // section left open is noted as damage. False without the section.
    bool Read(CIndexTextFile& file);
    // Writes Without.sav on its own; true on success.
    bool SavePlayersWithoutClub() const;
    // Reads Without.sav: a missing file is reported and changes nothing, a
    // damaged one is reported and keeps the players read.
    void LoadPlayersWithoutClub();
    std::u16string GetFilePath() const;

    // What the last read found wrong; a save asks before replacing the file.
    TFileDamage& GetFileDamage() { return damage_; }
    bool IsDamaged() const { return damage_.IsDamaged(); }

private:
    std::optional<std::int32_t> ReadCount(CIndexTextFile& file);

    TCompleteWorld* world_;
    std::vector<TPerson*> players_;
    TFileDamage damage_;
};
