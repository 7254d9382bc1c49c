#pragma once
// The sort column and direction of a sortable list: a click on the sort
// column's header reverses the direction, a click on another column sorts
// by it ascending.

struct ListSortState {
    int column = 0;
    bool ascending = true;

    void ClickHeader(int clicked)
    {
        if (clicked == column) {
            ascending = !ascending;
            return;
        }
        column = clicked;
        ascending = true;
    }
    // A comparison result turned for the direction.
    int Directed(int result) const { return ascending ? result : -result; }
};
