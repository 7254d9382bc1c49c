#pragma once
// A world of the 207 countries, each named after its id, for the fuzz
// targets that need countries around what they read: built anew for every
// input and made the current world.

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>

#include "core/AppMessage.h"
#include "core/files/IndexTextFile.h"
#include "database/club/Club.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/person/Person.h"
#include "database/world/WorldList.h"

namespace fuzz_support {

inline std::string CountryListOfIds()
{
    std::string text = "Countries Version: 3\r\n";
    for (int id = 1; id <= TCompleteWorld::LastCountryId; ++id) {
        const std::string n = std::to_string(id);
        text += "Land " + n + ",Country " + n + ",Pays " + n + ",Pais " + n + ",Paese " + n + ",Kraj " + n;
        text += "\r\nL" + n.substr(0, 2) + ",C" + n.substr(0, 2) + "\r\n1,2,3,4,5,6\r\n";
        text += std::to_string((id - 1) % 6) + "\r\n" + std::to_string(id % 63) + "\r\n7\r\n3\r\n";
    }
    return text;
}

// The new world after populate has added to it; the previous one is gone.
inline TCompleteWorld* MakeCountriesWorld(const std::function<void(TCompleteWorld&)>& populate = {})
{
    static const std::string list = CountryListOfIds();
    GetWorldList().Clear();
    auto world = std::make_unique<TCompleteWorld>();
    CIndexTextFile file;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(list.data());
    if (!file.OpenFromBytes(std::span<const std::uint8_t>(bytes, list.size()), u"Countries.sav")) __builtin_trap();
    world->LoadCountriesFrom(file);
    if (populate) populate(*world);
    static std::unique_ptr<TCompleteWorld> held;
    held = std::move(world);
    GetWorldList().SetCurrentWorld(held.get());
    return held.get();
}

// The countries and two clubs of country 3, each with one player, for the
// tools that change clubs and persons.
inline TCompleteWorld* MakeTwoClubsWorld()
{
    return MakeCountriesWorld([](TCompleteWorld& world) {
        for (const char16_t* name : {u"Alpha", u"Beta"}) {
            TClub* club = world.GetClub(world.GetCountry(3)->CreateClub(name));
            TPerson* person = world.CreatePerson(world.GetFreePersonId(), false);
            person->Init(PersonPlayer, 3);
            person->SetFaceId(11);
            if (club == nullptr || !club->AddPlayer(person)) __builtin_trap();
        }
    });
}

// The tools ask before they change anything: every question is answered yes.
inline int AnswerYes(const char16_t*, unsigned, void*)
{
    return AppMessage::IdYes;
}

}  // namespace fuzz_support
