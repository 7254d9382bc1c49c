#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>
#include <utility>

#include "platform/NativeFile.h"
#include "platform/Platform.h"

namespace platform {
namespace {

std::atomic<int> gWriteFailureCountdown{0};
std::atomic<bool> gSkipDiskWaits{false};

// True when the test hook says this write must fail.
bool InjectedWriteFailure()
{
    int countdown = gWriteFailureCountdown.load();
    while (countdown > 1) {
        if (gWriteFailureCountdown.compare_exchange_weak(countdown, countdown - 1)) return false;
    }
    return countdown == 1;
}

std::FILE* AsFile(void* handle) { return static_cast<std::FILE*>(handle); }

const char* ModeText(File::Mode mode)
{
    switch (mode) {
    case File::Mode::Read: return "rb";
    case File::Mode::ReadWrite: return "r+b";
    case File::Mode::Create: return "w+b";
    }
    return "rb";
}

}  // namespace

void FailWritesAfter(int countdown) { gWriteFailureCountdown.store(countdown < 0 ? 0 : countdown); }

void SkipDiskWaits(bool skip) { gSkipDiskWaits.store(skip); }

File::~File() { Close(); }

File::File(File&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }

File& File::operator=(File&& other) noexcept
{
    if (this != &other) {
        Close();
        handle_ = other.handle_;
        other.handle_ = nullptr;
    }
    return *this;
}

bool File::Open(std::u16string_view path, Mode mode)
{
    Close();
    if (path.empty()) return false;
    handle_ = native::OpenFile(MakeAbsolute(path), ModeText(mode));
    return handle_ != nullptr;
}

bool File::Close()
{
    if (!handle_) return true;
    const bool ok = std::fclose(AsFile(handle_)) == 0;
    handle_ = nullptr;
    return ok;
}

std::int64_t File::Size() const
{
    if (!handle_) return -1;
    std::FILE* file = AsFile(handle_);
    const std::int64_t position = native::Tell(file);
    if (position < 0 || std::fseek(file, 0, SEEK_END) != 0) return -1;
    const std::int64_t size = native::Tell(file);
    native::Seek(file, position);
    return size;
}

bool File::Seek(std::int64_t offset) { return handle_ && offset >= 0 && native::Seek(AsFile(handle_), offset); }

std::int64_t File::Tell() const { return handle_ ? native::Tell(AsFile(handle_)) : -1; }

bool File::Read(void* data, std::size_t size)
{
    if (!handle_) return false;
    if (size == 0) return true;
    return std::fread(data, 1, size, AsFile(handle_)) == size;
}

bool File::Write(const void* data, std::size_t size)
{
    if (!handle_) return false;
    if (size == 0) return true;
    if (InjectedWriteFailure()) return false;
    return std::fwrite(data, 1, size, AsFile(handle_)) == size;
}

bool File::Resize(std::int64_t size)
{
    if (!handle_ || size < 0 || std::fflush(AsFile(handle_)) != 0) return false;
    return native::Resize(AsFile(handle_), size);
}

bool File::Flush() { return handle_ && std::fflush(AsFile(handle_)) == 0; }

bool File::SyncToDisk() { return Flush() && (gSkipDiskWaits.load() || native::SyncFile(AsFile(handle_))); }

bool ReadWholeFile(std::u16string_view path, std::vector<std::uint8_t>& bytes)
{
    File file;
    if (!file.Open(path, File::Mode::Read)) return false;
    const std::int64_t size = file.Size();
    if (size < 0 || static_cast<std::uint64_t>(size) > bytes.max_size()) return false;
    bytes.resize(static_cast<std::size_t>(size));
    return file.Read(bytes.data(), bytes.size());
}

AtomicFileWriter::~AtomicFileWriter() { Discard(); }

AtomicFileWriter::AtomicFileWriter(AtomicFileWriter&& other) noexcept
    : file_(std::move(other.file_)),
      target_(std::move(other.target_)),
      temporary_(std::exchange(other.temporary_, {})),
      failed_(other.failed_)
{
}

AtomicFileWriter& AtomicFileWriter::operator=(AtomicFileWriter&& other) noexcept
{
    if (this != &other) {
        Discard();
        file_ = std::move(other.file_);
        target_ = std::move(other.target_);
        temporary_ = std::exchange(other.temporary_, {});
        failed_ = other.failed_;
    }
    return *this;
}

bool AtomicFileWriter::Open(std::u16string_view path)
{
    Discard();
    target_ = MakeAbsolute(path);
    temporary_ = CreateUniqueFile(FolderOf(target_), TemporaryFilePrefix);
    if (temporary_.empty()) return false;
    failed_ = false;
    if (!file_.Open(temporary_, File::Mode::Create)) {
        RemoveFile(temporary_);
        temporary_.clear();
        return false;
    }
    return true;
}

bool AtomicFileWriter::Write(const void* data, std::size_t size)
{
    if (!file_.IsOpen() || failed_) return false;
    if (!file_.Write(data, size)) failed_ = true;
    return !failed_;
}

bool AtomicFileWriter::Commit() { return Finish() && Replace(); }

// A rename makes the new name visible at once, while the data may still sit
// in the system's cache: without the sync a crash could leave an empty file
// where the old one was.
bool AtomicFileWriter::Finish()
{
    if (!file_.IsOpen()) return false;
    bool ok = !failed_ && file_.SyncToDisk();
    ok = file_.Close() && ok;
    if (!ok) Discard();
    return ok;
}

bool AtomicFileWriter::Replace()
{
    if (file_.IsOpen() || temporary_.empty()) return false;
    const bool ok = RenameOver(temporary_, target_);
    if (!ok) RemoveFile(temporary_);
    temporary_.clear();
    return ok;
}

void AtomicFileWriter::Discard()
{
    if (file_.IsOpen()) file_.Close();
    if (!temporary_.empty()) RemoveFile(temporary_);
    temporary_.clear();
}

bool WriteFileAtomic(std::u16string_view path, std::span<const std::uint8_t> bytes)
{
    AtomicFileWriter writer;
    return writer.Open(path) && writer.Write(bytes.data(), bytes.size()) && writer.Commit();
}

bool AtomicFileSet::Add(AtomicFileWriter&& writer)
{
    if (!writer.Finish()) return false;
    files_.push_back(std::move(writer));
    return true;
}

bool AtomicFileSet::AddFile(std::u16string_view path, std::span<const std::uint8_t> bytes)
{
    AtomicFileWriter writer;
    return writer.Open(path) && writer.Write(bytes.data(), bytes.size()) && Add(std::move(writer));
}

bool AtomicFileSet::Commit()
{
    bool ok = true;
    for (AtomicFileWriter& file : files_) ok = ok && file.Replace();
    std::vector<std::u16string> folders;
    for (const AtomicFileWriter& file : files_) {
        const std::u16string folder(FolderOf(file.GetTarget()));
        if (std::find(folders.begin(), folders.end(), folder) == folders.end()) folders.push_back(folder);
    }
    for (const std::u16string& folder : folders) {
        if (!gSkipDiskWaits.load()) native::SyncFolder(folder);
    }
    files_.clear();
    return ok;
}

void AtomicFileSet::Discard() { files_.clear(); }

namespace {

const std::int64_t gProcessStart =
    std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch()).count();

bool AllDigits(std::u16string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
}

bool HasScratchForm(std::u16string_view name, std::u16string_view prefix)
{
    constexpr std::u16string_view Extension = u".tmp";
    if (!name.starts_with(prefix) || !name.ends_with(Extension)) return false;
    name = name.substr(prefix.size(), name.size() - prefix.size() - Extension.size());
    const std::size_t separator = name.find(u'_');
    return separator != std::u16string_view::npos && AllDigits(name.substr(0, separator)) &&
           AllDigits(name.substr(separator + 1));
}

}  // namespace

