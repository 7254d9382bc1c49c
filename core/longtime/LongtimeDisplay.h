#pragma once
// The part of a progress display that the worker and the user-interface
// thread share: the shown values under one lock, the cancel request, and the
// run itself (start the worker, run the display, join the worker on every
// path). The window side derives from it and supplies the thread and the
// display; it never lets the worker call into a window: the worker's
// changes only ask the user-interface thread to apply them.

#include <atomic>
#include <cstddef>
#include <mutex>
#include <string>

#include "core/longtime/LongtimeOperation.h"
#include "core/longtime/LongtimeWorker.h"

class CLongtimeDisplay : public ILongtimeProgress {
public:
    static constexpr std::size_t CaptionCapacity = 128;
    static constexpr std::size_t LineCapacity = 255;
    // A setter that cannot take the lock in this time drops its change.
    static constexpr unsigned LockWaitMs = 5000;

    struct State {
        std::u16string caption, line1, line2;
        int minimum = 0;
        int maximum = 100;
        int position = 0;
        bool visible = true;
        bool cancelAllowed = false;
        bool showTimeEstimate = true;
    };

    void SetCaption(std::u16string_view text) override;
    void SetLine1(std::u16string_view text) override;
    void SetLine2(std::u16string_view text) override;
    void SetVisible(bool visible) override;
    void SetCancelAllowed(bool allowed) override;
    void SetRange(int minimum, int maximum) override;
    void SetPos(int position) override;
    void SetShowTimeEstimate(bool show);
    int GetPos() const override;
    bool IsCancelRequested() const override { return cancelRequested_; }

    // -1 when the display or the worker cannot start; the work has not run then.
    int RunModal(const std::function<void()>& work) final;

    State GetState() const;

protected:
    // The window side, all on the user-interface thread.
    virtual bool StartWorker(CLongtimeWorker& worker) = 0;
    // Runs the display until it ends; -1 when it cannot start.
    virtual int RunDisplay() = 0;
    // Returns once the thread StartWorker started has ended.
    virtual void JoinWorker() = 0;
    // Called under the lock while the display is open and no request of
    // the kind is pending; they only queue a request, never wait.
    virtual void RequestApply() = 0;
    virtual void RequestFinish() = 0;

    // The display tells when its window can take requests and when it goes.
    void DisplayOpened();
    void DisplayClosed();
    // The state to apply; clears the pending request.
    State TakeStateForApply();
    void RequestCancel() { cancelRequested_ = true; }

private:
    template <typename Change>
    void Update(Change change);
    void WorkerFinished();

    mutable std::timed_mutex mutex_;
    State state_;
    bool open_ = false;
    bool applyPending_ = false;
    std::atomic<bool> cancelRequested_{false};
    CLongtimeWorker* worker_ = nullptr;
};
