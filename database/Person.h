#pragma once
// A player or staff member, owned by the world's person map. For now it
// holds what the world and the country use; its section travels staged.

#include <cstdint>

#include "database/StagedSection.h"

class TCompleteWorld;

class TPerson {
public:
    static constexpr int FirstNameCapacity = 16;
    static constexpr int LastNameCapacity = 20;

    TPerson(TCompleteWorld* world, std::uint32_t id) : world_(world), id_(id) {}

    std::uint32_t GetId() const { return id_; }
    void SetId(std::uint32_t id) { id_ = id; }
    TCompleteWorld* GetWorld() const { return world_; }
    std::uint8_t GetType() const { return type_; }
    void SetType(std::uint8_t type) { type_ = type; }
    std::uint8_t GetNationality() const { return nationality_; }
    void SetNationality(std::uint8_t nationality) { nationality_ = nationality; }
    const char16_t* GetFirstName() const { return firstName_; }
    const char16_t* GetLastName() const { return lastName_; }
    void SetFirstName(const char16_t* text);
    void SetLastName(const char16_t* text);
    // Everything but the world and the id.
    void CopyFrom(const TPerson& source);

    TStagedSection& GetStagedSection() { return section_; }
    const TStagedSection& GetStagedSection() const { return section_; }

private:
    TCompleteWorld* world_;
    std::uint32_t id_;
    std::uint8_t type_ = 0;
    std::uint8_t nationality_ = 0;
    char16_t firstName_[FirstNameCapacity] = {};
    char16_t lastName_[LastNameCapacity] = {};
    TStagedSection section_;
};
