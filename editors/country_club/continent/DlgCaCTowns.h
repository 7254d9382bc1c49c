#pragma once
// The towns offered by the game's create-a-club feature: per country each
// town with the club that would be founded there, its colour and an
// optional position. The list lives in its own file beside the database;
// load, save as and merge work through the list's context menu.

#include <string>

#include "core/text/TextKey.h"
#include "editors/country_club/model/continent/TownEditor.h"
#include "ui/base/DialogB.h"
#include "ui/lists/HVListCtrl.h"
#include "ui/controls/SelectColour.h"
#include "ui/controls/SpinEditCtrl.h"
#include "win/ComboBox.h"
#include "win/Edit.h"

class CDlgCaCTowns : public CDialogB, public Halvane::MFC::CHVListCtrl::ISortTypeCompare {
public:
    CDlgCaCTowns(HWND parent, int countryId);
    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.CaCTowns"; }
    int Compare(int sortType, LPARAM item1, LPARAM item2) override;
    TownEditor& GetEditor() { return editor_; }
    Halvane::MFC::CHVListCtrl& GetList() { return list_; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override { Close(); }
    void OnCancel() override { Close(); }
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    // The file dialogs; an empty path when the user cancelled.
    virtual std::u16string ChooseFile(bool open, TextKey title);

private:
    void SetUpControls();
    void FillList();
    void SelectRow(int row);
    int RowOfTown(int town) const;
    void RefreshRow(int town);
    void ShowTown();
    void ShowExamples();
    void NextArticle();
    void NextPhrase();
    void EnableDetails(bool enable);
    void EnablePosition(bool enable);
    TownControls ReadControls();
    void StoreTown();
    void OnItemChanged(const NMLISTVIEW& change);
    void OnContextMenu();
    void NewTown();
    void DeleteTown();
    void LoadFile();
    void SaveFile();
    void SaveFileAs();
    void MergeFile();
    void ChangeCountry();
    // Asks about unsaved changes; true when the caller may go on.
    bool SettleChanges();
    void ShowWriteError(const std::u16string& path) const;
    void Close();

    int country_;
    TownEditor editor_;
    Halvane::MFC::CHVListCtrl list_;
    win::CComboBox countryCombo_;
    win::CComboBox northSouth_;
    win::CComboBox eastWest_;
    win::CComboBox language_;
    CSelectColour colour_;
    win::CEdit edits_[4];
    Halvane::MFC::CSpinEditCtrl spins_[4];
    bool filling_ = false;
};
