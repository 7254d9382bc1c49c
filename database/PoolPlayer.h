#pragma once
// One entry of a country's generic player pool. An entry is in use when it
// has both names or came from a file; only such entries are saved.

#include "database/StagedSection.h"

class TPoolPlayer {
public:
    static constexpr int FirstNameCapacity = 16;
    static constexpr int LastNameCapacity = 20;

    bool HasName() const { return firstName_[0] != 0 && lastName_[0] != 0; }
    bool IsUsed() const { return HasName() || !section_.IsEmpty(); }
    void Reset();
    const char16_t* GetFirstName() const { return firstName_; }
    const char16_t* GetLastName() const { return lastName_; }
    void SetFirstName(const char16_t* text);
    void SetLastName(const char16_t* text);

    TStagedSection& GetStagedSection() { return section_; }
    const TStagedSection& GetStagedSection() const { return section_; }

private:
    char16_t firstName_[FirstNameCapacity] = {};
    char16_t lastName_[LastNameCapacity] = {};
    TStagedSection section_;
};
