#pragma once
// The test program's operator new counts the bytes it hands out, so that a
// test can bound the memory a piece of work holds at its peak.

#include <cstddef>

namespace allocation_counter {

// Starts a new peak from the bytes held now.
void ResetPeak();
// The most bytes held at once since ResetPeak.
std::size_t Peak();

}  // namespace allocation_counter
