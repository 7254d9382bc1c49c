#pragma once
// A sponsor of a country: a name, a value and two texts, stored in the
// country file as a "SPONSOR" section.

#include <cstddef>
#include <cstdint>

#include "database/world/KeyedRecordMap.h"
#include "database/world/RecordSection.h"

class CIndexTextFile;

class TSponsor {
public:
    static constexpr std::size_t NameCapacity = 30;
    static constexpr std::size_t TextCapacity = 33;

    const char16_t* GetName() const { return name_; }
    void SetName(const char16_t* name);
    std::int32_t GetValue() const { return value_; }
    void SetValue(std::int32_t value) { value_ = value; }
    const char16_t* GetText1() const { return text1_; }
    void SetText1(const char16_t* text);
    const char16_t* GetText2() const { return text2_; }

    bool WriteSponsor(CIndexTextFile& file) const;
    // A section without its value line leaves the value at 1.
    TSectionRead ReadSponsor(CIndexTextFile& file);

private:
    char16_t name_[NameCapacity] = {};
    std::int32_t value_ = 0;
    char16_t text1_[TextCapacity] = {};
    char16_t text2_[TextCapacity] = {};
};

using TSponsorMap = TKeyedRecordMap<TSponsor, 40>;
