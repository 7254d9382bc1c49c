#include "core/longtime/LongtimeOperation.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

namespace {

struct Seen {
    std::u16string line1, line2;
    bool cancelAllowedAtEnd = false;
    int modalRuns = 0;
};

class ThreadProgress : public ILongtimeProgress {
public:
    explicit ThreadProgress(Seen& seen) : seen_(seen) {}
    void SetCaption(std::u16string_view) override {}
    void SetLine1(std::u16string_view text) override { seen_.line1 = text; }
    void SetLine2(std::u16string_view text) override { seen_.line2 = text; }
    void SetVisible(bool) override {}
    void SetCancelAllowed(bool allowed) override { seen_.cancelAllowedAtEnd = allowed; }
    void SetRange(int, int) override {}
    void SetPos(int) override {}
    int GetPos() const override { return 0; }
    bool IsCancelRequested() const override { return false; }
    int RunModal(const std::function<void()>& work) override
    {
        ++seen_.modalRuns;
        std::thread(work).join();
        return 7;
    }

private:
    Seen& seen_;
};

class LongJob : public CLongtimeOperation {
public:
    using CLongtimeOperation::CLongtimeOperation;
    std::thread::id ranOn;

protected:
    bool Run() override
    {
        ranOn = std::this_thread::get_id();
        SetLine1(std::u16string(600, u'a'));
        SetLine2(std::u16string(300, u'b'));
        return true;
    }
};

TEST(LongtimeOperation, RunsBehindTheDisplayAndCutsItsStatusLines)
{
    Seen seen;
    LongJob job(std::make_unique<ThreadProgress>(seen));
    EXPECT_FALSE(job.IsDone());
    EXPECT_TRUE(job.Execute());
    EXPECT_TRUE(job.IsDone());
    EXPECT_NE(job.ranOn, std::this_thread::get_id());
    EXPECT_EQ(seen.line1.size(), 511u);
    EXPECT_EQ(seen.line2.size(), 255u);
    EXPECT_TRUE(seen.cancelAllowedAtEnd);
}

TEST(LongtimeOperation, UsesTheInstalledDisplayOrRunsInPlace)
{
    LongJob inPlace;
    EXPECT_TRUE(inPlace.Execute());
    EXPECT_EQ(inPlace.ranOn, std::this_thread::get_id());

    Seen seen;
    const auto previous = SetLongtimeProgressFactory([&seen] { return std::make_unique<ThreadProgress>(seen); });
    LongJob shown;
    shown.Execute();
    SetLongtimeProgressFactory(previous);
    EXPECT_EQ(seen.modalRuns, 1);
    EXPECT_NE(shown.ranOn, std::this_thread::get_id());
}

}  // namespace
