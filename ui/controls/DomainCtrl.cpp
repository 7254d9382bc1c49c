#include "ui/controls/DomainCtrl.h"

#include <algorithm>

#include "ui/controls/ValueControlWindows.h"

namespace Halvane::MFC {

bool CDomainCtrl::CDomainCtrlSpinCtrl::OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (message != WM_NOTIFY || header->code != UDN_DELTAPOS) return false;
    owner_.MoveBy(reinterpret_cast<const NMUPDOWN*>(lParam)->iDelta);
    // The spin keeps its own position in step with the entry shown.
    result = 1;
    return true;
}

void CDomainCtrl::PreSubclassWindow()
{
    Send(EM_SETREADONLY, TRUE);
    spin_.Attach(CreateBuddySpin(Handle(), SpinId));
    spin_.SetRange32(0, 0);
}

void CDomainCtrl::SetTexts(const char16_t* const* texts)
{
    entries_.clear();
    for (int i = 0; texts != nullptr && texts[i] != nullptr; ++i) {
        entries_.push_back({std::u16string(texts[i]).substr(0, EntryTextMax), i});
    }
    spin_.SetRange32(0, entries_.empty() ? 0 : static_cast<int>(entries_.size()) - 1);
    spin_.SetPos32(0);
    if (!entries_.empty()) ShowEntry(0);
}

int CDomainCtrl::GetValue() const
{
    const int position = spin_.GetPos32();
    if (position < 0 || position >= static_cast<int>(entries_.size())) return 0;
    return entries_[static_cast<std::size_t>(position)].value;
}

void CDomainCtrl::SetValue(int value)
{
    const auto found = std::find_if(entries_.begin(), entries_.end(), [value](const TEntry& entry) { return entry.value == value; });
    if (found == entries_.end()) return;
    const int index = static_cast<int>(found - entries_.begin());
    spin_.SetPos32(index);
    ShowEntry(index);
}

void CDomainCtrl::MoveBy(int delta)
{
    if (entries_.empty()) return;
    const int position = spin_.GetPos32();
    const int last = static_cast<int>(entries_.size()) - 1;
    const int next = static_cast<int>(std::clamp<std::int64_t>(static_cast<std::int64_t>(position) + delta, 0, last));
    if (next == position) return;
    spin_.SetPos32(next);
    ShowEntry(next);
}

void CDomainCtrl::ShowEntry(int index)
{
    SetText(entries_[static_cast<std::size_t>(index)].text);
}

}  // namespace Halvane::MFC
