#include "app/LedraApp.h"

#include <windows.h>
#include <shellapi.h>

#include <ctime>

#include "app/CrashDump.h"
#include "app/DlgEula.h"
#include "app/DlgMainMenu.h"
#include "app/DlgSplash.h"
#include "app/LanguageChoice.h"
#include "app/ProgressBehindBox.h"
#include "app/ToolServices.h"
#include "core/text/Format.h"
#include "core/Random.h"
#include "core/text/TextManager.h"
#include "database/world/CompleteWorld.h"
#include "platform/Platform.h"
#include "ui/dialogs/DlgLongtimeOperation.h"
#include "ui/skin/SkinBitmap.h"
#include "win/Dialog.h"
#include "win/MessageBox.h"
#include "win/SystemPaths.h"
#include "win/WideText.h"
#include "win/WorkerThread.h"

namespace {

CLedraApp* editorApp = nullptr;

std::u16string Truncated(std::u16string text, std::size_t capacity)
{
    if (text.size() > capacity) text.resize(capacity);
    return text;
}

void ShowGameEditorMutexMessage()
{
    const std::u16string ini = language_choice::ReadLocaleIni(win::GetCurrentFolder(), 64);
    const int language = language_choice::LanguageFromIniValue(ini, language_choice::UserPrimaryLanguage(), false);
    struct Message {
        int language;
        const char16_t* caption;
        const char16_t* text;
    };
    static constexpr Message messages[] = {
        {language_choice::German, u"Fehler!", u"Der Editor und das Spiel können nicht gleichzeitig gestartet werden."},
        {language_choice::Spanish, u"¡Error!", u"No se puede iniciar a la vez el juego y el editor."},
        {language_choice::French, u"Erreur!", u"Vous ne pouvez pas lancer le jeu et l'éditeur en même temps."},
        {language_choice::Italian, u"Errore!", u"Non è possibile avviare il gioco e l'editor contemporaneamente."},
    };
    const Message* chosen = nullptr;
    for (const Message& message : messages) {
        if (message.language == language) chosen = &message;
    }
    const char16_t* caption = chosen ? chosen->caption : u"Error!";
    const char16_t* text =
        chosen ? chosen->text : u"Starting the game and the editor at the same time is not possible.";
    win::ShowMessageBox(nullptr, text, caption, MB_ICONERROR | MB_TOPMOST | MB_SETFOREGROUND);
}

unsigned DumpHotkeyThread(void* argument)
{
    auto& state = *static_cast<std::atomic<int>*>(argument);
    bool pressed = (::GetAsyncKeyState(VK_F12) & 0x8000) != 0;
    while (state.load() == 1) {
        ::Sleep(100);
        const bool down = (::GetAsyncKeyState(VK_F12) & 0x8000) != 0;
        if (pressed && !down) WriteMiniDump();
        pressed = down;
    }
    state.store(3);
    return 0;
}

}  // namespace

CLedraApp::CLedraApp() : guiColours_(std::make_unique<CTabbedConfig>()) { editorApp = this; }

CLedraApp::~CLedraApp()
{
    StopDumpHotkeyThread();
    if (editorApp == this) editorApp = nullptr;
}

CLedraApp& GetEditorApp() { return *editorApp; }
bool HasEditorApp() { return editorApp != nullptr; }

bool CLedraApp::InitInstance(std::u16string_view commandLine)
{
    RunStartUp(commandLine);
    StopDumpHotkeyThread();
    mutex_.Close();
    return false;
}

bool CLedraApp::RunStartUp(std::u16string_view commandLine)
{
    InstallCrashDumpHandler();
    if (!InitLanguageAndTexts()) {
        const std::u16string path = win::GetCurrentFolder() + u"\\" + GetLocalisationFilePath();
        const std::u16string text = Format(u"FATAL ERROR: Unable to load localization resource from %s", path);
        win::ShowMessageBox(nullptr, text.c_str(), u"", MB_OK);
        return false;
    }
    SetMessageBoxCaption(CTextManager::Instance()->GetText(u"Database.MessageBoxCaption"_tk), nullptr);
    if (HasInvalidPathCharacters(Truncated(win::GetCurrentFolder(), FolderCapacity), win::GetDocumentsFolder())) {
        ShowMessageBox(CTextManager::Instance()->GetText(u"Database.ErrorUnicode"_tk), MB_OK);
        return false;
    }
    rawCommandLine_ = commandLine;
    ::LoadLibraryW(L"riched20.dll");
    if (!RunAgreement()) return false;
    commandLine_.Split(commandLine);
    const SwitchOutcome outcome = ApplySwitches();
    SetFoldersFromWorkingFolder();
    if (outcome == SwitchOutcome::Restore) {
        RunRestoreFromCommandLine();
        return false;
    }
    // Passes at once now that the acceptance is stored.
    if (!RunAgreement()) return false;
    ShowSplash();
    LoadBackgroundBitmap();
    if (!external_ && !CheckGameEditorMutex()) return false;
    CrtSrand(::GetTickCount());
    if (dumpHotkeyRequested_) StartDumpHotkeyThread();
    RunMainWindow();
    return true;
}

