#pragma once
// What the portable file code asks of each operating-system side.

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace platform::native {

// Opens an absolute core path with an fopen mode ("rb", "r+b", "w+b").
std::FILE* OpenFile(std::u16string_view absolutePath, const char* mode);
bool Seek(std::FILE* file, std::int64_t offset);
std::int64_t Tell(std::FILE* file);
bool Resize(std::FILE* file, std::int64_t size);
std::u16string CurrentFolder();

}  // namespace platform::native
