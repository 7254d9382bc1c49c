#include "ui/dialogs/DlgCommonReport.h"

#include <algorithm>
#include <unordered_set>

#include "platform/Platform.h"
#include "resources/ResourceIds.h"
#include "tools/report/ReportHtml.h"
#include "win/FileDialog.h"
#include "win/ShellOpen.h"
#include "win/WideText.h"

namespace {

// Image list order follows the entry types.
constexpr UINT TypeIcons[ReportType::Count] = {IDI_REPORT_CATEGORY, IDI_REPORT_INFO, IDI_REPORT_SUCCESS,
                                               IDI_REPORT_WARNING, IDI_REPORT_ERROR};

struct DeleteCommand {
    int id;
    int type;
};
constexpr DeleteCommand DeleteCommands[] = {{ID_REPORT_DELETE_INFO, ReportType::Info},
                                            {ID_REPORT_DELETE_SUCCESS, ReportType::Success},
                                            {ID_REPORT_DELETE_WARNINGS, ReportType::Warning},
                                            {ID_REPORT_DELETE_ERRORS, ReportType::Error}};

using Positions = std::unordered_map<ReportEntryHandle, std::size_t>;

int CALLBACK CompareModelOrder(LPARAM first, LPARAM second, LPARAM context)
{
    const auto& positions = *reinterpret_cast<const Positions*>(context);
    const auto position = [&](LPARAM entry) {
        const auto found = positions.find(static_cast<ReportEntryHandle>(entry));
        return found != positions.end() ? found->second : positions.size();
    };
    const std::size_t a = position(first);
    const std::size_t b = position(second);
    return a < b ? -1 : (a > b ? 1 : 0);
}

}  // namespace

CDlgCommonReport::CDlgCommonReport(ICommonReportHandler& handler, HWND parent)
    : CDialogB(IDD_COMMON_REPORT, parent), handler_(handler)
{
}

CDlgCommonReport::~CDlgCommonReport()
{
    // A window that was never destroyed has not joined the worker yet.
    report_.RequestClose();
    worker_.Join();
    if (images_ != nullptr) ::ImageList_Destroy(images_);
}

BOOL CDlgCommonReport::OnInitDialog()
{
    CDialogB::OnInitDialog();
    const HINSTANCE module = GetResourceModule();
    ::SendMessageW(Handle(), WM_SETICON, ICON_SMALL,
                   reinterpret_cast<LPARAM>(::LoadImageW(module, MAKEINTRESOURCEW(IDI_MAIN), IMAGE_ICON, 16, 16, 0)));
    accelerators_ = ::LoadAcceleratorsW(module, MAKEINTRESOURCEW(IDR_REPORT_ACCELERATORS));
    tree_.Attach(GetItem(IDC_REPORT_TREE));
    progress_.Attach(GetItem(IDC_REPORT_PROGRESS));
    images_ = ::ImageList_Create(16, 16, ILC_COLOR8 | ILC_MASK, ReportType::Count, 0);
    for (UINT icon : TypeIcons) {
        HICON loaded = static_cast<HICON>(::LoadImageW(module, MAKEINTRESOURCEW(icon), IMAGE_ICON, 16, 16, 0));
        ::ImageList_AddIcon(images_, loaded);
        ::DestroyIcon(loaded);
    }
    tree_.SetImageList(images_, TVSIL_NORMAL);
    tree_.SetImageList(images_, TVSIL_STATE);
    report_.SetChangeListener([hwnd = Handle()] { ::PostMessageW(hwnd, ChangesMessage, 0, 0); });
    report_.Open();
    const std::u16string title = report_.Title();
    if (!title.empty()) SetText(title);
    ApplyProgress();
    ::ShowWindow(GetItem(IDC_REPORT_COUNT), SW_HIDE);
    progress_.Show(true);
    Layout();
    EnableReportMenu(false);
    // The system's modal loop shows a dialog only once its queue runs dry,
    // which a busy producer may never let happen: the entries are shown live.
    ::ShowWindow(Handle(), SW_SHOW);
    const bool started = worker_.Start([this] { handler_.Run(report_); },
                                       [window = Handle()](WorkerResult) {
                                           ::PostMessageW(window, WorkerFinishedMessage, 0, 0);
                                       });
    if (!started) Post(WorkerFinishedMessage);
    return TRUE;
}

// The modal loop also ends on a quit message and when the owner window is
// destroyed: the producer is asked to stop and waited for, since the report
// and the handler it uses go away once DoModal returns.
void CDlgCommonReport::OnDestroy()
{
    report_.RequestClose();
    report_.SetChangeListener(nullptr);
    worker_.Join();
    CDialogB::OnDestroy();
}

