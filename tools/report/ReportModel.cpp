#include "tools/report/ReportModel.h"

#include <algorithm>

#include "core/text/TextManager.h"
#include "core/text/TextTools.h"

namespace {

bool IsValidType(int type)
{
    return type >= ReportType::Category && type < ReportType::Count;
}

bool TitleBefore(const ReportEntry& a, const ReportEntry& b)
{
    return CompareCollated(FoldLatinCase(a.title).c_str(), FoldLatinCase(b.title).c_str()) < 0;
}

bool TypeBefore(const ReportEntry& a, const ReportEntry& b)
{
    return a.type < b.type;
}

}  // namespace

CReportModel::CChange::~CChange()
{
    if (wasEmpty_ && !model_.journal_.empty() && model_.listener_) model_.listener_();
}

void CReportModel::SetChangeListener(std::function<void()> listener)
{
    std::lock_guard lock(mutex_);
    listener_ = std::move(listener);
}

void CReportModel::SetTitle(std::u16string_view title)
{
    CChange change(*this);
    title_ = title;
    journal_.push_back({ReportChange::Title, 0});
}

void CReportModel::SetProgressRange(std::int32_t minimum, std::int32_t maximum)
{
    CChange change(*this);
    progress_.minimum = minimum;
    progress_.maximum = maximum;
    journal_.push_back({ReportChange::Progress, 0});
}

void CReportModel::SetProgressPos(std::int32_t position)
{
    CChange change(*this);
    progress_.position = position;
    journal_.push_back({ReportChange::Progress, 0});
}

void CReportModel::StepProgress(std::int32_t delta)
{
    CChange change(*this);
    progress_.position = static_cast<std::int32_t>(
        std::clamp<std::int64_t>(std::int64_t{progress_.position} + delta, INT32_MIN, INT32_MAX));
    journal_.push_back({ReportChange::Progress, 0});
}

ReportEntryHandle CReportModel::AddEntry(ReportEntryHandle parent, int type, std::u16string_view title,
                                         std::u16string_view description)
{
    CChange change(*this);
    if (!open_ || closeRequested_ || !IsValidType(type)) return 0;
    if (parent != 0 && Find(parent) == nullptr) return 0;
    const ReportEntryHandle handle = nextHandle_++;
    Node& node = nodes_[handle];
    node.entry.type = type;
    node.entry.title = title;
    node.entry.description = description;
    node.entry.parent = parent;
    ChildList(parent).push_back(handle);
    journal_.push_back({ReportChange::Added, handle});
    for (ReportEntryHandle up = parent; up != 0;) {
        Node* ancestor = Find(up);
        if (ancestor->entry.type == ReportType::Category) {
            ++ancestor->entry.counts[type];
            journal_.push_back({ReportChange::Relabelled, up});
        }
        up = ancestor->entry.parent;
    }
    return handle;
}

ReportEntryHandle CReportModel::AddCategory(ReportEntryHandle parent, std::u16string_view title)
{
    return AddEntry(parent, ReportType::Category, title);
}

bool CReportModel::IsCloseRequested() const
{
    std::lock_guard lock(mutex_);
    return closeRequested_;
}

void CReportModel::RequestHide()
{
    CChange change(*this);
    journal_.push_back({ReportChange::Hide, 0});
}

void CReportModel::DeleteEntriesOfType(int type)
{
    if (type == ReportType::Category || !IsValidType(type)) return;
    CChange change(*this);
    DeleteWhere([](const Node& node, int wanted) { return node.entry.type == wanted; }, type);
}

void CReportModel::RemoveEmptyCategories()
{
    CChange change(*this);
    DeleteWhere(
        [](const Node& node, int) { return node.entry.type == ReportType::Category && node.children.empty(); },
        ReportType::Category);
}

void CReportModel::DeleteWhere(bool (*match)(const Node&, int), int type)
{
    DeleteChildrenWhere(match, type);
    Recount();
}

// Every entry of the tree, parents before their children; the walks
// go over it backwards so that children are dealt with first. A loop, not a
// recursion: the tree may be deeper than a thread's stack allows.
std::vector<ReportEntryHandle> CReportModel::ParentsFirst() const
{
    std::vector<ReportEntryHandle> order(roots_);
    for (std::size_t next = 0; next < order.size(); ++next) {
        const Node& node = *Find(order[next]);
        order.insert(order.end(), node.children.begin(), node.children.end());
    }
    return order;
}

// Children first, so a category emptied by the walk is judged empty.
void CReportModel::DeleteChildrenWhere(bool (*match)(const Node&, int), int type)
{
    const std::vector<ReportEntryHandle> order = ParentsFirst();
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        Node& node = *Find(*it);
        std::erase_if(node.children, [this](ReportEntryHandle child) { return Find(child) == nullptr; });
        if (match(node, type)) Erase(*it);
    }
    std::erase_if(roots_, [this](ReportEntryHandle root) { return Find(root) == nullptr; });
}

// Leaves the handle in its parent's list; the walk above drops it there.
void CReportModel::Erase(ReportEntryHandle handle)
{
    std::vector<ReportEntryHandle> subtree{handle};
    for (std::size_t next = 0; next < subtree.size(); ++next) {
        const Node& node = *Find(subtree[next]);
        subtree.insert(subtree.end(), node.children.begin(), node.children.end());
    }
    // Children before their parents: the window removes its items in this order.
    for (auto it = subtree.rbegin(); it != subtree.rend(); ++it) {
        nodes_.erase(*it);
        journal_.push_back({ReportChange::Removed, *it});
    }
}

