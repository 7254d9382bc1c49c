#pragma once
// The one manager record every country carries in its "MANAGER" section.
// No page edits it and the game export leaves it out: the database carries
// it unchanged from file to file.

#include <cstddef>
#include <cstdint>

#include "database/world/Date.h"
#include "database/world/RecordSection.h"

class CIndexTextFile;

class TManager {
public:
    static constexpr std::size_t FirstNameCapacity = 16;
    static constexpr std::size_t LastNameCapacity = 20;
    static constexpr std::size_t ThirdNameCapacity = 20;
    static constexpr int SlotCount = 4;

    const char16_t* GetFirstName() const { return firstName_; }
    const char16_t* GetLastName() const { return lastName_; }
    const char16_t* GetThirdName() const { return thirdName_; }
    std::int32_t GetManagerValue() const { return managerValue_; }
    TDate GetBirthDate() const { return birthDate_; }
    // Slot indexes outside 0..3 read 0 and are ignored by the setters.
    std::uint8_t GetSlotA(int index) const { return IsSlot(index) ? slotsA_[index] : 0; }
    void SetSlotA(int index, std::uint8_t value);
    void SetSlotB(int index, std::uint8_t value);
    void SetByteA(std::uint8_t value) { byteA_ = value; }
    void SetByteB(std::uint8_t value) { byteB_ = value; }

    bool WriteManager(CIndexTextFile& file) const;
    TSectionRead ReadManager(CIndexTextFile& file);

private:
    static bool IsSlot(int index) { return index >= 0 && index < SlotCount; }

    char16_t firstName_[FirstNameCapacity] = {};
    char16_t lastName_[LastNameCapacity] = {};
    char16_t thirdName_[ThirdNameCapacity] = {};
    std::int32_t managerValue_ = 0;
    TDate birthDate_;
    std::uint8_t slotsA_[SlotCount] = {};
    std::uint8_t slotsB_[SlotCount] = {};
    std::uint8_t byteA_ = 0;
    std::uint8_t byteB_ = 0;
};
