#pragma once
// A read-only edit with an up-down that steps through a fixed list of
// texts; the value is the chosen text's position in the list.

#include <cstdint>
#include <string>
#include <vector>

#include "win/Edit.h"
#include "win/SpinButtonCtrl.h"

namespace Halvane::MFC {

class CDomainCtrl : public win::CEdit {
public:
    static constexpr int SpinId = 30004;
    static constexpr std::size_t EntryTextMax = 59;

    class CDomainCtrlSpinCtrl : public win::CSpinButtonCtrl {
    public:
        explicit CDomainCtrlSpinCtrl(CDomainCtrl& owner) : owner_(owner) {}

    protected:
        bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    private:
        CDomainCtrl& owner_;
    };

    CDomainCtrl() : spin_(*this) {}

    // texts: a list ended by a null entry; null or empty keeps the text shown.
    void SetTexts(const char16_t* const* texts);
    int GetValue() const;
    void SetValue(int value);
    const win::CSpinButtonCtrl& GetSpin() const { return spin_; }

protected:
    void PreSubclassWindow() override;

private:
    struct TEntry {
        std::u16string text;
        std::int32_t value;
    };
    void MoveBy(int delta);
    void ShowEntry(int index);

    CDomainCtrlSpinCtrl spin_;
    std::vector<TEntry> entries_;
};

}  // namespace Halvane::MFC