bool CLedraApp::RunAgreement()
{
    CDlgEula agreement;
    return agreement.DoModal() == IDOK;
}

bool CLedraApp::InitLanguageAndTexts()
{
    int language = language_choice::UserPrimaryLanguage();
    language = language_choice::LanguageFromIniValue(language_choice::ReadLocaleIni(win::GetCurrentFolder(), 256),
                                                     language, true);
    const language_choice::LanguagePair pair = language_choice::MapLanguage(language);
    databaseLanguage_ = pair.database;
    TCompleteWorld::SetApplicationDatabaseLanguage(static_cast<std::uint8_t>(pair.database));
    CTextManager::Instance()->SetLanguage(pair.text);
    const bool loaded = CTextManager::Instance()->LoadFile(GetLocalisationFilePath());
    wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
    if (::GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SENGLANGUAGE, name, LOCALE_NAME_MAX_LENGTH) > 0)
        _wsetlocale(LC_COLLATE, name);
    return loaded;
}

bool CLedraApp::HasInvalidPathCharacters(const std::u16string& workingFolder, const std::u16string& documents)
{
    for (const std::u16string* folder : {&workingFolder, &documents}) {
        bool lossy = false;
        if (!platform::Utf16ToSystemCodePage(*folder, &lossy) || lossy) return true;
    }
    return false;
}

void CLedraApp::SetDatabaseLanguage(int databaseLanguage)
{
    databaseLanguage_ = databaseLanguage;
    TCompleteWorld::SetApplicationDatabaseLanguage(static_cast<std::uint8_t>(databaseLanguage));
    CTextManager::Instance()->SetLanguage(language_choice::TextLanguageForDatabaseLanguage(databaseLanguage));
}

CLedraApp::SwitchOutcome CLedraApp::ApplySwitches()
{
    if (commandLine_.GetCount() == 0) return SwitchOutcome::Continue;
    const int databaseLanguage = language_choice::DatabaseLanguageFromSwitches(commandLine_);
    if (databaseLanguage >= 0) SetDatabaseLanguage(databaseLanguage);
    if (commandLine_.HasSwitch(u"-external")) external_ = true;
    if (commandLine_.HasSwitch(u"-longest")) CTextManager::Instance()->SetLongestTextMode(true);
    // The restore waits until the folders are set, so it works below the
    // working folder and not below the drive's root.
    if (commandLine_.HasSwitch(u"-restore")) return SwitchOutcome::Restore;
    if (commandLine_.HasSwitch(u"kranichflug_hinten")) {
        SetAdminMode(GetAdminModeFlag(), true);
        dumpHotkeyRequested_ = true;
    }
    if (commandLine_.HasSwitch(u"-minidumptest")) ::RaiseException(0xE0000001, EXCEPTION_NONCONTINUABLE, 0, nullptr);
    if (commandLine_.HasSwitch(u"-minidumphotkey")) dumpHotkeyRequested_ = true;
    return SwitchOutcome::Continue;
}

void CLedraApp::SetFoldersFromWorkingFolder()
{
    baseFolder_ = Truncated(win::GetCurrentFolder(), FolderCapacity);
    if (baseFolder_.empty()) baseFolder_ = u".";
    platform::SetBaseFolder(baseFolder_);
    scriptFolder_ = Truncated(baseFolder_ + u"\\Script", FolderCapacity);
    databaseFolder_ = Truncated(
        baseFolder_ + u"\\trdata\\" + CTextManager::Instance()->GetText(u"Database.Folder"_tk), FolderCapacity);
    badgesFolder_ = Truncated(baseFolder_ + u"\\Badges", FolderCapacity);
}

void CLedraApp::RunRestoreFromCommandLine()
{
    LoadBackgroundBitmap();
    PromptRestoreFromBackup();
    // A restore from the command line never restarts the program.
    restart_ = false;
}

void CLedraApp::ShowSplash()
{
    splash_ = std::make_unique<CDlgSplash>();
    if (!splash_->Create(nullptr)) {
        splash_.reset();
        return;
    }
    splash_->FadeIn();
}

