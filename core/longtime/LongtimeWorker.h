#pragma once
// The worker of one long-running operation and its handshake with the
// display that shows it. The worker waits until the display is ready or the
// run is called off and never gives up on its own: a display that cannot
// start calls the run off, so the worker ends without running the work. The
// display's side joins the worker on every path, so the worker never
// outlives its operation. Work that throws is reported and counts as
// failed; the display is told of the end all the same.

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>

#include "core/longtime/WorkerGuard.h"

class CLongtimeWorker {
public:
    // Between the end of the work and the finished notice, so that a job
    // that returns at once still shows its display for a moment.
    static constexpr unsigned SettleMs = 50;

    using Work = std::function<void()>;
    using Finished = std::function<void()>;

    // finished is called on the worker thread after the work has run or failed.
    CLongtimeWorker(Work work, Finished finished);
    CLongtimeWorker(const CLongtimeWorker&) = delete;
    CLongtimeWorker& operator=(const CLongtimeWorker&) = delete;

    // The display's side.
    void SignalReady();
    void CallOff();

    // The worker thread's procedure.
    void ThreadMain();

    bool HasStarted() const { return started_; }
    bool HasEnded() const { return ended_; }

private:
    bool WaitForStart();

    std::mutex mutex_;
    std::condition_variable wake_;
    bool ready_ = false;
    bool calledOff_ = false;
    std::atomic<bool> started_{false};
    std::atomic<bool> ended_{false};
    Work work_;
    Finished finished_;
};
