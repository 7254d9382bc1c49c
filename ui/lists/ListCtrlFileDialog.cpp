#include "ui/lists/ListCtrlFileDialog.h"

#include "ui/lists/ListExport.h"

CListCtrlFileDialog::CListCtrlFileDialog(const char16_t* filter, HWND owner)
    : win::CFileDialog(false, u"txt", filter, OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST,
                       owner)
{
    OnTypeChange([](int type) { return std::u16string(ExtensionForType(type)); });
}

const char16_t* CListCtrlFileDialog::ExtensionForType(int type)
{
    return type == ListExportXml ? u"xml" : u"txt";
}
