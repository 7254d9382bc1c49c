#pragma once
// The one door of the core to the operating system. Paths cross it in the
// core's own form: UTF-16 with backslashes, relative ones taken below the
// base folder. The POSIX side resolves every component without regard to
// case, so "database\country1.sav" finds "Database/Country1.sav".

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The folder every relative path is resolved against (never the process's
// current directory). Set once at start; defaults to the current directory.
void SetBaseFolder(std::u16string_view folder);
std::u16string GetBaseFolder();

bool IsAbsolutePath(std::u16string_view path);
// An absolute path in the core's backslash form, "." and ".." folded.
std::u16string MakeAbsolute(std::u16string_view path);
// The folder part of a path (without the trailing backslash) and the name.
std::u16string_view FolderOf(std::u16string_view path);
std::u16string_view NameOf(std::u16string_view path);
std::u16string JoinPath(std::u16string_view folder, std::u16string_view name);

bool FileExists(std::u16string_view path);
bool FolderExists(std::u16string_view path);
// Size in bytes, or -1 when the file does not exist or cannot be queried.
std::int64_t FileSize(std::u16string_view path);
bool ReadWholeFile(std::u16string_view path, std::vector<std::uint8_t>& bytes);
bool CreateFolders(std::u16string_view path);
bool RemoveFile(std::u16string_view path);
// Removes an empty folder.
bool RemoveFolder(std::u16string_view path);
// Removes a folder and everything below it.
bool RemoveTree(std::u16string_view path);
// Renames from over to, replacing an existing file at to.
bool RenameOver(std::u16string_view from, std::u16string_view to);
bool IsWritable(std::u16string_view path);
// Names (not paths) of the entries of a folder, files and folders alike.
std::vector<std::u16string> ListFolder(std::u16string_view folder);
// Names of the entries, files and folders alike, that the system's own
// wildcard search gives for a path whose name part holds '*' and '?'
// ("folder\*.tga"), without regard to case; "." and ".." are left out.
std::vector<std::u16string> ListFolderMatching(std::u16string_view patternPath);
// Creates a new empty file with a unique name in folder and returns its
// path; empty on failure.
std::u16string CreateUniqueFile(std::u16string_view folder, std::u16string_view prefix);
std::u16string TemporaryFolder();

// The prefixes of the program's own scratch files, which CreateUniqueFile
// completes to prefix + process id + '_' + counter + ".tmp".
inline constexpr std::u16string_view TemporaryFilePrefix = u"~tr";
inline constexpr std::u16string_view WorkingCopyPrefix = u"~trbig";
// True for a name of that form with one of the two prefixes.
bool IsOwnScratchFileName(std::u16string_view name);
// Removes the program's own scratch files in folder that were last changed
// before this process started: what a killed save or archive edit left.
// Nothing else is touched. Returns how many were removed.
int RemoveStaleScratchFiles(std::u16string_view folder);
// Seconds since 1970 of a file's last change; -1 when it cannot be queried.
std::int64_t FileModifiedTime(std::u16string_view path);
// Seconds since 1970 when this process started.
std::int64_t ProcessStartTime();

// The folder an environment variable names; empty when it is unset.
std::u16string GetEnvironmentFolder(const char* variable);
// The root of a drive letter ("C:") where the system has drive letters;
// empty where it has none.
std::u16string GetDriveRoot(char16_t drive);

// A file opened for random access.
class File {
public:
    enum class Mode { Read, ReadWrite, Create };
    File() = default;
    ~File();
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    File(File&& other) noexcept;
    File& operator=(File&& other) noexcept;

    bool Open(std::u16string_view path, Mode mode);
    bool IsOpen() const { return handle_ != nullptr; }
    bool Close();
    std::int64_t Size() const;
    bool Seek(std::int64_t offset);
    std::int64_t Tell() const;
    // Reads exactly size bytes; false on a short read.
    bool Read(void* data, std::size_t size);
    bool Write(const void* data, std::size_t size);
    bool Resize(std::int64_t size);
    bool Flush();
    // Flushes and waits until the operating system has the data on the disk.
    bool SyncToDisk();

private:
    void* handle_ = nullptr;
};

// Writes a file through a temporary file in the same folder; the original is
// replaced only by Commit, and only when every write succeeded. Destroyed
// without Commit it leaves the original untouched.
class AtomicFileWriter {
public:
    AtomicFileWriter() = default;
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;
    AtomicFileWriter(AtomicFileWriter&& other) noexcept;
    AtomicFileWriter& operator=(AtomicFileWriter&& other) noexcept;

    bool Open(std::u16string_view path);
    bool Write(const void* data, std::size_t size);
    // Finish, then Replace.
    bool Commit();
    // Ends the writing: the temporary file is flushed to the disk and
    // closed, and stays until Replace or Discard. False, with the temporary
    // removed, when any write failed.
    bool Finish();
    // Renames the finished temporary file over the target.
    bool Replace();
    void Discard();
    bool IsOpen() const { return file_.IsOpen(); }
    const std::u16string& GetTarget() const { return target_; }

private:
    File file_;
    std::u16string target_;
    std::u16string temporary_;
    bool failed_ = false;
};

// Files that change together or not at all: each is written completely to
// its temporary file and flushed to the disk first; Commit then renames
// every temporary over its target in one quick pass. Destroyed or
// discarded before that, it removes the temporaries and every original
// stays as it was.
class AtomicFileSet {
public:
    AtomicFileSet() = default;
    ~AtomicFileSet() { Discard(); }
    AtomicFileSet(const AtomicFileSet&) = delete;
    AtomicFileSet& operator=(const AtomicFileSet&) = delete;

    // Finishes the writer and keeps its temporary for Commit; false (the
    // temporary removed) when the file could not be completed.
    bool Add(AtomicFileWriter&& writer);
    // Writes bytes as the next file of the set.
    bool AddFile(std::u16string_view path, std::span<const std::uint8_t> bytes);
    // False when a rename failed; the temporaries not yet renamed are then
    // removed.
    bool Commit();
    void Discard();
    std::size_t GetCount() const { return files_.size(); }

private:
    std::vector<AtomicFileWriter> files_;
};

bool WriteFileAtomic(std::u16string_view path, std::span<const std::uint8_t> bytes);

// Test hook: the countdown-th write from now on (1 = the next one) fails,
// and every write after it too until the hook is reset with 0.
void FailWritesAfter(int countdown);
// Test hook: SyncToDisk hands the data to the system without waiting for
// the disk, for tests that save thousands of files.
void SkipDiskWaits(bool skip);

// The system's ANSI code page: the real one on Windows (UTF-8 included),
// 1252 elsewhere.
unsigned SystemCodePage();
// Empty when the system refuses the conversion.
std::u16string SystemCodePageToUtf16(std::string_view bytes);
// Characters without an exact byte take the best-fit byte or '?'; lossy,
// set at every call, reports them. Nothing when the system refuses.
std::optional<std::string> Utf16ToSystemCodePage(std::u16string_view text, bool* lossy = nullptr);

std::uint32_t TickCount();
void SleepMs(unsigned milliseconds);

}  // namespace platform
