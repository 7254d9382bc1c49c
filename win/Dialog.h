#pragma once
// A dialog from a template resource: modal through the system's own dialog
// loop (which works on any thread, also with an owner that belongs to
// another thread, and hands activation back to the owner), or modeless,
// e.g. as a child page inside a frame.
//
// Destroy handling (OnDestroy) runs when the window is destroyed; no
// handler of the object runs after it. A class whose object may die while
// its window is still open, and that handles the destruction itself, ends
// the window in its own destructor (Destroy): the base destructor can only
// destroy the window without handlers, since the derived parts are gone.

#include <windows.h>

#include <vector>

#include "win/Window.h"

namespace win {

class CDataExchange;

class CDialog : public CWindow {
public:
    explicit CDialog(UINT templateId = 0) : templateId_(templateId) {}
    ~CDialog() override;

    // Runs the dialog modally and returns the value given to EndDialog, or
    // -1 when the template does not exist or the window cannot be created.
    // The owner is disabled while the dialog runs.
    INT_PTR DoModal(HWND owner = nullptr);
    // Creates the dialog modeless (a page when the template has WS_CHILD).
    bool Create(HWND parent);
    // Uses a template held in memory in place of the resource.
    void SetTemplate(std::vector<BYTE> templateBytes) { templateBytes_ = std::move(templateBytes); }
    UINT GetTemplateId() const { return templateId_; }
    void Destroy();

    void EndDialog(INT_PTR result);
    bool IsEnded() const { return ended_; }
    INT_PTR GetResult() const { return result_; }

    // Moves values between the controls and the members; false when a
    // value could not be taken. While it runs IsExchanging() is true, so
    // change handlers can tell the exchange from the user.
    bool UpdateData(bool save);
    bool IsExchanging() const { return exchanging_; }

    // The module whose resources hold the templates (the executable by default).
    static void SetResourceModule(HINSTANCE module);
    static HINSTANCE GetResourceModule();

protected:
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange& exchange) {}
    // Commands other than OK and Cancel; true when handled.
    virtual bool OnCommand(int id, int code, HWND control) { return false; }
    virtual bool OnNotify(const NMHDR& header, LRESULT& result) { return false; }
    // A brush answers the request; null leaves it to the default handling.
    virtual HBRUSH OnCtlColor(HDC dc, HWND control, UINT message) { return nullptr; }
    // True when the background was painted.
    virtual bool OnEraseBackground(HDC dc) { return false; }
    virtual void OnDestroy() {}
    // Sees every message of the modal loop first (accelerators); true when
    // it handled the message, which then goes no further.
    virtual bool PreTranslateMessage(MSG& message) { return false; }

    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    class CModalFilter;

    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // The system's modal loop offers every message to the thread's message
    // filter first: the innermost modal dialog pre-translates its own.
    static LRESULT CALLBACK ModalMessageFilter(int code, WPARAM wParam, LPARAM lParam);
    bool HasTemplate() const;
    bool DispatchCommand(WPARAM wParam, LPARAM lParam);

    UINT templateId_ = 0;
    std::vector<BYTE> templateBytes_;
    bool modal_ = false;
    bool ended_ = false;
    bool exchanging_ = false;
    INT_PTR result_ = 0;
};

}  // namespace win
