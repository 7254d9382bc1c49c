// The report model with 100,000 entries (1,000 categories of 100 entries of
// mixed types): adding, both sorts, deleting one type, and the HTML export
// through the shipped template. The counter "entries_per_second" is the
// figure to watch.

#include <benchmark/benchmark.h>

#include "core/text/TextManager.h"
#include "platform/TextCodec.h"
#include "tools/report/ReportHtml.h"
#include "tools/report/ReportModel.h"

namespace {

constexpr int Categories = 1000;
constexpr int EntriesPerCategory = 100;
constexpr int Entries = Categories * (EntriesPerCategory + 1);

std::u16string SourceFile(const char* relative)
{
    std::u16string path = platform::Utf8ToUtf16(std::string(TR_SOURCE_DIR "/") + relative);
    for (auto& c : path) if (c == u'/') c = u'\\';
    return path;
}

void LoadTexts()
{
    static const bool loaded = CTextManager::Instance()->LoadFile(SourceFile("data/trdata/DatabaseEditor.txt").c_str());
    (void)loaded;
}

void Fill(CReportModel& report)
{
    report.Open();
    for (int c = 0; c < Categories; ++c) {
        const ReportEntryHandle category = report.AddCategory(0, u"Category " + std::u16string(1, u'A' + c % 26));
        for (int e = 0; e < EntriesPerCategory; ++e)
            report.AddEntry(category, ReportType::Info + (e * 7 + c) % 4, u"Entry", u"first line\r\nsecond line");
    }
}

void Report(benchmark::State& state, void (*work)(CReportModel&))
{
    LoadTexts();
    for (auto _ : state) {
        state.PauseTiming();
        CReportModel report;
        if (work != nullptr) Fill(report);
        state.ResumeTiming();
        if (work != nullptr) {
            work(report);
        } else {
            Fill(report);
        }
    }
    state.counters["entries_per_second"] =
        benchmark::Counter(static_cast<double>(Entries) * state.iterations(), benchmark::Counter::kIsRate);
}

void Add(benchmark::State& state) { Report(state, nullptr); }
void SortByType(benchmark::State& state) { Report(state, [](CReportModel& r) { r.SortByType(); }); }
void SortAlphabetically(benchmark::State& state) { Report(state, [](CReportModel& r) { r.SortAlphabetically(); }); }
void DeleteWarnings(benchmark::State& state)
{
    Report(state, [](CReportModel& r) { r.DeleteEntriesOfType(ReportType::Warning); });
}
void ExportHtml(benchmark::State& state)
{
    Report(state, [](CReportModel& r) {
        CReportTemplate shipped;
        LoadReportTemplate(SourceFile("data/trdata/ReportTemplate.html"), shipped);
        benchmark::DoNotOptimize(ReportHtmlBytes(shipped, r));
    });
}

BENCHMARK(Add)->Unit(benchmark::kMillisecond);
BENCHMARK(SortByType)->Unit(benchmark::kMillisecond);
BENCHMARK(SortAlphabetically)->Unit(benchmark::kMillisecond);
BENCHMARK(DeleteWarnings)->Unit(benchmark::kMillisecond);
BENCHMARK(ExportHtml)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
