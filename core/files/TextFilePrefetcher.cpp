#include "core/files/TextFilePrefetcher.h"

#include <algorithm>
#include <system_error>
#include <utility>

namespace {

// Files kept opened ahead of the reader: files differ much in size, so a
// few more than there are workers keep every worker busy; few enough that
// the memory stays that of a handful of files.
constexpr std::size_t FilesAhead = 6;
// With a preparation step a worker does most of the work of a file, and
// the reader's share of it is about a quarter.
constexpr unsigned MaxWorkers = 4;

unsigned WorkerCount(std::size_t files)
{
    const unsigned cores = std::max(2u, std::thread::hardware_concurrency());
    return static_cast<unsigned>(std::min<std::size_t>({cores - 1, MaxWorkers, files}));
}

}  // namespace

CTextFilePrefetcher::CTextFilePrefetcher(std::vector<std::u16string> paths, TPrepare prepare)
    : paths_(std::move(paths)), prepare_(std::move(prepare)), slots_(paths_.size())
{
    const unsigned workers = WorkerCount(paths_.size());
    for (unsigned worker = 0; worker < workers; ++worker) {
        try {
            workers_.emplace_back([this] { WorkerMain(); });
        } catch (const std::system_error&) {
            // Without a worker the reader opens its files itself.
            break;
        }
    }
}

CTextFilePrefetcher::~CTextFilePrefetcher()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    for (std::thread& worker : workers_) worker.join();
}

void CTextFilePrefetcher::WorkerMain()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] {
            return stopping_ || nextToOpen_ >= paths_.size() || nextToOpen_ < nextToTake_ + FilesAhead;
        });
        if (stopping_ || nextToOpen_ >= paths_.size()) {
            // No further file will take the buffers of those let go.
            recycler_->StopKeeping();
            return;
        }
        const std::size_t index = nextToOpen_++;
        // The reader got there first and opens it itself.
        if (slots_[index].state != SlotState::Waiting) continue;
        slots_[index].state = SlotState::Opening;
        lock.unlock();
        std::unique_ptr<CIndexTextFile> file;
        const SlotState state = OpenPrepared(index, file);
        lock.lock();
        slots_[index].file = std::move(file);
        slots_[index].state = state;
        changed_.notify_all();
    }
}

CTextFilePrefetcher::SlotState CTextFilePrefetcher::OpenPrepared(std::size_t index,
                                                                std::unique_ptr<CIndexTextFile>& file)
{
    try {
        file = Open(paths_[index]);
        if (!file || !prepare_) return SlotState::Opened;
        prepare_(index, *file);
        file->SetLinePosition(0);
        if (file->GetError() == nullptr) return SlotState::Opened;
    } catch (...) {
        // Left to the reader, which opens the file again and meets the
        // same trouble where it can handle it.
    }
    file.reset();
    return SlotState::Failed;
}

std::unique_ptr<CIndexTextFile> CTextFilePrefetcher::Open(const std::u16string& path) const
{
    auto file = std::make_unique<CIndexTextFile>();
    file->UseBufferRecycler(recycler_);
    if (!file->OpenRead(path)) return nullptr;
    return file;
}

std::unique_ptr<CIndexTextFile> CTextFilePrefetcher::TakeNext(bool* prepared)
{
    if (prepared != nullptr) *prepared = false;
    std::unique_lock lock(mutex_);
    if (nextToTake_ >= paths_.size()) return nullptr;
    const std::size_t index = nextToTake_++;
    TSlot& slot = slots_[index];
    changed_.notify_all();
    if (slot.state == SlotState::Waiting) {
        // No worker has come to it yet: opened here rather than waited for.
        slot.state = SlotState::Taken;
        lock.unlock();
        return Open(paths_[index]);
    }
    changed_.wait(lock, [&] { return slot.state == SlotState::Opened || slot.state == SlotState::Failed; });
    const bool failed = slot.state == SlotState::Failed;
    slot.state = SlotState::Taken;
    std::unique_ptr<CIndexTextFile> file = std::move(slot.file);
    lock.unlock();
    if (failed) return Open(paths_[index]);
    if (prepared != nullptr) *prepared = file != nullptr && prepare_ != nullptr;
    return file;
}
