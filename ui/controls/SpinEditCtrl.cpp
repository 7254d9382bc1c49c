#include "ui/controls/SpinEditCtrl.h"

#include <cmath>

#include "core/text/TextManager.h"
#include "ui/controls/ValueControlWindows.h"

namespace Halvane::MFC {

bool CSpinEditCtrl::CSpinEditCtrlSpinCtrl::OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (message != WM_NOTIFY || header->code != UDN_DELTAPOS) return false;
    edit_.OnSpinDelta(reinterpret_cast<const NMUPDOWN*>(lParam)->iDelta);
    result = 0;
    return true;
}

void CSpinEditCtrl::PreSubclassWindow()
{
    spin_.Attach(CreateBuddySpin(Handle(), SpinId));
    ShowValue();
}

void CSpinEditCtrl::SetFlags(std::uint32_t flags)
{
    flags_ = flags;
    format_.plainDigits = (flags & PlainDigits) != 0;
}

void CSpinEditCtrl::SetRange(int minimum, int maximum)
{
    format_.minimum = minimum;
    format_.maximum = maximum;
    spin_.SetRange32(minimum, maximum);
    ShowValue();
}

void CSpinEditCtrl::SetRangeFloat(float minimum, float maximum, int decimals)
{
    if (decimals < 0) return;
    format_.scale = std::pow(10.0, decimals);
    SetRange(ScaleSpinValue(minimum, format_.scale), ScaleSpinValue(maximum, format_.scale));
    format_.decimals = decimals;
    ShowValue();
}

void CSpinEditCtrl::GetRange(int* minimum, int* maximum) const
{
    if (minimum != nullptr) *minimum = format_.minimum;
    if (maximum != nullptr) *maximum = format_.maximum;
}

void CSpinEditCtrl::GetRangeFloat(float* minimum, float* maximum) const
{
    if (minimum != nullptr) *minimum = static_cast<float>(format_.minimum / format_.scale);
    if (maximum != nullptr) *maximum = static_cast<float>(format_.maximum / format_.scale);
}

void CSpinEditCtrl::SetValue(int value)
{
    if (value != value_) SetValueInternal(value);
}

void CSpinEditCtrl::SetValueFloat(float value)
{
    const std::int32_t scaled = ScaleSpinValue(value, format_.scale);
    if (scaled != value_) SetValueInternal(scaled);
}

int CSpinEditCtrl::GetValue()
{
    if (HasFocus()) UpdateFromText();
    return value_;
}

double CSpinEditCtrl::GetValueFloat()
{
    return GetValue() / format_.scale;
}

void CSpinEditCtrl::SetSpecialValue(int value, const char16_t* text)
{
    format_.specialValue = value;
    format_.specialText = text != nullptr ? std::u16string(text).substr(0, SpinEditTextMax) : std::u16string();
    UpdateFromText();
}

void CSpinEditCtrl::ClearSpecialValue()
{
    format_.specialValue = 0;
    format_.specialText.clear();
}

void CSpinEditCtrl::SetFormat(const char16_t* text)
{
    format_.format = MakeSpinEditFormat(text != nullptr ? text : u"");
    ShowValue();
}

void CSpinEditCtrl::SetAcceleration(int step1, int step2, int step3) const
{
    UDACCEL steps[3] = {{0, static_cast<UINT>(step1)}, {3, static_cast<UINT>(step2)}, {6, static_cast<UINT>(step3)}};
    spin_.Send(UDM_SETACCEL, 3, reinterpret_cast<LPARAM>(steps));
}

void CSpinEditCtrl::SetAccelerationFloat(float step1, float step2, float step3) const
{
    const double scale = format_.scale;
    SetAcceleration(static_cast<int>(step1 * scale), static_cast<int>(step2 * scale), static_cast<int>(step3 * scale));
}

void CSpinEditCtrl::UpdateFromText()
{
    SetValueInternal(SpinValueFromText(*CTextManager::Instance(), format_, GetText()));
}

void CSpinEditCtrl::SetValueInternal(std::int64_t value)
{
    const std::int32_t clamped = ClampSpinValue(value, format_.minimum, format_.maximum);
    SetText(SpinValueText(*CTextManager::Instance(), format_, clamped));
    SetSel(0, -1);
    ScrollCaret();
    spin_.SetPos32(clamped);
    const bool changed = clamped != value_;
    value_ = clamped;
    if (changed && notify_ != nullptr) notify_->OnChange(this);
}

void CSpinEditCtrl::OnSpinDelta(int delta)
{
    const std::int32_t next = SpinValueAfterDelta(*CTextManager::Instance(), format_, GetText(), delta);
    if (next != value_) SetValueInternal(next);
}

bool CSpinEditCtrl::HasFocus() const
{
    HWND focus = ::GetFocus();
    return focus != nullptr && (focus == Handle() || focus == spin_.Handle());
}

bool CSpinEditCtrl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_ENABLE && spin_) spin_.Enable(wParam != 0);
    if (message == WM_SHOWWINDOW && lParam == 0 && spin_) spin_.Show(wParam != 0);
    return win::CEdit::OnMessage(message, wParam, lParam, result);
}

bool CSpinEditCtrl::OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message != WM_COMMAND || HIWORD(wParam) != EN_KILLFOCUS) return false;
    UpdateFromText();
    return false;
}

}  // namespace Halvane::MFC
