#include "ui/controls/OptionGroupCtrl.h"

namespace Halvane::MFC {

void COptionGroupCtrl::SetSelection(int index)
{
    if (index < 0 || index >= GetCount() || index == LastValue()) return;
    for (int i = 0; i < GetCount(); ++i) SetChecked(i, i == index);
    Recompute();
}

int COptionGroupCtrl::ComputeValue() const
{
    for (int i = 0; i < GetCount(); ++i) {
        if (IsChecked(i)) return i;
    }
    return -1;
}

}  // namespace Halvane::MFC