// Each entry's totals below it are complete before its parent adds them up.
void CReportModel::Recount()
{
    std::unordered_map<ReportEntryHandle, std::array<std::int32_t, ReportType::Count>> below;
    const std::vector<ReportEntryHandle> order = ParentsFirst();
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        Node& node = *Find(*it);
        std::array<std::int32_t, ReportType::Count> total{};
        for (ReportEntryHandle child : node.children) {
            const auto& counts = below[child];
            for (int type = 0; type < ReportType::Count; ++type) total[type] += counts[type];
            ++total[Find(child)->entry.type];
        }
        if (node.entry.type == ReportType::Category) {
            if (node.entry.counts != total) journal_.push_back({ReportChange::Relabelled, *it});
            node.entry.counts = total;
        }
        below[*it] = total;
        for (ReportEntryHandle child : node.children) below.erase(child);
    }
}

void CReportModel::SortAlphabetically()
{
    CChange change(*this);
    Sort(TitleBefore);
}

void CReportModel::SortByType()
{
    CChange change(*this);
    Sort(TypeBefore);
}

void CReportModel::Sort(Compare compare)
{
    SortLevel(0, compare, 0);
}

void CReportModel::SortLevel(ReportEntryHandle parent, Compare compare, int depth)
{
    if (depth >= MaxSortDepth) return;
    auto& children = ChildList(parent);
    std::stable_sort(children.begin(), children.end(), [this, compare](ReportEntryHandle a, ReportEntryHandle b) {
        return compare(Find(a)->entry, Find(b)->entry);
    });
    journal_.push_back({ReportChange::Reordered, parent});
    for (ReportEntryHandle child : children) SortLevel(child, compare, depth + 1);
}

void CReportModel::Open()
{
    std::lock_guard lock(mutex_);
    open_ = true;
}

void CReportModel::RequestClose()
{
    std::lock_guard lock(mutex_);
    open_ = false;
    closeRequested_ = true;
}

std::vector<ReportChange> CReportModel::DrainChanges()
{
    std::lock_guard lock(mutex_);
    return std::exchange(journal_, {});
}

std::u16string CReportModel::Title() const
{
    std::lock_guard lock(mutex_);
    return title_;
}

ReportProgress CReportModel::Progress() const
{
    std::lock_guard lock(mutex_);
    return progress_;
}

bool CReportModel::Contains(ReportEntryHandle entry) const
{
    std::lock_guard lock(mutex_);
    return Find(entry) != nullptr;
}

ReportEntry CReportModel::Entry(ReportEntryHandle entry) const
{
    std::lock_guard lock(mutex_);
    const Node* node = Find(entry);
    return node != nullptr ? node->entry : ReportEntry{};
}

std::vector<ReportEntryHandle> CReportModel::Children(ReportEntryHandle parent) const
{
    std::lock_guard lock(mutex_);
    if (parent == 0) return roots_;
    const Node* node = Find(parent);
    return node != nullptr ? node->children : std::vector<ReportEntryHandle>{};
}

std::u16string CReportModel::Label(ReportEntryHandle entry) const
{
    std::lock_guard lock(mutex_);
    const Node* node = Find(entry);
    if (node == nullptr) return {};
    return node->entry.type == ReportType::Category ? LabelOf(node->entry) : node->entry.title;
}

std::u16string CReportModel::CountLine() const
{
    std::lock_guard lock(mutex_);
    ReportEntry all;
    all.title.clear();
    for (const auto& [handle, node] : nodes_) ++all.counts[node.entry.type];
    return LabelOf(all);
}

std::size_t CReportModel::Size() const
{
    std::lock_guard lock(mutex_);
    return nodes_.size();
}

std::u16string CReportModel::LabelOf(const ReportEntry& entry) const
{
    const CTextManager& texts = *CTextManager::Instance();
    const auto count = [&](int type) { return std::u16string(texts.FormatInt(entry.counts[type])); };
    return ReplaceTokens(texts.GetText(u"Dialog.CommonReport.CountFormat"_tk),
                         {{u"_CATEGORY", entry.title},
                          {u"_SUCCESS", count(ReportType::Success)},
                          {u"_WARNING", count(ReportType::Warning)},
                          {u"_ERROR", count(ReportType::Error)},
                          {u"_INFO", count(ReportType::Info)}});
}

CReportModel::Node* CReportModel::Find(ReportEntryHandle handle)
{
    auto found = nodes_.find(handle);
    return found != nodes_.end() ? &found->second : nullptr;
}

const CReportModel::Node* CReportModel::Find(ReportEntryHandle handle) const
{
    auto found = nodes_.find(handle);
    return found != nodes_.end() ? &found->second : nullptr;
}

std::vector<ReportEntryHandle>& CReportModel::ChildList(ReportEntryHandle parent)
{
    return parent == 0 ? roots_ : Find(parent)->children;
}

ReportLayout LayoutReport(int width, int height, int splitPercent)
{
    const int tree = height * splitPercent / 100;
    return {{4, 4, width - 8, tree - 4},
            {4, tree + 4, width - 8, height - 24 - (tree + 4)},
            {4, height - 20, width - 8, 16}};
}

int StepReportSplit(int splitPercent, int direction)
{
    return std::clamp(splitPercent + direction * ReportSplit::Step, ReportSplit::Minimum, ReportSplit::Maximum);
}
