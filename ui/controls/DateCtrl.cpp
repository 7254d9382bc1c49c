#include "ui/controls/DateCtrl.h"

#include <algorithm>
#include <string>

#include "ui/controls/ValueControlWindows.h"
#include "win/WideText.h"

namespace Halvane::MFC {

bool CDateCtrl::CDateCtrlEdit::OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    return message == WM_COMMAND && owner_.OnPartCommand(part_, HIWORD(wParam));
}

bool CDateCtrl::CDateCtrlSpinCtrl::OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (message != WM_NOTIFY || header->code != UDN_DELTAPOS) return false;
    const std::int64_t next = static_cast<std::int64_t>(owner_.Part(part_)) + reinterpret_cast<const NMUPDOWN*>(lParam)->iDelta;
    owner_.SetPart(part_, static_cast<int>(std::clamp<std::int64_t>(next, INT32_MIN, INT32_MAX)));
    result = 0;
    return true;
}

CDateCtrl::CDateCtrl()
    : monthEdit_(*this, 1),
      yearEdit_(*this, 2),
      spins_{{*this, 0}, {*this, 1}, {*this, 2}},
      minimum_(MakeDateBound(1, 1, 1)),
      maximum_(MakeDateBound(9999, 12, 31))
{
}

void CDateCtrl::PreSubclassWindow()
{
    const TDateLayout layout = LayoutDateFields(ChildRect(Handle()));
    ::MoveWindow(Handle(), layout.day.left, layout.day.top, layout.day.width, layout.day.height, TRUE);
    wchar_t className[64] = {};
    ::GetClassNameW(Handle(), className, 64);
    HWND parent = GetParent();
    const DWORD style = GetStyle() & ~WS_GROUP;
    monthEdit_.Attach(CreateCompanion(parent, className, style, GetExStyle(), PartId, layout.month));
    yearEdit_.Attach(CreateCompanion(parent, className, style, GetExStyle(), PartId, layout.year));
    HWND after = Handle();
    for (const win::CWindow* edit : {&monthEdit_, &yearEdit_}) {
        edit->Send(WM_SETFONT, reinterpret_cast<WPARAM>(GetFont()), FALSE);
        PlaceAfter(edit->Handle(), after);
        after = edit->Handle();
    }
    static constexpr int highest[3] = {31, 12, 9999};
    for (int part = 0; part < 3; ++part) {
        spins_[part].Attach(CreateBuddySpin(PartEdit(part).Handle(), SpinId));
        spins_[part].SetRange32(1, highest[part]);
    }
    SetLimitText(2);
    monthEdit_.SetLimitText(2);
    yearEdit_.SetLimitText(4);
    Update();
}

int& CDateCtrl::Part(int index)
{
    return index == 0 ? date_.day : index == 1 ? date_.month : date_.year;
}

const win::CWindow& CDateCtrl::PartEdit(int index) const
{
    if (index == 1) return monthEdit_;
    if (index == 2) return yearEdit_;
    return *this;
}

void CDateCtrl::SetDate(int year, int month, int day)
{
    date_ = {year, month, day};
    Update();
}

int CDateCtrl::GetPart(int index)
{
    if (index < 0 || index > 2) return 0;
    if (::GetFocus() != nullptr && ::GetFocus() == PartEdit(index).Handle()) TakeTypedPart(index);
    return Part(index);
}

void CDateCtrl::SetPart(int index, int value)
{
    if (index < 0 || index > 2 || Part(index) == value) return;
    Part(index) = value;
    Update();
}

void CDateCtrl::SetMinDate(int year, int month, int day)
{
    minimum_ = MakeDateBound(year, month, day);
}

void CDateCtrl::SetMaxDate(int year, int month, int day)
{
    maximum_ = MakeDateBound(year, month, day);
}

void CDateCtrl::TakeTypedPart(int index)
{
    const int typed = ParseDatePart(PartEdit(index).GetText());
    if (typed != Part(index)) {
        SetPart(index, typed);
    } else {
        Update();  // shows the part again as the plain number
    }
}

bool CDateCtrl::OnPartCommand(int index, int code)
{
    if (code == EN_KILLFOCUS) TakeTypedPart(index);
    if (code == EN_SETFOCUS) PartEdit(index).Send(EM_SETSEL, 0, -1);
    return false;
}

void CDateCtrl::Update()
{
    date_ = UpdateDate(date_, minimum_, maximum_);
    if (Handle() != nullptr) {
        for (int part = 0; part < 3; ++part) {
            const std::string digits = std::to_string(Part(part));
            const std::u16string text(digits.begin(), digits.end());
            if (PartEdit(part).Handle() != nullptr && PartEdit(part).GetText() != text) PartEdit(part).SetText(text);
            if (spins_[part]) spins_[part].SetPos32(Part(part));
        }
    }
    if (notify_ != nullptr && !(date_ == notified_)) {
        notified_ = date_;
        notify_->OnChange(this);
    }
}

bool CDateCtrl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    const win::CWindow* companions[5] = {&monthEdit_, &yearEdit_, &spins_[0], &spins_[1], &spins_[2]};
    if (message == WM_ENABLE) {
        for (const win::CWindow* window : companions) window->Enable(wParam != 0);
        RECT span = {ChildRect(Handle()).left, ChildRect(Handle()).top, 0, 0};
        const TValueRect year = ChildRect(yearEdit_.Handle());
        span.right = year.left + year.width;
        span.bottom = year.top + year.height;
        ::InvalidateRect(GetParent(), &span, TRUE);
    }
    if (message == WM_SHOWWINDOW && lParam == 0) {
        for (const win::CWindow* window : companions) window->Show(wParam != 0);
    }
    return win::CEdit::OnMessage(message, wParam, lParam, result);
}

bool CDateCtrl::OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    return message == WM_COMMAND && OnPartCommand(0, HIWORD(wParam));
}

}  // namespace Halvane::MFC