void CLedraApp::ReleaseSplash()
{
    if (splash_ && splash_->Handle() != nullptr) splash_->Destroy();
    splash_.reset();
}

void CLedraApp::LoadBackgroundBitmap()
{
    const std::u16string program = win::GetModulePath();
    HBITMAP bitmap = nullptr;
    if (program.size() > 4) {
        std::u16string extension = program.substr(program.size() - 4);
        for (char16_t& c : extension) c = (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c;
        if (extension == u".exe") {
            const std::u16string picture = program.substr(0, program.size() - 4) + u".bmp";
            bitmap = static_cast<HBITMAP>(
                ::LoadImageW(nullptr, win::W(picture), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
        }
    }
    if (bitmap == nullptr) {
        bitmap = static_cast<HBITMAP>(::LoadImageW(win::CDialog::GetResourceModule(),
                                                   MAKEINTRESOURCEW(BackgroundBitmapId), IMAGE_BITMAP, 0, 0,
                                                   LR_CREATEDIBSECTION));
    }
    SetSkinBitmap(bitmap);
    backgroundBitmap_.Reset(bitmap);
}

bool CLedraApp::CheckGameEditorMutex()
{
    const win::CNamedMutex::Result result = mutex_.Create(GameEditorMutexName);
    if (result != win::CNamedMutex::Result::Existed) return true;
    ShowGameEditorMutexMessage();
    return false;
}

void CLedraApp::StartDumpHotkeyThread()
{
    dumpHotkeyState_.store(1);
    dumpHotkeyThread_ = StartThread(DumpHotkeyThread, &dumpHotkeyState_);
}

void CLedraApp::StopDumpHotkeyThread()
{
    if (dumpHotkeyThread_ == nullptr) return;
    dumpHotkeyState_.store(2);
    ::WaitForSingleObject(dumpHotkeyThread_, 10000);
    ::CloseHandle(dumpHotkeyThread_);
    dumpHotkeyThread_ = nullptr;
}

void CLedraApp::RunMainWindow()
{
    DlgMainMenu mainWindow(nullptr);
    mainWindow_ = &mainWindow;
    mainWindow.DoModal();
    mainWindow_ = nullptr;
}

HWND CLedraApp::GetMainWindow() const { return mainWindow_ != nullptr ? mainWindow_->Handle() : nullptr; }

int CLedraApp::ExitInstance()
{
    ReleaseSplash();
    SetSkinBitmap(nullptr);
    if (restart_) RestartProgram();
    return 1;
}

void CLedraApp::RestartProgram() const
{
    const std::u16string program = win::GetModulePath();
    const std::u16string arguments = CCommandLine::ArgumentsBehindProgram(rawCommandLine_);
    ::ShellExecuteW(nullptr, nullptr, win::W(program), arguments.empty() ? nullptr : win::W(arguments),
                    win::W(baseFolder_), SW_SHOWNORMAL);
}

void CLedraApp::SetMessageBoxCaption(const char16_t* caption, HWND owner)
{
    caption_ = Truncated(caption != nullptr ? caption : u"", CaptionCapacity);
    owner_ = owner;
}

// A box owned by the main window while an editor is open over it would
// leave the editor usable, and its end would enable the main window and
// bring it to the front over the editor. The window last active over the
// main window is the open editor, or the main window itself when none is.
// A progress dialog, or a window hidden on its way out, goes away while the
// box stays open, leaving it over nothing: the box takes the window below,
// disabled or not, as a progress dialog standing over it disables it.
HWND CLedraApp::GetMessageBoxOwner() const
{
    HWND popup = owner_ != nullptr ? ::GetLastActivePopup(owner_) : nullptr;
    while (popup != nullptr && popup != owner_ && !StaysForABox(popup)) popup = ::GetWindow(popup, GW_OWNER);
    return popup != nullptr ? popup : owner_;
}

bool CLedraApp::StaysForABox(HWND window)
{
    return ::IsWindowVisible(window) && !CDlgLongtimeOperation::IsProgressWindow(window);
}

int CLedraApp::ShowMessageBox(const char16_t* text, unsigned flags) const
{
    const CProgressBehindBox progress;
    return win::ShowMessageBox(GetMessageBoxOwner(), text, caption_.c_str(), flags);
}

TAdminModeFlag& GetAdminModeFlag()
{
    static TAdminModeFlag flag;
    return flag;
}

void SetAdminMode(TAdminModeFlag& flag, bool on) { flag.on = on; }
bool IsAdminMode(const TAdminModeFlag& flag) { return flag.on; }
