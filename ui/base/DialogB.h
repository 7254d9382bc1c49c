#pragma once
// Base of the editor's own dialogs: paints the skin behind dialog and
// controls (each static gets it afresh whenever it paints), draws statics,
// check boxes and radio buttons transparent, puts the popup prefix before
// popup captions, keeps child pages open on Enter and Escape, and offers
// the fillers of combo and list boxes and the context-menu helpers.

#include <cstdint>

#include "database/world/Date.h"
#include "ui/base/HVDialog.h"
#include "win/Button.h"
#include "win/ComboBox.h"
#include "win/ListBox.h"
#include "win/ListCtrl.h"
#include "win/Menu.h"

class CSelectColour;
class CTeamColourTextFile;
namespace Halvane::MFC {
class CDateCtrl;
}

class CDialogB : public Halvane::MFC::CHVDialog {
public:
    static constexpr std::size_t CaptionCapacity = 256;
    static constexpr std::size_t MenuTextCapacity = 128;

    struct KeyValue {
        const char16_t* key;
        std::uint32_t value;
    };

    explicit CDialogB(UINT templateId, HWND parent = nullptr);

    void ApplyPopupPrefix(const char16_t* caption);
    virtual BOOL DrawBackground(HDC dc);
    // Paints the skin that lies under a window's client area.
    static BOOL PaintBackgroundUnder(HWND window, HDC dc);
    // The same for part of the window's client area.
    static BOOL PaintBackgroundRect(HWND window, HDC dc, const RECT& area);

    static int AddComboItem(const win::CComboBox& combo, const char16_t* text, LPARAM value);
    static void SelectComboByData(const win::CComboBox& combo, LPARAM value);
    static LPARAM GetComboSelData(const win::CComboBox& combo, LPARAM defaultValue);
    void FillComboFromKeys(const win::CComboBox& combo, const char16_t* const* keys, int selected);
    static void FillComboFromStrings(const win::CComboBox& combo, const char16_t* const* texts, int selected);
    void FillComboFromKeyTable(const win::CComboBox& combo, const KeyValue* pairs, std::uint32_t selected);
    static const char16_t* GetComboKeyBySelData(const win::CComboBox& combo, const KeyValue* pairs,
                                                std::uint32_t defaultValue);
    // The language names 0..62; index 0 only with withFirst.
    void FillLanguageCombo(const win::CComboBox& combo, int selected, bool withFirst);
    void FillCountryCombo(const win::CComboBox& combo, std::int32_t selected, int mode);
    void FillCountryList(const win::CListBox& list, std::int32_t selected, int mode);
    // The colour list's entries by name and first colour (both colours with
    // twoColours), valued by their index.
    static void FillColourCombo(CSelectColour& combo, const CTeamColourTextFile& list, std::uint32_t selected,
                                bool twoColours);
    // "Common.NotAvailable" (0), then the generic stadiums by their numbers.
    void FillStadiumListCombo(const win::CComboBox& combo);
    static TDate GetDateCtrlValue(Halvane::MFC::CDateCtrl& control);
    // A date that is not set shows the fallback.
    static void SetDateCtrlValue(Halvane::MFC::CDateCtrl& control, TDate date, TDate fallback);
    static bool IsButtonChecked(const win::CButton& button);
    static void SetButtonChecked(const win::CButton& button, bool on);

    bool AppendControlToMenu(HMENU menu, int controlId, bool enabled);
    HMENU GetListBoxContextMenu(const win::CListBox& list, UINT menuId, int index);
    HMENU GetListCtrlContextMenu(const win::CListCtrl& list, UINT menuId, int index);
    HMENU ShowListCtrlContextMenu(const win::CListCtrl& list, UINT menuId, int index);
    void TrackContextMenu(HMENU menu);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT message) override;
    bool OnEraseBackground(HDC dc) override { return DrawBackground(dc) != FALSE; }

private:
    bool IsChildPage() const { return (GetStyle() & WS_CHILD) != 0; }

    win::CMenu contextMenu_;
};
