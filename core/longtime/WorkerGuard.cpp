#include "core/longtime/WorkerGuard.h"

#include <exception>
#include <string>

#include "core/AppMessage.h"
#include "core/text/TextManager.h"
#include "core/text/TextTools.h"
#include "platform/TextCodec.h"

namespace {

void ReportWorkerFailure(const char* reason) noexcept
{
    try {
        const std::u16string why = platform::Utf8ToUtf16(reason != nullptr ? reason : "unknown exception");
        const char16_t* text = CTextManager::Instance()->GetText(u"Dialog.WorkerFailure"_tk);
        ShowAppMessageBox(ReplaceTokens(text, {{u"_REASON", why}}).c_str(), AppMessage::IconError);
    } catch (...) {
        // Nothing is left to tell the user with; the owner still hears of the end.
    }
}

}  // namespace

WorkerResult RunWorkerGuarded(const std::function<void()>& work) noexcept
{
    try {
        if (work) work();
        return WorkerResult::Completed;
    } catch (const std::exception& failure) {
        ReportWorkerFailure(failure.what());
    } catch (...) {
        ReportWorkerFailure(nullptr);
    }
    return WorkerResult::Failed;
}
