#pragma once
// An edit with an up-down beside it holding one number, integer or with a
// fixed count of decimals; every change the user makes reaches the notify.

#include <cstdint>

#include "tools/ValueText.h"
#include "ui/base/ChangeNotify.h"
#include "win/Edit.h"
#include "win/SpinButtonCtrl.h"

namespace Halvane::MFC {

class CSpinEditCtrl : public win::CEdit {
public:
    static constexpr int SpinId = 30004;
    static constexpr std::uint32_t PlainDigits = 1;

    class CSpinEditCtrlSpinCtrl : public win::CSpinButtonCtrl {
    public:
        explicit CSpinEditCtrlSpinCtrl(CSpinEditCtrl& edit) : edit_(edit) {}

    protected:
        bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    private:
        CSpinEditCtrl& edit_;
    };

    CSpinEditCtrl() : spin_(*this) {}

    void SetNotify(IChangeNotify* notify) { notify_ = notify; }
    IChangeNotify* GetNotify() const { return notify_; }
    void SetFlags(std::uint32_t flags);
    std::uint32_t GetFlags() const { return flags_; }
    void SetRange(int minimum, int maximum);
    void SetRangeFloat(float minimum, float maximum, int decimals);
    void GetRange(int* minimum, int* maximum) const;
    void GetRangeFloat(float* minimum, float* maximum) const;
    void SetValue(int value);
    void SetValueFloat(float value);
    int GetValue();
    double GetValueFloat();
    void SetSpecialValue(int value, const char16_t* text);
    void ClearSpecialValue();
    void SetFormat(const char16_t* text);
    void SetAcceleration(int step1, int step2, int step3) const;
    void SetAccelerationFloat(float step1, float step2, float step3) const;
    void UpdateFromText();
    const win::CSpinButtonCtrl& GetSpin() const { return spin_; }

protected:
    void PreSubclassWindow() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void SetValueInternal(std::int64_t value);
    void ShowValue() { SetValueInternal(value_); }
    void OnSpinDelta(int delta);
    bool HasFocus() const;

    CSpinEditCtrlSpinCtrl spin_;
    TSpinEditFormat format_;
    std::int32_t value_ = 0;
    std::uint32_t flags_ = 0;
    IChangeNotify* notify_ = nullptr;
};

}  // namespace Halvane::MFC