std::int64_t ProcessStartTime() { return gProcessStart; }

bool IsOwnScratchFileName(std::u16string_view name)
{
    return HasScratchForm(name, TemporaryFilePrefix) || HasScratchForm(name, WorkingCopyPrefix);
}

int RemoveStaleScratchFiles(std::u16string_view folder)
{
    int removed = 0;
    for (const std::u16string& name : ListFolder(folder)) {
        if (!IsOwnScratchFileName(name)) continue;
        const std::u16string path = JoinPath(MakeAbsolute(folder), name);
        const std::int64_t modified = FileModifiedTime(path);
        if (modified >= 0 && modified < gProcessStart && FileExists(path) && RemoveFile(path)) ++removed;
    }
    return removed;
}

bool RemoveTree(std::u16string_view path)
{
    const std::u16string absolute = MakeAbsolute(path);
    if (!FolderExists(absolute)) return RemoveFile(absolute) || !FileExists(absolute);
    bool ok = true;
    for (const auto& name : ListFolder(absolute)) ok = RemoveTree(JoinPath(absolute, name)) && ok;
    return RemoveFolder(absolute) && ok;
}

std::uint32_t TickCount()
{
    using namespace std::chrono;
    return static_cast<std::uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void SleepMs(unsigned milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

}  // namespace platform
