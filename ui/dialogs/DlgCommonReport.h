#pragma once
// The report window: runs a producer on a worker thread and shows what it
// reports, live, as a tree of categorised entries with a description pane,
// a progress bar and, once the producer has finished, the count line. The
// producer changes the report model (under the model's short lock); the
// model's journal is mirrored into the tree here, in batches, whenever the
// one change message arrives. DoModal returns only after the worker ended,
// whatever ended the window; a producer that fails ends the window.

#include <unordered_map>

#include "tools/report/ReportModel.h"
#include "ui/base/DialogB.h"
#include "ui/base/DialogWorker.h"
#include "win/ProgressCtrl.h"
#include "win/TreeCtrl.h"

class CDlgCommonReport : public CDialogB {
public:
    static constexpr UINT WorkerFinishedMessage = WM_USER + 7;
    static constexpr UINT ChangesMessage = WM_USER + 8;
    static constexpr int MinimumWindowSize = 300;

    explicit CDlgCommonReport(ICommonReportHandler& handler, HWND parent = nullptr);
    ~CDlgCommonReport() override;

    const char16_t* GetTextKeyPrefix() const override { return u"Dialog.CommonReport"; }
    CReportModel& Report() { return report_; }
    int GetSplitPercent() const { return split_; }
    bool IsWorkerRunning() const { return worker_.IsRunning(); }

    // Writes the report through the template to a file the user picks;
    // open shows it afterwards with the registered program.
    void ExportHtml(bool open);

protected:
    BOOL OnInitDialog() override;
    // Enter does nothing: the window has no OK button.
    void OnOK() override {}
    void OnCancel() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool PreTranslateMessage(MSG& message) override;
    void OnDestroy() override;

private:
    void Close();
    void OnWorkerFinished();
    void MirrorChanges();
    void AddItem(ReportEntryHandle entry);
    void RemoveItem(ReportEntryHandle entry);
    void ReorderChildren(ReportEntryHandle parent);
    void ApplyProgress();
    void Layout();
    void KeepMinimumSize(WPARAM edge, RECT& window) const;
    void SetSplit(int splitPercent);
    void EnableReportMenu(bool enable);
    HTREEITEM ItemOf(ReportEntryHandle entry) const;

    ICommonReportHandler& handler_;
    CReportModel report_;
    // After the report: the worker is joined before the report goes.
    CDialogWorker worker_;
    bool closePending_ = false;
    int split_ = ReportSplit::Initial;
    HACCEL accelerators_ = nullptr;
    HIMAGELIST images_ = nullptr;
    std::unordered_map<ReportEntryHandle, HTREEITEM> items_;
    win::CTreeCtrl tree_;
    win::CProgressCtrl progress_;
};
