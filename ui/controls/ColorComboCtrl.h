#pragma once
// An owner-drawn combo box whose items carry up to three colours, shown as
// a swatch of bands in front of the text, and a user value. With the sort
// style the items stand in the collated order of their texts.

#include <cstdint>
#include <string>

#include "win/ComboBox.h"

namespace Halvane::MFC {

class CColorComboCtrl : public win::CComboBox {
public:
    static constexpr std::size_t ItemTextMax = 63;
    static constexpr int ItemHeight = 14;

    int AddItem(const char16_t* text);
    int AddItem(const char16_t* text, COLORREF c1);
    int AddItem(const char16_t* text, COLORREF c1, COLORREF c2);
    int AddItem(const char16_t* text, COLORREF c1, COLORREF c2, COLORREF c3);
    std::uint32_t GetItemValue(int item) const;
    int SetItemValue(int item, std::uint32_t value) const;
    int GetItemColourCount(int item) const;
    COLORREF GetItemColour(int item, int index) const;
    bool SelectColour(COLORREF colour) const;

protected:
    void PreSubclassWindow() override;
    bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    struct TColourRecord {
        COLORREF colours[3];
        std::uint32_t count;
        std::uint32_t value;
    };
    int AddRecord(const char16_t* text, const TColourRecord& record);
    // Takes the record on success; -1 when the text is null or the combo refuses.
    int Insert(const char16_t* text, TColourRecord* record);
    // The index a new item goes to under the sort style; -1 for the end.
    int SortedPosition(const std::u16string& text, const TColourRecord* record) const;
    TColourRecord* Record(int item) const;
    void DrawItem(const DRAWITEMSTRUCT& draw) const;
};

}  // namespace Halvane::MFC
