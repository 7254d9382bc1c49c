#pragma once
// The contents of a report: a tree of categorised entries that a producer
// fills from its worker thread while the report window shows it. Every
// operation takes the model's own lock for a short time, so the producer
// and the user-interface thread may call anything at any time. Each change
// is written to a journal that the window drains and mirrors into its tree.

#include <array>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Entry types; a category holds the others and counts them.
namespace ReportType {
inline constexpr int Category = 0;
inline constexpr int Info = 1;
inline constexpr int Success = 2;
inline constexpr int Warning = 3;
inline constexpr int Error = 4;
inline constexpr int Count = 5;
}  // namespace ReportType

// 0 stands for the root as a parent and for a dropped entry as a result.
using ReportEntryHandle = std::uint32_t;

struct ReportEntry {
    int type = ReportType::Category;
    std::array<std::int32_t, ReportType::Count> counts{};
    std::u16string title;
    std::u16string description;
    ReportEntryHandle parent = 0;
};

struct ReportChange {
    enum Kind { Added, Removed, Relabelled, Reordered, Title, Progress, Hide };
    Kind kind;
    ReportEntryHandle entry;  // for Reordered the parent whose children moved
};

struct ReportProgress {
    std::int32_t minimum = 0;
    std::int32_t maximum = 100;
    std::int32_t position = 0;
};

class CReportModel {
public:
    static constexpr int MaxSortDepth = 30;

    // Producer side.
    void SetTitle(std::u16string_view title);
    void SetProgressRange(std::int32_t minimum, std::int32_t maximum);
    void SetProgressPos(std::int32_t position);
    void StepProgress(std::int32_t delta);
    // The new entry as the last child of parent; 0 when the report is not
    // open, a close was asked for, the parent is unknown or the type invalid.
    ReportEntryHandle AddEntry(ReportEntryHandle parent, int type, std::u16string_view title,
                               std::u16string_view description = {});
    ReportEntryHandle AddCategory(ReportEntryHandle parent, std::u16string_view title);
    bool IsCloseRequested() const;
    // Asks the window to hide itself while the producer goes on.
    void RequestHide();

    // Editing, from either side.
    void DeleteEntriesOfType(int type);
    // Categories without children, those emptied by this call included.
    void RemoveEmptyCategories();
    void SortAlphabetically();
    void SortByType();

    // Window side. The listener runs on the thread that made a change, under
    // the model's lock, whenever the journal stops being empty: it must only
    // queue a notice (post a message), never call back into the model. Once
    // it is replaced or cleared, the old one is neither running nor called.
    void SetChangeListener(std::function<void()> listener);
    void Open();
    void RequestClose();
    std::vector<ReportChange> DrainChanges();

    // Queries.
    std::u16string Title() const;
    ReportProgress Progress() const;
    bool Contains(ReportEntryHandle entry) const;
    ReportEntry Entry(ReportEntryHandle entry) const;
    std::vector<ReportEntryHandle> Children(ReportEntryHandle parent) const;
    // The tree text: a category's "CountFormat" label, an entry's title.
    std::u16string Label(ReportEntryHandle entry) const;
    // "CountFormat" over every entry of the report, without a category name.
    std::u16string CountLine() const;
    std::size_t Size() const;

private:
    struct Node {
        ReportEntry entry;
        std::vector<ReportEntryHandle> children;
    };
    using Compare = bool (*)(const ReportEntry&, const ReportEntry&);
    // Holds the lock for one change and tells the listener at its end.
    class CChange {
    public:
        explicit CChange(CReportModel& model) : model_(model), lock_(model.mutex_), wasEmpty_(model.journal_.empty()) {}
        ~CChange();
        CChange(const CChange&) = delete;
        CChange& operator=(const CChange&) = delete;

    private:
        CReportModel& model_;
        std::unique_lock<std::mutex> lock_;
        bool wasEmpty_;
    };

    Node* Find(ReportEntryHandle handle);
    const Node* Find(ReportEntryHandle handle) const;
    std::vector<ReportEntryHandle>& ChildList(ReportEntryHandle parent);
    void DeleteWhere(bool (*match)(const Node&, int), int type);
    std::vector<ReportEntryHandle> ParentsFirst() const;
    void DeleteChildrenWhere(bool (*match)(const Node&, int), int type);
    void Erase(ReportEntryHandle handle);
    void Recount();
    void Sort(Compare compare);
    void SortLevel(ReportEntryHandle parent, Compare compare, int depth);
    std::u16string LabelOf(const ReportEntry& entry) const;

    mutable std::mutex mutex_;
    std::unordered_map<ReportEntryHandle, Node> nodes_;
    std::vector<ReportEntryHandle> roots_;
    std::vector<ReportChange> journal_;
    std::function<void()> listener_;
    ReportEntryHandle nextHandle_ = 1;
    std::u16string title_;
    ReportProgress progress_;
    bool open_ = false;
    bool closeRequested_ = false;
};

// Producers implement this; Run is called on the report's worker thread.
class ICommonReportHandler {
public:
    virtual void Run(CReportModel& report) = 0;

protected:
    ~ICommonReportHandler() = default;
};

// The window's layout for a client of width x height and the share of the
// height given to the tree, in whole per cent.
struct ReportRect {
    int x, y, width, height;
    bool operator==(const ReportRect&) const = default;
};
struct ReportLayout {
    ReportRect tree, description, progress;
};
namespace ReportSplit {
inline constexpr int Initial = 75;
inline constexpr int Minimum = 10;
inline constexpr int Maximum = 90;
inline constexpr int Step = 5;
}  // namespace ReportSplit
ReportLayout LayoutReport(int width, int height, int splitPercent);
// The split after a larger-tree (+1) or smaller-tree (-1) step, kept in range.
int StepReportSplit(int splitPercent, int direction);
