#pragma once
// A date in three edits (day, month, year) with an up-down each; the day
// edit is the control itself and builds the other four windows beside it.

#include <cstdint>

#include "tools/ValueText.h"
#include "ui/base/ChangeNotify.h"
#include "win/Edit.h"
#include "win/SpinButtonCtrl.h"

namespace Halvane::MFC {

class CDateCtrl : public win::CEdit {
public:
    static constexpr int PartId = 31244;
    static constexpr int SpinId = 30005;

    class CDateCtrlEdit : public win::CEdit {
    public:
        CDateCtrlEdit(CDateCtrl& owner, int part) : owner_(owner), part_(part) {}

    protected:
        bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    private:
        CDateCtrl& owner_;
        int part_;
    };

    class CDateCtrlSpinCtrl : public win::CSpinButtonCtrl {
    public:
        CDateCtrlSpinCtrl(CDateCtrl& owner, int part) : owner_(owner), part_(part) {}

    protected:
        bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    private:
        CDateCtrl& owner_;
        int part_;
    };

    CDateCtrl();

    void SetNotify(IChangeNotify* notify) { notify_ = notify; }
    IChangeNotify* GetNotify() const { return notify_; }
    void SetDate(int year, int month, int day);
    void SetDay(int day) { SetPart(0, day); }
    void SetMonth(int month) { SetPart(1, month); }
    void SetYear(int year) { SetPart(2, year); }
    int GetDay() { return GetPart(0); }
    int GetMonth() { return GetPart(1); }
    int GetYear() { return GetPart(2); }
    int GetPart(int index);
    void SetPart(int index, int value);
    void SetMinDate(int year, int month, int day);
    void SetMaxDate(int year, int month, int day);

protected:
    void PreSubclassWindow() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    friend class CDateCtrlEdit;
    friend class CDateCtrlSpinCtrl;
    int& Part(int index);
    const win::CWindow& PartEdit(int index) const;
    // Parses the edit's text into its part, as when it loses the focus.
    void TakeTypedPart(int index);
    bool OnPartCommand(int index, int code);
    void Update();

    CDateCtrlEdit monthEdit_;
    CDateCtrlEdit yearEdit_;
    CDateCtrlSpinCtrl spins_[3];
    TDateParts date_;
    TDateParts notified_{-1, -1, -1};
    std::int32_t minimum_;
    std::int32_t maximum_;
    IChangeNotify* notify_ = nullptr;
};

}  // namespace Halvane::MFC
