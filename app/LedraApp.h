#pragma once
// The program's single application object. Its start-up does all the work
// of the program's life on the user-interface thread: it chooses the
// languages, loads the texts, refuses unsuitable paths, has the agreement
// accepted, reads the command line, sets the folders, shows the splash,
// keeps the editor and the game from running together and runs the main
// window modally. It also holds the folders, the message-box caption, the
// background bitmap, the colour table and a few process-wide flags.

#include <windows.h>

#include <atomic>
#include <memory>
#include <string>
#include <string_view>

#include "app/CommandLine.h"
#include "core/files/TabbedConfig.h"
#include "database/world/Date.h"
#include "win/Gdi.h"
#include "win/NamedMutex.h"

class CDlgSplash;
namespace win {
class CDialog;
}

inline constexpr char16_t GameEditorMutexName[] = u"TRELLAN_GAME_AND_EDITOR_MUTEX";

class CLedraApp {
public:
    static constexpr std::size_t CaptionCapacity = 255;
    static constexpr std::size_t FolderCapacity = 259;
    static constexpr int BackgroundBitmapId = 155;

    CLedraApp();
    ~CLedraApp();
    CLedraApp(const CLedraApp&) = delete;
    CLedraApp& operator=(const CLedraApp&) = delete;

    // Runs the program's whole life for this command line (the program's
    // own path first); always false, as there is no message loop after it.
    bool InitInstance(std::u16string_view commandLine);
    // Tidies up, restarts the program when a restore asked for it; 1.
    int ExitInstance();

    const std::u16string& GetBaseFolder() const { return baseFolder_; }
    const std::u16string& GetScriptFolder() const { return scriptFolder_; }
    const std::u16string& GetDatabaseFolder() const { return databaseFolder_; }
    const std::u16string& GetBadgesFolder() const { return badgesFolder_; }
    // Sets the four folders from the process's current folder.
    void SetFoldersFromWorkingFolder();
    int GetLanguageIndex() const { return databaseLanguage_; }
    HBITMAP GetBackgroundBitmap() const { return backgroundBitmap_.Get(); }
    CTabbedConfig& GetGuiColours() { return *guiColours_; }

    void SetMessageBoxCaption(const char16_t* caption, HWND owner);
    const std::u16string& GetMessageBoxCaption() const { return caption_; }
    // The owner of the program's boxes and dialogs: the modal window open
    // over the stored owner, else the stored owner itself; never a progress
    // dialog, but the window it stands over.
    HWND GetMessageBoxOwner() const;
    int ShowMessageBox(const char16_t* text, unsigned flags) const;

    const CCommandLine& GetCommandLine() const { return commandLine_; }
    const char16_t* GetArgument(int index) const { return commandLine_.GetArgument(index); }
    int GetArgumentCount() const { return commandLine_.GetCount(); }

    void SetExternalMode(bool on) { external_ = on; }
    bool IsExternalMode() const { return external_; }
    void SetRestartOnExit(bool on) { restart_ = on; }
    bool IsRestartOnExit() const { return restart_; }
    bool IsGameEditorMutexHeld() const { return mutex_.IsOpen(); }

    // The main window while start-up runs it; null before and after.
    HWND GetMainWindow() const;

    CDlgSplash* GetSplash() const { return splash_.get(); }
    void ReleaseSplash();

    static const char16_t* GetLocalisationFilePath() { return u"trdata\\DatabaseEditor.txt"; }

    // Chooses the languages from "locale.ini" or the user's language and
    // loads the localisation file; false when it cannot be loaded.
    bool InitLanguageAndTexts();
    // True when the working folder's or the documents folder's path has a
    // character that the system code page cannot hold.
    static bool HasInvalidPathCharacters(const std::u16string& workingFolder, const std::u16string& documents);
    void LoadBackgroundBitmap();

private:
    enum class SwitchOutcome { Continue, Restore };

    // A window a box may stand over for as long as the box is open.
    static bool StaysForABox(HWND window);

    bool RunStartUp(std::u16string_view commandLine);
    static bool RunAgreement();
    void SetDatabaseLanguage(int databaseLanguage);
    SwitchOutcome ApplySwitches();
    void RunRestoreFromCommandLine();
    void ShowSplash();
    bool CheckGameEditorMutex();
    void StartDumpHotkeyThread();
    void StopDumpHotkeyThread();
    void RunMainWindow();
    void RestartProgram() const;

    CCommandLine commandLine_;
    std::u16string rawCommandLine_;
    win::CBitmap backgroundBitmap_;
    std::unique_ptr<CTabbedConfig> guiColours_;
    int databaseLanguage_ = 0;
    std::u16string caption_;
    HWND owner_ = nullptr;
    bool external_ = false;
    bool restart_ = false;
    std::u16string baseFolder_;
    std::u16string scriptFolder_;
    std::u16string databaseFolder_;
    std::u16string badgesFolder_;
    std::unique_ptr<CDlgSplash> splash_;
    win::CDialog* mainWindow_ = nullptr;
    win::CNamedMutex mutex_;
    bool dumpHotkeyRequested_ = false;
    std::atomic<int> dumpHotkeyState_{0};
    HANDLE dumpHotkeyThread_ = nullptr;
};

// The application object; the program has exactly one while it runs.
CLedraApp& GetEditorApp();
// True when an application object exists (tools and tests run without).
bool HasEditorApp();

// The hidden developer mode.
struct TAdminModeFlag {
    bool on = false;
};
TAdminModeFlag& GetAdminModeFlag();
void SetAdminMode(TAdminModeFlag& flag, bool on);
bool IsAdminMode(const TAdminModeFlag& flag);
inline bool IsAdminMode() { return IsAdminMode(GetAdminModeFlag()); }

