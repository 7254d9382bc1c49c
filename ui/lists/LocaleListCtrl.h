#pragma once
// A report list for one name in six languages side by side: column 0 says
// what the name is, columns 1..6 hold German, English, French, Spanish,
// Italian and Polish. A cell is edited in place by an edit laid over it;
// Tab and Shift+Tab walk the editor through the cells.

#include <array>
#include <cstddef>

#include "win/Edit.h"
#include "win/ListCtrl.h"

class CTextManager;

class CLocaleListCtrl : public win::CListCtrl {
public:
    static constexpr int MaxRows = 512;
    static constexpr int Languages = 6;
    static constexpr int EditorId = 48664;
    static constexpr std::size_t TextCapacity = 1024;

    class CLocaleListEdit : public win::CEdit {
    public:
        explicit CLocaleListEdit(CLocaleListCtrl& list) : list_(list) {}
        int row = -1;
        int column = -1;

    protected:
        bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    private:
        CLocaleListCtrl& list_;
    };

    CLocaleListCtrl();

    // The new row's slot, or -1 (empty key, key without text, no free slot,
    // max length below 1, insertion refused).
    int AddRow(const char16_t* key, int maxLength);
    void SetText(int slot, int language, const char16_t* text);
    // The cell's text in the list's own buffer, valid until the next call;
    // null for an unknown slot or language.
    const char16_t* GetText(int slot, int language);
    void ClearTexts();
    void DeleteAllRows();
    // Gives each column the room its heading and its texts need, sharing
    // what is left alike; a grid whose texts need more than its width
    // scrolls sideways rather than cutting them.
    void FitColumnsToTexts();
    const win::CEdit& GetEditor() const { return editor_; }

protected:
    void PreSubclassWindow() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    // The client width the columns share.
    int SharedWidth() const;
    int FindRow(int slot) const;
    int SlotOfRow(int row) const;
    // The part of the client area the rows show in: below the header, from
    // the top row's top.
    RECT RowArea() const;
    void ScrollIntoView(int row, int column);
    // The part of the cell in the rows' area; empty when none of it is.
    RECT ShownPart(int row, int column) const;
    // Lays the open editor over its cell, as far as the cell is in sight;
    // once none of it is, the edit ends.
    void PlaceEditor();
    // Commits the open editor as Tab would; the focus it had goes back to
    // the grid rather than stay with a hidden editor.
    void EndEdit();
    void OpenEditor(int row, int column);
    // Writes the open editor's text into its cell and hides it.
    void CommitEditor();
    void MoveEditor(bool backwards);
    void CopyToAllLanguages(int row, int column);
    bool OnCellClick(LPARAM point, bool copy);

    CLocaleListEdit editor_;
    CTextManager* texts_;
    char16_t buffer_[TextCapacity] = {};
    std::array<int, MaxRows> slots_{};
};
