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
// Waits until the data written so far (already flushed from the runtime's
// buffer) is on the disk.
bool SyncFile(std::FILE* file);
// Makes the renames inside a folder durable, where the system needs that.
void SyncFolder(std::u16string_view absolutePath);
std::u16string CurrentFolder();

}  // namespace platform::native
