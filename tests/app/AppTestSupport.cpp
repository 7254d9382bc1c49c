#include "tests/app/AppTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <cwchar>

#include "app/DlgEula.h"
#include "app/LanguageChoice.h"
#include "app/LedraApp.h"
#include "core/text/TextManager.h"
#include "database/world/CompleteWorld.h"
#include "database/club/ReferenceLists.h"
#include "database/club/Stadium.h"
#include "database/country/Country.h"
#include "database/world/WorldList.h"
#include "platform/Platform.h"
#include "resources/ResourceIds.h"
#include "tests/ui/GuiTestSupport.h"
#include "win/Dialog.h"
#include "win/Registry.h"
#include "win/SystemPaths.h"
#include "win/WideText.h"

namespace app_test {
namespace {

constexpr int MessageBoxTextId = 0xFFFF;
constexpr int AgreementTextId = 2092;
constexpr int ClubListId = 2084;
constexpr int ReportHeaderId = IDC_ERROR_MESSAGE_HEADER;

struct DialogSearch {
    int controlId;
    DWORD processId;
    HWND found;
};

BOOL CALLBACK VisitDialog(HWND window, LPARAM context)
{
    auto* search = reinterpret_cast<DialogSearch*>(context);
    wchar_t className[16] = {};
    ::GetClassNameW(window, className, 16);
    if (std::wcscmp(className, L"#32770") != 0 || !::IsWindowVisible(window)) return TRUE;
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    if (search->processId != 0 && process != search->processId) return TRUE;
    if (::GetDlgItem(window, search->controlId) == nullptr) return TRUE;
    search->found = window;
    return FALSE;
}

std::u16string TextOf(HWND window)
{
    wchar_t text[1024] = {};
    ::GetWindowTextW(window, text, 1024);
    return win::U(text);
}

// A shown top-level window in the main window's place: the owner of the
// program's boxes while it lives.
class MainWindowStandIn {
public:
    explicit MainWindowStandIn(CLedraApp& app)
        : app_(app),
          caption_(app.GetMessageBoxCaption()),
          window_(::CreateWindowExW(0, L"STATIC", L"Main window", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 1000, 740,
                                    nullptr, nullptr, nullptr, nullptr))
    {
        app_.SetMessageBoxCaption(caption_.c_str(), window_);
    }
    ~MainWindowStandIn()
    {
        app_.SetMessageBoxCaption(caption_.c_str(), nullptr);
        ::DestroyWindow(window_);
    }
    MainWindowStandIn(const MainWindowStandIn&) = delete;
    MainWindowStandIn& operator=(const MainWindowStandIn&) = delete;
    HWND Handle() const { return window_; }

private:
    CLedraApp& app_;
    std::u16string caption_;
    HWND window_;
};

// A question asked from a modal editor, driven one look per tick: the
// editor shown, the question open, the question answered.
class QuestionInEditor {
public:
    QuestionInEditor(HWND mainWindow, const win::CDialog& editor, const std::function<void()>& ask, int answer)
        : main_(mainWindow), editor_(editor), ask_(ask), answer_(answer)
    {
    }
    bool Step();
    bool IsClosed() const { return stage_ == Stage::Closed; }

private:
    enum class Stage { Opening, Asked, Answered, Closed };

    void ExpectEditorInFront(HWND editor) const;

