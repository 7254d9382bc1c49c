#include "core/longtime/LongtimeDisplay.h"

#include <chrono>
#include <utility>

namespace {

std::u16string Cut(std::u16string_view text, std::size_t capacity)
{
    return std::u16string(text.substr(0, capacity));
}

template <typename T>
bool Assign(T& field, T value)
{
    if (field == value) return false;
    field = std::move(value);
    return true;
}

}  // namespace

// change(state) returns whether it changed anything worth showing.
template <typename Change>
void CLongtimeDisplay::Update(Change change)
{
    // Against the system clock: the steady-clock wait of the runtime is
    // invisible to the thread checker.
    std::unique_lock lock(mutex_, std::chrono::system_clock::now() + std::chrono::milliseconds(LockWaitMs));
    if (!lock.owns_lock()) return;
    if (!change(state_) || !open_ || applyPending_) return;
    applyPending_ = true;
    RequestApply();
}

void CLongtimeDisplay::SetCaption(std::u16string_view text)
{
    Update([&](State& s) { return Assign(s.caption, Cut(text, CaptionCapacity)); });
}

void CLongtimeDisplay::SetLine1(std::u16string_view text)
{
    Update([&](State& s) { return Assign(s.line1, Cut(text, LineCapacity)); });
}

void CLongtimeDisplay::SetLine2(std::u16string_view text)
{
    Update([&](State& s) { return Assign(s.line2, Cut(text, LineCapacity)); });
}

void CLongtimeDisplay::SetVisible(bool visible)
{
    Update([&](State& s) { return Assign(s.visible, visible); });
}

void CLongtimeDisplay::SetCancelAllowed(bool allowed)
{
    Update([&](State& s) { return Assign(s.cancelAllowed, allowed); });
}

void CLongtimeDisplay::SetShowTimeEstimate(bool show)
{
    Update([&](State& s) { return Assign(s.showTimeEstimate, show); });
}

void CLongtimeDisplay::SetRange(int minimum, int maximum)
{
    Update([&](State& s) {
        const bool changed = s.minimum != minimum || s.maximum != maximum;
        s.minimum = minimum;
        s.maximum = maximum;
        return changed;
    });
}

void CLongtimeDisplay::SetPos(int position)
{
    Update([&](State& s) { return Assign(s.position, position); });
}

int CLongtimeDisplay::GetPos() const
{
    std::lock_guard lock(mutex_);
    return state_.position;
}

CLongtimeDisplay::State CLongtimeDisplay::GetState() const
{
    std::lock_guard lock(mutex_);
    return state_;
}

CLongtimeDisplay::State CLongtimeDisplay::TakeStateForApply()
{
    std::lock_guard lock(mutex_);
    applyPending_ = false;
    return state_;
}

int CLongtimeDisplay::RunModal(const std::function<void()>& work)
{
    cancelRequested_ = false;
    CLongtimeWorker worker(work, [this] { WorkerFinished(); });
    worker_ = &worker;
    int result = -1;
    if (StartWorker(worker)) {
        result = RunDisplay();
        worker.CallOff();
        JoinWorker();
    }
    DisplayClosed();
    worker_ = nullptr;
    return result;
}

void CLongtimeDisplay::DisplayOpened()
{
    {
        std::lock_guard lock(mutex_);
        open_ = true;
        applyPending_ = false;
    }
    if (worker_) worker_->SignalReady();
}

void CLongtimeDisplay::DisplayClosed()
{
    {
        std::lock_guard lock(mutex_);
        open_ = false;
    }
    if (worker_) worker_->CallOff();
}

void CLongtimeDisplay::WorkerFinished()
{
    std::lock_guard lock(mutex_);
    if (open_) RequestFinish();
}
