#pragma once
// Small worlds for the list models: clubs of a country and their players.

#include <cstdint>
#include <string>
#include <vector>

#include "../../../database/DatabaseTestSupport.h"

namespace model_testing {

class ModelWorldTest : public database_testing::CurrentWorldTest {
protected:
    TClub* NewClub(int countryId, const char16_t* name)
    {
        TCountry* country = world_->GetCountry(countryId);
        return country->GetClubByUniqueId(country->CreateClub(name));
    }

    // A player with the next free id, named, in the club's squad (or on the
    // list of players without a club for null).
    TPerson* NewPlayer(TClub* club, const char16_t* lastName, std::uint8_t nationality = 3)
    {
        TPerson* person = world_->CreatePerson(world_->GetFreePersonId(), false);
        person->SetLastName(lastName);
        person->SetFirstName(u"Al");
        person->SetNationality(nationality);
        if (club != nullptr) {
            EXPECT_TRUE(club->AddPlayer(person));
        } else {
            EXPECT_TRUE(world_->GetFreeAgents().Add(person));
        }
        return person;
    }

    // Players "P1".."Pn" until the club holds count persons.
    void FillSquad(TClub* club, int count)
    {
        while (club->GetSquadCount() < count) NewPlayer(club, (u"P" + Digits(club->GetSquadCount())).c_str());
    }

    static std::u16string Digits(int number)
    {
        const std::string text = std::to_string(number);
        return std::u16string(text.begin(), text.end());
    }
};

template <typename Row, typename Name>
std::vector<std::u16string> Names(const std::vector<Row>& rows, Name name)
{
    std::vector<std::u16string> names;
    for (const Row& row : rows) names.push_back(name(row));
    return names;
}

}  // namespace model_testing
