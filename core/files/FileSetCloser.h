#pragma once
// Closes written streams into a file set on a worker thread, in the order
// they come, while the caller writes the next ones. A save spends about as
// long putting its files on the disk (writes, flushes) as turning the
// records into lines; side by side the two take little more than the
// longer of them. Only the streams' own bytes reach the worker: the caller
// keeps everything else, and the set is the worker's until Finish.

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

#include "core/files/IndexTextFile.h"
#include "platform/Platform.h"

class CFileSetCloser {
public:
    explicit CFileSetCloser(platform::AtomicFileSet& files);
    // Finishes first.
    ~CFileSetCloser();
    CFileSetCloser(const CFileSetCloser&) = delete;
    CFileSetCloser& operator=(const CFileSetCloser&) = delete;

    // Queues a stream open for writing, its lines complete; waits while a
    // few are queued already, so that the memory stays that of a few
    // files. After a failure streams are discarded unsaved.
    void Close(std::unique_ptr<CIndexTextFile> file);
    // True once a stream could not be closed into the set.
    bool HasFailed();
    // Waits until every queued stream is closed; false when one failed.
    // The set is the caller's again afterwards.
    bool Finish();

private:
    void WorkerMain();
    // Without a worker thread the streams are closed on the caller's.
    void CloseHere(std::unique_ptr<CIndexTextFile> file);

    platform::AtomicFileSet& files_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::unique_ptr<CIndexTextFile>> queue_;
    bool failed_ = false;
    bool finishing_ = false;
    std::thread worker_;
};