bool CDlgCommonReport::PreTranslateMessage(MSG& message)
{
    return accelerators_ != nullptr && Handle() != nullptr &&
           (message.hwnd == Handle() || ::IsChild(Handle(), message.hwnd)) &&
           ::TranslateAcceleratorW(Handle(), accelerators_, &message) != 0;
}

void CDlgCommonReport::OnCancel() { Close(); }

// While the worker runs a close becomes a request the producer honours at
// its next poll; the finish message then ends the window.
void CDlgCommonReport::Close()
{
    report_.RequestClose();
    if (worker_.IsRunning()) {
        closePending_ = true;
        return;
    }
    EndDialog(IDCANCEL);
}

void CDlgCommonReport::OnWorkerFinished()
{
    // The worker's last act was the post; it ends at once.
    worker_.Join();
    // A failed producer was reported on its thread; what it left is not a report.
    if (closePending_ || worker_.HasFailed()) {
        EndDialog(IDCANCEL);
        return;
    }
    MirrorChanges();
    ::SetDlgItemTextW(Handle(), IDC_REPORT_COUNT, win::W(report_.CountLine()));
    progress_.Show(false);
    ::ShowWindow(GetItem(IDC_REPORT_COUNT), SW_SHOW);
    EnableReportMenu(true);
}

bool CDlgCommonReport::OnCommand(int id, int code, HWND control)
{
    const auto deletion = std::find_if(std::begin(DeleteCommands), std::end(DeleteCommands),
                                       [id](const DeleteCommand& command) { return command.id == id; });
    if (deletion != std::end(DeleteCommands)) {
        report_.DeleteEntriesOfType(deletion->type);
    } else if (id == ID_REPORT_DELETE_EMPTY) {
        report_.RemoveEmptyCategories();
    } else if (id == ID_REPORT_SORT_ALPHABETICALLY) {
        report_.SortAlphabetically();
    } else if (id == ID_REPORT_SORT_BY_TYPE) {
        report_.SortByType();
    } else if (id == ID_REPORT_EXPORT || id == ID_REPORT_EXPORT_OPEN) {
        ExportHtml(id == ID_REPORT_EXPORT_OPEN);
        return true;
    } else if (id == ID_REPORT_LARGER_TREE || id == ID_REPORT_SMALLER_TREE) {
        SetSplit(StepReportSplit(split_, id == ID_REPORT_LARGER_TREE ? +1 : -1));
        return true;
    } else {
        return false;
    }
    MirrorChanges();
    if (!worker_.IsRunning()) ::SetDlgItemTextW(Handle(), IDC_REPORT_COUNT, win::W(report_.CountLine()));
    return true;
}

bool CDlgCommonReport::OnNotify(const NMHDR& header, LRESULT& result)
{
    if (header.idFrom != IDC_REPORT_TREE || header.code != TVN_SELCHANGEDW) return false;
    const auto& change = reinterpret_cast<const NMTREEVIEWW&>(header);
    const ReportEntry entry = report_.Entry(static_cast<ReportEntryHandle>(change.itemNew.lParam));
    ::SetDlgItemTextW(Handle(), IDC_REPORT_DESCRIPTION, win::W(entry.description));
    result = 0;
    return true;
}

bool CDlgCommonReport::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case ChangesMessage:
        MirrorChanges();
        return true;
    case WorkerFinishedMessage:
        OnWorkerFinished();
        return true;
    case WM_CLOSE:
        Close();
        return true;
    case WM_SIZE:
        Layout();
        break;
    case WM_SIZING:
        KeepMinimumSize(wParam, *reinterpret_cast<RECT*>(lParam));
        result = TRUE;
        return true;
    default:
        break;
    }
    return CDialogB::OnMessage(message, wParam, lParam, result);
}

void CDlgCommonReport::MirrorChanges()
{
    const std::vector<ReportChange> changes = report_.DrainChanges();
    if (changes.empty() || Handle() == nullptr) return;
    const bool large = changes.size() > 64;
    if (large) tree_.SetRedraw(false);
    std::unordered_set<ReportEntryHandle> relabelled;
    std::unordered_set<ReportEntryHandle> reordered;
    for (const ReportChange& change : changes) {
        switch (change.kind) {
        case ReportChange::Added: AddItem(change.entry); break;
        case ReportChange::Removed: RemoveItem(change.entry); break;
        case ReportChange::Relabelled: relabelled.insert(change.entry); break;
        case ReportChange::Reordered: reordered.insert(change.entry); break;
        case ReportChange::Title: SetText(report_.Title()); break;
        case ReportChange::Progress: ApplyProgress(); break;
        case ReportChange::Hide: Show(false); break;
        }
    }
    for (ReportEntryHandle entry : relabelled) {
        if (HTREEITEM item = ItemOf(entry)) tree_.SetItemText(item, report_.Label(entry).c_str());
    }
    for (ReportEntryHandle parent : reordered) ReorderChildren(parent);
    if (large) {
        tree_.SetRedraw(true);
        tree_.Invalidate();
    }
}

