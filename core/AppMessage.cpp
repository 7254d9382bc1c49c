#include "core/AppMessage.h"

#include <cstdio>
#include <mutex>
#include <string>

#include "platform/TextCodec.h"

namespace {

std::mutex gSinkMutex;
AppMessageSink gSink{nullptr, nullptr};
AppFileChooserSink gChooser{nullptr, nullptr};
AppListPickerSink gPicker{nullptr, nullptr};
AppReportSink gReport{nullptr, nullptr};

int WriteToStandardError(const char16_t* text, unsigned, void*)
{
    const std::string utf8 = platform::Utf16ToUtf8(text ? std::u16string_view(text) : std::u16string_view{});
    std::fprintf(stderr, "%s\n", utf8.c_str());
    return AppMessage::IdOk;
}

}  // namespace

int ShowAppMessageBox(const char16_t* text, unsigned flags)
{
    AppMessageSink sink;
    {
        std::lock_guard lock(gSinkMutex);
        sink = gSink;
    }
    if (!sink.handler) return WriteToStandardError(text, flags, nullptr);
    return sink.handler(text ? text : u"", flags, sink.context);
}

AppMessageSink SetAppMessageSink(AppMessageSink sink)
{
    std::lock_guard lock(gSinkMutex);
    const AppMessageSink previous = gSink;
    gSink = sink;
    return previous;
}

AppFileChooserSink SetAppFileChooser(AppFileChooserSink sink)
{
    std::lock_guard lock(gSinkMutex);
    const AppFileChooserSink previous = gChooser;
    gChooser = sink;
    return previous;
}

std::u16string ChooseAppFile(const AppFileChoice& choice)
{
    AppFileChooserSink sink;
    {
        std::lock_guard lock(gSinkMutex);
        sink = gChooser;
    }
    return sink.chooser ? sink.chooser(choice, sink.context) : std::u16string();
}

AppListPickerSink SetAppListPicker(AppListPickerSink sink)
{
    std::lock_guard lock(gSinkMutex);
    const AppListPickerSink previous = gPicker;
    gPicker = sink;
    return previous;
}

int PickAppListItem(const AppListChoice& choice)
{
    AppListPickerSink sink;
    {
        std::lock_guard lock(gSinkMutex);
        sink = gPicker;
    }
    return sink.picker ? sink.picker(choice, sink.context) : -1;
}

AppReportSink SetAppReportShower(AppReportSink sink)
{
    std::lock_guard lock(gSinkMutex);
    const AppReportSink previous = gReport;
    gReport = sink;
    return previous;
}

int ShowAppReport(const AppReport& report)
{
    AppReportSink sink;
    {
        std::lock_guard lock(gSinkMutex);
        sink = gReport;
    }
    if (sink.shower) return sink.shower(report, sink.context);
    const std::u16string text = std::u16string(report.header) + u"\r\n\r\n" + std::u16string(report.text);
    return ShowAppMessageBox(text.c_str(), report.withCancel ? AppMessage::OkCancel : AppMessage::Ok);
}
