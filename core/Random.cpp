#include "core/Random.h"

namespace {

// L'Ecuyer's combined generator. Both seeds start at 1 and nothing reseeds
// them at start, so every run draws the same sequence.
constexpr std::int64_t Modulus1 = 2147483563;
constexpr std::int64_t Modulus2 = 2147483399;
constexpr std::int64_t Multiplier1 = 40014;
constexpr std::int64_t Multiplier2 = 40692;

std::int32_t seed1 = 1;
std::int32_t seed2 = 1;

std::uint32_t crtSeed = 1;

std::int32_t NextSeed(std::int32_t seed, std::int64_t multiplier, std::int64_t modulus)
{
    std::int64_t next = (multiplier * seed) % modulus;
    if (next < 0) next += modulus;
    return static_cast<std::int32_t>(next);
}

}  // namespace

int RandomNext()
{
    seed1 = NextSeed(seed1, Multiplier1, Modulus1);
    seed2 = NextSeed(seed2, Multiplier2, Modulus2);
    std::int32_t z = seed1 - seed2;
    if (z < 1) z += static_cast<std::int32_t>(Modulus1 - 1);
    return z >> 16;
}

int RandomInt(int n)
{
    if (n <= 1) return 0;
    return RandomNext() % n;
}

int RandomInRange(int a, int b)
{
    if (b < a) return a;
    const std::int64_t count = static_cast<std::int64_t>(b) - a + 1;
    const std::int64_t offset = (CrtRand() * count / CrtRandMax) % count;
    return static_cast<int>(a + offset);
}

std::uint8_t RandomByteInRange(std::uint8_t a, std::uint8_t b)
{
    return static_cast<std::uint8_t>(RandomInRange(a, b));
}

void SeedRandom(std::int32_t s1, std::int32_t s2)
{
    seed1 = s1;
    seed2 = s2;
}

int CrtRand()
{
    crtSeed = crtSeed * 214013u + 2531011u;
    return static_cast<int>((crtSeed >> 16) & 0x7FFF);
}

int CrtRandBelow(int n)
{
    return static_cast<int>(static_cast<std::int64_t>(CrtRand()) * n / (CrtRandMax + 1));
}

void CrtSrand(unsigned seed)
{
    crtSeed = seed;
}
