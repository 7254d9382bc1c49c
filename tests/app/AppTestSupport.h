#pragma once
// Shared helpers of the program's tests: a working folder laid out like the
// shipped one and made current, the stored agreement, and a responder that
// answers the program's dialogs from inside its modal loops.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/common/TestSupport.h"

class CLedraApp;
class TCompleteWorld;
namespace win {
class CDialog;
}

namespace app_test {

// A working folder below the temporary folder (its last part named as
// given) holding trdata and, when asked, Database; current directory and
// base folder while alive.
class WorkingFolder {
public:
    explicit WorkingFolder(std::u16string_view name = u"work", bool withDatabase = false, bool withTexts = true);
    ~WorkingFolder();
    const std::u16string& Path() const { return path_; }
    void WriteLocaleIni(const char* value) const;

private:
    testing_support::TempFolder temp_;
    std::u16string path_;
    std::u16string previousCurrent_;
    std::u16string previousBase_;
};

void CopyTree(const std::u16string& from, const std::u16string& to);
// Stores or removes the agreement's acceptance of the edition the current
// folder's locale.ini names.
void StoreAcceptance(bool stored);
// Starts the program's services over the current working folder as its
// start does (acceptance, texts, folders, stadium and reference lists) and
// loads the folder's Database as the current world; null when any fails.
TCompleteWorld* StartOverWorkingFolder(CLedraApp& app);

// What the program showed, in order, and how the responder answers it.
struct Responder {
    enum class Seen { Agreement, Message, Report, MainWindow };
    // What the message dialog of collected results showed.
    struct Report {
        std::u16string header;
        std::u16string text;
        bool singleButton = false;
    };
    INT_PTR agreementAnswer = IDOK;
    int messageAnswer = IDYES;
    // The button pressed in the message dialog: IDOK or IDCANCEL.
    int reportAnswer = IDOK;
    std::vector<Report> reports;
    bool closeMainWindow = true;
    std::function<void()> onMainWindow;
    // Sees each message box before it is answered.
    std::function<void(HWND box)> onMessage;
    std::vector<Seen> seen;
    std::vector<std::u16string> messages;
    std::vector<std::u16string> captions;
    // One look at this thread's windows; false, so the driver keeps going.
    bool Step();

private:
    HWND lastAgreement_ = nullptr;
    HWND lastMainWindow_ = nullptr;
    HWND lastBox_ = nullptr;
    HWND lastReport_ = nullptr;
};

// The shipped tables of names (kits, colours, formations, stadiums) of the
// current text language.
void LoadLanguageTables();

// Runs look once in each of the six languages as a user who starts the
// program in it sees the world: its names in that database language, the
// texts and the tables of names in the language that goes with it; each
// run traced with the language's name. The world's language and its tables
// are the ones before afterwards.
void InEachLanguageOfTheWorld(TCompleteWorld& world, const std::function<void()>& look);

// A visible dialog of the thread or process holding a control with that id.
HWND FindDialogWith(int controlId, DWORD processId = 0);
// The answer button of a message box, clicked: the wanted one when the
// box has it, else its only one.
void AnswerBox(HWND box, int wanted);

// Every dialog of the interface thread but the box, shown or hidden, is
// disabled: nothing under the box takes input while it is open.
void ExpectOnlyBoxEnabled(HWND box);
// The window is in the foreground with the focus on one of its controls:
// the keys a user presses reach it.
void ExpectTakesKeys(HWND window);

// Runs the editor modally over a window in the main window's place, which
// owns the program's boxes meanwhile as the main window does. ask runs once
// the editor is shown and posts the command that asks the program's
// question; the question is answered with answer, then the editor closed
// with OK. Expects the editor disabled while the question is open and,
// once it is answered, the main window still disabled and the editor
// enabled, active, in the foreground and taking keys.
void ExpectQuestionOwnedByEditor(CLedraApp& app, win::CDialog& editor, const std::function<void()>& ask, int answer);

}  // namespace app_test
