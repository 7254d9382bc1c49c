#include "ui/controls/ButtonGroupCtrl.h"

#include "tools/ValueText.h"
#include "ui/controls/ValueControlWindows.h"
#include "win/WideText.h"

namespace Halvane::MFC {

bool CButtonGroupCtrl::CGroupButton::OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return false;
    group_.Recompute();
    return true;
}

bool CButtonGroupCtrl::CreateButtons(const char16_t* const* texts, int count, int columns)
{
    if (texts == nullptr || texts[0] == nullptr || texts[0][0] == 0 || count < 1 || columns < 1) return false;
    if (Handle() == nullptr || GetParent() == nullptr || !buttons_.empty()) return false;
    const auto rects = LayoutGroupButtons(ChildRect(Handle()), count, columns, maxButtons_);
    HWND after = Handle();
    for (std::size_t i = 0; i < rects.size() && texts[i] != nullptr; ++i) {
        const DWORD style = buttonStyle_ | WS_VISIBLE | WS_TABSTOP | (i == 0 ? WS_GROUP : 0);
        auto button = std::make_unique<CGroupButton>(*this);
        button->Attach(CreateCompanion(GetParent(), L"BUTTON", style, 0, GetId(), rects[i], win::W(texts[i])));
        button->Send(WM_SETFONT, reinterpret_cast<WPARAM>(GetFont()), FALSE);
        PlaceAfter(button->Handle(), after);
        after = button->Handle();
        buttons_.push_back(std::move(button));
    }
    return true;
}

bool CButtonGroupCtrl::IsChecked(int index) const
{
    return index >= 0 && index < GetCount() && buttons_[static_cast<std::size_t>(index)]->GetCheck() == BST_CHECKED;
}

void CButtonGroupCtrl::SetChecked(int index, bool checked) const
{
    if (index >= 0 && index < GetCount())
        buttons_[static_cast<std::size_t>(index)]->SetCheck(checked ? BST_CHECKED : BST_UNCHECKED);
}

void CButtonGroupCtrl::Recompute()
{
    const int value = ComputeValue();
    const bool changed = value != lastValue_;
    lastValue_ = value;
    if (changed && notify_ != nullptr) notify_->OnChange(this);
}

}  // namespace Halvane::MFC
