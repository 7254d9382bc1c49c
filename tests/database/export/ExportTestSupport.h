#pragma once
// Worlds for the export tests: a scratch copy of the shipped base folder
// loaded as the program loads it, a display that records what the export
// shows, and the bytes of an export.

#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "tests/database/DatabaseTestSupport.h"
#include "core/longtime/LongtimeOperation.h"
#include "core/files/TabbedConfig.h"
#include "database/export/GameExport.h"

namespace database_testing {

// Stands in for the progress dialog: keeps every call, runs the work on a
// thread of its own, and can ask for a cancel before the work starts.
class RecordingDisplay : public ILongtimeProgress {
public:
    struct Record {
        std::vector<std::u16string> captions, lines1, lines2;
        std::vector<bool> visible;
        std::vector<int> positions;
        int minimum = -1;
        int maximum = -1;
        bool cancelAtStart = false;
        bool cancelRequested = false;
        bool workRan = false;
    };
    explicit RecordingDisplay(Record& record) : r_(record) {}

    void SetCaption(std::u16string_view text) override { r_.captions.emplace_back(text); }
    void SetLine1(std::u16string_view text) override { r_.lines1.emplace_back(text); }
    void SetLine2(std::u16string_view text) override { r_.lines2.emplace_back(text); }
    void SetVisible(bool visible) override { r_.visible.push_back(visible); }
    void SetCancelAllowed(bool) override {}
    void SetRange(int minimum, int maximum) override
    {
        r_.minimum = minimum;
        r_.maximum = maximum;
    }
    void SetPos(int position) override { r_.positions.push_back(position); }
    int GetPos() const override { return r_.positions.empty() ? 0 : r_.positions.back(); }
    bool IsCancelRequested() const override { return r_.cancelRequested; }
    // A cancel at the start closes the display before the work could run.
    int RunModal(const std::function<void()>& work) override
    {
        if (r_.cancelAtStart) {
            r_.cancelRequested = true;
            return -1;
        }
        std::thread worker([&] {
            work();
            r_.workRan = true;
        });
        worker.join();
        return 1;
    }

private:
    Record& r_;
};

// A scratch copy of the shipped base folder (database, scripts, texts,
// reference lists and interface colours), loaded and current, with the
// export's settings installed and the runtime's generator seeded with 1.
class SampleExportTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // A fresh world loaded from the scratch folder's files.
    void Reload();
    std::u16string MasterDat() const { return base_.DatabasePath(u"Master.dat"); }
    // The export without a display, and the file it wrote.
    std::vector<std::uint8_t> Export();

    ScratchBase base_;
    CTabbedConfig guiColours_;
    bool adminMode_ = false;
    TCompleteWorld* world_ = nullptr;
};

}  // namespace database_testing
