#pragma once
// The program's own combined generator (L'Ecuyer), and a copy of the
// Windows C runtime's rand/srand so that both builds draw the same numbers.

#include <cstdint>

int RandomNext();
int RandomInt(int n);
// a + (rand() * n / 32767) mod n with n = b - a + 1, from the runtime rand;
// an empty or reversed range gives a.
int RandomInRange(int a, int b);
std::uint8_t RandomByteInRange(std::uint8_t a, std::uint8_t b);
void SeedRandom(std::int32_t seed1, std::int32_t seed2);

// Microsoft C runtime rand: 0..32767.
int CrtRand();
void CrtSrand(unsigned seed);
inline constexpr int CrtRandMax = 32767;
// rand() * n / 32768: 0..n-1 for n of 1 or more.
int CrtRandBelow(int n);
