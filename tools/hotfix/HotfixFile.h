#pragma once
// A hot-fix file: wide text stored as UTF-16LE units with no byte-order
// mark and no line-end translation, read whole, or written to a temporary
// file that replaces the target only when every write succeeded. A fix's
// file begins with three header lines: the manager's file version, the
// fix's name and the fix's version.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Platform.h"

class CHotfixFile {
public:
    static constexpr std::uint32_t ManagerVersion = 2;
    // The longest line read at once, the line feed included.
    static constexpr std::size_t MaxLineLength = 254;

    // The whole file; false when it cannot be read.
    bool OpenRead(std::u16string_view path);
    // False when the temporary file cannot be created.
    bool OpenWrite(std::u16string_view path);
    // A written file replaces its target; false when any write failed, and
    // then the target is as it was.
    bool Close();
    // Drops a file still being written: its target stays as it was.
    void Discard();
    bool IsWriting() const { return writing_; }
    // The target of a file opened for writing.
    const std::u16string& GetPath() const { return writer_.GetTarget(); }

    // Up to and including the next line feed, at most MaxLineLength
    // characters; false at the end of the file.
    bool ReadLine(std::u16string& line) { return ReadLine(line, MaxLineLength); }
    // The same with at most limit characters.
    bool ReadLine(std::u16string& line, std::size_t limit);
    // False, and nothing taken, when fewer bytes remain.
    bool ReadBytes(void* out, std::size_t count);
    std::size_t GetRemainingBytes() const { return bytes_.size() - position_; }
    bool WriteText(std::u16string_view text);
    bool WriteBytes(const void* data, std::size_t count);

    // "key: value" and a line end.
    bool WriteHeaderLine(std::u16string_view key, std::u16string_view value);
    bool WriteHeaderNumber(std::u16string_view key, std::uint32_t number);
    // One line, accepted when it begins with the key and the value stands
    // two characters after it (those two are not examined), followed by a
    // control character or the end of the line.
    bool ReadHeaderLine(std::u16string_view key, std::u16string_view value);
    bool ReadHeaderNumber(std::u16string_view key, std::uint32_t number);
    bool WriteHeader(std::u16string_view name, std::uint32_t version);
    // All three lines are read before the verdict.
    bool ReadHeader(std::u16string_view name, std::uint32_t version);

private:
    std::vector<std::uint8_t> bytes_;
    std::size_t position_ = 0;
    platform::AtomicFileWriter writer_;
    bool writing_ = false;
    bool failed_ = false;
};
