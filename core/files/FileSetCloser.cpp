#include "core/files/FileSetCloser.h"

#include <system_error>
#include <utility>

namespace {

// Enough to keep the worker busy while the caller writes a larger file.
constexpr std::size_t MaxQueued = 3;

}  // namespace

CFileSetCloser::CFileSetCloser(platform::AtomicFileSet& files) : files_(files)
{
    try {
        worker_ = std::thread([this] { WorkerMain(); });
    } catch (const std::system_error&) {
        // Closed on the caller's thread instead.
    }
}

CFileSetCloser::~CFileSetCloser()
{
    Finish();
}

void CFileSetCloser::Close(std::unique_ptr<CIndexTextFile> file)
{
    if (!worker_.joinable()) {
        CloseHere(std::move(file));
        return;
    }
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return queue_.size() < MaxQueued; });
    queue_.push_back(std::move(file));
    changed_.notify_all();
}

bool CFileSetCloser::HasFailed()
{
    std::lock_guard lock(mutex_);
    return failed_;
}

bool CFileSetCloser::Finish()
{
    if (worker_.joinable()) {
        {
            std::lock_guard lock(mutex_);
            finishing_ = true;
        }
        changed_.notify_all();
        worker_.join();
    }
    std::lock_guard lock(mutex_);
    return !failed_;
}

void CFileSetCloser::WorkerMain()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return finishing_ || !queue_.empty(); });
        if (queue_.empty()) return;
        std::unique_ptr<CIndexTextFile> file = std::move(queue_.front());
        queue_.pop_front();
        changed_.notify_all();
        const bool skip = failed_;
        lock.unlock();
        bool closed = false;
        try {
            closed = !skip && file->CloseInto(files_);
        } catch (...) {
            // Fails the save like a failed write; a stream dropped unclosed
            // leaves no file behind.
        }
        file.reset();
        lock.lock();
        failed_ = failed_ || !closed;
    }
}

void CFileSetCloser::CloseHere(std::unique_ptr<CIndexTextFile> file)
{
    const bool closed = !failed_ && file->CloseInto(files_);
    failed_ = failed_ || !closed;
}
