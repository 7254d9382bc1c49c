#pragma once
// A stadium of a country ("STADIUM" section of the country file) and the
// global list of generic stadiums read from "StadiumList.txt".

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "database/world/KeyedRecordMap.h"
#include "database/world/RecordSection.h"

class CIndexTextFile;

class TStadium {
public:
    static constexpr std::size_t NameCapacity = 30;
    static constexpr int StandCount = 8;

    const char16_t* GetName() const { return name_; }
    void SetName(const char16_t* name);
    const char16_t* GetSecondName() const { return secondName_; }
    void SetSecondName(const char16_t* name);
    std::uint8_t GetKind() const { return kind_; }
    void SetKind(std::uint8_t kind) { kind_ = kind; }
    // The code byte: a value in the low seven bits and a flag in bit 7.
    std::uint8_t GetCode() const { return code_ & 0x7F; }
    bool GetCodeFlag() const { return (code_ & 0x80) != 0; }
    void SetCode(std::uint8_t code) { code_ = code; }
    void SetCodeFlag(bool on);
    // Stand indexes outside 0..7 read 0 and are ignored by the setters.
    std::int32_t GetStandValueA(int stand) const { return StandValue(standValuesA_, stand); }
    std::int32_t GetStandValueB(int stand) const { return StandValue(standValuesB_, stand); }
    std::int32_t GetStandValueC(int stand) const { return StandValue(standValuesC_, stand); }
    void SetStandValueA(int stand, std::int32_t value) { SetStandValue(standValuesA_, stand, value); }
    void SetStandValueB(int stand, std::int32_t value) { SetStandValue(standValuesB_, stand, value); }
    void SetStandValueC(int stand, std::int32_t value) { SetStandValue(standValuesC_, stand, value); }
    bool HasStandA(int stand) const { return IsStand(stand) && (standMaskA_ >> stand & 1) != 0; }
    void SetStandA(int stand, bool on) { SetStandBit(standMaskA_, stand, on); }
    bool HasStandB(int stand) const { return IsStand(stand) && (standMaskB_ >> stand & 1) != 0; }
    void SetStandB(int stand, bool on) { SetStandBit(standMaskB_, stand, on); }
    bool MasksDisjoint() const { return (standMaskA_ & standMaskB_) == 0; }

    bool WriteStadium(CIndexTextFile& file) const;
    // version: the version of the country file the section belongs to, as
    // its VERSION section holds it (GetFileVersionAsWritten): the code's
    // conversion depends on the minor of an older major.
    TSectionRead ReadStadium(CIndexTextFile& file, std::uint32_t version);

private:
    static bool IsStand(int stand) { return stand >= 0 && stand < StandCount; }
    static std::int32_t StandValue(const std::int32_t (&values)[StandCount], int stand)
    {
        return IsStand(stand) ? values[stand] : 0;
    }
    static void SetStandValue(std::int32_t (&values)[StandCount], int stand, std::int32_t value)
    {
        if (IsStand(stand)) values[stand] = value;
    }
    static void SetStandBit(std::uint8_t& mask, int stand, bool on);

    char16_t name_[NameCapacity] = {};
    char16_t secondName_[NameCapacity] = {};
    std::uint8_t kind_ = 0;
    std::uint8_t code_ = 0;
    std::int32_t standValuesA_[StandCount] = {};
    std::int32_t standValuesB_[StandCount] = {};
    std::int32_t standValuesC_[StandCount] = {};
    std::uint8_t standMaskA_ = 0;
    std::uint8_t standMaskB_ = 0;
};

using TStadiumMap = TKeyedRecordMap<TStadium, 500>;

// The code byte as the current layout numbers it: files of major version
// below 0x2004, and of 0x2004 below minor 5, numbered it the older way.
std::uint8_t ConvertStadiumCode(std::uint32_t version, std::uint8_t code);

struct StadiumListEntry {
    static constexpr std::size_t NameCapacity = 64;
    char16_t Name[NameCapacity] = {};
    std::uint8_t Flag = 0;
    std::int32_t Number = 0;
};

// Reads "StadiumList.txt" of the data folder into the global list; a file
// that cannot be opened leaves the list as it was.
void LoadStadiumList(std::u16string_view dataFolder);
// The global list. Loaded once at start, before any reader runs.
const std::vector<StadiumListEntry>& GetStadiumList();
