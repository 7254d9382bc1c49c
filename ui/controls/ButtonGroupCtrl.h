#pragma once
// A static placeholder replaced by a grid of check boxes or option buttons
// created beside it; the group recomputes its value on every click.

#include <memory>
#include <vector>

#include "ui/base/ChangeNotify.h"
#include "win/Button.h"
#include "win/Static.h"

namespace Halvane::MFC {

class CButtonGroupCtrl : public win::CStatic {
public:
    class CGroupButton : public win::CButton {
    public:
        explicit CGroupButton(CButtonGroupCtrl& group) : group_(group) {}

    protected:
        bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    private:
        CButtonGroupCtrl& group_;
    };

    void SetNotify(IChangeNotify* notify) { notify_ = notify; }
    IChangeNotify* GetNotify() const { return notify_; }
    int GetCount() const { return static_cast<int>(buttons_.size()); }

protected:
    CButtonGroupCtrl(DWORD buttonStyle, int maxButtons, int firstValue)
        : buttonStyle_(buttonStyle), maxButtons_(maxButtons), lastValue_(firstValue)
    {
    }
    bool CreateButtons(const char16_t* const* texts, int count, int columns);
    bool IsChecked(int index) const;
    void SetChecked(int index, bool checked) const;
    // The value the boxes show now.
    virtual int ComputeValue() const = 0;
    // Takes the shown value; notifies when it differs from the last one.
    void Recompute();
    int LastValue() const { return lastValue_; }

private:
    DWORD buttonStyle_;
    int maxButtons_;
    int lastValue_;
    std::vector<std::unique_ptr<CGroupButton>> buttons_;
    IChangeNotify* notify_ = nullptr;
};

}  // namespace Halvane::MFC
