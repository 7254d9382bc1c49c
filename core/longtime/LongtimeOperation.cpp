#include "core/longtime/LongtimeOperation.h"

#include <mutex>
#include <utility>

namespace {

// No display: the work runs on the calling thread, status goes nowhere.
class SilentProgress : public ILongtimeProgress {
public:
    void SetCaption(std::u16string_view) override {}
    void SetLine1(std::u16string_view) override {}
    void SetLine2(std::u16string_view) override {}
    void SetVisible(bool) override {}
    void SetCancelAllowed(bool) override {}
    void SetRange(int, int) override {}
    void SetPos(int position) override { position_ = position; }
    int GetPos() const override { return position_; }
    bool IsCancelRequested() const override { return false; }
    int RunModal(const std::function<void()>& work) override
    {
        work();
        return 0;
    }

private:
    int position_ = 0;
};

std::mutex gFactoryMutex;
LongtimeProgressFactory gFactory;

std::unique_ptr<ILongtimeProgress> MakeProgress()
{
    std::lock_guard lock(gFactoryMutex);
    if (gFactory) {
        if (auto progress = gFactory()) return progress;
    }
    return std::make_unique<SilentProgress>();
}

std::u16string_view Cut(std::u16string_view text, std::size_t capacity)
{
    return text.substr(0, capacity);
}

}  // namespace

LongtimeProgressFactory SetLongtimeProgressFactory(LongtimeProgressFactory factory)
{
    std::lock_guard lock(gFactoryMutex);
    return std::exchange(gFactory, std::move(factory));
}

CLongtimeOperation::CLongtimeOperation() : progress_(MakeProgress()) {}

CLongtimeOperation::CLongtimeOperation(std::unique_ptr<ILongtimeProgress> progress)
    : progress_(progress ? std::move(progress) : MakeProgress())
{
}

CLongtimeOperation::~CLongtimeOperation() = default;

bool CLongtimeOperation::Execute()
{
    done_ = false;
    std::atomic<bool> completed{false};
    std::atomic<bool> succeeded{false};
    progress_->RunModal([&] {
        succeeded = Run();
        completed = true;
        progress_->SetCancelAllowed(true);
    });
    done_ = true;
    return completed && succeeded && !progress_->IsCancelRequested();
}

void CLongtimeOperation::SetCaption(std::u16string_view text) { progress_->SetCaption(text); }

void CLongtimeOperation::SetLine1(std::u16string_view text) { progress_->SetLine1(Cut(text, Line1Capacity)); }

void CLongtimeOperation::SetLine2(std::u16string_view text) { progress_->SetLine2(Cut(text, Line2Capacity)); }
