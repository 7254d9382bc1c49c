#pragma once
#include "win/FileDialog.h"

// The library's file dialog, kept under the name the dialogs know.
class CMyFileDialog : public win::CFileDialog {
public:
    using win::CFileDialog::CFileDialog;
};
