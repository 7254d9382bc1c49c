#include "core/AppMessage.h"

#include <cstdio>
#include <mutex>
#include <string>
#include <utility>

#include "platform/TextCodec.h"

namespace {

std::mutex gSinkMutex;
AppMessageSink gSink{nullptr, nullptr};
AppFileChooserSink gChooser{nullptr, nullptr};
AppListPickerSink gPicker{nullptr, nullptr};
AppReportSink gReport{nullptr, nullptr};

// Every sink is set and read under the one mutex, so a message shown from a
// worker thread never sees a sink half installed.
template <class Sink>
Sink Exchange(Sink& installed, Sink sink)
{
    std::lock_guard lock(gSinkMutex);
    return std::exchange(installed, sink);
}

template <class Sink>
Sink Current(const Sink& installed)
{
    std::lock_guard lock(gSinkMutex);
    return installed;
}

int WriteToStandardError(const char16_t* text, unsigned, void*)
{
    const std::string utf8 = platform::Utf16ToUtf8(text ? std::u16string_view(text) : std::u16string_view{});
    std::fprintf(stderr, "%s\n", utf8.c_str());
    return AppMessage::IdOk;
}

}  // namespace

int ShowAppMessageBox(const char16_t* text, unsigned flags)
{
    const AppMessageSink sink = Current(gSink);
    if (!sink.handler) return WriteToStandardError(text, flags, nullptr);
    return sink.handler(text ? text : u"", flags, sink.context);
}

AppMessageSink SetAppMessageSink(AppMessageSink sink) { return Exchange(gSink, sink); }

AppFileChooserSink SetAppFileChooser(AppFileChooserSink sink) { return Exchange(gChooser, sink); }

std::u16string ChooseAppFile(const AppFileChoice& choice)
{
    const AppFileChooserSink sink = Current(gChooser);
    return sink.chooser ? sink.chooser(choice, sink.context) : std::u16string();
}

AppListPickerSink SetAppListPicker(AppListPickerSink sink) { return Exchange(gPicker, sink); }

int PickAppListItem(const AppListChoice& choice)
{
    const AppListPickerSink sink = Current(gPicker);
    return sink.picker ? sink.picker(choice, sink.context) : -1;
}

AppReportSink SetAppReportShower(AppReportSink sink) { return Exchange(gReport, sink); }

int ShowAppReport(const AppReport& report)
{
    const AppReportSink sink = Current(gReport);
    if (sink.shower) return sink.shower(report, sink.context);
    const std::u16string text = std::u16string(report.header) + u"\r\n\r\n" + std::u16string(report.text);
    return ShowAppMessageBox(text.c_str(), report.withCancel ? AppMessage::OkCancel : AppMessage::Ok);
}
