#include "ui/controls/CheckGroupCtrl.h"

namespace Halvane::MFC {

void CCheckGroupCtrl::SetCheck(int index, bool checked)
{
    if (index < 0 || index >= GetCount()) return;
    const bool shown = ((static_cast<unsigned>(LastValue()) >> index) & 1u) != 0;
    if (shown == checked) return;
    SetChecked(index, checked);
    Recompute();
}

int CCheckGroupCtrl::ComputeValue() const
{
    unsigned mask = 0;
    for (int i = 0; i < GetCount(); ++i) {
        if (IsChecked(i)) mask |= 1u << i;
    }
    return static_cast<int>(mask);
}

}  // namespace Halvane::MFC
