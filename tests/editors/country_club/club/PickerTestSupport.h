#pragma once
// The club and stadium pickers answered as a user would: the rows of their
// two lists and a click on the row holding an id.

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace picker_test {

// The item data of every row of a list box of the dialog.
inline std::vector<LPARAM> ListData(HWND dialog, int id)
{
    std::vector<LPARAM> data;
    const int count = static_cast<int>(::SendDlgItemMessageW(dialog, id, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) data.push_back(::SendDlgItemMessageW(dialog, id, LB_GETITEMDATA, static_cast<WPARAM>(i), 0));
    return data;
}

// Selects the row with the data and tells the dialog, as a click would.
inline void SelectRow(HWND dialog, int id, LPARAM data)
{
    const std::vector<LPARAM> rows = ListData(dialog, id);
    const auto found = std::find(rows.begin(), rows.end(), data);
    ASSERT_NE(found, rows.end()) << "no row " << data << " in list " << id;
    ::SendDlgItemMessageW(dialog, id, LB_SETCURSEL, static_cast<WPARAM>(found - rows.begin()), 0);
    ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

}  // namespace picker_test
