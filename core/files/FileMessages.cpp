#include "core/files/FileMessages.h"

#include <string>

#include "core/AppMessage.h"
#include "core/files/IndexTextFile.h"
#include "core/text/TextManager.h"
#include "core/text/TextTools.h"
#include "platform/Platform.h"

namespace {
constexpr std::size_t MaxPathShown = 258;
constexpr std::size_t MaxFileNotFoundMessage = 255;
constexpr std::size_t MaxFormatErrorMessage = 2047;

std::u16string Cut(std::u16string text, std::size_t maxLength)
{
    if (text.size() > maxLength) text.resize(maxLength);
    return text;
}
}  // namespace

int ShowFileNotFound(const char16_t* path)
{
    std::u16string shownPath;
    if (path != nullptr && *path != 0) shownPath = Cut(platform::MakeAbsolute(path), MaxPathShown);
    const char16_t* message = CTextManager::Instance()->GetText(u"Dialog.FileNotFound"_tk);
    const std::u16string text = ReplaceTokens(message, {{u"_FILE_NAME", shownPath}});
    return ShowAppMessageBox(Cut(text, MaxFileNotFoundMessage).c_str(), AppMessage::Ok);
}

int ShowFileFormatError(const CIndexTextFile& file)
{
    const char16_t* error = file.GetError();
    return ShowFileFormatError(file.GetFileName(), error != nullptr ? error : u"");
}

int ShowFileFormatError(std::u16string_view fileName, std::u16string_view error)
{
    const char16_t* message = CTextManager::Instance()->GetText(u"Database.Error.FileErrorFormat"_tk);
    const std::u16string text = ReplaceTokens(message, {{u"_FILE_NAME", fileName}, {u"_MESSAGE", error}});
    return ShowAppMessageBox(Cut(text, MaxFormatErrorMessage).c_str(), AppMessage::Ok);
}
