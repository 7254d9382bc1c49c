#pragma once
// The worker thread of a dialog (the report window, the progress dialog).
// Its owner joins it before anything the worker uses goes away: when the
// window is destroyed, whatever ended the modal loop (OK, Cancel, a quit
// message, the owner window destroyed), and again in the owner's
// destructor. The thread's top is guarded: an exception is reported once,
// the result is Failed, and the finished notice is sent all the same.

#include <windows.h>

#include <atomic>
#include <functional>

#include "core/longtime/WorkerGuard.h"

class CDialogWorker {
public:
    using Work = std::function<void()>;
    // Called on the worker thread, last, whatever the work did.
    using Finished = std::function<void(WorkerResult)>;

    CDialogWorker() = default;
    ~CDialogWorker();
    CDialogWorker(const CDialogWorker&) = delete;
    CDialogWorker& operator=(const CDialogWorker&) = delete;

    // False when the thread cannot be created (or one is still held); the
    // work has not run then.
    bool Start(Work work, Finished finished);
    // Returns once the thread has ended. The worker may still send to
    // windows of this thread (a message box it shows has an owner here):
    // those messages are served while waiting, nothing else.
    void Join();
    bool IsRunning() const { return thread_ != nullptr; }
    bool HasFailed() const { return failed_; }

private:
    static unsigned ThreadMain(void* worker);

    Work work_;
    Finished finished_;
    HANDLE thread_ = nullptr;
    std::atomic<bool> failed_{false};
};
