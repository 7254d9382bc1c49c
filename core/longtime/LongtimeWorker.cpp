#include "core/longtime/LongtimeWorker.h"

#include <utility>

#include "platform/Platform.h"

CLongtimeWorker::CLongtimeWorker(Work work, Finished finished)
    : work_(std::move(work)), finished_(std::move(finished))
{
}

void CLongtimeWorker::SignalReady()
{
    {
        std::lock_guard lock(mutex_);
        ready_ = true;
    }
    wake_.notify_all();
}

void CLongtimeWorker::CallOff()
{
    {
        std::lock_guard lock(mutex_);
        calledOff_ = true;
    }
    wake_.notify_all();
}

// A display that became ready and was called off before the worker woke
// up has ended already: the work does not start then.
bool CLongtimeWorker::WaitForStart()
{
    std::unique_lock lock(mutex_);
    wake_.wait(lock, [this] { return ready_ || calledOff_; });
    return !calledOff_;
}

void CLongtimeWorker::ThreadMain()
{
    if (WaitForStart()) {
        started_ = true;
        // A failure is reported there; the operation sees that its work never completed.
        RunWorkerGuarded(work_);
        platform::SleepMs(SettleMs);
        if (finished_) finished_();
    }
    ended_ = true;
}
