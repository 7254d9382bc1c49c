#pragma once
// The modal progress window of a long-running operation: a caption, two
// status lines, a progress bar, the elapsed and estimated total time, and a
// Cancel button the operation may enable. The operation's worker reports
// through the setters from its own thread; the window applies what they
// stored when the user-interface thread gets to the request they posted.

#include <cstdint>
#include <functional>
#include <optional>

#include "core/longtime/LongtimeDisplay.h"
#include "ui/base/DialogB.h"
#include "ui/base/DialogWorker.h"
#include "ui/skin/MyStaticControl.h"
#include "win/ProgressCtrl.h"

class CDlgLongtimeOperation : public CDialogB, public CLongtimeDisplay {
public:
    static constexpr UINT ApplyMessage = WM_USER + 10;
    static constexpr UINT FinishedMessage = WM_USER + 11;
    // Posted to itself at initialisation: arrives once the modal loop runs.
    static constexpr UINT ReadyMessage = WM_USER + 12;
    static constexpr std::size_t TimeLineCapacity = 128;
    // Milliseconds, wrapping like the system's tick count.
    using Clock = std::function<std::uint32_t()>;

    explicit CDlgLongtimeOperation(HWND parent = nullptr);

    // True for the window of an operation's progress dialog, on any thread.
    static bool IsProgressWindow(HWND window);

    void SetClock(Clock clock) { clock_ = std::move(clock); }
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.LongtimeOperation"; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override;
    void OnDestroy() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    bool StartWorker(CLongtimeWorker& worker) override;
    int RunDisplay() override;
    void JoinWorker() override;
    void RequestApply() override;
    void RequestFinish() override;

private:
    void ReturnActivationToOwner() const;
    void Apply(const State& state);
    void UpdateTimeLine(const State& state);

    Clock clock_;
    CDialogWorker worker_;
    // Where the worker's requests go; set before the worker may post.
    HWND requestTarget_ = nullptr;
    const char16_t* timeTemplate_ = u"";
    std::optional<std::uint32_t> startTime_;
    std::optional<State> applied_;
    bool shown_ = true;
    win::CProgressCtrl progress_;
    CMyStaticControl line1_;
    CMyStaticControl line2_;
    CMyStaticControl timeLine_;
};

// Makes every long-running operation run behind this dialog, owned by the
// window owner() names when the operation is created (null: no owner).
void InstallLongtimeProgressDialog(std::function<HWND()> owner);
