#pragma once
// The source of random names when the editor invents a person: male first
// names, female first names and surnames, each keyed by a language id,
// read once from the three name files of the database folder.

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

enum TNamePoolKind : int {
    NamePoolMale = 0,
    NamePoolFemale = 1,
    NamePoolSurname = 2,
};

class CNamePool {
public:
    static constexpr int PoolCount = 3;
    // Longer lines are dropped.
    static constexpr std::size_t MaxLineBytes = 254;

    // "database\MaleNames.txt", "database\FemaleNames.txt" and
    // "database\Surnames.txt" below the base folder, each emptied first. A
    // missing file shows the file-not-found message and leaves its pool
    // empty; the others are still read. False when any file was missing.
    bool Load();
    // One pool from a name file's bytes, emptied first.
    void LoadBytes(int pool, std::span<const std::uint8_t> bytes);

    // A name of the key drawn with CrtRand (rand() * count / 32767, the
    // count itself taken as the last); the names of key 0 when the key has
    // none; "" when neither has. An unknown pool gives "". The name stays
    // valid until the pool is loaded again.
    const std::u16string& PickRandomName(int pool, int key) const;
    int GetCount(int pool, int key) const;

private:
    // Each key's names in the order of the file: a pick is one look-up
    // and an index, since every person a load creates draws two names.
    std::map<int, std::vector<std::u16string>> pools_[PoolCount];
};

// The program's single pool, loaded at the first call.
CNamePool& GetNamePool();
