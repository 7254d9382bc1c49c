#pragma once
// A current world of the fuzz targets: the 206 countries named after their
// ids (continent (id - 1) mod 6, language id mod 63), read from a
// Countries.sav built in memory. Each call starts a fresh world.

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "core/IndexTextFile.h"
#include "database/CompleteWorld.h"
#include "database/WorldList.h"

namespace fuzz_world {

inline std::string CountryList()
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

inline TCompleteWorld* MakeWorld()
{
    static const std::string list = CountryList();
    GetWorldList().Clear();
    auto world = std::make_unique<TCompleteWorld>();
    CIndexTextFile file;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(list.data());
    if (!file.OpenFromBytes(std::span<const std::uint8_t>(bytes, list.size()), u"Countries.sav")) __builtin_trap();
    world->LoadCountriesFrom(file);
    static std::unique_ptr<TCompleteWorld> held;
    held = std::move(world);
    GetWorldList().SetCurrentWorld(held.get());
    return held.get();
}

}  // namespace fuzz_world
