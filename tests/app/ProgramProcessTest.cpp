// The built program itself, started as a child process.
#include <gtest/gtest.h>

#include <string>

#include "platform/Platform.h"
#include "platform/TextCodec.h"
#include "tests/app/AppTestSupport.h"
#include "win/WideText.h"

namespace {

std::u16string EditorPath()
{
    std::u16string path = platform::Utf8ToUtf16(TR_EDITOR_EXE);
    for (char16_t& c : path) c = c == u'/' ? u'\\' : c;
    return path[0] == u'\\' ? u"Z:" + path : path;
}

// Answers every message box of the process (with answer, or its only
// button) until it ends; returns the texts it answered.
std::vector<std::u16string> AnswerUntilExit(const PROCESS_INFORMATION& process, int answer)
{
    std::vector<std::u16string> texts;
    HWND last = nullptr;
    while (::WaitForSingleObject(process.hProcess, 100) == WAIT_TIMEOUT && texts.size() < 5) {
        HWND box = app_test::FindDialogWith(0xFFFF, process.dwProcessId);
        if (box == nullptr || box == last) continue;
        last = box;
        wchar_t text[1024] = {};
        ::GetDlgItemTextW(box, 0xFFFF, text, 1024);
        texts.push_back(win::U(text));
        app_test::AnswerBox(box, answer);
    }
    return texts;
}

std::vector<std::u16string> RunMiniDumpTest(const std::u16string& folder, int answer)
{
    std::u16string commandLine = u"\"" + EditorPath() + u"\" -minidumptest";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(nullptr, win::W(commandLine.data()), nullptr, nullptr, FALSE, 0, nullptr, win::W(folder),
                          &startup, &process))
        return {u"not started"};
    const std::vector<std::u16string> texts = AnswerUntilExit(process, answer);
    EXPECT_EQ(::WaitForSingleObject(process.hProcess, 10000), WAIT_OBJECT_0);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return texts;
}

TEST(ProgramProcess, MiniDumpTestWritesADumpAfterYesAndNothingAfterNo)
{
    app_test::WorkingFolder folder(u"dump", true);
    app_test::StoreAcceptance(true);
    const std::u16string dump = folder.Path() + u"\\TrellanEditor.dmp";
    EXPECT_EQ(RunMiniDumpTest(folder.Path(), IDNO).size(), 1u);
    EXPECT_FALSE(platform::FileExists(dump));

    const std::vector<std::u16string> texts = RunMiniDumpTest(folder.Path(), IDYES);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[1], u"Saved dump file to '" + dump + u"'");
    const std::vector<std::uint8_t> bytes = testing_support::ReadBytes(dump);
    ASSERT_GE(bytes.size(), 4u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "MDMP");
}

}  // namespace
