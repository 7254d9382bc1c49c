#pragma once
// A world with one club of England whose squad the tests fill.

#include <cstdint>

#include "../../../database/DatabaseTestSupport.h"
#include "database/club/Club.h"
#include "database/country/Country.h"
#include "database/person/Person.h"

namespace squad_testing {

struct TPlayerSpec {
    const char16_t* first = u"A";
    const char16_t* last = u"B";
    std::uint8_t type = 0;
    int teamPart = 0;
    std::uint8_t position = 16;
    std::uint8_t ability = 40;
    std::uint8_t nationality = 14;
};

class SquadWorldTest : public database_testing::CurrentWorldTest {
protected:
    static constexpr int England = 14;

    void SetUp() override;
    // A new person of the world, in club's squad unless club is null.
    TPerson* Add(const TPlayerSpec& wanted, TClub* club);
    TPerson* Add(const TPlayerSpec& wanted) { return Add(wanted, club_); }
    TClub* NewClub(int countryId, const char16_t* name);

    TClub* club_ = nullptr;
};

}  // namespace squad_testing
