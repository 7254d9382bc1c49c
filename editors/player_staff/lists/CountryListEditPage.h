#pragma once
// A country page that lists records with New, Edit and Delete buttons: a
// double click edits, a click on a column header sorts, a right click opens
// a menu of the three buttons.

#include "editors/country_club/country/CountryHostedPages.h"

class CCountryListEditPage : public CCountryListPage {
public:
    struct TControls {
        int list;
        int newButton;
        int editButton;
        int deleteButton;
    };

    CCountryListEditPage(UINT templateId, HWND parent, TControls controls);

protected:
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    virtual void TrackListMenu(HMENU menu) { TrackContextMenu(menu); }

    virtual void NewEntry() = 0;
    virtual void EditSelected() = 0;
    virtual void DeleteSelected() = 0;
    virtual void SortByColumn(int column) = 0;
    virtual bool HasSelection() const = 0;

private:
    void ShowListMenu();

    TControls controls_;
};
