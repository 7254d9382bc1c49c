#pragma once
// Text keys and their hash. Every key the code looks up is written as a
// literal with the _tk suffix, so the hash is computed by the compiler and
// the key check of the test suite can find every key in the sources.

#include <cstddef>
#include <cstdint>

// h = h * 65599 + unit over the UTF-16 units, wrapping in 32 bits; a null
// or empty key hashes to 0.
constexpr std::uint32_t HashKey(const char16_t* key, std::size_t length)
{
    std::uint32_t hash = 0;
    for (std::size_t i = 0; i < length; ++i) hash = hash * 0x1003Fu + key[i];
    return hash;
}

constexpr std::uint32_t HashKey(const char16_t* key)
{
    std::uint32_t hash = 0;
    if (key == nullptr) return hash;
    for (; *key != 0; ++key) hash = hash * 0x1003Fu + *key;
    return hash;
}

struct TextKey {
    const char16_t* key;
    std::uint32_t hash;
};

consteval TextKey operator""_tk(const char16_t* text, std::size_t length)
{
    return TextKey{text, HashKey(text, length)};
}
