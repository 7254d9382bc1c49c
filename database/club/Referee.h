#pragma once
// A referee of a country: two names and a type (0..6, the texts
// "Referee.Type.00".."06"), stored in the country file as a "REFEREE"
// section.

#include <cstddef>
#include <cstdint>

#include "database/world/KeyedRecordMap.h"
#include "database/world/RecordSection.h"

class CIndexTextFile;

class TReferee {
public:
    static constexpr std::size_t FirstNameCapacity = 16;
    static constexpr std::size_t LastNameCapacity = 20;
    static constexpr std::size_t ShortNameCapacity = 50;

    const char16_t* GetFirstName() const { return firstName_; }
    const char16_t* GetLastName() const { return lastName_; }
    // Typed names are kept as a save and a reload give them back (SetKeptName).
    void SetNames(const char16_t* first, const char16_t* last);
    std::uint8_t GetType() const { return type_; }
    void SetType(std::uint8_t type) { type_ = type; }

    // "Last, F." when both names exist, else the one that exists; an empty
    // text for a size below 4.
    void FormatShortName(char16_t* buffer, std::size_t size) const;
    // The same in one of four buffers of the calling thread, used in turn:
    // valid until the fourth call after it on that thread.
    const char16_t* GetShortName() const;

    bool WriteReferee(CIndexTextFile& file) const;
    TSectionRead ReadReferee(CIndexTextFile& file);

private:
    char16_t firstName_[FirstNameCapacity] = {};
    char16_t lastName_[LastNameCapacity] = {};
    std::uint8_t type_ = 0;
};

using TRefereeMap = TKeyedRecordMap<TReferee, 256>;
