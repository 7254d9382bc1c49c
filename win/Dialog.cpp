#include "win/Dialog.h"

#include "win/DataExchange.h"

namespace win {

namespace {

HINSTANCE& ResourceModule()
{
    static HINSTANCE module = ::GetModuleHandleW(nullptr);
    return module;
}

bool IsColourMessage(UINT message)
{
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

// Messages whose answer a dialog procedure returns directly instead of
// through DWLP_MSGRESULT.
bool AnswersDirectly(UINT message)
{
    return IsColourMessage(message) || message == WM_INITDIALOG || message == WM_COMPAREITEM ||
           message == WM_VKEYTOITEM || message == WM_CHARTOITEM || message == WM_QUERYDRAGICON;
}

}  // namespace

void CDialog::SetResourceModule(HINSTANCE module) { ResourceModule() = module; }
HINSTANCE CDialog::GetResourceModule() { return ResourceModule(); }

CDialog::~CDialog()
{
    Destroy();
}

void CDialog::Destroy()
{
    if (Handle() != nullptr) ::DestroyWindow(Handle());
}

HWND CDialog::CreateWindowFromTemplate(HWND parent)
{
    if (Handle() != nullptr) return nullptr;
    ended_ = false;
    result_ = 0;
    if (!templateBytes_.empty()) {
        auto* layout = reinterpret_cast<const DLGTEMPLATE*>(templateBytes_.data());
        return ::CreateDialogIndirectParamW(ResourceModule(), layout, parent, &CDialog::DialogProc,
                                            reinterpret_cast<LPARAM>(this));
    }
    if (templateId_ == 0 || ::FindResourceW(ResourceModule(), MAKEINTRESOURCEW(templateId_), RT_DIALOG) == nullptr)
        return nullptr;
    return ::CreateDialogParamW(ResourceModule(), MAKEINTRESOURCEW(templateId_), parent, &CDialog::DialogProc,
                                reinterpret_cast<LPARAM>(this));
}

bool CDialog::Create(HWND parent)
{
    modal_ = false;
    return CreateWindowFromTemplate(parent) != nullptr;
}

INT_PTR CDialog::DoModal(HWND owner)
{
    modal_ = true;
    HWND hwnd = CreateWindowFromTemplate(owner);
    if (hwnd == nullptr) {
        modal_ = false;
        return -1;
    }
    BeginModalState(owner);
    if (!ended_) ::ShowWindow(hwnd, SW_SHOW);
    MSG message{};
    while (!ended_ && ::IsWindow(hwnd)) {
        BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            // WM_QUIT belongs to the outer loop: end the dialog and pass it on.
            ::PostQuitMessage(static_cast<int>(message.wParam));
            if (!ended_) result_ = IDCANCEL;
            break;
        }
        if (got == -1) break;
        if (PreTranslateMessage(message)) continue;
        if (!::IsDialogMessageW(hwnd, &message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
    EndModalState(owner);
    Destroy();
    modal_ = false;
    return result_;
}

void CDialog::BeginModalState(HWND owner)
{
    ownerDisabled_ = owner != nullptr && ::IsWindowEnabled(owner);
    if (ownerDisabled_) ::EnableWindow(owner, FALSE);
}

void CDialog::EndModalState(HWND owner)
{
    if (ownerDisabled_) ::EnableWindow(owner, TRUE);
    ownerDisabled_ = false;
    if (owner != nullptr && Handle() != nullptr && ::GetActiveWindow() == Handle()) ::SetActiveWindow(owner);
}

void CDialog::EndDialog(INT_PTR result)
{
    result_ = result;
    ended_ = true;
    if (Handle() == nullptr) return;
    if (modal_) {
        ::ShowWindow(Handle(), SW_HIDE);
        // Wakes the modal loop even when the call came from elsewhere.
        Post(WM_NULL);
    } else if ((GetStyle() & WS_CHILD) == 0) {
        ::ShowWindow(Handle(), SW_HIDE);
    }
}

bool CDialog::UpdateData(bool save)
{
    if (Handle() == nullptr) return false;
    bool wasExchanging = exchanging_;
    exchanging_ = true;
    CDataExchange exchange(*this, save);
    DoDataExchange(exchange);
    exchanging_ = wasExchanging;
    return !exchange.Failed();
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(false);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(true)) EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

bool CDialog::DispatchCommand(WPARAM wParam, LPARAM lParam)
{
    int id = LOWORD(wParam);
    int code = HIWORD(wParam);
    HWND control = reinterpret_cast<HWND>(lParam);
    if (OnCommand(id, code, control)) return true;
    if (code != BN_CLICKED && control != nullptr) return false;
    if (id == IDOK) {
        OnOK();
        return true;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}

bool CDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (CWindow::OnMessage(message, wParam, lParam, result)) return true;
    switch (message) {
    case WM_INITDIALOG:
        result = OnInitDialog();
        return true;
    case WM_COMMAND:
        return DispatchCommand(wParam, lParam);
    case WM_NOTIFY:
        return lParam != 0 && OnNotify(*reinterpret_cast<const NMHDR*>(lParam), result);
    case WM_ERASEBKGND:
        result = OnEraseBackground(reinterpret_cast<HDC>(wParam)) ? TRUE : FALSE;
        return result != FALSE;
    case WM_DESTROY:
        OnDestroy();
        return false;
    default:
        break;
    }
    if (IsColourMessage(message)) {
        HBRUSH brush = OnCtlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), message);
        result = reinterpret_cast<LRESULT>(brush);
        return brush != nullptr;
    }
    return false;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWindow* window = FromHandle(hwnd);
    if (window == nullptr && message == WM_INITDIALOG) {
        window = reinterpret_cast<CDialog*>(lParam);
        static_cast<CDialog*>(window)->BindHandle(hwnd);
    }
    auto* self = static_cast<CDialog*>(window);
    if (self == nullptr) return FALSE;
    if (message == WM_NCDESTROY) {
        self->UnbindHandle();
        return FALSE;
    }
    LRESULT result = 0;
    if (!self->OnMessage(message, wParam, lParam, result)) return FALSE;
    if (AnswersDirectly(message)) return static_cast<INT_PTR>(result);
    ::SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, result);
    return TRUE;
}

}  // namespace win
