#pragma once
// An owner-drawn combo box of named colours: each item shows a swatch of
// one colour, or of two side by side, before its name.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "win/ComboBox.h"

class CTabbedConfig;
class CTeamColourTextFile;

class CSelectColour : public win::CComboBox {
public:
    struct ColourRecord {
        std::uint32_t value;
        COLORREF colour1;
        COLORREF colour2;
        bool twoColours;
    };
    struct Row {
        std::uint32_t value;
        std::u16string name;
        COLORREF colour1;
        COLORREF colour2;
        bool twoColours;
    };

    // With numbers, filled rows read "01 - name".
    void SetShowNumbers(bool show) { showNumbers_ = show; }
    // One item per row; the row whose value equals selected is selected.
    void FillFromRows(const std::vector<Row>& rows, std::uint32_t selected);
    // One item per table row: its name in the database language, its
    // colours read as hexadecimal from the given columns (second -1: one
    // colour), its id as value.
    void FillFromTable(const CTabbedConfig& table, std::uint32_t selectedId, int colourColumn, int secondColumn);
    // One item per entry of a team colour list, valued by its index; mode 1
    // shows the entry's two colours, any other mode its first.
    void FillFromColourList(const CTeamColourTextFile& list, std::uint32_t selected, int mode);
    // Index of the new item or -1.
    int AddColour(const char16_t* name, const ColourRecord& record);
    std::uint32_t GetItemValue(int item) const;
    std::uint32_t GetSelectedValue(std::uint32_t defaultValue) const;
    bool SelectByValue(std::uint32_t value) const;

    // The stored colour 0xRRGGBB as a GDI colour.
    static COLORREF FromRgb(std::uint32_t rgb);

protected:
    bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    const ColourRecord* Record(int item) const;
    void DrawItem(const DRAWITEMSTRUCT& item) const;

    bool showNumbers_ = false;
    std::vector<std::unique_ptr<ColourRecord>> records_;
};