    HWND main_;
    const win::CDialog& editor_;
    const std::function<void()>& ask_;
    int answer_;
    Stage stage_ = Stage::Opening;
};

bool QuestionInEditor::Step()
{
    HWND editor = editor_.Handle();
    if (editor == nullptr || !::IsWindowVisible(editor)) return false;
    HWND box = FindDialogWith(MessageBoxTextId);
    if (stage_ == Stage::Opening) {
        ask_();
        stage_ = Stage::Asked;
    } else if (stage_ == Stage::Asked && box != nullptr) {
        EXPECT_FALSE(::IsWindowEnabled(editor)) << "the editor takes input while its question is open";
        AnswerBox(box, answer_);
        stage_ = Stage::Answered;
    } else if (stage_ == Stage::Answered && box == nullptr) {
        ExpectEditorInFront(editor);
        ::SendMessageW(editor, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        stage_ = Stage::Closed;
    }
    return stage_ == Stage::Closed;
}

void QuestionInEditor::ExpectEditorInFront(HWND editor) const
{
    EXPECT_FALSE(::IsWindowEnabled(main_)) << "the main window takes input beside the open editor";
    EXPECT_TRUE(::IsWindowEnabled(editor));
    EXPECT_EQ(::GetActiveWindow(), editor);
    ExpectTakesKeys(editor);
}

// Hidden dialogs too: one is shown again at any time.
BOOL CALLBACK CheckDisabledBesideBox(HWND window, LPARAM box)
{
    wchar_t className[16] = {};
    ::GetClassNameW(window, className, 16);
    if (window != reinterpret_cast<HWND>(box) && std::wcscmp(className, L"#32770") == 0) {
        EXPECT_FALSE(::IsWindowEnabled(window)) << testing_support::Narrow(TextOf(window)) << " takes input while a box is open";
    }
    return TRUE;
}

}  // namespace

void CopyTree(const std::u16string& from, const std::u16string& to)
{
    platform::CreateFolders(to);
    for (const std::u16string& name : platform::ListFolder(from)) {
        const std::u16string source = platform::JoinPath(from, name);
        if (platform::FolderExists(source)) {
            CopyTree(source, platform::JoinPath(to, name));
            continue;
        }
        testing_support::WriteBytes(platform::JoinPath(to, name), testing_support::ReadBytes(source));
    }
}

WorkingFolder::WorkingFolder(std::u16string_view name, bool withDatabase, bool withTexts)
    : path_(temp_.File(name)), previousCurrent_(win::GetCurrentFolder()), previousBase_(platform::GetBaseFolder())
{
    platform::CreateFolders(path_);
    if (withTexts) CopyTree(testing_support::SourcePath(u"data\\trdata"), path_ + u"\\trdata");
    if (withDatabase) {
        CopyTree(testing_support::SourcePath(u"data\\Database"), path_ + u"\\Database");
        CopyTree(testing_support::SourcePath(u"data\\Script"), path_ + u"\\Script");
    }
    ::SetCurrentDirectoryW(win::W(path_));
    platform::SetBaseFolder(path_);
}

WorkingFolder::~WorkingFolder()
{
    ::SetCurrentDirectoryW(win::W(previousCurrent_));
    platform::SetBaseFolder(previousBase_);
}

void WorkingFolder::WriteLocaleIni(const char* value) const
{
    testing_support::WriteBytes(path_ + u"\\locale.ini", std::string("[OPTIONS]\r\nTEXT_LANGUAGE=") + value + "\r\n");
}

void StoreAcceptance(bool stored)
{
    win::CRegistryKey key;
    ASSERT_TRUE(key.Create(HKEY_CURRENT_USER, CDlgEula::GetEditionRegistryPath().c_str()));
    if (stored) {
        ASSERT_TRUE(key.WriteDword(u"EditorEula", 1));
    } else {
        key.DeleteValue(u"EditorEula");
    }
}

// The program reads them from the folder its text language names.
void LoadLanguageTables()
{
    const std::u16string folder = testing_support::SourcePath(
        std::u16string(u"data\\trdata\\") + CTextManager::Instance()->GetText(u"Database.Folder"_tk));
    LoadStadiumList(folder);
    LoadTextFiles(folder);
}

TCompleteWorld* StartOverWorkingFolder(CLedraApp& app)
{
    StoreAcceptance(true);
    if (!app.InitLanguageAndTexts()) return nullptr;
    app.SetFoldersFromWorkingFolder();
    LoadStadiumList(app.GetDatabaseFolder());
    LoadTextFiles(app.GetDatabaseFolder());
    TWorldList& worlds = GetWorldList();
    TCompleteWorld* world = worlds.CreateCompleteWorld();
    worlds.SetCurrentWorld(world);
    return world->LoadWorld(app.GetBaseFolder() + u"\\Database") ? world : nullptr;
}

void InEachLanguageOfTheWorld(TCompleteWorld& world, const std::function<void()>& look)
{
    const std::uint8_t before = world.GetDatabaseLanguage();
    for (int database = 0; database < TCountry::LanguageCount; ++database) {
        const int text = language_choice::TextLanguageForDatabaseLanguage(database);
        SCOPED_TRACE(gui_test::LanguageName(text));
        world.SetDatabaseLanguage(static_cast<std::uint8_t>(database));
        CTextManager::Instance()->SetLanguage(text);
        LoadLanguageTables();
        look();
    }
    world.SetDatabaseLanguage(before);
    CTextManager::Instance()->SetLanguage(language_choice::TextLanguageForDatabaseLanguage(before));
    LoadLanguageTables();
}

HWND FindDialogWith(int controlId, DWORD processId)
{
    DialogSearch search{controlId, processId, nullptr};
    if (processId == 0) {
        ::EnumThreadWindows(::GetCurrentThreadId(), VisitDialog, reinterpret_cast<LPARAM>(&search));
    } else {
        ::EnumWindows(VisitDialog, reinterpret_cast<LPARAM>(&search));
    }
    return search.found;
}

void AnswerBox(HWND box, int wanted)
{
    for (int id : {wanted, IDOK, IDYES, IDNO, IDCANCEL}) {
        HWND button = ::GetDlgItem(box, id);
        if (button == nullptr) continue;
        ::SendMessageW(button, BM_CLICK, 0, 0);
        return;
    }
}

void ExpectOnlyBoxEnabled(HWND box)
{
    ::EnumThreadWindows(::GetCurrentThreadId(), CheckDisabledBesideBox, reinterpret_cast<LPARAM>(box));
}

void ExpectTakesKeys(HWND window)
{
    EXPECT_EQ(::GetForegroundWindow(), window) << "another window, or none, is active";
    const HWND focus = ::GetFocus();
    EXPECT_TRUE(focus != nullptr && ::IsChild(window, focus)) << "no control of the window has the focus";
}

void ExpectQuestionOwnedByEditor(CLedraApp& app, win::CDialog& editor, const std::function<void()>& ask, int answer)
{
    MainWindowStandIn mainWindow(app);
    QuestionInEditor question(mainWindow.Handle(), editor, ask, answer);
    gui_test::ModalDriver driver([&question] { return question.Step(); });
    editor.DoModal(mainWindow.Handle());
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_TRUE(question.IsClosed()) << "the question was not asked, or not answered";
}

bool Responder::Step()
{
    HWND agreement = FindDialogWith(AgreementTextId);
    if (agreement != nullptr && agreement != lastAgreement_) {
        lastAgreement_ = agreement;
        seen.push_back(Seen::Agreement);
        ::SendMessageW(agreement, WM_COMMAND, static_cast<WPARAM>(agreementAnswer), 0);
        return false;
    }
    // A long-running operation's worker shows its boxes on its own thread.
    if (HWND box = FindDialogWith(MessageBoxTextId, ::GetCurrentProcessId())) {
        // A box stays until its click returns, so it is recorded once.
        if (box == lastBox_) return false;
        lastBox_ = box;
        seen.push_back(Seen::Message);
        messages.push_back(TextOf(::GetDlgItem(box, MessageBoxTextId)));
        captions.push_back(TextOf(box));
        if (onMessage) onMessage(box);
        AnswerBox(box, messageAnswer);
        return false;
    }
    if (HWND report = FindDialogWith(ReportHeaderId, ::GetCurrentProcessId())) {
        if (report == lastReport_) return false;
        lastReport_ = report;
        seen.push_back(Seen::Report);
        HWND second = ::GetDlgItem(report, IDCANCEL);
        reports.push_back({TextOf(::GetDlgItem(report, ReportHeaderId)),
                           TextOf(::GetDlgItem(report, IDC_ERROR_MESSAGE_TEXT)),
                           (::GetWindowLongW(second, GWL_STYLE) & WS_VISIBLE) == 0});
        ::SendMessageW(::GetDlgItem(report, reportAnswer), BM_CLICK, 0, 0);
        return false;
    }
    HWND mainWindow = FindDialogWith(ClubListId);
    if (mainWindow != nullptr && mainWindow != lastMainWindow_) {
        lastMainWindow_ = mainWindow;
        seen.push_back(Seen::MainWindow);
        if (onMainWindow) onMainWindow();
        if (closeMainWindow) ::PostMessageW(mainWindow, WM_CLOSE, 0, 0);
    }
    return false;
}

}  // namespace app_test
