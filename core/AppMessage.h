#pragma once
// Every message of the core reaches the user through ShowAppMessageBox. The
// Windows program installs its message box here; tests install a recorder.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Message-box style bits and answers, with the values Windows gives them.
namespace AppMessage {
inline constexpr unsigned Ok = 0x0;
inline constexpr unsigned OkCancel = 0x1;
inline constexpr unsigned YesNoCancel = 0x3;
inline constexpr unsigned YesNo = 0x4;
inline constexpr unsigned IconError = 0x10;
inline constexpr unsigned IconQuestion = 0x20;
inline constexpr unsigned IconWarning = 0x30;
inline constexpr unsigned IconInformation = 0x40;
// The second button (No of Yes/No) is the one Enter presses.
inline constexpr unsigned DefaultSecond = 0x100;
inline constexpr int IdOk = 1;
inline constexpr int IdCancel = 2;
inline constexpr int IdYes = 6;
inline constexpr int IdNo = 7;
}  // namespace AppMessage

using AppMessageHandler = int (*)(const char16_t* text, unsigned flags, void* context);

// Shows text (never a format) and returns the id of the button pressed.
int ShowAppMessageBox(const char16_t* text, unsigned flags = AppMessage::Ok);

// Installs a handler and returns the previous one. Without a handler the
// text goes to the standard error stream and the answer is IdOk.
struct AppMessageSink {
    AppMessageHandler handler;
    void* context;
};
AppMessageSink SetAppMessageSink(AppMessageSink sink);

// Choosing a file: an open dialog (the file must exist) or a save dialog
// (asking before an existing file is replaced). The filter is in the
// "Text (*.txt)|*.txt|All files|*.*||" form.
struct AppFileChoice {
    bool save = false;
    std::u16string_view title;
    std::u16string_view filter;
    std::u16string_view extension;
};
using AppFileChooser = std::u16string (*)(const AppFileChoice& choice, void* context);
struct AppFileChooserSink {
    AppFileChooser chooser;
    void* context;
};
// Installs a chooser and returns the previous one.
AppFileChooserSink SetAppFileChooser(AppFileChooserSink sink);
// The chosen path; empty when cancelled or when no chooser is installed.
std::u16string ChooseAppFile(const AppFileChoice& choice);

// Picking one of a list: a caption, a prompt and the choices' texts.
struct AppListChoice {
    std::u16string_view caption;
    std::u16string_view prompt;
    std::vector<std::u16string> items;
};
using AppListPicker = int (*)(const AppListChoice& choice, void* context);
struct AppListPickerSink {
    AppListPicker picker;
    void* context;
};
// Installs a picker and returns the previous one.
AppListPickerSink SetAppListPicker(AppListPickerSink sink);
// The index of the chosen item; -1 when cancelled or when no picker is
// installed.
int PickAppListItem(const AppListChoice& choice);

// A header line over a longer text that the user may scroll, for collected
// results: one OK button, or OK and Cancel. The answer is IdOk or IdCancel.
struct AppReport {
    std::u16string_view header;
    std::u16string_view text;
    bool withCancel = false;
};
using AppReportShower = int (*)(const AppReport& report, void* context);
struct AppReportSink {
    AppReportShower shower;
    void* context;
};
// Installs a shower and returns the previous one.
AppReportSink SetAppReportShower(AppReportSink sink);
// Without a shower the header, an empty line and the text go to
// ShowAppMessageBox as one message.
int ShowAppReport(const AppReport& report);
