#pragma once
// The save dialog of the list export: its default extension follows the
// chosen file type.

#include "win/FileDialog.h"

class CListCtrlFileDialog : public win::CFileDialog {
public:
    CListCtrlFileDialog(const char16_t* filter, HWND owner);
    static const char16_t* ExtensionForType(int type);
};