void CDlgCommonReport::AddItem(ReportEntryHandle entry)
{
    if (!report_.Contains(entry)) return;
    const ReportEntry record = report_.Entry(entry);
    HTREEITEM parent = record.parent == 0 ? TVI_ROOT : ItemOf(record.parent);
    if (parent == nullptr) return;
    HTREEITEM item = tree_.InsertItem(parent, report_.Label(entry).c_str(), record.type, entry);
    if (item != nullptr) items_[entry] = item;
}

void CDlgCommonReport::RemoveItem(ReportEntryHandle entry)
{
    const auto found = items_.find(entry);
    if (found == items_.end()) return;
    tree_.DeleteItem(found->second);
    items_.erase(found);
}

void CDlgCommonReport::ReorderChildren(ReportEntryHandle parent)
{
    HTREEITEM item = parent == 0 ? TVI_ROOT : ItemOf(parent);
    if (item == nullptr) return;
    Positions positions;
    for (ReportEntryHandle child : report_.Children(parent)) positions.emplace(child, positions.size());
    tree_.SortChildren(item, &CompareModelOrder, reinterpret_cast<LPARAM>(&positions));
}

HTREEITEM CDlgCommonReport::ItemOf(ReportEntryHandle entry) const
{
    const auto found = items_.find(entry);
    return found != items_.end() ? found->second : nullptr;
}

void CDlgCommonReport::ApplyProgress()
{
    const ReportProgress progress = report_.Progress();
    progress_.SetRange(progress.minimum, progress.maximum);
    progress_.SetPos(progress.position);
}

void CDlgCommonReport::Layout()
{
    if (!tree_) return;
    const RECT client = GetClientRect();
    const ReportLayout layout = LayoutReport(client.right - client.left, client.bottom - client.top, split_);
    const auto place = [this](int id, const ReportRect& rect) {
        ::MoveWindow(GetItem(id), rect.x, rect.y, rect.width, rect.height, TRUE);
    };
    place(IDC_REPORT_TREE, layout.tree);
    place(IDC_REPORT_DESCRIPTION, layout.description);
    place(IDC_REPORT_PROGRESS, layout.progress);
    place(IDC_REPORT_COUNT, layout.progress);
}

void CDlgCommonReport::KeepMinimumSize(WPARAM edge, RECT& window) const
{
    const bool left = edge == WMSZ_LEFT || edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT;
    const bool top = edge == WMSZ_TOP || edge == WMSZ_TOPLEFT || edge == WMSZ_TOPRIGHT;
    if (window.right - window.left < MinimumWindowSize) {
        if (left) {
            window.left = window.right - MinimumWindowSize;
        } else {
            window.right = window.left + MinimumWindowSize;
        }
    }
    if (window.bottom - window.top < MinimumWindowSize) {
        if (top) {
            window.top = window.bottom - MinimumWindowSize;
        } else {
            window.bottom = window.top + MinimumWindowSize;
        }
    }
}

void CDlgCommonReport::SetSplit(int splitPercent)
{
    if (splitPercent == split_) return;
    split_ = splitPercent;
    Layout();
}

void CDlgCommonReport::EnableReportMenu(bool enable)
{
    HMENU menu = ::GetMenu(Handle());
    if (menu == nullptr) return;
    ::EnableMenuItem(menu, 0, MF_BYPOSITION | (enable ? MF_ENABLED : MF_GRAYED));
    ::DrawMenuBar(Handle());
}

void CDlgCommonReport::ExportHtml(bool open)
{
    CReportTemplate reportTemplate;
    if (!LoadReportTemplate(platform::JoinPath(platform::GetBaseFolder(), u"trdata\\ReportTemplate.html"),
                            reportTemplate))
        return;
    char16_t filter[256];
    GetFilterText(u"Dialog.CommonReport.FileFilter"_tk, filter, std::size(filter));
    win::CFileDialog dialog(false, u"html", filter,
                            OFN_OVERWRITEPROMPT | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_ENABLESIZING, Handle());
    dialog.SetTitle(GetText(u"Dialog.CommonReport.FilePrompt"_tk, u""));
    if (!dialog.Run()) return;
    if (!SaveReportHtml(dialog.GetPath(), reportTemplate, report_)) return;
    if (open) win::ShellOpenFile(Handle(), dialog.GetPath().c_str());
}
