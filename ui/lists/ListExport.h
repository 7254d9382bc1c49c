#pragma once
// Saving a report list to a file: tab-separated text (type 1), text in
// aligned columns (type 2), both as the list's UTF-16 without byte-order
// mark, or XML in UTF-8 (type 3).

#include <cstdint>
#include <string>

#include "win/ListCtrl.h"

enum ListExportType { ListExportTabs = 1, ListExportColumns = 2, ListExportXml = 3 };

// The file's bytes; empty for an unknown type.
std::string BuildListExport(const win::CListCtrl& list, const char16_t* title, int type);
// Writes the file whole or not at all; a failure is reported to the user.
bool WriteListExport(const win::CListCtrl& list, const char16_t* title, int type, const std::u16string& path);
// Asks for the file and its type, then writes it; false on cancel or failure.
bool ExportListCtrlToFile(const win::CListCtrl& list, const char16_t* title);
