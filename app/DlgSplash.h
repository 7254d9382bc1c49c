#pragma once
// The splash window: the program's picture, faded in at start and faded out
// when the main window is ready. The fade runs on a thread of its own that
// touches only the window's opacity, visibility and z-order; the window's
// destruction stops and joins it.

#include <windows.h>

#include <atomic>
#include <mutex>

#include "ui/base/HVDialog.h"
#include "win/Gdi.h"

class CDlgSplash : public Halvane::MFC::CHVDialog {
public:
    static constexpr int TemplateId = 5121;
    static constexpr int FadeStep = 4;

    CDlgSplash();
    ~CDlgSplash() override;
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.Splash"; }

    void FadeIn();
    void FadeOut();
    int GetOpacity() const { return opacity_.load(); }
    bool IsFading();
    // Waits for a running fade to end.
    void WaitForFade();

protected:
    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override {}
    bool OnEraseBackground(HDC dc) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT message) override;
    void OnDestroy() override;

private:
    static unsigned FadeThread(void* splash);
    void RunFade();
    void StartFadeLocked();
    void ApplyOpacity(int opacity) const;
    void FinishFade(int opacity);

    win::CBitmap bitmap_;
    SIZE size_{};
    std::atomic<int> opacity_{0};
    std::atomic<int> step_{FadeStep};
    std::atomic<bool> stop_{false};
    std::mutex fadeLock_;
    bool fading_ = false;
    HANDLE thread_ = nullptr;
};
