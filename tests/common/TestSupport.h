#pragma once
// Helpers shared by every test program: repository paths, scratch folders,
// file bytes and the recorder of application messages.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/AppMessage.h"

namespace testing_support {

// A file or folder of the source tree, as a core path ("data\\trdata\\...").
std::u16string SourcePath(std::u16string_view relative);
// The build folder, as a core path.
std::u16string BinaryPath(std::u16string_view relative);
// Where a test writes a picture for a person to look at (or what a probe
// of it reads): its place below the build folder, or, while a screenshot
// script runs the test, the folder TR_PICTURE_FOLDER names, so that ctest
// running the same test case meanwhile never writes the script's file.
std::u16string PicturePath(std::u16string_view relative);

// A fresh empty folder below the system's temporary folder, removed with
// everything in it when the object dies.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::u16string& Path() const { return path_; }
    std::u16string File(std::u16string_view name) const;

private:
    std::u16string path_;
};

std::vector<std::uint8_t> ReadBytes(std::u16string_view path);
void WriteBytes(std::u16string_view path, const std::vector<std::uint8_t>& bytes);
void WriteBytes(std::u16string_view path, std::string_view bytes);
std::vector<std::uint8_t> Bytes(std::string_view text);
std::string Narrow(std::u16string_view text);

// A walk over the whole sample that would take too long for one case runs
// as several, a group of the items each: every groups-th item, so that big
// and small items spread over the groups.
template <typename Item>
std::vector<Item> GroupOf(const std::vector<Item>& all, int group, int groups)
{
    std::vector<Item> items;
    for (std::size_t at = static_cast<std::size_t>(group); at < all.size(); at += static_cast<std::size_t>(groups)) {
        items.push_back(all[at]);
    }
    return items;
}

// Names the case of a group "Group1", "Group2", ...
struct GroupCaseName {
    std::string operator()(const auto& info) const { return "Group" + std::to_string(info.param + 1); }
};

// Records every ShowAppMessageBox text while alive and answers with answer.
class MessageCapture {
public:
    explicit MessageCapture(int answer = AppMessage::IdOk);
    ~MessageCapture();
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;
    const std::vector<std::u16string>& Messages() const { return messages_; }
    const std::vector<unsigned>& Flags() const { return flags_; }
    void Clear();
    // Runs while each message is shown, before its answer is given.
    std::function<void()> whileShown;

private:
    static int Record(const char16_t* text, unsigned flags, void* context);
    AppMessageSink previous_;
    int answer_;
    std::vector<std::u16string> messages_;
    std::vector<unsigned> flags_;
};

// Loads the editor's shipped texts in English before the program's first
// test: for test programs whose messages and names come from them.
void UseEditorTextsInEnglish();

// The goalkeeper's full name in each text language (English first, in the
// order of the localisation file): what every combo, page and exported file
// shows, where the narrow list columns show a short form.
inline constexpr const char16_t* FullGoalkeeperNames[] = {u"Goalkeeper", u"Gardien de but", u"Torwart",
                                                          u"Portiere",   u"Portero",        u"Bramkarz"};

}  // namespace testing_support
