#include "app/CrashDump.h"

#include <dbghelp.h>

#include <algorithm>
#include <string>

#include "core/text/Format.h"
#include "core/text/TextManager.h"
#include "win/SystemPaths.h"
#include "win/WideText.h"

namespace {

constexpr std::size_t DumpNameCapacity = 254;
wchar_t dumpName[DumpNameCapacity + 1] = L"UnhandledException";

using MiniDumpWriter = BOOL(WINAPI*)(HANDLE, DWORD, HANDLE, MINIDUMP_TYPE, PMINIDUMP_EXCEPTION_INFORMATION,
                                     PMINIDUMP_USER_STREAM_INFORMATION, PMINIDUMP_CALLBACK_INFORMATION);

const char16_t* QuestionText()
{
    const TextKey key = u"Database.Error.UnhandledException"_tk;
    const char16_t* text = CTextManager::Instance()->GetText(key);
    // The store hands the key back when it has no text (or holds nothing yet).
    if (text == nullptr || text == key.key || *text == 0)
        return u"An unhandled exception occured. Do you want to save a diagnostic file?";
    return text;
}

// Writes the dump; returns the outcome to show and sets saved.
std::u16string WriteDumpFile(MiniDumpWriter writer, EXCEPTION_POINTERS* exception, bool& saved)
{
    const std::u16string path = win::GetCurrentFolder() + u"\\" + win::U(dumpName) + u".dmp";
    HANDLE file = ::CreateFileW(win::W(path), GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return Format(u"Failed to create dump file '%s' (error %d)", path, static_cast<int>(::GetLastError()));
    MINIDUMP_EXCEPTION_INFORMATION information{::GetCurrentThreadId(), exception, FALSE};
    const BOOL written = writer(::GetCurrentProcess(), ::GetCurrentProcessId(), file, MiniDumpNormal,
                                exception != nullptr ? &information : nullptr, nullptr, nullptr);
    const DWORD error = ::GetLastError();
    ::CloseHandle(file);
    saved = written != FALSE;
    if (!saved) return Format(u"Failed to save dump file to '%s' (error %d)", path, static_cast<int>(error));
    return Format(u"Saved dump file to '%s'", path);
}

LONG HandleException(EXCEPTION_POINTERS* exception)
{
    // Only the system's own copy: a DBGHELP.DLL in the working folder could
    // be anybody's.
    const std::u16string library = win::GetSystemFolder() + u"\\DBGHELP.DLL";
    HMODULE module = ::LoadLibraryW(win::W(library));
    std::u16string outcome;
    bool saved = false;
    if (module == nullptr) {
        outcome = u"DBGHELP.DLL not found";
    } else {
        // FARPROC takes no arguments; the generic function type in between says the cast is meant.
        auto writer = reinterpret_cast<MiniDumpWriter>(
            reinterpret_cast<void (*)()>(::GetProcAddress(module, "MiniDumpWriteDump")));
        if (writer == nullptr) {
            outcome = u"Can't find function 'MiniDumpWriteDump(...)' in DBGHELP.DLL";
        } else {
            if (::MessageBoxW(nullptr, win::W(QuestionText()), nullptr, MB_YESNO) != IDYES) return 0;
            outcome = WriteDumpFile(writer, exception, saved);
        }
    }
    ::MessageBoxW(nullptr, win::W(outcome), L"Unhandled Exception", MB_OK);
    return saved ? 1 : 0;
}

}  // namespace

std::u16string DumpNameFromModulePath(std::u16string_view modulePath)
{
    const std::size_t slash = modulePath.find_last_of(u"\\/");
    std::u16string_view name = slash == std::u16string_view::npos ? modulePath : modulePath.substr(slash + 1);
    name = name.substr(0, std::min(name.find(u'.'), name.size()));
    std::u16string result(name.substr(0, DumpNameCapacity));
    std::replace_if(result.begin(), result.end(),
                    [](char16_t c) { return std::u16string_view(u"\\/:*?\"<>|").find(c) != std::u16string_view::npos; },
                    u'_');
    return result;
}

void InstallCrashDumpHandler()
{
    const std::u16string name = DumpNameFromModulePath(win::GetModulePath());
    std::copy(name.begin(), name.end(), dumpName);
    dumpName[name.size()] = 0;
    ::SetUnhandledExceptionFilter(CrashDumpFilter);
}

LONG WINAPI CrashDumpFilter(EXCEPTION_POINTERS* exception) { return HandleException(exception); }

LONG WriteMiniDump() { return HandleException(nullptr); }
