#pragma once
// Work that runs behind a progress display: saving, exporting, snapshots.
// The program shows the modal progress dialog and runs the work on a
// worker thread; without a display installed (tools, tests) the work runs
// on the calling thread and reports nowhere.

#include <atomic>
#include <functional>
#include <memory>
#include <string_view>

// What the work reports to and asks of its progress display. Every setter
// may be called from the worker thread.
class ILongtimeProgress {
public:
    virtual ~ILongtimeProgress() = default;
    virtual void SetCaption(std::u16string_view text) = 0;
    virtual void SetLine1(std::u16string_view text) = 0;
    virtual void SetLine2(std::u16string_view text) = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual void SetCancelAllowed(bool allowed) = 0;
    virtual void SetRange(int minimum, int maximum) = 0;
    virtual void SetPos(int position) = 0;
    virtual int GetPos() const = 0;
    virtual bool IsCancelRequested() const = 0;
    // Runs work at most once, behind the modal dialog in the program, and
    // returns only after the work has ended. The result is the display's;
    // -1 when it could not start, and then the work has not run.
    virtual int RunModal(const std::function<void()>& work) = 0;
};

using LongtimeProgressFactory = std::function<std::unique_ptr<ILongtimeProgress>()>;
// The program installs its progress dialog here; returns the previous one.
LongtimeProgressFactory SetLongtimeProgressFactory(LongtimeProgressFactory factory);

class CLongtimeOperation {
public:
    static constexpr std::size_t Line1Capacity = 511;
    static constexpr std::size_t Line2Capacity = 255;

    // With the installed display, or the given one.
    CLongtimeOperation();
    explicit CLongtimeOperation(std::unique_ptr<ILongtimeProgress> progress);
    virtual ~CLongtimeOperation();
    CLongtimeOperation(const CLongtimeOperation&) = delete;
    CLongtimeOperation& operator=(const CLongtimeOperation&) = delete;

    // True only when the work ran to its end, reported success and was not
    // cancelled; the worker has ended when it returns.
    bool Execute();
    bool IsDone() const { return done_; }

protected:
    // The work, on the worker thread; true on success.
    virtual bool Run() = 0;

    // Texts, never formats; cut to the display's capacity.
    void SetCaption(std::u16string_view text);
    void SetLine1(std::u16string_view text);
    void SetLine2(std::u16string_view text);
    ILongtimeProgress& Progress() { return *progress_; }

private:
    std::unique_ptr<ILongtimeProgress> progress_;
    std::atomic<bool> done_{false};
};
