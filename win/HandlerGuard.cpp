#include "win/HandlerGuard.h"

#include <string>

#include "core/AppMessage.h"
#include "core/text/TextManager.h"
#include "core/text/TextTools.h"
#include "platform/TextCodec.h"

namespace win {

namespace {

thread_local bool reporting = false;

}  // namespace

void ReportHandlerFailure(const char* reason) noexcept
{
    if (reporting) return;
    reporting = true;
    try {
        const std::u16string why = platform::Utf8ToUtf16(reason != nullptr ? reason : "unknown exception");
        const char16_t* text = CTextManager::Instance()->GetText(u"Dialog.HandlerFailure"_tk);
        ShowAppMessageBox(ReplaceTokens(text, {{u"_REASON", why}}).c_str(), AppMessage::IconError);
    } catch (...) {
        // Nothing is left to tell the user with; the default handling goes on.
    }
    reporting = false;
}

}  // namespace win
