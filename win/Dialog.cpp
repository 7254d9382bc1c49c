#include "win/Dialog.h"

#include "win/DataExchange.h"
#include "win/HandlerGuard.h"

#include <vector>

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

// The modal dialogs running on this thread, innermost last, and the message
// filter installed while there is one.
thread_local std::vector<CDialog*> modalDialogs;
thread_local HHOOK modalFilterHook = nullptr;

}  // namespace

class CDialog::CModalFilter {
public:
    explicit CModalFilter(CDialog& dialog)
    {
        if (modalDialogs.empty()) {
            modalFilterHook = ::SetWindowsHookExW(WH_MSGFILTER, &CDialog::ModalMessageFilter, nullptr,
                                                  ::GetCurrentThreadId());
        }
        modalDialogs.push_back(&dialog);
    }
    ~CModalFilter()
    {
        modalDialogs.pop_back();
        if (modalDialogs.empty() && modalFilterHook != nullptr) {
            ::UnhookWindowsHookEx(modalFilterHook);
            modalFilterHook = nullptr;
        }
    }
    CModalFilter(const CModalFilter&) = delete;
    CModalFilter& operator=(const CModalFilter&) = delete;
};

LRESULT CALLBACK CDialog::ModalMessageFilter(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == MSGF_DIALOGBOX && !modalDialogs.empty()) {
        CDialog* dialog = modalDialogs.back();
        MSG& message = *reinterpret_cast<MSG*>(lParam);
        // Only messages of the dialog itself: a message box it shows keeps its keys.
        const HWND window = dialog->Handle();
        const bool own = window != nullptr && (message.hwnd == window || ::IsChild(window, message.hwnd));
        if (own && RunGuarded([&] { return dialog->PreTranslateMessage(message); })) return 1;
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void CDialog::SetResourceModule(HINSTANCE module) { ResourceModule() = module; }
HINSTANCE CDialog::GetResourceModule() { return ResourceModule(); }

CDialog::~CDialog()
{
    HWND window = Handle();
    if (window == nullptr) return;
    // The derived parts are gone: no handler may run on them, and their
    // destroy handling cannot, so the window ends unbound.
    ::OutputDebugStringW(L"Dialog object destroyed while its window was open: derived destroy handling skipped\n");
    UnbindHandle();
    ::DestroyWindow(window);
}

void CDialog::Destroy()
{
    if (Handle() != nullptr) ::DestroyWindow(Handle());
}

bool CDialog::HasTemplate() const
{
    return !templateBytes_.empty() ||
           (templateId_ != 0 && ::FindResourceW(ResourceModule(), MAKEINTRESOURCEW(templateId_), RT_DIALOG) != nullptr);
}

bool CDialog::Create(HWND parent)
{
    if (Handle() != nullptr || !HasTemplate()) return false;
    modal_ = false;
    ended_ = false;
    result_ = 0;
    auto self = reinterpret_cast<LPARAM>(this);
    auto* layout = reinterpret_cast<const DLGTEMPLATE*>(templateBytes_.data());
    HWND window = templateBytes_.empty()
                      ? ::CreateDialogParamW(ResourceModule(), MAKEINTRESOURCEW(templateId_), parent, &DialogProc, self)
                      : ::CreateDialogIndirectParamW(ResourceModule(), layout, parent, &DialogProc, self);
    return window != nullptr;
}

INT_PTR CDialog::DoModal(HWND owner)
{
    if (Handle() != nullptr || !HasTemplate()) return -1;
    modal_ = true;
    ended_ = false;
    result_ = 0;
    // The system's loop re-enables the owner before it hides the dialog, so
    // that the owner, not some other window, becomes active again.
    auto self = reinterpret_cast<LPARAM>(this);
    auto* layout = reinterpret_cast<const DLGTEMPLATE*>(templateBytes_.data());
    const CModalFilter filter(*this);
    INT_PTR answer = templateBytes_.empty()
                         ? ::DialogBoxParamW(ResourceModule(), MAKEINTRESOURCEW(templateId_), owner, &DialogProc, self)
                         : ::DialogBoxIndirectParamW(ResourceModule(), layout, owner, &DialogProc, self);
    modal_ = false;
    // A quit message ends the loop without a result: that is a cancel.
    if (answer != -1 && !ended_) answer = IDCANCEL;
    return answer;
}

void CDialog::EndDialog(INT_PTR result)
{
    result_ = result;
    ended_ = true;
    if (Handle() == nullptr) return;
    if (modal_) {
        ::EndDialog(Handle(), result);
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
        auto* created = reinterpret_cast<CDialog*>(lParam);
        created->BindHandle(hwnd);
        window = created;
    }
    auto* self = dynamic_cast<CDialog*>(window);
    if (self == nullptr) return FALSE;
    LRESULT result = 0;
    const bool handled = RunGuarded([&] { return self->OnMessage(message, wParam, lParam, result); });
    if (message == WM_DESTROY || message == WM_NCDESTROY) {
        // Nothing reaches the object after its destroy handling, not even
        // the notifications of the children that die after it.
        self->UnbindHandle();
        return FALSE;
    }
    if (!handled) return FALSE;
    if (AnswersDirectly(message)) return static_cast<INT_PTR>(result);
    ::SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, result);
    return TRUE;
}

}  // namespace win
