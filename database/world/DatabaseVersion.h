#pragma once
// Every database text file carries the version of the program that wrote it;
// readers gate the fields added later on the version of the file they read.
// A version is (major << 16) + minor; majors read like years (0x2007).

#include <cstdint>
#include <string>

class CIndexTextFile;
class TFileDamage;

constexpr std::uint32_t MakeDatabaseVersion(std::uint32_t major, std::uint32_t minor)
{
    return (major << 16) + minor;
}

class TDatabaseVersion {
public:
    static constexpr std::uint32_t ProgramVersion = MakeDatabaseVersion(0x2007, 28);

    // The version of the file last opened by a reader on this thread; 0
    // before the first. Kept per thread so that a report reading files on
    // its worker never changes the gates of a reader elsewhere.
    static std::uint32_t GetFileVersion();
    static std::uint16_t GetFileMajor() { return static_cast<std::uint16_t>(GetFileVersion() >> 16); }
    static std::uint16_t GetFileMinor() { return static_cast<std::uint16_t>(GetFileVersion() & 0xFFFF); }
    // The version as the file's VERSION section holds it, an older major's
    // minor not widened: the few conversions keyed by an old minor need it.
    static std::uint32_t GetFileVersionAsWritten();
    // Sets the version and the version as written.
    static void SetFileVersion(std::uint32_t version);
    static bool IsVersionAtLeast(std::uint32_t major, std::uint32_t minor);
    static bool IsProgramAtLeast(std::uint32_t major, std::uint32_t minor);
    // "2007-28": the major in hexadecimal, the minor in decimal.
    static std::u16string Format(std::uint32_t version);
};

// While one lives, this thread's readers follow the program's own layout,
// whatever file was read before; the version read before comes back after.
class CProgramLayout {
public:
    CProgramLayout() : previous_(TDatabaseVersion::GetFileVersion())
    {
        TDatabaseVersion::SetFileVersion(TDatabaseVersion::ProgramVersion);
    }
    ~CProgramLayout() { TDatabaseVersion::SetFileVersion(previous_); }
    CProgramLayout(const CProgramLayout&) = delete;
    CProgramLayout& operator=(const CProgramLayout&) = delete;

private:
    std::uint32_t previous_;
};

// The "VERSION" section: one decimal line with the program's version.
bool WriteVersion(CIndexTextFile& file);
// Reads the "VERSION" section into the file version; a file without one
// reads as version 1. A file newer than the program fails, with the text of
// "Database.Error.InvalidVersion" stored as the stream's error. A line that
// is not a version number is reported to damage (when given) and read as
// the program's own version, the layout this program writes.
bool ReadVersion(CIndexTextFile& file, TFileDamage* damage = nullptr);
